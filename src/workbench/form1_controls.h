#pragma once

// The workbench controls by their role. The table in form1_controls.cpp keeps
// each control's own name, caption and place; code refers to them through these.
namespace selvaris::form1 {

// Buttons.
inline constexpr const char* kSetTargetButton = "Command31";
inline constexpr const char* kFinalGateButton = "Command1";
inline constexpr const char* kSingleGateButton = "Command14";
inline constexpr const char* kUndoSingleGateButton = "Command12";
inline constexpr const char* kChooseLeftButton = "Command10";
inline constexpr const char* kChooseRightButton = "Command11";
inline constexpr const char* kFactorBackFiveButton = "Command7";
inline constexpr const char* kFactorBackButton = "Command38";
inline constexpr const char* kFactorForwardButton = "Command39";
inline constexpr const char* kFactorForwardFiveButton = "Command6";
inline constexpr const char* kEarlierGateBackButton = "Command2";
inline constexpr const char* kEarlierGateForwardButton = "Command3";
inline constexpr const char* kPartialBackButton = "Command4";     // hidden
inline constexpr const char* kPartialForwardButton = "Command40";  // hidden
inline constexpr const char* kShapeTestButton = "Command9";        // hidden
inline constexpr const char* kExportButton = "ExportButton";
inline constexpr const char* kCircuitButton = "CircuitButton";
inline constexpr const char* kSetTargetFromFileButton = "SetTargetFromFileButton";
inline constexpr const char* kUndoStepButton = "UndoStepButton";
inline constexpr const char* kRedoStepButton = "RedoStepButton";
inline constexpr const char* kDecomposeRestButton = "DecomposeRestButton";

// Matrix boxes that the user sees.
inline constexpr const char* kPreviousTargetBox = "Text91";
inline constexpr const char* kCurrentTargetBox = "Text2";
inline constexpr const char* kStepGateBox = "Text11";
inline constexpr const char* kEarlierGateBox = "Text02";
inline constexpr const char* kFactorBox = "Text14";

// Labels of the two browsers.
inline constexpr const char* kEarlierGatePositionLabel = "Label4";
inline constexpr const char* kFactorKindLabel = "Label6";
inline constexpr const char* kFactorPositionLabel = "Label7";
// "3 / 8": the position counted from 1, and how many there are.
inline constexpr const char* kEarlierGateCountLabel = "EarlierGateCountLabel";
inline constexpr const char* kFactorCountLabel = "FactorCountLabel";

// What to do next and what has just happened, along the bottom.
inline constexpr const char* kStatusLine = "StatusLine";

// How far the product of the factors is from the target.
inline constexpr const char* kReconstructionErrorLabel = "ReconstructionErrorLabel";
inline constexpr const char* kCircuitErrorLabel = "CircuitErrorLabel";

// Circuit pictures.
inline constexpr const char* kEarlierGatePicture = "Picture1";
inline constexpr const char* kFactorPicture = "Picture2";

// Hidden boxes the steps still write.
inline constexpr const char* kStepCountBox = "ts1";
inline constexpr const char* kStepNameBox = "Text17";
inline constexpr const char* kMergedGateBox = "t39a";
inline constexpr const char* kInvertedGateBox = "Text03";
inline constexpr const char* kMergedSlotBox = "Text1x1";
inline constexpr const char* kPartialProductBox = "Text13";
inline constexpr const char* kEmptiedBox = "Text12";
inline constexpr const char* kFactorNameBox = "t27";
inline constexpr const char* kPartialCountBox = "t34";

// Texts of the workbench's own messages (exclamation icon, OK, this title).
inline constexpr const char* kMessageTitle = "メッセージ";
inline constexpr const char* kUnpickableCellMessage = "このセルはクリック出来ません";
inline constexpr const char* kTooManyGatesMessage = "ゲート数が多すぎます";
inline constexpr const char* kExportTitle = "回路を書き出す";
inline constexpr const char* kTargetFileTitle = "ターゲット行列のファイル";

// The name of the step that records the final gate.
inline constexpr const char* kFinalGateStepName = "org_gate";

}  // namespace selvaris::form1
