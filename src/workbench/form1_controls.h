#pragma once

#include "core/control_name.h"

// The workbench controls by their role. The table in form1_controls.cpp keeps
// each control's own name, caption and place; code refers to them through these,
// each with a slot of its own (unique among them) so that the window finds it at once.
namespace selvaris::form1 {

// Buttons.
inline constexpr ControlName kSetTargetButton{"Command31", 0};
inline constexpr ControlName kFinalGateButton{"Command1", 1};
inline constexpr ControlName kSingleGateButton{"Command14", 2};
inline constexpr ControlName kUndoSingleGateButton{"Command12", 3};
inline constexpr ControlName kChooseLeftButton{"Command10", 4};
inline constexpr ControlName kChooseRightButton{"Command11", 5};
inline constexpr ControlName kFactorBackFiveButton{"Command7", 6};
inline constexpr ControlName kFactorBackButton{"Command38", 7};
inline constexpr ControlName kFactorForwardButton{"Command39", 8};
inline constexpr ControlName kFactorForwardFiveButton{"Command6", 9};
inline constexpr ControlName kEarlierGateBackButton{"Command2", 10};
inline constexpr ControlName kEarlierGateForwardButton{"Command3", 11};
inline constexpr ControlName kPartialBackButton{"Command4", 12};     // hidden
inline constexpr ControlName kPartialForwardButton{"Command40", 13};  // hidden
inline constexpr ControlName kShapeTestButton{"Command9", 14};        // hidden
inline constexpr ControlName kExportButton{"ExportButton", 15};
inline constexpr ControlName kCircuitButton{"CircuitButton", 16};
inline constexpr ControlName kSetTargetFromFileButton{"SetTargetFromFileButton", 17};
inline constexpr ControlName kUndoStepButton{"UndoStepButton", 18};
inline constexpr ControlName kRedoStepButton{"RedoStepButton", 19};
inline constexpr ControlName kDecomposeRestButton{"DecomposeRestButton", 20};

// Matrix boxes that the user sees.
inline constexpr ControlName kPreviousTargetBox{"Text91", 21};
inline constexpr ControlName kCurrentTargetBox{"Text2", 22};
inline constexpr ControlName kStepGateBox{"Text11", 23};
inline constexpr ControlName kEarlierGateBox{"Text02", 24};
inline constexpr ControlName kFactorBox{"Text14", 25};

// Labels of the two browsers.
inline constexpr ControlName kEarlierGatePositionLabel{"Label4", 26};
inline constexpr ControlName kFactorKindLabel{"Label6", 27};
inline constexpr ControlName kFactorPositionLabel{"Label7", 28};
// "3 / 8": the position counted from 1, and how many there are.
inline constexpr ControlName kEarlierGateCountLabel{"EarlierGateCountLabel", 29};
inline constexpr ControlName kFactorCountLabel{"FactorCountLabel", 30};

// What to do next and what has just happened, along the bottom.
inline constexpr ControlName kStatusLine{"StatusLine", 31};

// How far the product of the factors is from the target.
inline constexpr ControlName kReconstructionErrorLabel{"ReconstructionErrorLabel", 32};
inline constexpr ControlName kCircuitErrorLabel{"CircuitErrorLabel", 33};

// Circuit pictures.
inline constexpr ControlName kEarlierGatePicture{"Picture1", 34};
inline constexpr ControlName kFactorPicture{"Picture2", 35};

// Hidden boxes the steps still write.
inline constexpr ControlName kStepCountBox{"ts1", 36};
inline constexpr ControlName kStepNameBox{"Text17", 37};
inline constexpr ControlName kMergedGateBox{"t39a", 38};
inline constexpr ControlName kInvertedGateBox{"Text03", 39};
inline constexpr ControlName kMergedSlotBox{"Text1x1", 40};
inline constexpr ControlName kPartialProductBox{"Text13", 41};
inline constexpr ControlName kEmptiedBox{"Text12", 42};
inline constexpr ControlName kFactorNameBox{"t27", 43};
inline constexpr ControlName kPartialCountBox{"t34", 44};

// Texts of the workbench's own messages (exclamation icon, OK, this title).
inline constexpr const char* kMessageTitle = "メッセージ";
inline constexpr const char* kUnpickableCellMessage = "このセルはクリック出来ません";
inline constexpr const char* kTooManyGatesMessage = "ゲート数が多すぎます";
inline constexpr const char* kExportTitle = "回路を書き出す";
inline constexpr const char* kTargetFileTitle = "ターゲット行列のファイル";

// The name of the step that records the final gate.
inline constexpr const char* kFinalGateStepName = "org_gate";

}  // namespace selvaris::form1
