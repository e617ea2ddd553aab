#include "cli/headless_decomposition.h"

#include "core/colour.h"
#include "workbench/form1_controls.h"

namespace selvaris {

MessageAnswer HeadlessWorkbench::LimitWatch::MessageBox(const std::string& text, int style, const std::string& title) {
    if (text == form1::kTooManyGatesMessage) limitReached = true;
    return platform_.MessageBox(text, style, title);
}

HeadlessWorkbench::HeadlessWorkbench(Platform& platform) : watch_(platform), workbench_(registers_, watch_) {
    workbench_.SetTextsShown(false);  // nobody reads the matrix texts here
    workbench_.Load();
}

HeadlessOutcome DecomposeHeadless(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
                                  const ComplexMatrix& finalGate, Platform& platform) {
    return HeadlessWorkbench(platform).Decompose(target, plan, finalGate);
}

HeadlessOutcome HeadlessWorkbench::Decompose(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
                                             const ComplexMatrix& finalGate) {
    SharedRegisters& registers = registers_;
    Form1& workbench = workbench_;
    HeadlessOutcome outcome;
    // As the entry window leaves things after a closing without a refused cell.
    const auto entered = [&registers] {
        registers.EntryError = false;
        registers.EntryCancelled = false;
    };
    registers.EntryMatrix = target;
    entered();
    workbench.AcceptEnteredTarget();
    if (workbench.State().NotUnitaryFlag) {
        outcome.status = HeadlessOutcome::Status::TargetNotUnitary;
        return outcome;
    }

    watch_.limitReached = false;
    for (const PlanStep& step : plan) {
        if (workbench.Get(step.cell).backColour != kRed) continue;
        const std::int16_t before = workbench.State().StepCount;
        workbench.Click(step.cell);
        if (watch_.limitReached) {
            outcome.status = HeadlessOutcome::Status::StepLimit;
            return outcome;
        }
        workbench.Click(step.side == GateSide::Left ? form1::kChooseLeftButton : form1::kChooseRightButton);
        if (workbench.State().StepCount > before) ++outcome.steps;
    }

    registers.FinalGateMode = true;
    registers.FinalGateMatrix = finalGate;
    registers.ExecuteChosen = true;
    entered();
    workbench.AcceptFinalGate();
    if (workbench.State().NotUnitaryFlag) {
        outcome.status = HeadlessOutcome::Status::FinalGateNotUnitary;
        return outcome;
    }
    outcome.decomposition = workbench.CurrentDecomposition();
    return outcome;
}

bool FinalGateIsUnitary(const ComplexMatrix& finalGate, Platform& platform) {
    return HeadlessWorkbench(platform).Decompose(ComplexMatrix::Identity(), {}, finalGate).status !=
           HeadlessOutcome::Status::FinalGateNotUnitary;
}

}  // namespace selvaris
