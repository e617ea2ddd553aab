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
// every message going to the platform. Nothing is shown, so nothing is drawn or
// written for display; the factors are those the window gives for the same
// picks and final gate, bit for bit. One workbench serves any number of
// matrices, as the window serves any number of targets: each new target starts
// a new decomposition, whatever the last one left behind.
class HeadlessWorkbench {
public:
    explicit HeadlessWorkbench(Platform& platform);
    HeadlessOutcome Decompose(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
                              const ComplexMatrix& finalGate) {
        return Decompose(target, plan, finalGate, platform_);
    }
    // The same, the messages about this matrix going to messages: a batch
    // names each file in its own.
    HeadlessOutcome Decompose(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
                              const ComplexMatrix& finalGate, Platform& messages);

private:
    // Passes everything on to the platform of the matrix at hand.
    class Relay : public Platform {
    public:
        explicit Relay(Platform& platform) : to(&platform) {}
        MessageAnswer MessageBox(const std::string& text, int style, const std::string& title) override {
            return to->MessageBox(text, style, title);
        }
        std::string Translate(const std::string& context, const std::string& text) const override {
            return to->Translate(context, text);
        }
        void ShowModal(Window& window) override { to->ShowModal(window); }
        int ScreenWidthTwips() const override { return to->ScreenWidthTwips(); }
        int ScreenHeightTwips() const override { return to->ScreenHeightTwips(); }
        void SetBusyPointer(bool busy) override { to->SetBusyPointer(busy); }
        Platform* to;
    };
    HeadlessOutcome Run(const ComplexMatrix& target, const std::vector<PlanStep>& plan, const ComplexMatrix& finalGate);

    Platform& platform_;
    Relay relay_;
    SharedRegisters registers_;
    Form1 workbench_;
};

HeadlessOutcome DecomposeHeadless(const ComplexMatrix& target, const std::vector<PlanStep>& plan,
                                  const ComplexMatrix& finalGate, Platform& platform);

// The workbench's check of a final gate on its own, its message (if any) going
// to the platform: so a batch refuses a bad --final once, before any file.
bool FinalGateIsUnitary(const ComplexMatrix& finalGate, Platform& platform);

}  // namespace selvaris
