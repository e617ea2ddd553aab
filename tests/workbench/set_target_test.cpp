#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/fake_platform.h"
#include "workbench/form1.h"

namespace selvaris {
namespace {

using testing::FakePlatform;

// A rendered matrix line: each cell padded to 19 characters, then CR LF.
std::string Line(std::vector<std::string> cells) {
    std::string line;
    for (const std::string& cell : cells) line += cell + std::string(19 - cell.size(), ' ');
    return line + "\r\n";
}

struct Workbench {
    SharedRegisters registers;
    FakePlatform platform;
    Form1 form{registers, platform};
    Workbench() { form.Load(); }

    // Opens the entry window, runs the user's actions in it, and returns.
    void SetTarget(FakePlatform::Script inEntryWindow) {
        platform.OnShow("Form7", std::move(inEntryWindow));
        form.Click("Command31");
    }
    void SetTargetByTyping(const std::vector<std::pair<std::string, std::string>>& cells) {
        SetTarget([cells](Window& w) {
            for (const auto& [cell, text] : cells) w.TypeText(cell, text);
            w.Click("Command9");
        });
    }
    std::optional<Colour> CellColour(int r, int c) const { return form.Get(Form1::CellLabel(r, c)).backColour; }
};

TEST(SetTarget, QftPresetBecomesTheTargetWithItsTextAndAllCellsRed) {
    Workbench wb;
    wb.SetTarget([](Window& w) {
        w.Click("Command6");  // QFTセット
        w.Click("Command9");  // 決定して閉じる
    });

    EXPECT_TRUE(wb.platform.messages.empty());
    EXPECT_EQ(wb.platform.log.front(), "show:Form7@4800,3600");  // W\2 - W\4, H\3 of 19200 x 10800
    EXPECT_EQ(wb.form.Text("Text2"), Line({"1", "1", "1", "1"}) + Line({"1", "-1", "i", "-i"}) +
                                         Line({"1", "1", "-1", "-1"}) + Line({"1", "-1", "-i", "i"}));
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(wb.CellColour(r, c), kRed) << r << c;
    for (bool right : {false, true})
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) EXPECT_EQ(wb.form.Get(Form1::GridLabel(right, r, c)).backColour, kLightGrey);
    EXPECT_TRUE(wb.registers.TargetIsSet);
    EXPECT_FALSE(wb.registers.FinalGateMode);
    EXPECT_EQ(wb.form.State().StepCount, 0);
    EXPECT_TRUE(wb.registers.CurrentTarget.BitwiseEquals(wb.registers.EntryMatrix));
    EXPECT_TRUE(wb.form.State().TargetHist.at(0).BitwiseEquals(wb.registers.EntryMatrix));
    EXPECT_TRUE(wb.form.Get("Command1").enabled);
    EXPECT_FALSE(wb.form.Get("Command2").enabled);
    EXPECT_FALSE(wb.form.Get("Command3").enabled);
}

TEST(SetTarget, IdentityColoursTheDiagonalRedAndTheRestBlue) {
    Workbench wb;
    wb.SetTarget([](Window& w) { w.Click("Command9"); });  // the first opening shows the identity
    EXPECT_EQ(wb.form.Text("Text2").size(), 312u);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) EXPECT_EQ(wb.CellColour(r, c), r == c ? kRed : kBlue);
    EXPECT_EQ(wb.form.Text("Text91"), "");
    EXPECT_EQ(wb.form.Text("Text11"), "");
}

TEST(SetTarget, NonUnitaryMatrixShowsMessageThenCheckWindowAndKeepsTheOldTarget) {
    Workbench wb;
    wb.SetTarget([](Window& w) { w.Click("Command9"); });
    const std::string identityText = wb.form.Text("Text2");
    wb.platform.log.clear();

    wb.SetTargetByTyping({{"T01", "1"}});

    ASSERT_EQ(wb.platform.messages.size(), 1u);
    EXPECT_EQ(wb.platform.messages[0].text, "この行列はユニタリーではありません");
    EXPECT_EQ(wb.platform.messages[0].style, 48);
    EXPECT_EQ(wb.platform.messages[0].title, "メッセージ");
    const std::vector<std::string> expectedOrder = {"show:Form7@4800,3600", "closed:Form7",
                                                    "message:この行列はユニタリーではありません",
                                                    "show:Form3@4800,3600", "closed:Form3"};
    EXPECT_EQ(wb.platform.log, expectedOrder);
    EXPECT_EQ(wb.registers.CheckMatrix.re(0, 1), 1.0);
    EXPECT_EQ(wb.form.Text("Text2"), identityText);
    EXPECT_TRUE(wb.registers.CurrentTarget.BitwiseEquals(ComplexMatrix::Identity()));
    EXPECT_TRUE(wb.registers.TargetIsSet);
    EXPECT_EQ(wb.CellColour(1, 0), kBlue);
    EXPECT_EQ(wb.CellColour(0, 1), kBlue);
}

TEST(SetTarget, RefusedCellShowsItsMessageAndIsMarkedAtTheNextOpening) {
    Workbench wb;
    wb.SetTargetByTyping({{"T00", "0.5"}, {"T12", "1e3"}});

    ASSERT_EQ(wb.platform.messages.size(), 1u);
    EXPECT_EQ(wb.platform.messages[0].text, "使用できない文字があります。修正が必要なセルは2行3列です。 E14");
    EXPECT_EQ(wb.platform.messages[0].style, 48);
    EXPECT_EQ(wb.platform.messages[0].title, "Message");
    EXPECT_FALSE(wb.registers.TargetIsSet);
    EXPECT_FALSE(wb.form.Get("Command1").enabled);

    std::vector<std::string> cellsAtReopening;
    wb.SetTarget([&](Window& w) {
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 4; ++c) cellsAtReopening.push_back(w.Text("T" + std::to_string(r) + std::to_string(c)));
    });
    ASSERT_EQ(cellsAtReopening.size(), 16u);
    EXPECT_EQ(cellsAtReopening[0], "0.5");
    EXPECT_EQ(cellsAtReopening[1 * 4 + 2], "Error");
    EXPECT_EQ(cellsAtReopening[1 * 4 + 1], "1");
    EXPECT_EQ(cellsAtReopening[3 * 4 + 3], "1");
    EXPECT_EQ(cellsAtReopening[2 * 4 + 1], "0");
}

TEST(SetTarget, TwoRefusedCellsReportInColumnOrderAndBothAreMarked) {
    Workbench wb;
    wb.SetTargetByTyping({{"T01", "x"}, {"T10", "--1"}});
    ASSERT_EQ(wb.platform.messages.size(), 2u);
    EXPECT_EQ(wb.platform.messages[0].text, "書式に間違いがあります。修正が必要なセルは2行1列です。 E04");
    EXPECT_EQ(wb.platform.messages[1].text, "使用できない文字があります。修正が必要なセルは1行2列です。 E14");

    std::string t01, t10;
    wb.SetTarget([&](Window& w) {
        t01 = w.Text("T01");
        t10 = w.Text("T10");
    });
    EXPECT_EQ(t01, "Error");
    EXPECT_EQ(t10, "Error");
}

TEST(SetTarget, CancelRestoresFinalGateModeAndStepCount) {
    Workbench wb;
    wb.registers.FinalGateMode = true;
    wb.form.State().StepCount = 3;
    wb.SetTarget([](Window& w) { w.Click("Command10"); });  // キャンセル
    EXPECT_TRUE(wb.registers.FinalGateMode);
    EXPECT_EQ(wb.form.State().StepCount, 3);
    EXPECT_FALSE(wb.registers.TargetIsSet);

    wb.SetTarget([](Window&) {});  // the close box
    EXPECT_TRUE(wb.registers.FinalGateMode);
    EXPECT_EQ(wb.form.State().StepCount, 3);
}

TEST(SetTarget, NewTargetResetsTheDisplayAndDisablesButtonsThatReadTheHistories) {
    Workbench wb;
    for (const char* b : {"Command14", "Command12", "Command10", "Command11", "Command7", "Command38", "Command39",
                          "Command6", "Command2", "Command3"})
        wb.form.SetEnabled(b, true);
    for (const char* box : {"Text91", "Text11", "Text12", "Text02", "Text14", "Text13"}) wb.form.SetText(box, "old");
    for (const char* label : {"Label4", "Label6", "Label7"}) wb.form.SetText(label, "old");
    wb.form.Draw("Picture1", {LinePrimitive(0, 0, 10, 10, kBlack)});
    wb.form.Draw("Picture2", {LinePrimitive(0, 0, 10, 10, kBlack)});
    wb.form.State().StepCount = 5;

    wb.SetTarget([](Window& w) { w.Click("Command9"); });

    EXPECT_EQ(wb.form.State().StepCount, 0);
    for (const char* b : {"Command14", "Command12", "Command10", "Command11", "Command7", "Command38", "Command39",
                          "Command6", "Command2", "Command3"})
        EXPECT_FALSE(wb.form.Get(b).enabled) << b;
    for (const char* box : {"Text91", "Text11", "Text12", "Text02", "Text14", "Text13", "Label4", "Label6", "Label7"})
        EXPECT_EQ(wb.form.Text(box), "") << box;
    EXPECT_TRUE(wb.form.Get("Picture1").drawing.empty());
    EXPECT_TRUE(wb.form.Get("Picture2").drawing.empty());
}

}  // namespace
}  // namespace selvaris
