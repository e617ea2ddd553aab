#include "core/colour.h"
#include "workbench/form1.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

void Form1::SetStatus(const std::string& text) { SetText(kStatusLine, text); }

bool Form1::DecompositionOpen() const {
    // The final-gate button is enabled from a target until its final gate.
    return registers_.TargetIsSet && Get(kFinalGateButton).enabled;
}

std::optional<PickableCell> Form1::NextPlanCell() const {
    // Picks stop after 21 steps.
    if (!DecompositionOpen() || state_.StepCount > 20) return std::nullopt;
    for (const std::int16_t code : kStandardPlan) {
        const std::optional<PickableCell> cell = PickableCellOfCode(code);
        if (cell && state_.CellColours[static_cast<std::size_t>(code / 4)][static_cast<std::size_t>(code % 4)] == kRed)
            return cell;
    }
    return std::nullopt;
}

std::string Form1::NextMove() const {
    if (NextPlanCell()) return "対角より下の赤いセルをクリックしてください";
    if (state_.StepCount > 20) return "これ以上ステップは記録できません。「最終ゲート」で仕上げてください";
    return "対角より下はすべて青です。「最終ゲート」で仕上げてください";
}

int Form1::RecordedGateCount() const {
    const int c = state_.StepCount;
    // After the final gate the last entry is the remainder, which has no gate.
    if (c >= 2 && state_.GateNameHist.at(static_cast<std::size_t>(c - 2)) == kFinalGateStepName) return c - 1;
    return c;
}

void Form1::ShowLatestEarlierGate() {
    if (state_.StepCount < 1 || state_.StepCount > static_cast<int>(state_.InverseTextHist.size())) return;
    state_.InversePagePos = static_cast<std::int16_t>(state_.StepCount - 1);
    ShowEarlierGate();
}

void Form1::RefreshGuide() {
    SetEnabled(kUndoStepButton, !done_.empty());
    SetEnabled(kRedoStepButton, !redo_.empty());
    const std::optional<PickableCell> next = NextPlanCell();
    SetEnabled(kDecomposeRestButton, next.has_value());
    for (const PickableCell& cell : kPickableCells) SetOutlined(cell.label, next && next->code == cell.code);
}

void Form1::Settle() {
    RefreshGuide();
    // Nobody can take a step back in a window nobody looks at (the command
    // line's): it keeps no moments and so no steps to undo.
    if (TextsShown()) KeepMoment();
}

// Where a keyboard user goes on: the plan's next cell, else the final gate,
// else the factors.
void Form1::FocusNext() {
    if (const std::optional<PickableCell> next = NextPlanCell())
        RequestFocus(next->label);
    else if (Get(kFinalGateButton).enabled)
        RequestFocus(kFinalGateButton);
    else
        RequestFocus(kFactorForwardButton);
}

void Form1::DecomposeRest() {
    int steps = 0;
    for (const std::int16_t code : kStandardPlan) {
        const std::optional<PickableCell> cell = PickableCellOfCode(code);
        if (!cell || !DecompositionOpen()) break;
        if (state_.CellColours[static_cast<std::size_t>(code / 4)][static_cast<std::size_t>(code % 4)] != kRed) continue;
        const std::int16_t before = state_.StepCount;
        Click(cell->label);
        Click(kChooseLeftButton);
        // A refused pick has said why once; the rest of the plan would only repeat it.
        if (state_.StepCount == before) break;
        ++steps;
    }
    if (steps == 0) return;
    SetStatus("残りを自動で分解しました（" + std::to_string(steps) + " ステップ）。" + NextMove());
    Settle();
}

}  // namespace selvaris
