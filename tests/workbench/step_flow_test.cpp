#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "circuit/gate_shape.h"
#include "core/matrix_text.h"
#include "entry/builtin_matrices.h"
#include "support/matrix_builders.h"
#include "workbench/two_level_gate.h"
#include "workbench_flow.h"

namespace selvaris {
namespace {

using testing::HadamardPair;
using testing::kInvSqrt2;
using testing::MaxDifference;
using testing::WorkbenchFlow;

std::string Render(const ComplexMatrix& m) { return MatrixTextOf(m); }

const char* const kPlan[] = {"la30", "la20", "la10", "la21", "la31", "la32"};

TEST(StepFlow, FirstStepOnHadamardPairFillsEveryDisplayAndHistory) {
    WorkbenchFlow wb;
    wb.SetTargetMatrix(HadamardPair());
    wb.Step("la10", 'L');

    const double s = kInvSqrt2;
    const ComplexMatrix block = testing::Make({{0, 0, s, 0}, {0, 1, s, 0}, {1, 0, s, 0}, {1, 1, -s, 0}});
    const ComplexMatrix gate = testing::Make({{2, 2, 1, 0}, {3, 3, 1, 0}}, block);
    const ComplexMatrix merged = testing::Make({{2, 2, s, 0}, {2, 3, s, 0}, {3, 2, s, 0}, {3, 3, -s, 0}}, block);
    EXPECT_LT(MaxDifference(wb.S().GateHist.at(0), gate), 1e-15);
    EXPECT_LT(MaxDifference(wb.S().MergedGateHist.at(0), merged), 1e-15);
    EXPECT_LT(std::fabs(wb.registers.CurrentTarget.re(1, 0)), 1e-16);
    EXPECT_NEAR(wb.registers.CurrentTarget.re(0, 0), s, 1e-16);
    EXPECT_TRUE(wb.S().TargetHist.at(1).BitwiseEquals(wb.registers.CurrentTarget));

    EXPECT_EQ(wb.form.Text("Text91"), Render(HadamardPair()));
    EXPECT_EQ(wb.form.Text("Text2"), Render(wb.registers.CurrentTarget));
    EXPECT_EQ(wb.form.Text("Text11"), Render(wb.S().GateHist.at(0)));
    EXPECT_EQ(wb.S().InverseTextHist[0], wb.form.Text("Text11"));
    EXPECT_EQ(wb.form.Text("t39a"), Render(wb.S().MergedGateHist.at(0)));
    EXPECT_EQ(wb.form.Text("Text1x1"), Render(ComplexMatrix()));  // merged gate built only after it
    EXPECT_EQ(wb.form.Text("Text03"), Render(wb.S().GateHist.at(0)));
    EXPECT_EQ(wb.form.Text("ts1"), "1");
    EXPECT_EQ(wb.form.Text("Text17"), "0_1_b");
    EXPECT_EQ(wb.S().GateNameHist[0], "0_1_b");
    EXPECT_EQ(wb.S().SingleGateHist[0], 0);
    EXPECT_EQ(wb.S().InverseShapeHist[0], kShapeOpenTopControl);
    EXPECT_EQ(wb.form.Get("la10").backColour, kBlue);
    EXPECT_EQ(wb.form.Get("la20").backColour, kRed);

    for (const char* off : {"Command10", "Command11"}) EXPECT_FALSE(wb.Enabled(off)) << off;
    for (const char* on : {"Command14", "Command2", "Command3", "Command1"}) EXPECT_TRUE(wb.Enabled(on)) << on;
    EXPECT_FALSE(wb.S().SavedGridIsR);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const bool pair = r < 2 && c < 2;
            const Colour left = (r == c || pair) ? kDarkRed : kTeal;
            EXPECT_EQ(wb.form.Get(Form1::GridLabel(false, r, c)).backColour, left) << r << c;
            EXPECT_EQ(wb.S().SavedCellColours[r + 4 * c], left);
            EXPECT_EQ(wb.form.Get(Form1::GridLabel(true, r, c)).backColour, kLightGrey);
        }
}

TEST(StepFlow, EachOfferedGateGetsThePictureOfItsPair) {
    struct Row {
        const char* cell;
        char side;
        const char* name;
        GateShape shape;
    } const rows[] = {
        {"la10", 'L', "0_1_b", kShapeOpenTopControl},  {"la10", 'R', "1_3_a", kShapeClosedBottomControl},
        {"la20", 'L', "0_2_b", kShapeOpenBottomControl}, {"la20", 'R', "2_3_a", kShapeClosedTopControl},
        {"la30", 'L', "2_3_b", kShapeClosedTopControl}, {"la30", 'R', "1_3_b", kShapeClosedBottomControl},
    };
    for (const Row& row : rows) {
        WorkbenchFlow wb;
        wb.SetTargetMatrix(HadamardPair());
        wb.Step(row.cell, row.side);
        EXPECT_EQ(wb.S().GateNameHist[0], row.name) << row.cell << row.side;
        EXPECT_EQ(wb.S().InverseShapeHist[0], row.shape) << row.cell << row.side;
    }
}

TEST(StepFlow, ASecondPickReplacesTheFirst) {
    WorkbenchFlow wb;
    wb.SetTargetMatrix(HadamardPair());
    wb.form.Click("la10");
    wb.form.Click("la30");
    EXPECT_EQ(wb.form.Get("la10").backColour, kRed);
    EXPECT_EQ(wb.form.Get("la30").backColour, kGreen);
    EXPECT_EQ(wb.S().PickedCell, 12);
    // L offers (2,3), R offers (1,3).
    EXPECT_EQ(wb.form.Get("g1_23").backColour, kDarkRed);
    EXPECT_EQ(wb.form.Get("g1_01").backColour, kTeal);
    EXPECT_EQ(wb.form.Get("g2_13").backColour, kDarkRed);
    EXPECT_EQ(wb.form.Get("g2_23").backColour, kTeal);
    EXPECT_TRUE(wb.Enabled("Command10"));
}

TEST(StepFlow, CellsAnswerWithTheirMessagesAndTheStepLimit) {
    WorkbenchFlow wb;
    wb.form.Click("la00");
    wb.form.Click("la10");
    EXPECT_TRUE(wb.platform.messages.empty());  // no target yet

    wb.SetTargetMatrix(HadamardPair());
    for (int r = 0; r < 4; ++r)
        for (int c = r; c < 4; ++c) wb.form.Click(Form1::CellLabel(r, c));
    ASSERT_EQ(wb.platform.messages.size(), 10u);
    EXPECT_EQ(wb.platform.messages.back().text, "このセルはクリック出来ません");
    EXPECT_EQ(wb.platform.messages.back().style, 48);
    EXPECT_EQ(wb.platform.messages.back().title, "メッセージ");

    // The weight of column 0 bounces between rows 1 and 3, so a red cell is always there.
    for (int step = 0; step < 21; ++step) wb.Step(step % 2 ? "la30" : "la10", 'R');
    EXPECT_EQ(wb.S().StepCount, 21);
    wb.platform.messages.clear();
    wb.form.Click("la30");  // red, yet refused
    ASSERT_EQ(wb.platform.messages.size(), 1u);
    EXPECT_EQ(wb.platform.messages[0].text, "ゲート数が多すぎます");
    EXPECT_EQ(wb.form.Get("la30").backColour, kRed);
    EXPECT_FALSE(wb.Enabled("Command10"));
}

TEST(StepFlow, StepBackToTheTargetAsSetEmptiesTheStepBoxes) {
    WorkbenchFlow wb;
    wb.SetTargetMatrix(HadamardPair());
    wb.Step("la10", 'L');
    wb.Step("la20", 'L');
    wb.form.StepBack();
    EXPECT_EQ(wb.form.Text("Text11"), Render(wb.S().GateHist.at(0)));
    wb.form.StepBack();
    EXPECT_EQ(wb.S().StepCount, 0);
    EXPECT_EQ(wb.form.Text("Text91"), "");
    EXPECT_EQ(wb.form.Text("Text11"), "");
    EXPECT_EQ(wb.form.Text("Text2"), Render(HadamardPair()));
    EXPECT_EQ(wb.form.Text("ts1"), "0");
}

TEST(StepFlow, ThePagerOfEarlierGatesStopsBeforeTheLatestStep) {
    struct Row {
        int steps;
        const char* presses;
        int position;
    } const rows[] = {{1, ">", 0}, {1, "<", 0}, {2, ">>>", 0}, {3, ">", 1}, {3, ">>>", 1}, {3, ">><", 0}};
    for (const Row& row : rows) {
        WorkbenchFlow wb;
        wb.SetTargetMatrix(HadamardPair());
        for (int k = 0; k < row.steps; ++k) wb.Step(kPlan[k], 'L');
        for (const char* p = row.presses; *p; ++p) wb.form.Click(*p == '>' ? "Command3" : "Command2");
        SCOPED_TRACE(std::to_string(row.steps) + row.presses);
        EXPECT_EQ(wb.S().InversePagePos, row.position);
        EXPECT_EQ(wb.form.Text("Label4"), std::to_string(row.position));
        EXPECT_EQ(wb.form.Text("Text02"), wb.S().InverseTextHist[row.position]);
        const Drawing picture = DrawGateShape(wb.S().InverseShapeHist[row.position]);
        EXPECT_EQ(wb.form.Get("Picture1").drawing, Drawing(picture.begin() + 1, picture.end()));  // after its clear
    }
}

// A single-gate conversion leaves its mode set; the next chosen gate must still
// be built for its own cell and not re-use a merged gate of another step.
TEST(StepFlow, AStepAfterASingleGateAppliesAFreshTwoLevelGate) {
    WorkbenchFlow wb;
    wb.SetTargetMatrix(HadamardPair());
    wb.Step("la10", 'L');
    wb.form.Click("Command14");
    ASSERT_TRUE(wb.S().SingleGateMode);
    const ComplexMatrix before = wb.registers.CurrentTarget;
    wb.Step("la20", 'L');
    EXPECT_TRUE(wb.registers.CurrentTarget.BitwiseEquals(ComplexProduct(TwoLevelGateB(before, 0, 2, 0), before)));
    EXPECT_EQ(wb.S().SingleGateHist[1], 0);

    wb.form.Click("Command14");
    wb.SetTargetMatrix(HadamardPair());
    EXPECT_FALSE(wb.S().SingleGateMode);
}

TEST(StepFlow, ThePlanClearsEverythingBelowTheDiagonal) {
    std::mt19937_64 rng(8);
    for (int trial = 0; trial <= 200; ++trial) {
        WorkbenchFlow wb;
        wb.SetTargetMatrix(trial == 0 ? QftMatrix() : testing::RandomUnitary(rng));
        for (const char* cell : kPlan)
            if (wb.form.Get(cell).backColour == kRed) wb.Step(cell, 'L');
        EXPECT_LE(wb.S().StepCount, 6);
        for (int r = 1; r < 4; ++r)
            for (int c = 0; c < r; ++c) {
                EXPECT_LT(std::fabs(wb.registers.CurrentTarget.re(r, c)), 1e-12) << trial;
                EXPECT_LT(std::fabs(wb.registers.CurrentTarget.im(r, c)), 1e-12) << trial;
            }
        EXPECT_TRUE(wb.platform.messages.empty()) << trial;
    }
}

TEST(StepFlow, RandomPicksKeepEveryHistorySlotConsistent) {
    std::mt19937_64 rng(88);
    for (int trial = 0; trial < 50; ++trial) {
        WorkbenchFlow wb;
        wb.SetTargetMatrix(testing::RandomUnitary(rng));
        for (int attempt = 0; attempt < 40 && wb.S().StepCount < 21; ++attempt) {
            const PickableCell& cell = kPickableCells[rng() % 6];
            if (wb.form.Get(cell.label).backColour == kRed) wb.Step(cell.label, rng() % 2 ? 'L' : 'R');
        }
        for (int k = 1; k <= wb.S().StepCount; ++k) {
            const ComplexMatrix& gate = wb.S().GateHist.at(k - 1);
            EXPECT_LT(testing::UnitarityDefect(gate), 1e-14) << trial << " " << k;
            EXPECT_LT(MaxDifference(wb.S().TargetHist.at(k), ComplexProduct(gate, wb.S().TargetHist.at(k - 1))), 1e-14);
        }
    }
}

}  // namespace
}  // namespace selvaris
