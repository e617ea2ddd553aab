#include <gtest/gtest.h>

#include <random>

#include "circuit/gate_shape.h"
#include "core/gate_grid.h"
#include "entry/builtin_matrices.h"
#include "support/matrix_builders.h"
#include "workbench/merged_gate.h"
#include "workbench_flow.h"

namespace selvaris {
namespace {

using testing::HadamardPair;
using testing::MaxDifference;
using testing::WorkbenchFlow;

const char* const kPlan[] = {"la30", "la20", "la10", "la21", "la31", "la32"};

ComplexMatrix ProductOfFactors(const WorkbenchState& s) {
    ComplexMatrix product = ComplexMatrix::Identity();
    for (int k = 0; k < s.StepCount; ++k) product = ComplexProduct(product, s.FactorHist.at(k));
    return product;
}

std::vector<Colour> GridColours(const WorkbenchFlow& wb, bool right) {
    std::vector<Colour> colours;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) colours.push_back(wb.form.Get(Form1::GridLabel(right, r, c)).backColour.value());
    return colours;
}

TEST(ClosingFlow, SingleGateOnATopPairStepActsOnTheTopWireAloneAndUndoRestoresTheStep) {
    WorkbenchFlow wb;
    wb.SetTargetMatrix(HadamardPair());
    wb.Step("la20", 'L');  // "0_2_b", a dense block on states 0 and 2
    const ComplexMatrix afterStep = wb.registers.CurrentTarget;
    const std::vector<Colour> gridAfterChoice = GridColours(wb, false);

    wb.form.Click("Command14");
    const ComplexMatrix merged = wb.S().MergedGateHist.at(0);
    EXPECT_EQ(wb.S().StepCount, 1);
    EXPECT_EQ(wb.S().SingleGateHist[0], 1);
    EXPECT_EQ(wb.S().InverseShapeHist[0], kShapeTopWireOnly);
    EXPECT_TRUE(wb.registers.CurrentTarget.BitwiseEquals(ComplexProduct(merged, HadamardPair())));
    EXPECT_TRUE(merged.BitwiseEquals(BuildMergedGate(wb.S().GateHist.at(0), "0_2_b")));
    EXPECT_EQ(wb.form.Get("g1_13").backColour, kDarkRed);  // the block copied onto states 1 and 3
    EXPECT_FALSE(wb.Enabled("Command14"));
    EXPECT_TRUE(wb.Enabled("Command12"));

    wb.form.Click("Command12");
    EXPECT_EQ(wb.S().StepCount, 1);
    EXPECT_EQ(wb.S().SingleGateHist[0], 0);
    EXPECT_FALSE(wb.S().SingleGateMode);
    EXPECT_TRUE(wb.registers.CurrentTarget.BitwiseEquals(afterStep));
    EXPECT_EQ(wb.S().InverseShapeHist[0], kShapeOpenBottomControl);
    EXPECT_EQ(GridColours(wb, false), gridAfterChoice);
    EXPECT_TRUE(wb.Enabled("Command14"));
    EXPECT_FALSE(wb.Enabled("Command12"));
}

TEST(ClosingFlow, FinalGateRightAfterTheTargetGivesTwoFactors) {
    WorkbenchFlow wb;
    wb.SetTargetMatrix(HadamardPair());
    wb.FinalGate("-i");  // the gate the workbench starts with, diag(1, 1, 1, -i)

    const ComplexMatrix gate = ComplexMatrix::InitialFinalGate();
    EXPECT_EQ(wb.S().StepCount, 2);
    EXPECT_EQ(wb.S().GateNameHist[0], "org_gate");
    EXPECT_EQ(wb.form.Text("Text17"), "org_gate");
    EXPECT_EQ(wb.form.Text("Text13"), "1");
    EXPECT_EQ(wb.form.Text("ts1"), "2");
    EXPECT_TRUE(wb.S().MergedGateHist.at(0).BitwiseEquals(gate));
    EXPECT_LT(MaxDifference(wb.S().FactorHist.at(0), Adjoint(gate)), 1e-15);
    EXPECT_TRUE(wb.S().FactorHist.at(1).BitwiseEquals(ComplexProduct(gate, HadamardPair())));
    EXPECT_EQ(wb.form.Get("g1_33").backColour, kDarkRed);
    EXPECT_EQ(wb.form.Get("g1_01").backColour, kTeal);

    EXPECT_EQ(wb.S().BrowseStep, 0);
    EXPECT_EQ(wb.form.Text("Label7"), "0");
    EXPECT_EQ(wb.form.Text("Label6"), "複素数");  // diag(1, 1, 1, i)
    EXPECT_EQ(wb.form.Text("t27"), "org_gate");
    for (const char* on : {"Command7", "Command38", "Command39", "Command6"}) EXPECT_TRUE(wb.Enabled(on)) << on;
    for (const char* off : {"Command1", "Command12", "Command14"}) EXPECT_FALSE(wb.Enabled(off)) << off;
}

TEST(ClosingFlow, TheIdentityAsFinalGateIsTwoBareWires) {
    WorkbenchFlow wb;
    wb.SetTargetMatrix(HadamardPair());
    wb.Step("la10", 'L');
    wb.FinalGate("1");
    EXPECT_EQ(wb.S().StepCount, 3);
    EXPECT_EQ(wb.S().InverseShapeHist[1], kShapeWiresOnly);
    EXPECT_TRUE(wb.S().FactorHist.at(2).BitwiseEquals(wb.S().TargetHist.at(1)));
    wb.form.Click("Command39");
    EXPECT_EQ(wb.form.Text("Label6"), "実数");
    const Drawing wires = DrawGateShape(kShapeWiresOnly);
    EXPECT_EQ(wb.form.Get("Picture2").drawing, Drawing(wires.begin() + 1, wires.end()));
}

TEST(ClosingFlow, ARefusedOrNonUnitaryFinalGateRecordsNothing) {
    struct Row {
        const char* t33;
        const char* message;
    } const rows[] = {
        {"2", "この行列はユニタリーではありません"},
        {"1i2", "i の位置が間違っています。修正が必要なセルは4行4列です。 E12"},
    };
    for (const Row& row : rows) {
        WorkbenchFlow wb;
        wb.SetTargetMatrix(HadamardPair());
        wb.Step("la10", 'L');
        wb.FinalGate(row.t33);
        SCOPED_TRACE(row.t33);
        ASSERT_FALSE(wb.platform.messages.empty());
        EXPECT_EQ(wb.platform.messages[0].text, row.message);
        EXPECT_EQ(wb.S().StepCount, 1);
        EXPECT_TRUE(wb.Enabled("Command1"));
        EXPECT_FALSE(wb.Enabled("Command39"));
    }
    // The refused cell never becomes part of the gate, and is marked for retyping.
    WorkbenchFlow wb;
    wb.SetTargetMatrix(HadamardPair());
    wb.FinalGate("1i2");
    EXPECT_TRUE(wb.registers.FinalGateMatrix.BitwiseEquals(ComplexMatrix::InitialFinalGate()));
    std::string marked;
    wb.platform.OnShow("Form7", [&](Window& w) { marked = w.Text("T33"); });
    wb.form.Click("Command1");
    EXPECT_EQ(marked, "Error");
}

TEST(ClosingFlow, TheStepBrowserStaysInsideTheFactorList) {
    struct Row {
        int steps;
        const char* presses;  // '<' '>' one factor, '[' ']' five
        int position;
    } const rows[] = {{0, ">", 1}, {0, "]", 1}, {0, "><", 0}, {0, "[", 0},
                      {6, "]", 5}, {6, "]]", 7}, {6, "]][", 2}, {6, "]]><", 6}};
    for (const Row& row : rows) {
        WorkbenchFlow wb;
        wb.SetTargetMatrix(QftMatrix());
        for (int k = 0; k < row.steps; ++k) wb.Step(kPlan[k], 'L');
        wb.FinalGate("1");
        for (const char* p = row.presses; *p; ++p)
            wb.form.Click(*p == '<' ? "Command38" : *p == '>' ? "Command39" : *p == '[' ? "Command7" : "Command6");
        SCOPED_TRACE(std::to_string(row.steps) + row.presses);
        EXPECT_EQ(wb.S().BrowseStep, row.position);
        EXPECT_EQ(wb.form.Text("Label7"), std::to_string(row.position));
        EXPECT_EQ(wb.form.Text("t27"), wb.S().GateNameHist[row.position]);
    }
}

TEST(ClosingFlow, PartialProductsCycleAndTheWholeProductIsTheTarget) {
    WorkbenchFlow wb;
    wb.SetTargetMatrix(QftMatrix());
    wb.form.PartialProductForward();  // before any final gate: the zeroed table
    EXPECT_EQ(wb.form.Text("t34"), "2");
    EXPECT_TRUE(wb.S().PartialMatrix.IsAllZero());

    wb.form.State().PartialCount = 0;
    wb.form.PartialProductBack();  // fewer than two steps: nothing read
    EXPECT_EQ(wb.S().PartialCount, 0);

    for (const char* cell : kPlan) wb.Step(cell, 'L');
    wb.FinalGate("1");
    const int c = wb.S().StepCount;
    wb.form.PartialProductBack();
    EXPECT_EQ(wb.S().PartialCount, c);
    EXPECT_LT(MaxDifference(wb.S().PartialMatrix, QftMatrix()), 1e-14);
    wb.form.PartialProductForward();
    EXPECT_EQ(wb.S().PartialCount, 2);
    EXPECT_TRUE(wb.S().PartialMatrix.BitwiseEquals(
        ComplexProduct(wb.S().FactorHist.at(c - 2), wb.S().FactorHist.at(c - 1))));
}

TEST(ClosingFlow, TheFactorListReproducesTheTarget) {
    std::mt19937_64 rng(9);
    for (int trial = 0; trial <= 200; ++trial) {
        WorkbenchFlow wb;
        const ComplexMatrix target = trial == 0 ? QftMatrix() : testing::RandomUnitary(rng);
        wb.SetTargetMatrix(target);
        const std::size_t single = rng() % 6;
        for (std::size_t k = 0; k < 6; ++k) {
            if (wb.form.Get(kPlan[k]).backColour != kRed) continue;
            wb.Step(kPlan[k], 'L');
            if (k == single) wb.form.Click("Command14");
        }
        wb.FinalGate("-i");
        ASSERT_EQ(wb.platform.messages.size(), 0u) << trial << ": " << wb.platform.messages[0].text;
        const int c = wb.S().StepCount;
        EXPECT_LT(MaxDifference(ProductOfFactors(wb.S()), target), 1e-14) << trial;
        EXPECT_LT(MaxDifference(wb.registers.PartialProducts.at(c - 2), target), 1e-14) << trial;
    }
}

}  // namespace
}  // namespace selvaris
