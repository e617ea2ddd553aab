#include "cli/headless_decomposition.h"

#include "core/zero_tests.h"
#include "workbench/pickable_cells.h"

namespace selvaris {
namespace {

const PickableCell* CellNamed(const std::string& label) {
    for (const PickableCell& cell : kPickableCells)
        if (label == cell.label) return &cell;
    return nullptr;
}

// The window's colour test of one cell: red, so that a click on it is taken.
bool IsRed(const ComplexMatrix& target, const PickableCell& cell, double tolerance) {
    const int row = cell.code / 4, column = cell.code % 4;
    return IsNonzeroForCell(target.re(row, column), target.im(row, column), tolerance);
}

}  // namespace

HeadlessWorkbench::HeadlessWorkbench(Platform& platform)
    : platform_(platform), relay_(platform), workbench_(registers_, relay_) {
    workbench_.SetTextsShown(false);  // nobody looks at this window
    workbench_.Load();
}

HeadlessOutcome DecomposeHeadless(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
                                  const ComplexMatrix& finalGate, Platform& platform) {
    return HeadlessWorkbench(platform).Decompose(target, plan, finalGate);
}

HeadlessOutcome HeadlessWorkbench::Decompose(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
                                             const ComplexMatrix& finalGate, Platform& messages) {
    relay_.to = &messages;
    HeadlessOutcome outcome = Run(target, plan, finalGate);
    relay_.to = &platform_;
    return outcome;
}

HeadlessOutcome HeadlessWorkbench::Run(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
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
        // A cell the window would show blue is skipped, as its click would be refused.
        const PickableCell* cell = CellNamed(step.cell);
        if (cell == nullptr || !IsRed(registers.CurrentTarget, *cell, workbench.State().Tolerance)) continue;
        if (!workbench.ChooseUnseen(*cell, step.side)) {
            outcome.status = HeadlessOutcome::Status::StepLimit;
            return outcome;
        }
        ++outcome.steps;
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
