#include "core/form3.h"

#include "core/matrix_text.h"

namespace selvaris {

namespace {

constexpr int kBoxWidth = 6255;
constexpr int kBoxHeight = 855;
constexpr int kLabelHeight = 180;
// The four boxes end at 13215 x 2655; the same margin again on the right and bottom.
constexpr int kClientWidth = 13455;
constexpr int kClientHeight = 2895;

}  // namespace

Form3::Form3(SharedRegisters& registers)
    : Window("Form3", "ユニタリ行列かどうかを調べるための計算", kClientWidth, kClientHeight), registers_(registers) {
    AddControl({"Label4", ControlKind::Label, "ターゲット行列", 240, 240, 1110, kLabelHeight});
    AddControl({"Text2", ControlKind::MultiLineTextBox, "", 240, 480, kBoxWidth, kBoxHeight, true, true, 0,
                "ターゲット行列"});
    AddControl({"Label6", ControlKind::Label, "ターゲット行列×随伴行列", 6960, 240, 2010, kLabelHeight});
    AddControl({"Text5", ControlKind::MultiLineTextBox, "", 6960, 480, kBoxWidth, kBoxHeight, true, true, 1,
                "ターゲット行列×随伴行列"});
    AddControl({"Label5", ControlKind::Label, "随伴行列", 240, 1560, 720, kLabelHeight});
    AddControl({"Text4", ControlKind::MultiLineTextBox, "", 240, 1800, kBoxWidth, kBoxHeight, true, true, 2,
                "随伴行列"});
    AddControl({"Label7", ControlKind::Label, "随伴行列×ターゲット行列", 6960, 1560, 2190, kLabelHeight});
    AddControl({"Text6", ControlKind::MultiLineTextBox, "", 6960, 1800, kBoxWidth, kBoxHeight, true, true, 3,
                "随伴行列×ターゲット行列"});
}

void Form3::SetCaption(const std::string& label, const std::string& textBox, const std::string& caption) {
    SetText(label, caption);
    Control& box = Mutable(textBox);
    box.accessibleName = caption;
    Notify(box);
}

void Form3::OnLoad() {
    const bool finalGate = registers_.FinalGateMode;
    SetCaption("Label4", "Text2", finalGate ? "最終ゲート行列" : "ターゲット行列");
    SetCaption("Label5", "Text4", "随伴行列");
    SetCaption("Label6", "Text5", finalGate ? "最終ゲート行列×随伴行列" : "ターゲット行列×随伴行列");
    SetCaption("Label7", "Text6", finalGate ? "随伴行列×最終ゲート行列" : "随伴行列×ターゲット行列");

    ShowInTextBox(registers_, registers_.CheckMatrix, *this, "Text2");
    ShowInTextBox(registers_, registers_.AdjointMatrix, *this, "Text4");
    ShowInTextBox(registers_, registers_.TargetTimesAdjoint, *this, "Text5");
    ShowInTextBox(registers_, registers_.AdjointTimesTarget, *this, "Text6");
}

}  // namespace selvaris
