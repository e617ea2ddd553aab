#include "core/matrix_text.h"
#include "core/unitarity_check.h"
#include "entry/form7.h"
#include "workbench/form1.h"

namespace selvaris {

void Form1::SetTarget() {
    const bool savedFinalGateMode = registers_.FinalGateMode;
    const std::int16_t savedStepCount = state_.StepCount;
    registers_.FinalGateMode = false;

    {
        Form7 entry(registers_, platform_);
        const int w = platform_.ScreenWidthTwips();
        const int h = platform_.ScreenHeightTwips();
        entry.SetPosition(w / 2 - w / 4, h / 3);
        platform_.ShowModal(entry);
    }

    if (!registers_.EntryError && !registers_.EntryCancelled) {
        registers_.CheckMatrix = registers_.EntryMatrix;
        state_.NotUnitaryFlag = CheckUnitarity(registers_, platform_, state_.Tolerance);
        if (!state_.NotUnitaryFlag) {
            registers_.FinalGateMode = false;
            state_.StepCount = 0;
            registers_.TargetIsSet = true;
            SetEnabled("Command1", true);
            registers_.CurrentTarget = registers_.EntryMatrix;
            state_.TargetHist.at(state_.StepCount) = registers_.CurrentTarget;
            ShowInTextBox(registers_, registers_.CurrentTarget, *this, "Text2");
            ColourCells();
            GreyGateGrids();
            for (const char* box : {"Text91", "Text11", "Text12", "Text02", "Text14", "Text13"}) SetText(box, "");
            for (const char* label : {"Label4", "Label7", "Label6"}) SetText(label, "");
            SetEnabled("Command2", false);
            SetEnabled("Command3", false);
            // A new target starts with no steps and no picked cell: the gate
            // choice would apply a gate for a cell of the previous target, and
            // single gate, undo and the step browser would read history slots
            // of the previous decomposition. Their handlers re-enable them once
            // a cell is picked or steps exist.
            for (const char* button :
                 {"Command10", "Command11", "Command14", "Command12", "Command7", "Command38", "Command39", "Command6"})
                SetEnabled(button, false);
            ClearPicture("Picture1");
            ClearPicture("Picture2");
            drawSurface_ = "Picture2";
        }
    }

    if (registers_.EntryCancelled) {
        registers_.FinalGateMode = savedFinalGateMode;
        state_.StepCount = savedStepCount;
    }
}

}  // namespace selvaris
