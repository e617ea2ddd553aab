#include <gtest/gtest.h>

#include <random>
#include <string>

#include "export/factor_gates.h"
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

// V x W for random single-qubit unitaries V (top wire) and W (bottom wire).
ComplexMatrix Kronecker(std::mt19937_64& rng) {
    std::uniform_real_distribution<double> angle(-3.0, 3.0);
    const auto single = [&] {
        const double t = angle(rng), a = angle(rng), b = angle(rng), c = angle(rng);
        return testing::Unitary2{{{std::polar(std::cos(t), a), -std::polar(std::sin(t), b)},
                                  {std::polar(std::sin(t), c), std::polar(std::cos(t), b + c - a)}}};
    };
    const testing::Unitary2 v = single(), w = single();
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const std::complex<double> product = v[r >> 1][c >> 1] * w[r & 1][c & 1];
            m.re(r, c) = product.real();
            m.im(r, c) = product.imag();
        }
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
    const struct {
        const char* label;
        Decomposition d;
    } cases[] = {
        {"QFT, scale 2", DecomposeLikeWorkbench(QftPreset())},
        {"H x H", DecomposeLikeWorkbench(HadamardSquared())},
        {"H x H, first step merged (bottom wire)", DecomposeLikeWorkbench(HadamardSquared(), {0, -1}, {0})},
        {"V x W, both wires merged", DecomposeLikeWorkbench(Kronecker(rng), {0, -1}, {0, 1})},
        {"random, final gate e^0.7i", DecomposeLikeWorkbench(random, turn)},
        {"identity", DecomposeLikeWorkbench(ComplexMatrix::Identity(), {1, 0})},
    };
    for (const auto& tc : cases) ExpectCircuitIsTargetOverScale(tc.d, tc.label);
}

TEST(QasmRoundTrip, SeededRandomUnitariesGiveBackTheTarget) {
    std::mt19937_64 rng(20261207);
    for (int n = 0; n < 200; ++n)
        ExpectCircuitIsTargetOverScale(DecomposeLikeWorkbench(testing::RandomUnitary(rng)), "random " + std::to_string(n));
}

// Where each form lands on the wires: q[1] is the high-order bit.
TEST(FactorForms, EachFormBecomesItsGatesOnTheRightWires) {
    const ComplexMatrix id = ComplexMatrix::Identity();
    const auto swapped = [&](int p, int q) {
        return Make({{p, p, 0, 0}, {q, q, 0, 0}, {p, q, 1, 0}, {q, p, 1, 0}}, id);
    };
    const struct {
        const char* label;
        ComplexMatrix factor;
        std::string gates;  // name and qubits, control first
    } cases[] = {
        {"identity", id, ""},
        {"phase only", Make({{0, 0, 0, 1}, {1, 1, 0, 1}, {2, 2, 0, 1}, {3, 3, 0, 1}}), ""},
        {"diag(1,1,1,i)", Make({{3, 3, 0, 1}}, id), "cu1 10 "},
        {"diag(1,i,1,i)", Make({{1, 1, 0, 1}, {3, 3, 0, 1}}, id), "u1 0 "},
        {"states 0,1", swapped(0, 1), "x 1 cu3 10 x 1 "},
        {"states 2,3", swapped(2, 3), "cu3 10 "},
        {"states 0,2", swapped(0, 2), "x 0 cu3 01 x 0 "},
        {"states 1,3", swapped(1, 3), "cu3 01 "},
        {"x on q[0]", Make({{0, 0, 0, 0}, {1, 1, 0, 0}, {2, 2, 0, 0}, {3, 3, 0, 0}, {0, 1, 1, 0}, {1, 0, 1, 0}, {2, 3, 1, 0}, {3, 2, 1, 0}}, id), "u3 0 "},
        {"x on q[1], times 3", Make({{0, 2, 3, 0}, {2, 0, 3, 0}, {1, 3, 3, 0}, {3, 1, 3, 0}}), "u3 1 "},
    };
    for (const auto& tc : cases) {
        const FactorGates result = FactorToGates(tc.factor);
        std::string gates;
        for (const QasmGate& g : result.gates) {
            gates += g.name + " ";
            for (int q : g.qubits) gates += std::to_string(q);
            gates += " ";
        }
        EXPECT_EQ(result.refusal, "") << tc.label;
        EXPECT_EQ(gates, tc.gates) << tc.label;
    }
}

TEST(QasmRefusal, AFactorOfAnotherFormOrAWrongProductIsNamedAndNothingIsWritten) {
    std::mt19937_64 rng(7);
    const ComplexMatrix random = testing::RandomUnitary(rng);
    Decomposition unusualFinal = DecomposeLikeWorkbench(random, {0.9995, 0});
    Decomposition swapInside = DecomposeLikeWorkbench(random);
    swapInside.factors.insert(swapInside.factors.begin(), Make({{0, 0, 0, 0}, {3, 3, 0, 0}, {0, 3, 1, 0}, {3, 0, 1, 0}}, ComplexMatrix::Identity()));
    swapInside.target = ComplexProduct(swapInside.factors[0], random);
    Decomposition broken = DecomposeLikeWorkbench(random);
    broken.factors[1].re(0, 0) = std::nan("");
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
        {"NaN",
         broken,
         {"因子の積が目標行列と一致しません（再構成誤差 nan）。", "因子 1（0_2_b）：有限でない値（NaN や無限大）を含みます。"}},
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
