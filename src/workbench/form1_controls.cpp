#include "workbench/form1.h"

#include <vector>

namespace selvaris {

namespace {
constexpr ControlKind kButton = ControlKind::Button;
constexpr ControlKind kLabel = ControlKind::Label;
constexpr ControlKind kText = ControlKind::TextBox;
constexpr ControlKind kMatrixText = ControlKind::MultiLineTextBox;
constexpr ControlKind kPicture = ControlKind::PictureBox;
constexpr bool kHidden = false;
constexpr bool kBordered = true;
}  // namespace

// The controls as laid out in twips; hidden ones stay in the table because the
// workbench still writes some of their texts.
void Form1::DeclareControls() {
    // Matrix boxes with the captions above them.
    AddControl({"Label5", kLabel, "ひとつ前のターゲット行列 ", 120, 120, 3000, 195});
    AddControl({"Text91", kMatrixText, "", 120, 360, 5895, 855, true, true, -1, "ひとつ前のターゲット行列"});
    AddControl({"Label8", kLabel, "現時点のターゲット行列 ", 120, 1440, 3000, 195});
    AddControl({"Text2", kMatrixText, "", 120, 1680, 5895, 855, true, true, -1, "現時点のターゲット行列"});
    AddControl({"Label9", kLabel, "ゲートの逆行列", 120, 2760, 3000, 195});
    AddControl({"Text11", kMatrixText, "", 120, 3000, 5895, 855, true, true, -1, "ゲートの逆行列"});
    AddControl({"Label1", kLabel, "今までのゲートの逆行列", 120, 4080, 1890, 180});
    AddControl({"Text02", kMatrixText, "", 120, 4440, 5895, 855, true, true, -1, "今までのゲートの逆行列"});
    AddControl({"Label3", kLabel, "ゲート", 6480, 3360, 480, 180});
    AddControl({"Text14", kMatrixText, "", 6600, 3840, 5655, 855, true, true, -1, "ゲート"});

    // Cell grid of the target and the two gate-pattern grids.
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            AddControl({CellLabel(r, c), kLabel, "", 6600 + 480 * c, 1320 + 480 * r, 375, 375, true, true, -1,
                        "行" + std::to_string(r + 1) + "列" + std::to_string(c + 1), kBordered});
    for (bool right : {false, true})
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c)
                AddControl({GridLabel(right, r, c), kLabel, "", (right ? 10440 : 8760) + 360 * c, 1800 + 360 * r,
                            255, 255, true, true, -1,
                            std::string(right ? "R " : "L ") + "行" + std::to_string(r + 1) + "列" + std::to_string(c + 1),
                            kBordered});

    // Buttons.
    AddControl({"Command31", kButton, "ターゲット行列をセット", 6600, 120, 2415, 375});
    AddControl({"Command1", kButton, "最終ゲート", 6600, 600, 2415, 375});
    AddControl({"Command14", kButton, "単一ゲートにする", 9240, 120, 2415, 375});
    AddControl({"Command12", kButton, "元に戻す", 9240, 600, 2415, 375});
    AddControl({"Command10", kButton, "ゲート選択（L）", 8760, 1200, 1335, 375});
    AddControl({"Command11", kButton, "ゲート選択（R）", 10440, 1200, 1335, 375});
    AddControl({"Command7", kButton, "<<", 6960, 3480, 495, 255});
    AddControl({"Command38", kButton, "<", 7560, 3480, 495, 255});
    AddControl({"Command39", kButton, ">", 8880, 3480, 495, 255});
    AddControl({"Command6", kButton, ">>", 9480, 3480, 495, 255});
    AddControl({"Command2", kButton, "<", 2160, 4080, 615, 255});
    AddControl({"Command3", kButton, ">", 3240, 4080, 615, 255});
    AddControl({"Command4", kButton, "部分行列 <", 120, 6720, 1095, 255, kHidden});
    AddControl({"Command40", kButton, "部分行列 >", 2040, 6720, 1095, 255, kHidden});
    AddControl({"Command5", kButton, "unitaryか調べる", 8520, 4920, 1455, 255, kHidden});
    AddControl({"Command9", kButton, "Command9", 2280, 5640, 495, 375, kHidden});
    AddControl({"Command8", kButton, "Command8", 7080, 6360, 615, 255, kHidden});

    // Small boxes, all hidden: step count, step names, merged gates and test fields.
    AddControl({"ts1", kText, "ts1", 9000, 6720, 735, 270, kHidden});
    AddControl({"Label2", kLabel, "ステップ数", 8160, 6720, 810, 180, kHidden});
    AddControl({"Text17", kText, "Text17", 8640, 6240, 1095, 270, kHidden});
    AddControl({"Label15", kLabel, "ゲート名", 7920, 6240, 660, 180, kHidden});
    AddControl({"t39a", kMatrixText, "t39a\r\n", 3840, 6240, 1215, 270, kHidden});
    AddControl({"t39b", kMatrixText, "t39b\r\n", 9960, 5280, 855, 270, kHidden});
    AddControl({"Text03", kMatrixText, "Text03", 9960, 5640, 855, 270, kHidden});
    AddControl({"Text1x1", kMatrixText, "Text1x1\r\n", 9960, 6000, 855, 270, kHidden});
    AddControl({"Text13", kMatrixText, "Text13", 120, 7080, 3375, 375, kHidden});
    AddControl({"Text12", kText, "Text12", 4200, 7080, 5895, 270, kHidden});
    AddControl({"t27", kText, "t27", 10080, 4920, 855, 270, kHidden});
    AddControl({"t34", kText, "t34", 1320, 6720, 615, 270, kHidden});
    AddControl({"Text3", kText, "Text3", 11160, 5280, 975, 270, kHidden});
    AddControl({"Text4", kText, "Text4", 11160, 5640, 1095, 270, kHidden});
    AddControl({"Text5", kText, "Text5", 11160, 6000, 1095, 270, kHidden});
    AddControl({"Textd1", kText, "0", 1680, 5640, 615, 270, kHidden});
    AddControl({"Label11", kLabel, "「積」ボタンで作成（qiskitのデバッグに対応）", 120, 6360, 3300, 180, kHidden});

    // Browsing captions and the two circuit pictures.
    AddControl({"Label4", kLabel, "", 2760, 4080, 495, 255});
    AddControl({"Label6", kLabel, "", 10440, 3480, 1215, 255});
    AddControl({"Label7", kLabel, "", 8160, 3480, 615, 255});
    AddControl({"Picture1", kPicture, "", 120, 5400, 1455, 855, true, true, -1, "今までのゲートの逆行列（回路図）"})
        .backColour = kWhite;
    AddControl({"Picture2", kPicture, "", 6600, 4800, 1335, 855, true, true, -1, "ゲート（回路図）"}).backColour = kWhite;

    // Our own addition, in the free area right of Picture2: the check of the
    // factor list and its export for other tools.
    AddControl({"ReconstructionErrorLabel", kLabel, "", 8160, 4860, 4095, 255});
    AddControl({"CircuitErrorLabel", kLabel, "", 8160, 5130, 4095, 255});
    AddControl({"ExportButton", kButton, "回路を書き出す", 8160, 5460, 2415, 375, true, false});
    // A target with its exact values from a file, in the free area under Picture2.
    AddControl({"SetTargetFromFileButton", kButton, "ファイルからセット", 6600, 5940, 2415, 375});
    // The whole factor list as one circuit, beside it.
    AddControl({"CircuitButton", kButton, "回路全体", 9240, 5940, 2415, 375, true, false});

    // The keyboard's way through the workbench: the buttons that start things,
    // the cell grid row by row (Space or Enter picks a cell), the gate choice,
    // the browsers, then the matrix boxes, whose text can be selected and copied.
    std::vector<std::string> order = {"Command31", "SetTargetFromFileButton", "Command1", "Command14", "Command12"};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) order.push_back(CellLabel(r, c));
    for (const char* name : {"Command10", "Command11", "Command7", "Command38", "Command39", "Command6", "ExportButton",
                             "CircuitButton", "Command2", "Command3", "Text91", "Text2", "Text11", "Text02", "Text14"})
        order.push_back(name);
    for (std::size_t i = 0; i < order.size(); ++i) Mutable(order[i]).tabIndex = static_cast<int>(i);
}

}  // namespace selvaris
