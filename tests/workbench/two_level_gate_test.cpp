#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <complex>
#include <limits>
#include <random>
#include <string>

#include "core/inversion.h"
#include "core/matrix_text.h"
#include "support/fake_platform.h"
#include "support/matrix_builders.h"
#include "workbench/two_level_gate.h"

namespace selvaris {
namespace {

using testing::FakePlatform;

const double kS = testing::kInvSqrt2;
using testing::Entry;
using testing::Make;
using testing::RandomUnitary;
const char* const kNames[] = {"0_1_b", "0_2_b", "1_3_a", "1_3_b", "2_3_a", "2_3_b"};

// The one control the builders write.
class GateWindow : public Window {
public:
    GateWindow() : Window("Gate", "", 3000, 3000) {
        AddControl({"t39b", ControlKind::TextBox, "t39b\r\n", 9960, 5280, 855, 270, false});
    }
};

ComplexMatrix HadamardSquared() {
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m.re(r, c) = (std::popcount(static_cast<unsigned>(r & c)) % 2 ? -0.5 : 0.5);
    return m;
}

double MaxDifference(const ComplexMatrix& a, const ComplexMatrix& b) {
    double worst = 0.0;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c)
            for (int k = 0; k < 2; ++k) worst = std::max(worst, std::abs(a.v[r][c][k] - b.v[r][c][k]));
    return worst;
}

ComplexMatrix Build(const std::string& name, const ComplexMatrix& target, int c) {
    const auto gate = ParseGateName(name);
    return gate->form == GateForm::A ? TwoLevelGateA(target, gate->p, gate->q, c)
                                     : TwoLevelGateB(target, gate->p, gate->q, c);
}

struct ExampleCase {
    std::string label;
    std::string name;
    ComplexMatrix target;
    int column;
    ComplexMatrix gate;
    // Elements of the target after the step.
    std::vector<Entry> after;
};

class GateExample : public ::testing::TestWithParam<ExampleCase> {};

TEST_P(GateExample, BuildsTheTabledGateAndClearsTheElement) {
    const ExampleCase& tc = GetParam();
    const ComplexMatrix gate = Build(tc.name, tc.target, tc.column);
    EXPECT_LT(MaxDifference(gate, tc.gate), 1e-15);

    const ComplexMatrix after = ComplexProduct(gate, tc.target);
    for (const Entry& e : tc.after) {
        EXPECT_NEAR(after.re(e.row, e.column), e.re, 1e-15) << e.row << "," << e.column;
        EXPECT_NEAR(after.im(e.row, e.column), e.im, 1e-15) << e.row << "," << e.column;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, GateExample,
    ::testing::Values(
        ExampleCase{"HadamardSquared01b", "0_1_b", HadamardSquared(), 0,
                    Make({{0, 0, kS, 0}, {0, 1, kS, 0}, {1, 0, kS, 0}, {1, 1, -kS, 0}}, ComplexMatrix::Identity()),
                    {{0, 0, kS, 0}, {1, 0, 0, 0}, {2, 0, 0.5, 0}, {3, 0, 0.5, 0}}},
        ExampleCase{"PointSixI13a", "1_3_a", Make({{1, 0, 0, 0.6}, {3, 0, 0.8, 0}}), 0,
                    Make({{1, 1, 0.8, 0}, {1, 3, 0, -0.6}, {3, 1, 0, -0.6}, {3, 3, 0.8, 0}}, ComplexMatrix::Identity()),
                    {{1, 0, 0, 0}, {3, 0, 1, 0}}},
        ExampleCase{"MinusOne23b", "2_3_b", Make({{2, 1, 0, 0}, {3, 1, -1, 0}}), 1,
                    Make({{2, 2, 0, 0}, {2, 3, -1, 0}, {3, 2, -1, 0}, {3, 3, 0, 0}}, ComplexMatrix::Identity()),
                    {{2, 1, 1, 0}, {3, 1, 0, 0}}},
        ExampleCase{"ComplexPair02b", "0_2_b", Make({{0, 2, 0.6, 0}, {2, 2, 0, 0.8}}), 2,
                    Make({{0, 0, 0.6, 0}, {0, 2, 0, -0.8}, {2, 0, 0, 0.8}, {2, 2, -0.6, 0}}, ComplexMatrix::Identity()),
                    {{0, 2, 1, 0}, {2, 2, 0, 0}}}),
    [](const auto& info) { return info.param.label; });

TEST(TwoLevelGates, OverRandomUnitariesClearEveryColumnAndStayUnitary) {
    std::mt19937_64 rng(7);
    FakePlatform platform;
    SharedRegisters registers;
    for (int i = 0; i < 250; ++i) {
        const ComplexMatrix target = RandomUnitary(rng);
        for (const char* name : kNames) {
            // "p_q_a" moves the column's weight from row p into row q, "p_q_b" from q into p.
            const int p = name[0] - '0';
            const int q = name[2] - '0';
            const int cleared = name[4] == 'a' ? p : q;
            const int survivor = name[4] == 'a' ? q : p;
            for (int c = 0; c < 4; ++c) {
                SCOPED_TRACE(std::string(name) + " column " + std::to_string(c) + " matrix " + std::to_string(i));
                const ComplexMatrix gate = Build(name, target, c);
                const ComplexMatrix after = ComplexProduct(gate, target);

                EXPECT_LT(std::abs(after.re(cleared, c)), 1e-15);
                EXPECT_LT(std::abs(after.im(cleared, c)), 1e-15);
                EXPECT_LT(std::abs(after.im(survivor, c)), 1e-15);
                EXPECT_GT(after.re(survivor, c), 0.0);
                EXPECT_LT(MaxDifference(ComplexProduct(gate, Adjoint(gate)), ComplexMatrix::Identity()), 1e-14);
                for (int r = 0; r < 4; ++r) {
                    if (r == p || r == q) continue;
                    for (int j = 0; j < 4; ++j) {
                        EXPECT_EQ(after.re(r, j), target.re(r, j));
                        EXPECT_EQ(after.im(r, j), target.im(r, j));
                    }
                }

                registers.InverseSource = gate;
                EXPECT_TRUE(InvertMatrix(registers, platform));
                EXPECT_LT(MaxDifference(registers.InverseResult, Adjoint(gate)), 1e-12);
            }
        }
    }
    EXPECT_TRUE(platform.messages.empty());
}

const double kNaN = std::numeric_limits<double>::quiet_NaN();
const double kInf = std::numeric_limits<double>::infinity();

struct DegenerateCase {
    std::string label;
    ComplexMatrix target;
    int p, q, c;
};

class DegenerateColumn : public ::testing::TestWithParam<DegenerateCase> {};

TEST_P(DegenerateColumn, GivesTheIdentityInsteadOfNaN) {
    const DegenerateCase& tc = GetParam();
    EXPECT_TRUE(TwoLevelGateA(tc.target, tc.p, tc.q, tc.c).BitwiseEquals(ComplexMatrix::Identity()));
    EXPECT_TRUE(TwoLevelGateB(tc.target, tc.p, tc.q, tc.c).BitwiseEquals(ComplexMatrix::Identity()));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DegenerateColumn,
    ::testing::Values(DegenerateCase{"ZeroPair", Make({{2, 0, 1, 0}, {3, 0, 1, 0}}), 0, 1, 0},
                      DegenerateCase{"NaN", Make({{0, 0, kNaN, 0}, {1, 0, 1, 0}}), 0, 1, 0},
                      DegenerateCase{"Infinity", Make({{0, 0, 0, kInf}}), 0, 1, 0},
                      DegenerateCase{"Underflow", Make({{2, 1, 1e-200, 0}, {3, 1, 0, -1e-200}}), 2, 3, 1},
                      DegenerateCase{"SameRow", HadamardSquared(), 1, 1, 0},
                      DegenerateCase{"RowOutOfRange", HadamardSquared(), 0, 4, 0},
                      DegenerateCase{"ColumnOutOfRange", HadamardSquared(), 0, 1, -1}),
    [](const auto& info) { return info.param.label; });

// What the fixture keeps in each GateHist slot, so untouched slots can be recognised.
ComplexMatrix Marker(int slot) { return Make({{0, 3, static_cast<double>(slot), 0}}); }

// A workbench in the middle of a decomposition: step 3 being recorded.
struct Fixture {
    SharedRegisters registers;
    WorkbenchState state;
    GateWindow form;
    Fixture() {
        registers.CurrentTarget = HadamardSquared();
        state.StepCount = 3;
        for (int slot = 0; slot < MatrixHistory::kSlots; ++slot) {
            state.GateHist.at(slot) = Marker(slot);
            state.MergedGateHist.at(slot) = Make({{1, 2, 0, static_cast<double>(slot)}});
        }
        state.MergedGateHist.at(2) = Make({{0, 1, 1, 0}, {1, 0, 1, 0}, {2, 3, 0, 1}, {3, 2, 0, -1}});
        state.GateMatrix = Make({{2, 2, 7, 7}});
    }
};

TEST(BuildNamedGate, BuildsAppliesAndRecordsEveryName) {
    for (const char* name : kNames) {
        for (std::int16_t c = 0; c < 4; ++c) {
            SCOPED_TRACE(std::string(name) + " column " + std::to_string(c));
            Fixture f;
            const ComplexMatrix before = f.registers.CurrentTarget;
            const ComplexMatrix expected = Build(name, before, c);

            EXPECT_TRUE(BuildNamedGate(f.registers, f.state, f.form, name, c));

            EXPECT_TRUE(f.state.GateMatrix.BitwiseEquals(expected));
            EXPECT_TRUE(f.registers.CurrentTarget.BitwiseEquals(ComplexProduct(expected, before)));
            EXPECT_TRUE(f.state.GateHist.at(2).BitwiseEquals(expected));
            EXPECT_TRUE(f.state.GateHist.at(1).BitwiseEquals(Marker(1)));
            EXPECT_TRUE(f.state.GateHist.at(3).BitwiseEquals(Marker(3)));
            EXPECT_EQ(f.form.Text("t39b"), "t39b\r\n");
        }
    }
}

TEST(BuildNamedGate, SingleGateModeReusesTheMergedGateExactly) {
    for (const char* name : kNames) {
        SCOPED_TRACE(name);
        Fixture f;
        f.state.SingleGateMode = true;
        const ComplexMatrix before = f.registers.CurrentTarget;
        const ComplexMatrix merged = f.state.MergedGateHist.at(2);

        EXPECT_TRUE(BuildNamedGate(f.registers, f.state, f.form, name, 0));

        EXPECT_TRUE(f.state.GateMatrix.BitwiseEquals(merged));
        EXPECT_TRUE(f.registers.CurrentTarget.BitwiseEquals(ComplexProduct(merged, before)));
        for (int slot = 0; slot < MatrixHistory::kSlots; ++slot)
            EXPECT_TRUE(f.state.GateHist.at(slot).BitwiseEquals(Marker(slot)));

        SharedRegisters rendering;
        rendering.ShowMatrix = merged;
        RenderMatrixText(rendering);
        EXPECT_EQ(f.form.Text("t39b"), rendering.MatrixText);
    }
}

struct RefusedCase {
    std::string label;
    std::string name;
    std::int16_t stepCount;
    std::int16_t column;
    bool singleGateMode;
};

class RefusedStep : public ::testing::TestWithParam<RefusedCase> {};

TEST_P(RefusedStep, ChangesNothing) {
    const RefusedCase& tc = GetParam();
    Fixture f;
    f.state.StepCount = tc.stepCount;
    f.state.SingleGateMode = tc.singleGateMode;
    const ComplexMatrix target = f.registers.CurrentTarget;
    const ComplexMatrix gate = f.state.GateMatrix;

    EXPECT_FALSE(BuildNamedGate(f.registers, f.state, f.form, tc.name, tc.column));

    EXPECT_TRUE(f.registers.CurrentTarget.BitwiseEquals(target));
    EXPECT_TRUE(f.state.GateMatrix.BitwiseEquals(gate));
    for (int slot = 0; slot < MatrixHistory::kSlots; ++slot)
        EXPECT_TRUE(f.state.GateHist.at(slot).BitwiseEquals(Marker(slot)));
    EXPECT_EQ(f.form.Text("t39b"), "t39b\r\n");
}

INSTANTIATE_TEST_SUITE_P(Cases, RefusedStep,
                         ::testing::Values(RefusedCase{"OrgGate", "org_gate", 3, 0, false},
                                           RefusedCase{"OrgGateSingle", "org_gate", 3, 0, true},
                                           RefusedCase{"Empty", "", 3, 0, false},
                                           RefusedCase{"UnknownPairForm", "0_1_a", 3, 0, false},
                                           RefusedCase{"ReversedPair", "1_0_b", 3, 0, false},
                                           RefusedCase{"NoStepYet", "0_1_b", 0, 0, false},
                                           RefusedCase{"NoStepYetSingle", "0_1_b", 0, 0, true},
                                           RefusedCase{"BeyondHistory", "2_3_a", 52, 0, false},
                                           RefusedCase{"ColumnOutOfRange", "0_2_b", 3, 4, false},
                                           RefusedCase{"NegativeColumn", "1_3_b", 3, -1, false}),
                         [](const auto& info) { return info.param.label; });

TEST(BuildGateB, ZeroPairAppliesAndRecordsTheIdentity) {
    Fixture f;
    f.registers.CurrentTarget = Make({{2, 0, 1, 0}, {3, 0, 1, 0}});
    const ComplexMatrix target = f.registers.CurrentTarget;

    EXPECT_FALSE(BuildGateB(f.registers, f.state, f.form, 0, 1, 0));

    EXPECT_TRUE(f.state.GateMatrix.BitwiseEquals(ComplexMatrix::Identity()));
    EXPECT_TRUE(f.state.GateHist.at(2).BitwiseEquals(ComplexMatrix::Identity()));
    EXPECT_EQ(MaxDifference(f.registers.CurrentTarget, target), 0.0);
}

}  // namespace
}  // namespace selvaris
