#include <algorithm>
#include <iterator>

#include "workbench/form1.h"
#include "workbench/form1_controls.h"

namespace selvaris {

using namespace form1;

void Form1::KeepMoment() {
    ChangeSegment changed = TakeChangeRecord();
    if (!done_.empty() && !changed.empty()) changeLog_.push_back(std::move(changed));
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

void Form1::PushUndoableStep(int entries, bool finalGate) {
    if (!TextsShown()) return;  // nobody can take a step back in a window nobody sees
    done_.push_back({std::move(settled_), entries, finalGate, changeLog_.size()});
}

void Form1::ForgetSteps() {
    done_.clear();
    redo_.clear();
    RecycleChangeRecords(std::move(changeLog_));
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
}

void Form1::UndoStep() {
    if (done_.empty()) return;
    UndoableStep step = std::move(done_.back());
    done_.pop_back();
    const bool finalGate = step.finalGate;
    const int entries = step.entries;
    const std::size_t mark = std::min(step.logMark, changeLog_.size());
    // What redo brings back is everything as it stands now, not a rebuilt step.
    redo_.push_back({std::move(step), state_, registers_.CurrentTarget, registers_.PartialProducts, SaveControlStates(),
                     drawSurface_, {}});
    ChangeSegment unsettled = TakeChangeRecord();
    for (int k = 0; k < entries; ++k) StepBack();
    // Every change since the moment before the step, newest first: taking
    // back, what came since the last settled moment, then the log.
    RestoreChanged(TakeChangeRecord());
    RestoreChanged(unsettled);
    for (std::size_t s = changeLog_.size(); s-- > mark;) RestoreChanged(changeLog_[s]);
    std::vector<ChangeSegment>& changes = redo_.back().changes;
    changes.assign(std::make_move_iterator(changeLog_.begin() + static_cast<std::ptrdiff_t>(mark)),
                   std::make_move_iterator(changeLog_.end()));
    changes.push_back(std::move(unsettled));
    changeLog_.resize(mark);
    TakeChangeRecord();  // the way back is no change to undo later
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
    // The window is now as the undo found it; the changes kept then lead back
    // from here to the moment before the step.
    TakeChangeRecord();
    changeLog_.resize(std::min(redo.step.logMark, changeLog_.size()));
    for (ChangeSegment& segment : redo.changes) changeLog_.push_back(std::move(segment));
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
