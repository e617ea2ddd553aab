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
constexpr bool kDisabled = false;

// The basis states |q1 q0> of the rows and columns 0 to 3.
const char* const kKets[4] = {"|00⟩", "|01⟩", "|10⟩", "|11⟩"};
const char* const kKetBits[4] = {"q1 = 0、q0 = 0", "q1 = 0、q0 = 1", "q1 = 1、q0 = 0", "q1 = 1、q0 = 1"};

// What each control does, and what makes a disabled one usable.
struct ToolTip {
    const char* control;
    const char* whatItDoes;
    const char* whenDisabled;
};
const ToolTip kToolTips[] = {
    {"Label5", "直前のステップを掛ける前のターゲット行列です", ""},
    {"Text91", "直前のステップを掛ける前のターゲット行列です", ""},
    {"Label8", "これまでのステップをすべて掛けた、今のターゲット行列です", ""},
    {"Text2", "これまでのステップをすべて掛けた、今のターゲット行列です", ""},
    {"Label9", "直前のステップで左から掛けたゲートです。その逆行列がこのステップの因子になります", ""},
    {"Text11", "直前のステップで左から掛けたゲートです。その逆行列がこのステップの因子になります", ""},
    {"Label1", "これまでのステップのゲートです。「<」「>」で順に表示します", ""},
    {"Text02", "これまでのステップのゲートです。「<」「>」で順に表示します", ""},
    {"Label3", "因子の一覧から表示している因子です。すべてを順に掛けるとターゲット行列に戻ります", ""},
    {"Text14", "因子の一覧から表示している因子です。すべてを順に掛けるとターゲット行列に戻ります", ""},
    {"Command31", "分解する行列を入力画面で入力し、ターゲット行列にします", ""},
    {"Command1", "最後のゲートを入力して記録し、因子の一覧を作ります",
     "ターゲット行列をセットすると使えます（最終ゲートは一つの分解に一度だけです）"},
    {"Command14", "最後のステップのゲートを、制御のない 1 量子ビットゲートにして掛け直します",
     "ゲートを選んでステップを記録すると使えます"},
    {"Command12",
     "「単一ゲートにする」で変えた最後のステップを、元の 2 準位ゲートに戻します（ステップそのものを取り消すのは「一手戻す」です）",
     "「単一ゲートにする」の後で使えます"},
    {"Command10", "L の格子に示したゲートを掛けて、ステップとして記録します", "対角より下の赤いセルをクリックすると使えます"},
    {"Command11", "R の格子に示したゲートを掛けて、ステップとして記録します", "対角より下の赤いセルをクリックすると使えます"},
    {"Command7", "因子を五つ前に戻ります", "「最終ゲート」で因子の一覧を作ると使えます"},
    {"Command38", "一つ前の因子を表示します", "「最終ゲート」で因子の一覧を作ると使えます"},
    {"Command39", "次の因子を表示します", "「最終ゲート」で因子の一覧を作ると使えます"},
    {"Command6", "因子を五つ先に進みます", "「最終ゲート」で因子の一覧を作ると使えます"},
    {"Command2", "一つ前のステップのゲートを表示します", "ゲートを選んでステップを記録すると使えます"},
    {"Command3", "次のステップのゲートを表示します", "ゲートを選んでステップを記録すると使えます"},
    {"Label4", "表示しているゲートの番号（0 から数えます）", ""},
    {"Label6", "表示している因子が実数の行列か複素数の行列か", ""},
    {"Label7", "表示している因子の番号（0 から数えます）", ""},
    {"Picture1", "表示しているゲートの回路図です。上の線が q1、下の線が q0 です", ""},
    {"Picture2", "表示している因子の回路図です。上の線が q1、下の線が q0 です", ""},
    {"ReconstructionErrorLabel", "すべての因子の積と、セットしたターゲット行列との差の最大値です", ""},
    {"CircuitErrorLabel", "書き出す回路とターゲット行列との差です。回路が正確でないときだけ表示します", ""},
    {"ExportButton", "分解した回路を OpenQASM、LaTeX、SVG、PNG、JSON のファイルに書き出します",
     "「最終ゲート」で因子の一覧を作ると使えます"},
    {"SetTargetFromFileButton", "ターゲット行列を .gyo、.npy、.qasm ファイルから正確な値のまま読み込みます", ""},
    {"CircuitButton", "分解全体を一つの回路として別の画面に表示します", "「最終ゲート」で因子の一覧を作ると使えます"},
    {"UndoStepButton", "最後のステップを取り消します。最終ゲートも取り消せます（Ctrl+Z）",
     "ゲートを選んでステップを記録すると使えます"},
    {"RedoStepButton", "「一手戻す」で取り消したステップを、記録したとおりにもう一度掛けます（Ctrl+Y、Ctrl+Shift+Z）",
     "「一手戻す」で取り消すと使えます。新しいステップを記録すると、やり直せるものはなくなります"},
    {"DecomposeRestButton",
     "残りの赤いセルを、行4列1、行3列1、行2列1、行3列2、行4列2、行4列3 の順に「ゲート選択（L）」で消します。"
     "一手ずつ取り消せます。枠で囲んだセルが次に消すセルです",
     "ターゲット行列をセットし、対角より下に赤いセルが残っているときに使えます"},
    {"EarlierGateCountLabel", "表示しているステップ / ステップの数", ""},
    {"FactorCountLabel", "表示している因子 / 因子の数", ""},
    {"EarlierGateTopWire", "上の線は q1：状態の番号の上位ビットです", ""},
    {"FactorTopWire", "上の線は q1：状態の番号の上位ビットです", ""},
    {"EarlierGateBottomWire", "下の線は q0：状態の番号の下位ビットです", ""},
    {"FactorBottomWire", "下の線は q0：状態の番号の下位ビットです", ""},
    {"StatusLine", "次にすることと、直前の操作の結果を示します", ""},
};
const char* const kCellToolTip = "対角より下の赤いセルをクリックすると、それを消す二つのゲートが示されます";
const char* const kGridToolTip =
    "のゲートの形：暗い赤は 0 でない値になりうる要素、青緑は 0 のままの要素です。灰色はこちらを使っていないときです";

// The arrow keys among the six cells that can be picked: left, right, up, down.
const struct {
    const char* cell;
    ArrowMoves moves;
} kCellArrows[] = {
    {"la10", {"", "la20", "", "la20"}},         {"la20", {"la10", "la21", "la10", "la30"}},
    {"la21", {"la20", "la30", "", "la31"}},     {"la30", {"la21", "la31", "la20", ""}},
    {"la31", {"la30", "la32", "la21", ""}},     {"la32", {"la31", "", "", ""}},
};
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
    // The pagers' numbers sit centred, clear of the buttons on either side.
    AddControl({"Label4", kLabel, "", 2760, 4080, 495, 255}).align = TextAlign::Centre;
    AddControl({"Label6", kLabel, "", 10440, 3480, 1215, 255});
    AddControl({"Label7", kLabel, "", 8160, 3480, 615, 255}).align = TextAlign::Centre;
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

    // A learner's additions, in free space: nothing above moves.
    // Taking steps back and forth, and the standard plan, right of Picture1.
    AddControl({"UndoStepButton", kButton, "一手戻す", 2160, 5460, 1695, 375, true, kDisabled}).shortcuts = {"Ctrl+Z"};
    AddControl({"RedoStepButton", kButton, "やり直す", 3960, 5460, 1695, 375, true, kDisabled}).shortcuts = {
        "Ctrl+Y", "Ctrl+Shift+Z"};
    AddControl({"DecomposeRestButton", kButton, "残りを自動で分解", 2160, 5940, 3495, 375, true, kDisabled});
    // Both pagers' position and total, clear of their buttons.
    AddControl({"EarlierGateCountLabel", kLabel, "", 3960, 4080, 1215, 255});
    AddControl({"FactorCountLabel", kLabel, "", 11520, 3480, 735, 255}).align = TextAlign::Right;
    // The basis state of each row and column of the three grids, |q1 q0>.
    for (int i = 0; i < 4; ++i) {
        const std::string n = std::to_string(i);
        const auto state = [&](const std::string& name, int left, int top, int width, int height, TextAlign align,
                               const char* line) {
            Control& label = AddControl({name, kLabel, kKets[i], left, top, width, height});
            label.align = align;
            label.toolTip = std::string("この") + line + "は基底状態 " + kKets[i] + "（" + kKetBits[i] + "）";
        };
        state("CellColumnState" + n, 6570 + 480 * i, 1050, 435, 240, TextAlign::Centre, "列");
        state("CellRowState" + n, 6060, 1320 + 480 * i, 480, 375, TextAlign::Right, "行");
        state("LeftGridColumnState" + n, 8715 + 360 * i, 1590, 345, 210, TextAlign::Centre, "列");
        state("LeftGridRowState" + n, 8430, 1800 + 360 * i, 315, 255, TextAlign::Right, "行");
        state("RightGridColumnState" + n, 10395 + 360 * i, 1590, 345, 210, TextAlign::Centre, "列");
        state("RightGridRowState" + n, 10110, 1800 + 360 * i, 315, 255, TextAlign::Right, "行");
    }
    // The wires of both circuit pictures, named outside the pictures.
    AddControl({"EarlierGateTopWire", kLabel, "q1", 1620, 5480, 420, 240});
    AddControl({"EarlierGateBottomWire", kLabel, "q0", 1620, 5880, 420, 240});
    AddControl({"FactorTopWire", kLabel, "q1", 6120, 4880, 420, 240}).align = TextAlign::Right;
    AddControl({"FactorBottomWire", kLabel, "q0", 6120, 5280, 420, 240}).align = TextAlign::Right;
    // What to do next and what just happened, along the bottom below everything else.
    AddControl({"StatusLine", kLabel, "", 120, 6510, 12240, 300, true, true, -1, "状態", kBordered});

    for (const ToolTip& tip : kToolTips) {
        Control& control = Mutable(tip.control);
        control.toolTip = tip.whatItDoes;
        control.toolTipWhenDisabled = tip.whenDisabled;
    }
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            Mutable(CellLabel(r, c)).toolTip = kCellToolTip;
            Mutable(GridLabel(false, r, c)).toolTip = std::string("L ") + kGridToolTip;
            Mutable(GridLabel(true, r, c)).toolTip = std::string("R ") + kGridToolTip;
        }
    for (const auto& cell : kCellArrows) Mutable(cell.cell).arrows = cell.moves;

    // The keyboard's way through the workbench: the buttons that start things,
    // the six cells that can be picked (Space or Enter picks one, the arrow keys
    // move among them), the gate choice, the browsers, then the matrix boxes,
    // whose text can be selected and copied.
    const std::vector<std::string> order = {
        "Command31", "SetTargetFromFileButton", "Command1", "Command14", "Command12", "UndoStepButton",
        "RedoStepButton", "DecomposeRestButton", "la10", "la20", "la21", "la30", "la31", "la32", "Command10",
        "Command11", "Command7", "Command38", "Command39", "Command6", "ExportButton", "CircuitButton", "Command2",
        "Command3", "Text91", "Text2", "Text11", "Text02", "Text14"};
    for (std::size_t i = 0; i < order.size(); ++i) Mutable(order[i]).tabIndex = static_cast<int>(i);
}

}  // namespace selvaris
