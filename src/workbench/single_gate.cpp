#include "workbench/form1.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

void Form1::MakeSingleGate() {
    // The button is only enabled once a step exists; a new target disables it.
    if (state_.StepCount < 1) return;
    StepBack();
    SetText(kEmptiedBox, "");
    state_.SingleGateMode = true;
    ++state_.StepCount;
    ShowStepCount();
    state_.SingleGateHist.at(static_cast<std::size_t>(state_.StepCount - 1)) = 1;
    const std::optional<PickableCell> cell = PickableCellOfCode(state_.PickedCell);
    ApplyNamedGate(cell ? cell->column : 0);
    SetEnabled(kSingleGateButton, false);
    SetEnabled(kUndoSingleGateButton, true);
    AfterConversion(" を単一ゲートにしました。");
}

void Form1::UndoSingleGate() {
    if (state_.StepCount < 1) return;
    registers_.CurrentTarget = state_.TargetHist.at(state_.StepCount - 1);
    --state_.StepCount;
    ShowStepCount();
    state_.SingleGateMode = false;
    SetText(kStepGateBox, "");
    BeginStep();
    SetEnabled(kUndoSingleGateButton, false);
    SetEnabled(kSingleGateButton, true);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            Paint(GateGrid(state_.SavedGridIsR), r, c, state_.SavedCellColours[static_cast<std::size_t>(r + 4 * c)]);
    AfterConversion(" を 2 準位ゲートに戻しました。");
}

void Form1::AfterConversion(const std::string& done) {
    // A step taken back would be redone onto a target this has changed.
    redo_.clear();
    ShowLatestEarlierGate();
    SetStatus("ステップ " + std::to_string(state_.StepCount) + done + NextMove());
    Settle();
}

}  // namespace selvaris
