#include "entry/form7.h"

#include "core/matrix_text.h"
#include "entry/builtin_matrices.h"
#include "files/form8.h"
#include "files/form9.h"

namespace selvaris {
namespace {

constexpr int kCells = 4;

const char* const kTargetCaption = "ターゲット行列をセット";
const char* const kFinalGateCaption = "最終ゲートを作成";
const char* const kErrorMark = "Error";

}  // namespace

std::string Form7::CellName(int row, int column) {
    if (!IsMatrixIndex(row) || !IsMatrixIndex(column)) return {};
    return std::string("T") + static_cast<char>('0' + row) + static_cast<char>('0' + column);
}

Form7::Form7(SharedRegisters& registers, Platform& platform)
    : Window("Form7", kTargetCaption, 7035, 4200), registers_(registers), platform_(platform) {
    for (int r = 0; r < kCells; ++r)
        for (int c = 0; c < kCells; ++c)
            AddControl({CellName(r, c), ControlKind::TextBox, "", 120 + 1320 * c, 240 + 360 * r, 1215, 270, true, true,
                        r + kCells * c, "行" + std::to_string(r + 1) + "列" + std::to_string(c + 1)});

    const auto button = [this](const char* name, const char* caption, int top, int tabIndex) {
        AddControl({name, ControlKind::Button, caption, 5520, top, 1335, 375, true, true, tabIndex});
    };
    button("Command6", "QFTセット", 240, 16);
    button("Command11", "IQFTセット", 720, 17);
    button("Command3", "クリア", 1200, 18);
    button("Command9", "決定して閉じる", 1680, 19);
    button("Command7", "実行", 2160, 20);
    button("Command10", "キャンセル", 2640, 21);
    button("Command4", "行列を開く", 3120, 22);
    button("Command5", "行列を保存", 3600, 23);
    SetVisible("Command7", false);
    // Enter in a cell closes the window by whichever of the two is shown.
    MakeDefaultButton("Command9");
    MakeDefaultButton("Command7");

    // Laid out but never shown.
    AddControl({"Command8", ControlKind::Button, "テスト行列セット", 1440, 2280, 1575, 375, false, true});
    AddControl({"Command1", ControlKind::Button, "データ格納", 1440, 1800, 975, 375, false, false});
    AddControl({"Command2", ControlKind::Button, "データ表示", 2520, 1800, 975, 375, false, false});
    AddControl({"Text1", ControlKind::TextBox, "Text1", 120, 1800, 1215, 270, false, true});
    AddControl({"Text2", ControlKind::TextBox, "Text2", 120, 2160, 1215, 270, false, true});
}

void Form7::OnLoad() {
    const bool previousClosingRefused = registers_.EntryError;
    registers_.EntryError = false;
    registers_.EntryCancelled = true;

    const bool finalGate = registers_.FinalGateMode;
    SetCaption(finalGate ? kFinalGateCaption : kTargetCaption);
    for (const char* name : {"Command6", "Command11", "Command9"}) SetVisible(name, !finalGate);
    SetVisible("Command7", finalGate);
    for (int r = 0; r < kCells; ++r)
        for (int c = 0; c < kCells; ++c) SetEnabled(CellName(r, c), !finalGate || (r == 3 && c == 3));
    if (finalGate)
        ShowFinalGateMatrix();
    else
        ShowEntryMatrix();

    // Every refused cell is marked: each was stored with the value of the cell
    // parsed before it, which the user never typed. Only a cell the user can type
    // into is marked: a mark in one of the locked cells of the final gate could
    // never be corrected, and "実行" would refuse it and store the neighbouring
    // cell's value in its place.
    if (!previousClosingRefused) return;
    for (int r = 0; r < kCells; ++r)
        for (int c = 0; c < kCells; ++c)
            if ((registers_.EntryRefusedCells >> (kCells * r + c)) & 1u && Get(CellName(r, c)).enabled)
                SetText(CellName(r, c), kErrorMark);
}

void Form7::OnUnload() {
    if (registers_.EntryCancelled || registers_.EntryError) return;
    if (registers_.FinalGateMode)
        StoreCellsToFinal();
    else
        StoreCellsToEntry();
}

void Form7::OnClick(const std::string& name) {
    if (name == "Command6") {
        SetBuiltInMatrix(QftMatrix());
    } else if (name == "Command11") {
        SetBuiltInMatrix(IqftMatrix());
    } else if (name == "Command8") {
        SetBuiltInMatrix(TestMatrix());
    } else if (name == "Command3") {
        ResetCellsToIdentity();
    } else if (name == "Command9" || name == "Command7") {
        registers_.EntryCancelled = false;
        if (name == "Command7") registers_.ExecuteChosen = true;
        // A refusal left over from an earlier "行列を保存" must not swallow this
        // closing: the cells are parsed again as they stand now.
        registers_.EntryError = false;
        Close();
    } else if (name == "Command10") {
        Close();
    } else if (name == "Command4") {
        OpenMatrixFile();
    } else if (name == "Command5") {
        SaveMatrixFile();
    } else if (name == "Command1") {
        StoreCellsToEntry();
    } else if (name == "Command2") {
        ShowEntryMatrix();
    }
}

void Form7::ShowInCells(const ComplexMatrix& matrix) {
    // Shown as stored, not rounded: the cell text is what the parser will read back.
    registers_.RoundedShowMatrix = matrix;
    for (int r = 0; r < kCells; ++r)
        for (int c = 0; c < kCells; ++c) {
            FormatCell(registers_, static_cast<std::int16_t>(r), static_cast<std::int16_t>(c));
            SetText(CellName(r, c), registers_.CellText);
        }
}

void Form7::ShowEntryMatrix() {
    if (registers_.EntryMatrix.IsAllZero()) registers_.EntryMatrix = ComplexMatrix::Identity();
    ShowInCells(registers_.EntryMatrix);
}

void Form7::ShowFinalGateMatrix() { ShowInCells(registers_.FinalGateMatrix); }

void Form7::StoreCells(ComplexMatrix& destination) {
    registers_.EntryRefusedCells = 0;
    for (int c = 0; c < kCells; ++c)
        for (int r = 0; r < kCells; ++r) {
            ParseCell(Text(CellName(r, c)), r, c, cellValues_, registers_, platform_);
            destination.re(r, c) = cellValues_.CellReal;
            destination.im(r, c) = cellValues_.CellImag;
        }
}

void Form7::StoreCellsToEntry() { StoreCells(registers_.EntryMatrix); }

// A refused cell would put the value of the cell parsed before it into the
// gate, a value the user never typed: the gate is kept as it was instead.
void Form7::StoreCellsToFinal() {
    ComplexMatrix entered = registers_.FinalGateMatrix;
    StoreCells(entered);
    if (!registers_.EntryError) registers_.FinalGateMatrix = entered;
}

void Form7::ResetCellsToIdentity() {
    for (int r = 0; r < kCells; ++r)
        for (int c = 0; c < kCells; ++c) SetText(CellName(r, c), r == c ? "1" : "0");
}

void Form7::SetBuiltInMatrix(const ComplexMatrix& matrix) {
    registers_.EntryMatrix = matrix;
    ShowEntryMatrix();
}

void Form7::PlaceFileWindow(Window& window) const {
    const int w = platform_.ScreenWidthTwips();
    const int h = platform_.ScreenHeightTwips();
    window.SetPosition(w / 2 - w / 4, h / 4);
}

void Form7::OpenMatrixFile() {
    Form9 openWindow(registers_, platform_);
    PlaceFileWindow(openWindow);
    platform_.ShowModal(openWindow);
    if (registers_.MatrixFileLoaded) ShowEntryMatrix();
}

void Form7::SaveMatrixFile() {
    registers_.EntryError = false;
    StoreCellsToEntry();
    if (registers_.EntryError) return;
    Form8 saveWindow(registers_, platform_);
    PlaceFileWindow(saveWindow);
    platform_.ShowModal(saveWindow);
}

}  // namespace selvaris
