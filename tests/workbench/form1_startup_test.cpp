#include <gtest/gtest.h>

#include <bit>
#include <cstdint>

#include "support/fake_platform.h"
#include "workbench/form1.h"

namespace selvaris {
namespace {

struct Expected {
    const char* name;
    const char* text;
    int left, top, width, height;
    bool visible;
    bool enabled;
};

// Start-up state of every button and matrix box, transcribed from the layout tables.
const Expected kStartup[] = {
    {"Command31", "ターゲット行列をセット", 6600, 120, 2415, 375, true, true},
    {"Command1", "最終ゲート", 6600, 600, 2415, 375, true, false},
    {"Command14", "単一ゲートにする", 9240, 120, 2415, 375, true, false},
    {"Command12", "元に戻す", 9240, 600, 2415, 375, true, false},
    {"Command10", "ゲート選択（L）", 8760, 1200, 1335, 375, true, false},
    {"Command11", "ゲート選択（R）", 10440, 1200, 1335, 375, true, false},
    {"Command7", "<<", 6960, 3480, 495, 255, true, false},
    {"Command38", "<", 7560, 3480, 495, 255, true, false},
    {"Command39", ">", 8880, 3480, 495, 255, true, false},
    {"Command6", ">>", 9480, 3480, 495, 255, true, false},
    {"Command2", "<", 2160, 4080, 615, 255, true, false},
    {"Command3", ">", 3240, 4080, 615, 255, true, false},
    {"Command4", "部分行列 <", 120, 6720, 1095, 255, false, true},
    {"Command40", "部分行列 >", 2040, 6720, 1095, 255, false, true},
    {"Command5", "unitaryか調べる", 8520, 4920, 1455, 255, false, true},
    {"Command9", "Command9", 2280, 5640, 495, 375, false, true},
    {"Command8", "Command8", 7080, 6360, 615, 255, false, true},
    {"Text91", "", 120, 360, 5895, 855, true, true},
    {"Text2", "", 120, 1680, 5895, 855, true, true},
    {"Text11", "", 120, 3000, 5895, 855, true, true},
    {"Text02", "", 120, 4440, 5895, 855, true, true},
    {"Text14", "", 6600, 3840, 5655, 855, true, true},
    {"ts1", "ts1", 9000, 6720, 735, 270, false, true},
    {"Text17", "Text17", 8640, 6240, 1095, 270, false, true},
    {"t39a", "t39a\r\n", 3840, 6240, 1215, 270, false, true},
    {"t39b", "t39b\r\n", 9960, 5280, 855, 270, false, true},
    {"Text1x1", "Text1x1\r\n", 9960, 6000, 855, 270, false, true},
    {"Textd1", "0", 1680, 5640, 615, 270, false, true},
    {"Label1", "今までのゲートの逆行列", 120, 4080, 1890, 180, true, true},
    {"Label3", "ゲート", 6480, 3360, 480, 180, true, true},
    {"Label4", "", 2760, 4080, 495, 255, true, true},
    {"Picture1", "", 120, 5400, 1455, 855, true, true},
    {"Picture2", "", 6600, 4800, 1335, 855, true, true},
    {"CircuitButton", "回路全体", 9240, 5940, 2415, 375, true, false},
};

struct Started {
    SharedRegisters registers;
    testing::FakePlatform platform;
    Form1 form{registers, platform};
    Started() { form.Load(); }
};

TEST(Form1Startup, EveryListedControlMatchesItsTable) {
    Started s;
    EXPECT_EQ(s.form.Caption(), "Selvaris 1.0");
    for (const Expected& e : kStartup) {
        SCOPED_TRACE(e.name);
        const Control& c = s.form.Get(e.name);
        EXPECT_EQ(c.text, e.text);
        EXPECT_EQ(c.left, e.left);
        EXPECT_EQ(c.top, e.top);
        EXPECT_EQ(c.width, e.width);
        EXPECT_EQ(c.height, e.height);
        EXPECT_EQ(c.visible, e.visible);
        EXPECT_EQ(c.enabled, e.enabled);
    }
}

// Twelve buttons of the workbench itself, the target from a file, the export
// and the whole circuit of the factor list, undo and redo of steps, and the
// automatic rest.
TEST(Form1Startup, ExactlyEighteenVisibleButtonsAndOnlySetTargetEnabled) {
    Started s;
    int visible = 0;
    for (const Control& c : s.form.Controls()) {
        if (c.kind != ControlKind::Button || !c.visible) continue;
        ++visible;
        EXPECT_EQ(c.enabled, c.name == "Command31" || c.name == "SetTargetFromFileButton") << c.name;
    }
    EXPECT_EQ(visible, 18);
}

TEST(Form1Startup, GridsAreLaidOutByRowAndColumnAndUncoloured) {
    Started s;
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const Control& cell = s.form.Get(Form1::CellLabel(r, c));
            EXPECT_EQ(cell.left, 6600 + 480 * c);
            EXPECT_EQ(cell.top, 1320 + 480 * r);
            EXPECT_EQ(cell.width, 375);
            EXPECT_FALSE(cell.backColour.has_value());
            const Control& left = s.form.Get("g1_" + std::to_string(r) + std::to_string(c));
            const Control& right = s.form.Get("g2_" + std::to_string(r) + std::to_string(c));
            EXPECT_EQ(left.left, 8760 + 360 * c);
            EXPECT_EQ(right.left, 10440 + 360 * c);
            EXPECT_EQ(left.top, 1800 + 360 * r);
            EXPECT_EQ(right.height, 255);
            EXPECT_FALSE(left.backColour.has_value());
            EXPECT_FALSE(right.backColour.has_value());
        }
    }
}

TEST(Form1Startup, SetsToleranceFlagsAndInitialFinalGate) {
    SharedRegisters registers;
    registers.FinalGateMode = true;
    registers.TargetIsSet = true;
    testing::FakePlatform platform;
    Form1 form(registers, platform);
    form.Load();
    EXPECT_EQ(std::bit_cast<std::uint64_t>(form.State().Tolerance), 0x3F50624DD2F1A9FCull);
    EXPECT_FALSE(registers.FinalGateMode);
    EXPECT_FALSE(registers.TargetIsSet);
    EXPECT_EQ(form.State().StepCount, 0);
    EXPECT_TRUE(registers.FinalGateMatrix.BitwiseEquals(ComplexMatrix::InitialFinalGate()));
}

TEST(Form1Startup, ClickingAnyControlBeforeATargetDoesNothing) {
    Started s;
    for (const Control& c : s.form.Controls())
        if (c.kind == ControlKind::Label || c.kind == ControlKind::PictureBox) s.form.Click(c.name);
    EXPECT_TRUE(s.platform.log.empty());
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_FALSE(s.form.Get(Form1::CellLabel(r, c)).backColour.has_value());
}

TEST(Form1Display, CellColoursUseTheInclusiveNonzeroTest) {
    Started s;
    ComplexMatrix m;
    m.re(0, 0) = 0.001;       // exactly the tolerance: nonzero for the cells
    m.im(1, 1) = -0.001;      // likewise
    m.re(2, 2) = 0.0009999;   // below: zero
    m.im(3, 3) = 1.0;
    s.registers.CurrentTarget = m;
    s.form.ColourCells();
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            const bool red = (r == c && r != 2);
            EXPECT_EQ(s.form.Get(Form1::CellLabel(r, c)).backColour, red ? kRed : kBlue) << r << c;
            EXPECT_EQ(s.form.State().CellColours[r][c], red ? kRed : kBlue);
        }
    }
    s.form.GreyGateGrids();
    for (bool right : {false, true})
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) EXPECT_EQ(s.form.Get(Form1::GridLabel(right, r, c)).backColour, kLightGrey);
}

}  // namespace
}  // namespace selvaris
