#include "core/matrix_text.h"
#include "core/unitarity_check.h"
#include "entry/form7.h"
#include "files/file_messages.h"
#include "files/target_file.h"
#include "workbench/form1.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

void Form1::SetTarget() {
    const bool savedFinalGateMode = registers_.FinalGateMode;
    const std::int16_t savedStepCount = state_.StepCount;
    registers_.FinalGateMode = false;

    ShowEntryWindow();
    AcceptEnteredTarget();

    if (registers_.EntryCancelled) {
        registers_.FinalGateMode = savedFinalGateMode;
        state_.StepCount = savedStepCount;
    }
}

void Form1::ShowEntryWindow() {
    Form7 entry(registers_, platform_);
    const int w = platform_.ScreenWidthTwips();
    const int h = platform_.ScreenHeightTwips();
    entry.SetPosition(w / 2 - w / 4, h / 3);
    platform_.ShowModal(entry);
}

void Form1::SetTargetFromFile() {
    const std::optional<std::string> path = platform_.AskOpenFileName(kTargetFileTitle, kTargetFileFilter);
    if (!path) return;
    const MatrixFileRead read = ReadTargetFile(*path);
    if (!read.matrix) {
        platform_.MessageBox(OpenFailedMessage(*path, read.failure), kStyleExclamationOk, kMessageTitle);
        return;
    }
    // The entry cells keep what was typed: a file's full-precision values are
    // longer than a cell takes.
    registers_.FinalGateMode = false;
    AcceptTarget(*read.matrix);
}

void Form1::AcceptEnteredTarget() {
    if (registers_.EntryError || registers_.EntryCancelled) return;
    AcceptTarget(registers_.EntryMatrix);
}

void Form1::AcceptTarget(const ComplexMatrix& target) {
    registers_.CheckMatrix = target;
    state_.NotUnitaryFlag = CheckUnitarity(registers_, platform_, state_.Tolerance);
    if (state_.NotUnitaryFlag) return;

    registers_.FinalGateMode = false;
    state_.StepCount = 0;
    registers_.TargetIsSet = true;
    // A new decomposition never inherits a single-gate conversion of the last one.
    state_.SingleGateMode = false;
    if (Seen()) SetEnabled(kFinalGateButton, true);
    registers_.CurrentTarget = target;
    state_.TargetHist.at(state_.StepCount) = registers_.CurrentTarget;
    if (Seen()) ShowMatrixIn(kCurrentTargetBox, registers_.CurrentTarget);
    ColourCells();
    if (!Seen()) return;
    GreyGateGrids();
    for (ControlName box : {kPreviousTargetBox, kStepGateBox, kEmptiedBox, kEarlierGateBox, kFactorBox,
                            kPartialProductBox, kEarlierGatePositionLabel, kFactorPositionLabel, kFactorKindLabel,
                            kReconstructionErrorLabel, kCircuitErrorLabel, kEarlierGateCountLabel, kFactorCountLabel})
        SetText(box, "");
    SetEnabled(kEarlierGateBackButton, false);
    SetEnabled(kEarlierGateForwardButton, false);
    // A new target starts with no steps and no picked cell: the gate choice
    // would apply a gate for a cell of the previous target, and single gate,
    // undo and the step browser would read history slots of the previous
    // decomposition. Their handlers re-enable them once a cell is picked,
    // a step exists or a final gate has built the factor list.
    for (ControlName button : {kChooseLeftButton, kChooseRightButton, kSingleGateButton, kUndoSingleGateButton,
                               kFactorBackFiveButton, kFactorBackButton, kFactorForwardButton,
                               kFactorForwardFiveButton, kExportButton, kCircuitButton})
        SetEnabled(button, false);
    ClearPicture(kEarlierGatePicture);
    ClearPicture(kFactorPicture);
    SetDrawSurface(kFactorPicture);

    // Steps of another target can be neither undone nor redone.
    ForgetSteps();
    SetStatus(NextMove());
    Settle();
    FocusNext();
}

}  // namespace selvaris
