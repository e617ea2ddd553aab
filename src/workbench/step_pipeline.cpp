#include "circuit/gate_shape.h"
#include "core/gate_grid.h"
#include "core/matrix_text.h"
#include "workbench/form1.h"
#include "workbench/form1_controls.h"
#include "workbench/merged_gate.h"
#include "workbench/two_level_gate.h"

namespace selvaris {

using namespace form1;

namespace {

// Index of the latest step in the gate histories; steps are numbered from 1.
int LatestIndex(const WorkbenchState& state) { return state.StepCount - 1; }

bool IsStepIndex(int index) { return index >= 0 && index < MatrixHistory::kSlots; }

}  // namespace

void Form1::BeginStep() {
    ++state_.StepCount;
    ShowStepCount();
    RecordStep(state_.PickedCell);
    BuildMergedGate();
}

void Form1::RecordStep(std::int16_t& code) {
    const int k = LatestIndex(state_);
    if (!IsStepIndex(k) || !IsStepIndex(k + 1)) return;
    state_.SingleGateHist[static_cast<std::size_t>(k)] = state_.SingleGateMode ? 1 : 0;
    std::string& name = state_.GateNameHist[static_cast<std::size_t>(k)];
    if (state_.FinalStepFlag) {
        ApplyFinalGate();
        name = kFinalGateStepName;
    } else {
        name = state_.GateName;
        ApplyNamedGate(static_cast<std::int16_t>(code % 4));
    }
    SetText(kStepNameBox, name);
}

void Form1::ShowPreviousTarget() { ShowInTextBox(registers_, registers_.CurrentTarget, *this, kPreviousTargetBox); }

void Form1::ApplyNamedGate(std::int16_t column) {
    const int k = LatestIndex(state_);
    if (!IsStepIndex(k) || !IsStepIndex(k + 1)) return;
    ShowPreviousTarget();
    BuildNamedGate(registers_, state_, *this, state_.GateNameHist[static_cast<std::size_t>(k)], column);
    state_.TargetHist.at(k + 1) = registers_.CurrentTarget;
    ShowInTextBox(registers_, registers_.CurrentTarget, *this, kCurrentTargetBox);
    ColourCells();
    FinishStep();
}

void Form1::ApplyFinalGate() {
    const int k = LatestIndex(state_);
    if (!IsStepIndex(k) || !IsStepIndex(k + 1)) return;
    ShowPreviousTarget();
    state_.GateMatrix = registers_.FinalGateMatrix;
    ApplyGateToTarget(registers_, state_);
    state_.GateHist.at(k) = state_.GateMatrix;
    state_.TargetHist.at(k + 1) = registers_.CurrentTarget;
    ShowInTextBox(registers_, registers_.CurrentTarget, *this, kCurrentTargetBox);
    ColourCells();
    FinishStep();
}

void Form1::FinishStep() {
    const int k = LatestIndex(state_);
    if (!IsStepIndex(k) || k >= static_cast<int>(state_.InverseTextHist.size())) return;
    const ComplexMatrix& gate = RecordedGate(k);

    registers_.InverseSource = gate;
    ShowInTextBox(registers_, state_.MergedGateHist.at(k), *this, kMergedSlotBox);
    ShowInTextBox(registers_, registers_.InverseSource, *this, kInvertedGateBox);
    // The product of all inverses with the target would give back the target
    // as set; nothing shows it, but the inversions run for the messages they
    // may show about a gate that cannot be inverted cleanly.
    Invert();
    for (int earlier = k - 1; earlier >= 0; --earlier) {
        registers_.InverseSource = RecordedGate(earlier);
        Invert();
    }

    registers_.ShowMatrix = state_.SingleGateMode ? state_.MergedGateHist.at(k) : state_.GateHist.at(k);
    if (state_.SingleGateMode) PaintGateGrid(registers_, state_.SavedGridIsR, state_.Tolerance, *this);
    if (TextsShown()) {
        RenderMatrixText(registers_);
        SetText(kStepGateBox, registers_.MatrixText);
        state_.InverseTextHist[static_cast<std::size_t>(k)] = registers_.MatrixText;
    }
    state_.InverseShapeHist[static_cast<std::size_t>(k)] =
        ClassifyGateShape(registers_.ShowMatrix, kShapeClosedTopControl, state_.Tolerance);
}

void Form1::BuildMergedGate() {
    const int k = LatestIndex(state_);
    if (!IsStepIndex(k)) return;
    state_.MergedGateHist.at(k) =
        selvaris::BuildMergedGate(state_.GateHist.at(k), state_.GateNameHist[static_cast<std::size_t>(k)]);
    ShowInTextBox(registers_, state_.MergedGateHist.at(k), *this, kMergedGateBox);
}

void Form1::StepBack() {
    if (state_.StepCount < 1) return;
    --state_.StepCount;
    ShowStepCount();
    registers_.CurrentTarget = state_.TargetHist.at(state_.StepCount);
    ShowInTextBox(registers_, registers_.CurrentTarget, *this, kCurrentTargetBox);
    ColourCells();
    if (state_.StepCount == 0) {
        SetText(kPreviousTargetBox, "");
        SetText(kStepGateBox, "");
    } else {
        ShowInTextBox(registers_, state_.GateHist.at(state_.StepCount - 1), *this, kStepGateBox);
    }
}

}  // namespace selvaris
