#include "circuit/gate_shape.h"
#include "core/gate_grid.h"
#include "core/matrix_text.h"
#include "workbench/form1.h"
#include "workbench/form1_controls.h"
#include "workbench/merged_gate.h"
#include "workbench/two_level_gate.h"

namespace selvaris {

using namespace form1;

namespace {

// Index of the latest step in the gate histories; steps are numbered from 1.
int LatestIndex(const WorkbenchState& state) { return state.StepCount - 1; }

bool IsStepIndex(int index) { return index >= 0 && index < MatrixHistory::kSlots; }

}  // namespace

void Form1::BeginStep() {
    ++state_.StepCount;
    ShowStepCount();
    RecordStep(state_.PickedCell);
    BuildMergedGate();
}

void Form1::RecordStep(std::int16_t& code) {
    const int k = LatestIndex(state_);
    if (!IsStepIndex(k) || !IsStepIndex(k + 1)) return;
    state_.SingleGateHist[static_cast<std::size_t>(k)] = state_.SingleGateMode ? 1 : 0;
    std::string& name = state_.GateNameHist[static_cast<std::size_t>(k)];
    if (state_.FinalStepFlag) {
        ApplyFinalGate();
        name = kFinalGateStepName;
    } else {
        name = state_.GateName;
        ApplyNamedGate(static_cast<std::int16_t>(code % 4));
    }
    if (Seen()) SetText(kStepNameBox, name);
}

void Form1::ShowPreviousTarget() {
    if (Seen()) ShowMatrixIn(kPreviousTargetBox, registers_.CurrentTarget);
}

void Form1::ShowMatrixIn(ControlName box, const ComplexMatrix& matrix) {
    if (!Seen()) {
        registers_.ShowMatrix = matrix;
        return;
    }
    // A hidden box's text is written only if something reads it; the
    // registers are left as a window nobody looks at leaves them.
    if (!IsVisible(box)) {
        registers_.ShowMatrix = matrix;
        SetMatrixText(box, matrix);
        return;
    }
    rendered_.Render(registers_, matrix);
    SetText(box, registers_.MatrixText);
}

void Form1::ApplyNamedGate(std::int16_t column) {
    const int k = LatestIndex(state_);
    if (!IsStepIndex(k) || !IsStepIndex(k + 1)) return;
    ShowPreviousTarget();
    BuildNamedGate(registers_, state_, *this, state_.GateNameHist[static_cast<std::size_t>(k)], column);
    state_.TargetHist.at(k + 1) = registers_.CurrentTarget;
    if (Seen()) ShowMatrixIn(kCurrentTargetBox, registers_.CurrentTarget);
    ColourCells();
    FinishStep();
}

void Form1::ApplyFinalGate() {
    const int k = LatestIndex(state_);
    if (!IsStepIndex(k) || !IsStepIndex(k + 1)) return;
    ShowPreviousTarget();
    state_.GateMatrix = registers_.FinalGateMatrix;
    ApplyGateToTarget(registers_, state_);
    state_.GateHist.at(k) = state_.GateMatrix;
    state_.TargetHist.at(k + 1) = registers_.CurrentTarget;
    if (Seen()) ShowMatrixIn(kCurrentTargetBox, registers_.CurrentTarget);
    ColourCells();
    FinishStep();
}

void Form1::FinishStep() {
    const int k = LatestIndex(state_);
    if (!IsStepIndex(k) || k >= static_cast<int>(state_.InverseTextHist.size())) return;
    if (Seen()) {
        ShowMatrixIn(kMergedSlotBox, state_.MergedGateHist.at(k));
        ShowMatrixIn(kInvertedGateBox, RecordedGate(k));
    }
    // The product of all inverses with the target would give back the target
    // as set. Nothing shows it, but forming it takes the inverses of all
    // recorded gates, latest first, and so each step shows again what their
    // inversions had to say about a gate that cannot be inverted cleanly.
    for (int index = k; index >= 0; --index) InverseOfRecordedGate(index);

    if (!Seen()) return;
    const ComplexMatrix& gate = state_.SingleGateMode ? state_.MergedGateHist.at(k) : state_.GateHist.at(k);
    registers_.ShowMatrix = gate;
    if (state_.SingleGateMode) PaintGateGrid(registers_, state_.SavedGridIsR, state_.Tolerance, *this);
    ShowMatrixIn(kStepGateBox, gate);
    state_.InverseTextHist[static_cast<std::size_t>(k)] = registers_.MatrixText;
    state_.InverseShapeHist[static_cast<std::size_t>(k)] =
        ClassifyGateShape(registers_.ShowMatrix, kShapeClosedTopControl, state_.Tolerance);
}

void Form1::BuildMergedGate() {
    const int k = LatestIndex(state_);
    // Only a conversion to a single gate, which needs a window, uses it.
    if (!IsStepIndex(k) || !Seen()) return;
    state_.MergedGateHist.at(k) =
        selvaris::BuildMergedGate(state_.GateHist.at(k), state_.GateNameHist[static_cast<std::size_t>(k)]);
    ShowMatrixIn(kMergedGateBox, state_.MergedGateHist.at(k));
}

void Form1::StepBack() {
    if (state_.StepCount < 1) return;
    --state_.StepCount;
    ShowStepCount();
    registers_.CurrentTarget = state_.TargetHist.at(state_.StepCount);
    ShowMatrixIn(kCurrentTargetBox, registers_.CurrentTarget);
    ColourCells();
    if (state_.StepCount == 0) {
        SetText(kPreviousTargetBox, "");
        SetText(kStepGateBox, "");
    } else {
        ShowMatrixIn(kStepGateBox, state_.GateHist.at(state_.StepCount - 1));
    }
}

}  // namespace selvaris
