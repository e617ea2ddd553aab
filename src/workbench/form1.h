#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/platform.h"
#include "core/shared_registers.h"
#include "core/window.h"
#include "export/decomposition.h"
#include "export/export_formats.h"
#include "workbench/form1_controls.h"
#include "workbench/pickable_cells.h"
#include "workbench/rendered_matrices.h"
#include "workbench/step_record.h"
#include "workbench/workbench_state.h"

namespace selvaris {

enum class GateSide { Left, Right };

// The workbench, the main window "Selvaris 1.0".
class Form1 : public Window {
public:
    Form1(SharedRegisters& registers, Platform& platform);

    WorkbenchState& State() { return state_; }
    const WorkbenchState& State() const { return state_; }

    // "ターゲット行列をセット": enter a matrix, check it and make it the target.
    void SetTarget();
    // What follows the entry window's closing: EntryMatrix, if it was entered
    // without a refused cell and is unitary, becomes the new target.
    void AcceptEnteredTarget();
    // "ファイルからセット": a target read from a file with its exact values,
    // then checked and shown as a typed one is.
    void SetTargetFromFile();

    // Cell grid and gate choice.
    void PickCell(const PickableCell& cell);
    void ClickUnpickableCell();
    void ChooseGate(GateSide side);
    // The pick of a red cell and the choice of its gate in one, as the command
    // line takes them: the same step, without what the clicks show. False when
    // the step limit refuses the pick, after its message.
    bool ChooseUnseen(const PickableCell& cell, GateSide side);

    // "単一ゲートにする" and "元に戻す" on the latest step.
    void MakeSingleGate();
    void UndoSingleGate();

    // "一手戻す": the latest step, or the final gate, taken back with StepBack;
    // everything the window showed before it comes back. "やり直す": a step
    // taken back applied again exactly as it was recorded.
    void UndoStep();
    void RedoStep();
    std::size_t UndoableSteps() const { return done_.size(); }
    std::size_t RedoableSteps() const { return redo_.size(); }

    // "残りを自動で分解": the standard plan from where the decomposition
    // stands, each cell picked and chosen with L as a user would, blue cells skipped.
    void DecomposeRest();
    // The red cell the standard plan clears next; none when the lower triangle
    // is blue, no further step fits, or no decomposition is open.
    std::optional<PickableCell> NextPlanCell() const;

    // "最終ゲート": enter the final gate; then what follows the entry window's
    // closing: the final gate recorded as a step and the factor list built.
    void FinalGate();
    void AcceptFinalGate();

    // The step pipeline.
    void BeginStep();
    void RecordStep(std::int16_t& code);
    void ApplyNamedGate(std::int16_t column);
    void ApplyFinalGate();
    void ShowPreviousTarget();
    void FinishStep();
    void BuildMergedGate();
    void StepBack();

    // Browsing: the pager of earlier gates, the factor list, the partial products.
    void PageEarlierGate(int delta);
    void ShowEarlierGate();
    void BrowseFactors(int delta);
    void ShowBrowseStep();
    void ShowFactor();
    void BuildFactors();
    void PartialProductBack();
    void PartialProductForward();
    void ShowPartial();
    // Shows that factor of the list as "<" and ">" do; past the end, the last one.
    void BrowseToFactor(std::size_t factor);
    // "回路全体": the factor list as one circuit, in a window of its own.
    void ShowWholeCircuit();

    // The factor list as plain data: the target as set, the factors whose
    // product gives it back, and the names of the recorded steps.
    Decomposition CurrentDecomposition() const;
    // "回路を書き出す": the decomposition as OpenQASM and JSON files.
    void ExportCircuit();
    // Draws the SVG and PNG pictures the export offers; without it they are refused.
    void SetCircuitImageRenderer(CircuitImageRenderer render) { circuitImages_ = std::move(render); }

    // Cell label colours from CurrentTarget: red where nonzero, blue where zero.
    void ColourCells();
    // All 32 gate-grid labels light grey.
    void GreyGateGrids();
    // Green cells back to red, the only cells that can be green.
    void ClearPickedCell();
    // Both grids as for a gate on no pair yet: teal off the diagonal, dark red on it.
    void ResetGateGrids();

    // Label names of the cell grid ("la21") and the gate grids ("g1_21", "g2_21");
    // empty for a row or column outside 0..3.
    static const std::string& CellLabel(int row, int column);
    static const std::string& GridLabel(bool rightGrid, int row, int column);

protected:
    void OnLoad() override;
    void OnClick(const std::string& name) override;

private:
    // Checks target and, when it is unitary, makes it the target of a new decomposition.
    void AcceptTarget(const ComplexMatrix& target);
    void DeclareControls();
    void DeclareClickHandlers();
    // The entry window, modal, where target and final gate are both typed.
    void ShowEntryWindow();
    void ShowStepCount();
    // The gate a recorded step multiplied into the target: its merged form when
    // the step was turned into a single gate, else its two-level gate.
    const ComplexMatrix& RecordedGate(int index) const;
    // The inverse of the gate recorded at index, with the messages of its
    // inversion: inverted the first time, the kept result and messages after.
    const ComplexMatrix& InverseOfRecordedGate(int index);
    // Whether anybody looks at this window. The command line's does no display
    // work: no texts, colours, pictures or guide, only what its results need.
    bool Seen() const { return TextsShown(); }
    // The message and the refusal of a pick beyond the step limit.
    bool RefusedForStepLimit();
    void BeginChosenStep(const PickableCell& cell, GateSide side);
    void SetDrawSurface(ControlName picture) { drawSurface_ = picture; }
    void ShowReconstructionError();
    // ShowInTextBox, with the texts rendered last kept.
    void ShowMatrixIn(ControlName box, const ComplexMatrix& matrix);

    // The guide: tooltips, the keyboard's way, the status line, the hint of
    // the plan's next cell and the undo history (guide.cpp, step_undo.cpp).
    void DeclareToolTips();
    void DeclareKeyboard();
    void SetStatus(const std::string& text);
    // What the user does next while a decomposition is open.
    std::string NextMove() const;
    bool DecompositionOpen() const;
    // After every change of the steps: the guide follows, and the window as
    // it now stands is kept as the moment before the next step.
    void Settle();
    void RefreshGuide();
    void FocusNext();
    // The earlier-gate pager on the latest step, as soon as it is taken.
    void ShowLatestEarlierGate();
    // After "単一ゲートにする" or "元に戻す": nothing left to redo, the guide follows.
    void AfterConversion(const std::string& done);
    // The gates recorded so far, the final gate's included, and the pager's
    // position among them.
    int RecordedGateCount() const;
    void ShowEarlierGateCount();
    // The window as it now stands, kept in settled_; the controls' changes
    // since the last moment go to the change log while a step can be undone.
    void KeepMoment();
    // A step taken: what undo brings back is the moment before it.
    void PushUndoableStep(int entries, bool finalGate);
    void RestoreMoment(const WorkbenchMoment& moment);
    // Nothing to undo or redo any more.
    void ForgetSteps();
    // The cell grid and the two gate grids are repainted on every step: their
    // labels are kept by place in the control table rather than looked up by name.
    enum Grid { kCellGrid = 0, kLeftGrid = 1, kRightGrid = 2 };
    static Grid GateGrid(bool right) { return right ? kRightGrid : kLeftGrid; }
    void Paint(Grid grid, int row, int column, Colour colour);
    Colour ColourOf(Grid grid, int row, int column) const;

    SharedRegisters& registers_;
    Platform& platform_;
    WorkbenchState state_;
    // Keyed by the names themselves: literals and static tables that outlive the form.
    std::unordered_map<std::string_view, std::function<void()>> clickHandlers_;
    std::size_t gridLabels_[3][4][4] = {};
    // The picture box the circuit drawing goes to next.
    ControlName drawSurface_ = form1::kFactorPicture;
    CircuitImageRenderer circuitImages_;
    WorkbenchMoment settled_;
    std::vector<UndoableStep> done_;
    std::vector<RedoableStep> redo_;
    // The controls' changes, one segment per settled moment, since the oldest
    // step that can be undone: undo walks back through them, newest first.
    std::vector<ChangeSegment> changeLog_;
    RenderedMatrices rendered_;
    std::optional<ComplexMatrix> lastUnitaryFinalGate_;
};

}  // namespace selvaris
