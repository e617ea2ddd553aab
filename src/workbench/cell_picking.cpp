#include "core/colour.h"
#include "workbench/form1.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

void Form1::ClickUnpickableCell() {
    if (registers_.TargetIsSet) platform_.MessageBox(kUnpickableCellMessage, kStyleExclamationOk, kMessageTitle);
}

bool Form1::RefusedForStepLimit() {
    if (state_.StepCount <= 20) return false;
    platform_.MessageBox(kTooManyGatesMessage, kStyleExclamationOk, kMessageTitle);
    return true;
}

void Form1::PickCell(const PickableCell& cell) {
    if (RefusedForStepLimit()) return;
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
    SetStatus("行" + std::to_string(cell.code / 4 + 1) + "列" + std::to_string(cell.column + 1) +
              "を選びました。このセルを消すゲートを「ゲート選択（L）」か「ゲート選択（R）」で選んでください");
    RequestFocus(kChooseLeftButton);
}

void Form1::ChooseGate(GateSide side) {
    const std::optional<PickableCell> cell = PickableCellOfCode(state_.PickedCell);
    if (!cell) return;
    const bool right = side == GateSide::Right;
    const std::int16_t stepsBefore = state_.StepCount;
    BeginChosenStep(*cell, side);

    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) Paint(GateGrid(!right), r, c, kLightGrey);
    SetEnabled(kChooseLeftButton, false);
    SetEnabled(kChooseRightButton, false);
    for (ControlName button : {kSingleGateButton, kEarlierGateBackButton, kEarlierGateForwardButton})
        SetEnabled(button, true);
    state_.SavedGridIsR = right;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            state_.SavedCellColours[static_cast<std::size_t>(r + 4 * c)] = ColourOf(GateGrid(right), r, c);

    if (state_.StepCount == stepsBefore) return;
    // The window as it stood before the pick is what undo brings back; a new
    // step leaves nothing to redo.
    PushUndoableStep(1, false);
    redo_.clear();
    ShowLatestEarlierGate();
    SetStatus("ステップ " + std::to_string(state_.StepCount) + "（" + state_.GateName + "）を記録しました。" + NextMove());
    Settle();
    FocusNext();
}

void Form1::BeginChosenStep(const PickableCell& cell, GateSide side) {
    state_.GateName = side == GateSide::Right ? cell.rightName : cell.leftName;
    // A chosen gate is always built afresh for the picked cell: a single-gate
    // conversion of an earlier step must not make this step re-use a merged
    // gate that belongs to another step (or to no step at all yet).
    state_.SingleGateMode = false;
    BeginStep();
}

bool Form1::ChooseUnseen(const PickableCell& cell, GateSide side) {
    if (RefusedForStepLimit()) return false;
    state_.PickedCell = cell.code;
    BeginChosenStep(cell, side);
    return true;
}

}  // namespace selvaris
