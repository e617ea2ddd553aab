#include "cli/headless_decomposition.h"

#include "core/colour.h"
#include "workbench/form1_controls.h"

namespace selvaris {

HeadlessWorkbench::HeadlessWorkbench(Platform& platform) : workbench_(registers_, platform) {
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

    for (const PlanStep& step : plan) {
        if (workbench.Get(step.cell).backColour != kRed) continue;
        const std::int16_t before = workbench.State().StepCount;
        workbench.Click(step.cell);
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

}  // namespace selvaris
