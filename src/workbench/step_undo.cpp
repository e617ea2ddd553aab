#include <cassert>

#include "workbench/form1.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

namespace {

// A control's state written over one kept before, whose storage it reuses.
void KeepState(const Control& c, ControlState& kept) {
    kept.text = c.text;
    kept.backColour = c.backColour;
    kept.drawing = c.drawing;
    kept.items = c.items;
    kept.selectedIndex = c.selectedIndex;
    kept.visible = c.visible;
    kept.enabled = c.enabled;
    kept.outlined = c.outlined;
}

}  // namespace

void Form1::KeepMoment() {
    // The window is kept after every step: into the storage of a moment no
    // step can return to any more, rather than into new storage every time.
    std::vector<ControlState>& controls = settled_.controls;
    if (controls.empty() && !spareControls_.empty()) {
        controls = std::move(spareControls_.back());
        spareControls_.pop_back();
    }
    if (controls.size() == Controls().size()) {
        for (std::size_t i = 0; i < controls.size(); ++i) KeepState(ControlAt(i), controls[i]);
        assert(controls == SaveControlStates());  // no field of a control state left behind
    } else {
        controls = SaveControlStates();
    }
    settled_.pickedCell = state_.PickedCell;
    settled_.gateName = state_.GateName;
    settled_.singleGateMode = state_.SingleGateMode;
    settled_.savedGridIsR = state_.SavedGridIsR;
    settled_.savedCellColours = state_.SavedCellColours;
    settled_.cellColours = state_.CellColours;
    settled_.inversePagePos = state_.InversePagePos;
    settled_.browseStep = state_.BrowseStep;
    settled_.drawSurface = drawSurface_;
}

void Form1::ForgetSteps() {
    for (UndoableStep& step : done_) spareControls_.push_back(std::move(step.before.controls));
    done_.clear();
    redo_.clear();
}

void Form1::RestoreMoment(const WorkbenchMoment& moment) {
    state_.PickedCell = moment.pickedCell;
    state_.GateName = moment.gateName;
    state_.SingleGateMode = moment.singleGateMode;
    state_.SavedGridIsR = moment.savedGridIsR;
    state_.SavedCellColours = moment.savedCellColours;
    state_.CellColours = moment.cellColours;
    state_.InversePagePos = moment.inversePagePos;
    state_.BrowseStep = moment.browseStep;
    drawSurface_ = moment.drawSurface;
    RestoreControlStates(moment.controls);
}

void Form1::UndoStep() {
    if (done_.empty()) return;
    UndoableStep step = std::move(done_.back());
    done_.pop_back();
    const bool finalGate = step.finalGate;
    const int entries = step.entries;
    // What redo brings back is everything as it stands now, not a rebuilt step.
    redo_.push_back({std::move(step), state_, registers_.CurrentTarget, registers_.PartialProducts, SaveControlStates(),
                     drawSurface_});
    for (int k = 0; k < entries; ++k) StepBack();
    RestoreMoment(redo_.back().step.before);
    const std::string what = finalGate ? "最終ゲート" : "ステップ " + std::to_string(state_.StepCount + 1) + " ";
    SetStatus(what + "を取り消しました。" + NextMove());
    Settle();
    FocusNext();
}

void Form1::RedoStep() {
    if (redo_.empty()) return;
    RedoableStep redo = std::move(redo_.back());
    redo_.pop_back();
    state_ = std::move(redo.state);
    registers_.CurrentTarget = redo.target;
    registers_.PartialProducts = redo.partialProducts;
    drawSurface_ = std::move(redo.drawSurface);
    RestoreControlStates(redo.controls);
    const bool finalGate = redo.step.finalGate;
    done_.push_back(std::move(redo.step));
    if (finalGate)
        SetStatus("最終ゲートをやり直しました。因子は " + std::to_string(state_.StepCount) + " 個です");
    else
        SetStatus("ステップ " + std::to_string(state_.StepCount) + "（" +
                  state_.GateNameHist.at(static_cast<std::size_t>(state_.StepCount - 1)) + "）をやり直しました。" +
                  NextMove());
    Settle();
    FocusNext();
}

}  // namespace selvaris
