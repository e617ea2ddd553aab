#include <gtest/gtest.h>

#include <random>
#include <string>

#include "export/qasm_writer.h"
#include "export/unitary_scale.h"
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

TEST(QasmRefusal, AFactorOfAnotherFormOrAWrongProductIsNamedAndNothingIsWritten) {
    std::mt19937_64 rng(7);
    const ComplexMatrix random = testing::RandomUnitary(rng);
    Decomposition unusualFinal = DecomposeLikeWorkbench(random, {0.9995, 0});
    Decomposition swapInside = DecomposeLikeWorkbench(random);
    swapInside.factors.insert(swapInside.factors.begin(), Make({{0, 0, 0, 0}, {3, 3, 0, 0}, {0, 3, 1, 0}, {3, 0, 1, 0}}, ComplexMatrix::Identity()));
    swapInside.target = ComplexProduct(swapInside.factors[0], random);
    Decomposition wrongTarget = DecomposeLikeWorkbench(random);
    wrongTarget.target.re(2, 1) += 1e-6;

    const struct {
        const char* label;
        Decomposition d;
        std::vector<std::string> problems;
    } cases[] = {
        {"final gate 0.9995",
         unusualFinal,
         {"因子 6（org_gate）：ユニタリー行列の正の定数倍ではありません。",
          "因子 7（残り）：ユニタリー行列の正の定数倍ではありません。"}},
        {"states 0 and 3 exchanged",
         swapInside,
         {"因子 0（2_3_b）：1 量子ビットゲート、1 ビットだけ異なる 2 状態の 2 準位ゲート、対角行列のどれでもありません。"}},
        {"target changed", wrongTarget, {"因子の積が目標行列と一致しません（再構成誤差 1.0e-06）。"}},
    };
    for (const auto& tc : cases) {
        const QasmProgram program = WriteQasm(tc.d);
        EXPECT_EQ(program.problems, tc.problems) << tc.label;
        EXPECT_EQ(program.text, "") << tc.label;
    }
}

}  // namespace
}  // namespace selvaris
