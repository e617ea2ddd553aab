#include <algorithm>

#include "circuit/gate_shape.h"
#include "circuit/shape_picture.h"
#include "core/matrix_text.h"
#include "workbench/form1.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

namespace {

std::size_t Index(int i) { return static_cast<std::size_t>(i); }

}  // namespace

void Form1::PageEarlierGate(int delta) {
    int position = state_.InversePagePos + delta;
    // ">" stops before the latest step, whose gate the step box already shows;
    // with a single step that bound is raised to its entry.
    if (delta > 0 && position >= state_.StepCount - 1) position = state_.StepCount - 2;
    const int last = static_cast<int>(state_.InverseTextHist.size()) - 1;
    state_.InversePagePos = static_cast<std::int16_t>(std::clamp(position, 0, last));
    ShowEarlierGate();
}

void Form1::ShowEarlierGate() {
    const int position = state_.InversePagePos;
    SetText(kEarlierGateBox, state_.InverseTextHist.at(Index(position)));
    SetText(kEarlierGatePositionLabel, std::to_string(position));
    ShowEarlierGateCount();
    SetDrawSurface(kEarlierGatePicture);
    DrawShapeInto(*this, drawSurface_, state_.InverseShapeHist.at(Index(position)));
}

void Form1::ShowEarlierGateCount() {
    if (Text(kEarlierGatePositionLabel).empty()) return;  // the pager shows nothing yet
    SetText(kEarlierGateCountLabel,
            std::to_string(state_.InversePagePos + 1) + " / " + std::to_string(RecordedGateCount()));
}

void Form1::BrowseFactors(int delta) {
    const int last = state_.StepCount - 1;
    // While no factor list belongs to the target the buttons are disabled; the
    // bound keeps the position inside the list all the same.
    state_.BrowseStep = static_cast<std::int16_t>(std::clamp(state_.BrowseStep + delta, 0, std::max(last, 0)));
    ShowBrowseStep();
}

void Form1::ShowBrowseStep() {
    SetText(kFactorPositionLabel, std::to_string(state_.BrowseStep));
    SetText(kFactorCountLabel, std::to_string(state_.BrowseStep + 1) + " / " + std::to_string(state_.StepCount));
    SetText(kFactorNameBox, state_.GateNameHist.at(Index(state_.BrowseStep)));
    ShowFactor();
}

void Form1::ShowFactor() {
    registers_.ShowMatrix = state_.FactorHist.at(state_.BrowseStep);
    SetDrawSurface(kFactorPicture);
    ShowFactorShape(registers_, state_.Tolerance, *this);
    if (!TextsShown()) return;
    RenderMatrixText(registers_);
    SetText(kFactorBox, registers_.MatrixText);
    const bool complex = registers_.MatrixText.find('i') != std::string::npos;
    SetText(kFactorKindLabel, complex ? "複素数" : "実数");
}

void Form1::BuildFactors() {
    const int c = state_.StepCount;
    if (c < 2 || c > MatrixHistory::kSlots) return;
    for (int k = 0; k <= c - 2; ++k) state_.FactorHist.at(k) = InverseOfRecordedGate(k);
    state_.FactorHist.at(c - 1) = registers_.CurrentTarget;
    // The partial products are for hidden boxes that only a window has.
    if (!Seen()) return;
    MatrixHistory& partial = registers_.PartialProducts;
    partial.at(0) = ComplexProduct(state_.FactorHist.at(c - 2), state_.FactorHist.at(c - 1));
    for (int e = 1; e <= c - 2; ++e) partial.at(e) = ComplexProduct(state_.FactorHist.at(c - 2 - e), partial.at(e - 1));
}

void Form1::PartialProductBack() {
    int n = std::max<int>(state_.PartialCount, 1) - 1;
    if (n < 2) n = state_.StepCount;
    state_.PartialCount = static_cast<std::int16_t>(n);
    ShowPartial();
}

void Form1::PartialProductForward() {
    int n = std::max<int>(state_.PartialCount, 1) + 1;
    if (n > state_.StepCount) n = 2;
    state_.PartialCount = static_cast<std::int16_t>(n);
    ShowPartial();
}

void Form1::ShowPartial() {
    const int n = state_.PartialCount;
    SetText(kPartialCountBox, std::to_string(n));
    // Fewer than two steps make no product: nothing new to show.
    if (n < 2 || n - 2 >= MatrixHistory::kSlots) return;
    state_.PartialMatrix = registers_.PartialProducts.at(n - 2);
    ShowInTextBox(registers_, state_.PartialMatrix, *this, kPartialProductBox);
}

}  // namespace selvaris
