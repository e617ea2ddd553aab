#include "core/gate_grid.h"
#include "core/unitarity_check.h"
#include "workbench/form1.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

void Form1::FinalGate() {
    registers_.FinalGateMode = true;
    registers_.ExecuteChosen = false;
    ShowEntryWindow();
    AcceptFinalGate();
}

void Form1::AcceptFinalGate() {
    // A refused cell has had its message; the gate keeps its previous value and
    // nothing is recorded, so the user can correct the marked cell and retry.
    if (registers_.EntryError) return;

    // A gate found unitary stays so, and its check leaves nothing behind: a
    // batch's one final gate is checked once, not once for every file.
    registers_.CheckMatrix = registers_.FinalGateMatrix;
    if (!lastUnitaryFinalGate_ || !lastUnitaryFinalGate_->BitwiseEquals(registers_.FinalGateMatrix)) {
        state_.NotUnitaryFlag = CheckUnitarity(registers_, platform_, state_.Tolerance);
        if (state_.NotUnitaryFlag) return;
        lastUnitaryFinalGate_ = registers_.FinalGateMatrix;
    }
    state_.NotUnitaryFlag = false;

    // Two more steps fit every history: picks stop after 21 steps.
    if (registers_.ExecuteChosen && state_.StepCount + 2 < MatrixHistory::kSlots) {
        state_.FinalStepFlag = true;
        state_.SingleGateMode = false;
        ++state_.StepCount;
        ShowStepCount();
        std::int16_t code = 0;
        RecordStep(code);
        if (Seen()) SetText(kPartialProductBox, std::to_string(state_.StepCount));
        BuildMergedGate();
        state_.FinalStepFlag = false;

        // The extra entry is the remainder factor of the factor list.
        ++state_.StepCount;
        ShowStepCount();
        if (Seen()) {
            MarkFinalGatePattern(registers_, state_.Tolerance, *this);
            SetEnabled(kUndoSingleGateButton, false);
        }
        BuildFactors();
        if (!Seen()) return;
        ShowReconstructionError();
        for (ControlName button : {kFactorForwardFiveButton, kFactorBackFiveButton, kFactorBackButton,
                                   kFactorForwardButton, kExportButton, kCircuitButton})
            SetEnabled(button, true);
        state_.BrowseStep = 1;
        BrowseFactors(-1);
        SetEnabled(kFinalGateButton, false);
        ShowEarlierGateCount();  // the final gate is one more the pager reaches

        PushUndoableStep(2, true);
        redo_.clear();
        SetStatus("最終ゲートを記録しました。因子は " + std::to_string(state_.StepCount) +
                  " 個です。「<」「>」で順に見られます");
        RequestFocus(kFactorForwardButton);
    }
    if (!registers_.EntryCancelled) SetEnabled(kSingleGateButton, false);
    Settle();
}

}  // namespace selvaris
