#include <gtest/gtest.h>

#include <string>

#include "entry/form7.h"
#include "support/fake_platform.h"

namespace selvaris {
namespace {

using testing::FakePlatform;

struct ButtonRow {
    std::string name;
    std::string caption;
    int left, top, width, height;
    bool visibleTarget;
    bool visibleFinalGate;
    bool enabled;
};

const ButtonRow kButtons[] = {
    {"Command6", "QFTセット", 5520, 240, 1335, 375, true, false, true},
    {"Command11", "IQFTセット", 5520, 720, 1335, 375, true, false, true},
    {"Command3", "クリア", 5520, 1200, 1335, 375, true, true, true},
    {"Command9", "決定して閉じる", 5520, 1680, 1335, 375, true, false, true},
    {"Command7", "実行", 5520, 2160, 1335, 375, false, true, true},
    {"Command10", "キャンセル", 5520, 2640, 1335, 375, true, true, true},
    {"Command4", "行列を開く", 5520, 3120, 1335, 375, true, true, true},
    {"Command5", "行列を保存", 5520, 3600, 1335, 375, true, true, true},
    {"Command8", "テスト行列セット", 1440, 2280, 1575, 375, false, false, true},
    {"Command1", "データ格納", 1440, 1800, 975, 375, false, false, false},
    {"Command2", "データ表示", 2520, 1800, 975, 375, false, false, false},
    {"Text1", "Text1", 120, 1800, 1215, 270, false, false, true},
    {"Text2", "Text2", 120, 2160, 1215, 270, false, false, true},
};

class Form7Layout : public ::testing::TestWithParam<bool> {};

TEST_P(Form7Layout, ControlsPerMode) {
    const bool finalGate = GetParam();
    SharedRegisters registers;
    registers.FinalGateMode = finalGate;
    FakePlatform platform;
    Form7 form(registers, platform);
    form.Load();

    EXPECT_EQ(form.FormName(), "Form7");
    EXPECT_EQ(form.Caption(), finalGate ? "最終ゲートを作成" : "ターゲット行列をセット");
    EXPECT_EQ(form.ClientWidth(), 7035);
    EXPECT_EQ(form.ClientHeight(), 4200);
    EXPECT_EQ(form.Controls().size(), 16u + std::size(kButtons));

    for (const ButtonRow& b : kButtons) {
        SCOPED_TRACE(b.name);
        const Control& c = form.Get(b.name);
        EXPECT_EQ(c.kind, b.name.rfind("Text", 0) == 0 ? ControlKind::TextBox : ControlKind::Button);
        EXPECT_EQ(c.text, b.caption);
        EXPECT_EQ(c.left, b.left);
        EXPECT_EQ(c.top, b.top);
        EXPECT_EQ(c.width, b.width);
        EXPECT_EQ(c.height, b.height);
        EXPECT_EQ(c.visible, finalGate ? b.visibleFinalGate : b.visibleTarget);
        EXPECT_EQ(c.enabled, b.enabled);
    }

    for (int r = 0; r < 4; ++r)
        for (int col = 0; col < 4; ++col) {
            const std::string name = "T" + std::to_string(r) + std::to_string(col);
            SCOPED_TRACE(name);
            EXPECT_EQ(Form7::CellName(r, col), name);
            const Control& c = form.Get(name);
            EXPECT_EQ(c.kind, ControlKind::TextBox);
            EXPECT_EQ(c.left, 120 + 1320 * col);
            EXPECT_EQ(c.top, 240 + 360 * r);
            EXPECT_EQ(c.width, 1215);
            EXPECT_EQ(c.height, 270);
            EXPECT_TRUE(c.visible);
            EXPECT_EQ(c.enabled, !finalGate || (r == 3 && col == 3));
            EXPECT_EQ(c.accessibleName, "行" + std::to_string(r + 1) + "列" + std::to_string(col + 1));
        }
}

INSTANTIATE_TEST_SUITE_P(TargetAndFinalGate, Form7Layout, ::testing::Values(false, true),
                         [](const auto& info) { return info.param ? "FinalGate" : "Target"; });

TEST(Form7TabOrder, RunsDownEachColumnThenTheButtons) {
    SharedRegisters registers;
    FakePlatform platform;
    Form7 form(registers, platform);
    const char* const expected[] = {"T00", "T10", "T20", "T30", "T01", "T11", "T21", "T31", "T02", "T12", "T22",
                                    "T32", "T03", "T13", "T23", "T33", "Command6", "Command11", "Command3",
                                    "Command9", "Command7", "Command10", "Command4", "Command5"};
    for (int index = 0; index < static_cast<int>(std::size(expected)); ++index)
        EXPECT_EQ(form.Get(expected[index]).tabIndex, index) << expected[index];
    for (const char* hidden : {"Command8", "Command1", "Command2", "Text1", "Text2"})
        EXPECT_EQ(form.Get(hidden).tabIndex, -1) << hidden;
}

}  // namespace
}  // namespace selvaris
