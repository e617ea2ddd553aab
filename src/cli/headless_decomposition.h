#pragma once

#include <vector>

#include "cli/decomposition_plan.h"
#include "core/platform.h"
#include "export/decomposition.h"
#include "workbench/form1.h"

namespace selvaris {

struct HeadlessOutcome {
    // StepLimit: the workbench refused a pick of the plan as one step too many;
    // the plan stopped there, after that one message, and nothing was built.
    enum class Status { Done, TargetNotUnitary, FinalGateNotUnitary, StepLimit };
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
    // Passes everything on and notes the workbench's step-limit message.
    class LimitWatch : public Platform {
    public:
        explicit LimitWatch(Platform& platform) : platform_(platform) {}
        MessageAnswer MessageBox(const std::string& text, int style, const std::string& title) override;
        void ShowModal(Window& window) override { platform_.ShowModal(window); }
        int ScreenWidthTwips() const override { return platform_.ScreenWidthTwips(); }
        int ScreenHeightTwips() const override { return platform_.ScreenHeightTwips(); }
        void SetBusyPointer(bool busy) override { platform_.SetBusyPointer(busy); }
        bool limitReached = false;

    private:
        Platform& platform_;
    };

    LimitWatch watch_;
    SharedRegisters registers_;
    Form1 workbench_;
};

HeadlessOutcome DecomposeHeadless(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
                                  const ComplexMatrix& finalGate, Platform& platform);

// The workbench's check of a final gate on its own, its message (if any) going
// to the platform: so a batch refuses a bad --final once, before any file.
bool FinalGateIsUnitary(const ComplexMatrix& finalGate, Platform& platform);

}  // namespace selvaris
