#include "core/colour.h"
#include "workbench/form1.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

void Form1::ClickUnpickableCell() {
    if (registers_.TargetIsSet) platform_.MessageBox(kUnpickableCellMessage, kStyleExclamationOk, kMessageTitle);
}

void Form1::PickCell(const PickableCell& cell) {
    if (state_.StepCount > 20) {
        platform_.MessageBox(kTooManyGatesMessage, kStyleExclamationOk, kMessageTitle);
        return;
    }
    if (Get(cell.label).backColour == kBlue || !registers_.TargetIsSet) return;

    state_.PickedCell = cell.code;
    ClearPickedCell();
    SetBackColour(cell.label, kGreen);
    ResetGateGrids();
    for (bool right : {false, true}) {
        const int p = right ? cell.rightP : cell.leftP;
        const int q = right ? cell.rightQ : cell.leftQ;
        for (int r : {p, q})
            for (int c : {p, q}) Paint(GateGrid(right), r, c, kDarkRed);
    }
    SetEnabled(kChooseLeftButton, true);
    SetEnabled(kChooseRightButton, true);
}

void Form1::ChooseGate(GateSide side) {
    const std::optional<PickableCell> cell = PickableCellOfCode(state_.PickedCell);
    if (!cell) return;
    const bool right = side == GateSide::Right;
    state_.GateName = right ? cell->rightName : cell->leftName;
    // A chosen gate is always built afresh for the picked cell: a single-gate
    // conversion of an earlier step must not make this step re-use a merged
    // gate that belongs to another step (or to no step at all yet).
    state_.SingleGateMode = false;
    BeginStep();

    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) Paint(GateGrid(!right), r, c, kLightGrey);
    SetEnabled(kChooseLeftButton, false);
    SetEnabled(kChooseRightButton, false);
    for (const char* button : {kSingleGateButton, kEarlierGateBackButton, kEarlierGateForwardButton})
        SetEnabled(button, true);
    state_.SavedGridIsR = right;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            state_.SavedCellColours[static_cast<std::size_t>(r + 4 * c)] = ColourOf(GateGrid(right), r, c);
}

}  // namespace selvaris
