#pragma once

#include <vector>

#include "cli/decomposition_plan.h"
#include "core/platform.h"
#include "export/decomposition.h"
#include "workbench/form1.h"

namespace selvaris {

struct HeadlessOutcome {
    enum class Status { Done, TargetNotUnitary, FinalGateNotUnitary };
    Status status = Status::Done;
    int steps = 0;  // steps taken from the plan; a blue cell is skipped
    Decomposition decomposition;
};

// The workbench's own flow without a window: the target set, the plan picked
// and chosen cell by cell, the final gate executed and the factor list built,
// every message going to the platform. The factors are those the window gives
// for the same picks and final gate, bit for bit. One workbench serves any
// number of matrices, as the window serves any number of targets.
class HeadlessWorkbench {
public:
    explicit HeadlessWorkbench(Platform& platform);
    HeadlessOutcome Decompose(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
                              const ComplexMatrix& finalGate);

private:
    SharedRegisters registers_;
    Form1 workbench_;
};

HeadlessOutcome DecomposeHeadless(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
                                  const ComplexMatrix& finalGate, Platform& platform);

}  // namespace selvaris
