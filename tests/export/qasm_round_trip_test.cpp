#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "export/exact_number.h"
#include "export/json_writer.h"
#include "export/qasm_writer.h"
#include "export/unitary_scale.h"
#include "circuit_check.h"
#include "qasm_reader.h"
#include "support/matrix_builders.h"
#include "workbench_decomposition.h"

namespace selvaris {
namespace {

using testing::DecomposeLikeWorkbench;
using testing::Make;

ComplexMatrix QftPreset() {
    // 2 x a unitary.
    return Make({{0, 0, 1, 0}, {0, 1, 1, 0},  {0, 2, 1, 0},  {0, 3, 1, 0},  {1, 0, 1, 0}, {1, 1, -1, 0},
                 {1, 2, 0, 1}, {1, 3, 0, -1}, {2, 0, 1, 0},  {2, 1, 1, 0},  {2, 2, -1, 0}, {2, 3, -1, 0},
                 {3, 0, 1, 0}, {3, 1, -1, 0}, {3, 2, 0, -1}, {3, 3, 0, 1}});
}

ComplexMatrix HadamardSquared() {
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m.re(r, c) = (r & c) == 1 || (r & c) == 2 ? -0.5 : 0.5;
    return m;
}

// The written circuit, multiplied out, against target / s: every part, phase included.
void ExpectCircuitIsTargetOverScale(const Decomposition& d, const std::string& label) {
    const QasmProgram program = WriteQasm(d);
    ASSERT_TRUE(program.ok()) << label << ": " << program.problems.front();
    const testing::Unitary4 u = testing::ReadQasmUnitary(program.text);
    const double s = UnitaryScale(d.target);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            EXPECT_NEAR(u[r][c].real(), d.target.re(r, c) / s, 1e-12) << label << " (" << r << "," << c << ")";
            EXPECT_NEAR(u[r][c].imag(), d.target.im(r, c) / s, 1e-12) << label << " (" << r << "," << c << ")";
        }
}

TEST(QasmRoundTrip, PresetsWithEveryFactorFormGiveBackTheTarget) {
    std::mt19937_64 rng(12);
    const ComplexMatrix random = testing::RandomUnitary(rng);
    const std::complex<double> turn = std::polar(1.0, 0.7);
    struct {
        const char* label;
        Decomposition d;
    } cases[] = {
        {"QFT, scale 2", DecomposeLikeWorkbench(QftPreset())},
        {"H x H", DecomposeLikeWorkbench(HadamardSquared())},
        {"H x H, steps 0 and 1 merged (both wires)", DecomposeLikeWorkbench(HadamardSquared(), {0, -1}, {0, 1})},
        {"random, step 0 merged (bottom wire)", DecomposeLikeWorkbench(random, {0, -1}, {0})},
        {"random, final gate e^0.7i", DecomposeLikeWorkbench(random, turn)},
        {"identity", DecomposeLikeWorkbench(ComplexMatrix::Identity(), {1, 0})},
        {"a name that would end its comment", DecomposeLikeWorkbench(random)},
    };
    cases[6].d.stepNames[0] = "2_3_b\nh q[0];";
    for (const auto& tc : cases) ExpectCircuitIsTargetOverScale(tc.d, tc.label);
}

TEST(QasmRoundTrip, SeededRandomUnitariesGiveBackTheTarget) {
    std::mt19937_64 rng(20261207);
    for (int n = 0; n < 200; ++n)
        ExpectCircuitIsTargetOverScale(DecomposeLikeWorkbench(testing::RandomUnitary(rng)), "random " + std::to_string(n));
}

TEST(QasmNearestGates, AFactorOfNoExactFormIsWrittenAsItsNearestGatesWithATrueError) {
    std::mt19937_64 rng(7);
    const ComplexMatrix random = testing::RandomUnitary(rng);
    Decomposition swapInside = DecomposeLikeWorkbench(random);
    swapInside.factors.insert(swapInside.factors.begin(),
                              Make({{0, 0, 0, 0}, {3, 3, 0, 0}, {0, 3, 1, 0}, {3, 0, 1, 0}}, ComplexMatrix::Identity()));
    swapInside.target = ComplexProduct(swapInside.factors[0], random);
    Decomposition wrongTarget = DecomposeLikeWorkbench(random);
    wrongTarget.target.re(2, 1) += 1e-6;

    const struct {
        const char* label;
        Decomposition d;
        double largestError;
    } cases[] = {
        {"final gate 0.9995: nearly diagonal", DecomposeLikeWorkbench(random, {0.9995, 0}), 1e-3},
        {"states 0 and 3 exchanged: the default plan", swapInside, 1e-14},
        {"target changed by 1e-6", wrongTarget, 2e-6},
        {"typed with four decimals", DecomposeLikeWorkbench(testing::FourDecimals(random)), 5e-3},
    };
    for (const auto& tc : cases) {
        const QasmProgram program = WriteQasm(tc.d);
        ASSERT_TRUE(program.ok()) << tc.label << ": " << program.problems.front();
        EXPECT_FALSE(program.exact) << tc.label;
        const std::string stated = ExactNumber(program.circuitError);
        EXPECT_NE(program.text.find("circuit_error = " + stated + ","), std::string::npos) << tc.label;
        EXPECT_NE(WriteJson(tc.d).find("\"circuit_error\": " + stated + ",\n"), std::string::npos) << tc.label;
        EXPECT_NEAR(testing::QasmDistanceFromTarget(program.text, tc.d.target), program.circuitError, 1e-12) << tc.label;
        EXPECT_LT(program.circuitError, tc.largestError) << tc.label;
    }
}

TEST(QasmRefusal, OnlyAFactorHoldingNaNInfinityOrZeroHasNoCircuit) {
    std::mt19937_64 rng(7);
    const Decomposition good = DecomposeLikeWorkbench(testing::RandomUnitary(rng));
    Decomposition withNaN = good, withInfinity = good, withZero = good;
    withNaN.factors[2].im(1, 0) = std::nan("");
    withInfinity.factors[7].re(3, 3) = HUGE_VAL;
    withZero.factors[7] = ComplexMatrix{};
    const std::string notFinite = "有限でない値（NaN や無限大）を含みます。";
    const struct {
        const char* label;
        const Decomposition& d;
        std::string problem;
    } cases[] = {
        {"NaN", withNaN, "因子 2（0_1_b）：" + notFinite},
        {"infinity", withInfinity, "因子 7（残り）：" + notFinite},
        {"zero", withZero, "因子 7（残り）：零行列です。"},
    };
    for (const auto& tc : cases) {
        const QasmProgram program = WriteQasm(tc.d);
        EXPECT_EQ(program.problems, std::vector<std::string>{tc.problem}) << tc.label;
        EXPECT_EQ(program.text, "") << tc.label;
    }
}

}  // namespace
}  // namespace selvaris
