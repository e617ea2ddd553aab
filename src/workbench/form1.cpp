#include "workbench/form1.h"

#include <algorithm>
#include <array>

#include "circuit/circuit_window.h"
#include "circuit/shape_picture.h"
#include "core/colour.h"
#include "core/complex_matrix.h"
#include "core/zero_tests.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

Form1::Form1(SharedRegisters& registers, Platform& platform)
    : Window("Form1", "Selvaris 1.0", 12480, 6840), registers_(registers), platform_(platform) {
    DeclareControls();
    DeclareClickHandlers();
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            gridLabels_[kCellGrid][r][c] = IndexOf(CellLabel(r, c));
            gridLabels_[kLeftGrid][r][c] = IndexOf(GridLabel(false, r, c));
            gridLabels_[kRightGrid][r][c] = IndexOf(GridLabel(true, r, c));
        }
}

void Form1::Paint(Grid grid, int row, int column, Colour colour) {
    SetBackColourAt(gridLabels_[grid][row][column], colour);
}

Colour Form1::ColourOf(Grid grid, int row, int column) const {
    return ControlAt(gridLabels_[grid][row][column]).backColour.value_or(kLightGrey);
}

namespace {

// Names are looked up on every recolouring: built once, not per call.
std::array<std::string, 16> LabelNames(const char* prefix) {
    std::array<std::string, 16> names;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            names[static_cast<std::size_t>(4 * r + c)] = prefix + std::to_string(r) + std::to_string(c);
    return names;
}

std::size_t CellIndex(int row, int column) { return static_cast<std::size_t>(4 * row + column); }

const std::string kNoLabel;

}  // namespace

const std::string& Form1::CellLabel(int row, int column) {
    static const std::array<std::string, 16> names = LabelNames("la");
    if (!IsMatrixIndex(row) || !IsMatrixIndex(column)) return kNoLabel;
    return names[CellIndex(row, column)];
}

const std::string& Form1::GridLabel(bool rightGrid, int row, int column) {
    static const std::array<std::string, 16> left = LabelNames("g1_");
    static const std::array<std::string, 16> right = LabelNames("g2_");
    if (!IsMatrixIndex(row) || !IsMatrixIndex(column)) return kNoLabel;
    return (rightGrid ? right : left)[CellIndex(row, column)];
}

void Form1::DeclareClickHandlers() {
    clickHandlers_ = {
        {kSetTargetButton, [this] { SetTarget(); }},
        {kSetTargetFromFileButton, [this] { SetTargetFromFile(); }},
        {kFinalGateButton, [this] { FinalGate(); }},
        {kSingleGateButton, [this] { MakeSingleGate(); }},
        {kUndoSingleGateButton, [this] { UndoSingleGate(); }},
        {kChooseLeftButton, [this] { ChooseGate(GateSide::Left); }},
        {kChooseRightButton, [this] { ChooseGate(GateSide::Right); }},
        {kEarlierGateBackButton, [this] { PageEarlierGate(-1); }},
        {kEarlierGateForwardButton, [this] { PageEarlierGate(+1); }},
        {kFactorBackFiveButton, [this] { BrowseFactors(-5); }},
        {kFactorBackButton, [this] { BrowseFactors(-1); }},
        {kFactorForwardButton, [this] { BrowseFactors(+1); }},
        {kFactorForwardFiveButton, [this] { BrowseFactors(+5); }},
        {kPartialBackButton, [this] { PartialProductBack(); }},
        {kPartialForwardButton, [this] { PartialProductForward(); }},
        {kExportButton, [this] { ExportCircuit(); }},
        {kCircuitButton, [this] { ShowWholeCircuit(); }},
        {kUndoStepButton, [this] { UndoStep(); }},
        {kRedoStepButton, [this] { RedoStep(); }},
        {kDecomposeRestButton, [this] { DecomposeRest(); }},
        {kShapeTestButton,
         [this] {
             SetDrawSurface(kEarlierGatePicture);
             DrawTypedShape(*this, platform_);
         }},
    };
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) clickHandlers_[CellLabel(r, c)] = [this] { ClickUnpickableCell(); };
    for (const PickableCell& cell : kPickableCells) clickHandlers_[cell.label] = [this, cell] { PickCell(cell); };
}

void Form1::OnClick(const std::string& name) {
    const auto handler = clickHandlers_.find(name);
    if (handler != clickHandlers_.end()) handler->second();
}

void Form1::OnLoad() {
    state_.Tolerance = kTolerance;
    registers_.TargetIsSet = false;
    state_.StepCount = 0;
    registers_.FinalGateMode = false;
    registers_.FinalGateMatrix = ComplexMatrix::InitialFinalGate();
    for (ControlName button : {kSingleGateButton, kUndoSingleGateButton, kChooseLeftButton, kChooseRightButton,
                               kFinalGateButton, kFactorBackFiveButton, kFactorBackButton, kFactorForwardButton,
                               kFactorForwardFiveButton, kEarlierGateBackButton, kEarlierGateForwardButton})
        SetEnabled(button, false);
    SetStatus("「ターゲット行列をセット」で行列を入力するか、「ファイルからセット」で読み込んでください");
    Settle();
}

void Form1::ColourCells() {
    // Without a window a plan tests each cell it picks, as the click would.
    if (!Seen()) return;
    const double t = state_.Tolerance;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const ComplexMatrix& m = registers_.CurrentTarget;
            state_.CellColours[r][c] = IsNonzeroForCell(m.re(r, c), m.im(r, c), t) ? kRed : kBlue;
            Paint(kCellGrid, r, c, state_.CellColours[r][c]);
        }
    }
}

void Form1::GreyGateGrids() {
    for (bool right : {false, true})
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) Paint(GateGrid(right), r, c, kLightGrey);
}

void Form1::ClearPickedCell() {
    for (const PickableCell& cell : kPickableCells)
        if (Get(cell.label).backColour == kGreen) SetBackColour(cell.label, kRed);
}

void Form1::ResetGateGrids() {
    for (bool right : {false, true})
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) Paint(GateGrid(right), r, c, r == c ? kDarkRed : kTeal);
}

void Form1::ShowStepCount() {
    if (Seen()) SetText(kStepCountBox, std::to_string(state_.StepCount));
}

const ComplexMatrix& Form1::RecordedGate(int index) const {
    return state_.SingleGateHist.at(static_cast<std::size_t>(index)) != 0 ? state_.MergedGateHist.at(index)
                                                                           : state_.GateHist.at(index);
}

void Form1::BrowseToFactor(std::size_t factor) {
    if (state_.StepCount < 1) return;
    const std::size_t last = static_cast<std::size_t>(state_.StepCount - 1);
    BrowseFactors(static_cast<int>(std::min(factor, last)) - state_.BrowseStep);
}

void Form1::ShowWholeCircuit() {
    CircuitWindow window(BuildCircuit(CurrentDecomposition()),
                         {[this] { return static_cast<std::size_t>(state_.BrowseStep); },
                          [this](std::size_t factor) { BrowseToFactor(factor); }});
    // At the top of the screen, clear of the main window's step browser.
    window.SetPosition(std::max(0, (platform_.ScreenWidthTwips() - window.ClientWidth()) / 2), 0);
    platform_.ShowModal(window);
}

}  // namespace selvaris
