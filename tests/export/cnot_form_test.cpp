#include <gtest/gtest.h>

#include <complex>
#include <random>
#include <string>

#include "circuit_check.h"
#include "export/circuit.h"
#include "export/cnot_minimum.h"
#include "export/gate_label.h"
#include "export/qasm_writer.h"
#include "support/matrix_builders.h"
#include "workbench_decomposition.h"

namespace selvaris {
namespace {

using testing::Make;
using Complex = std::complex<double>;

// The named two-qubit gates, q[1] the high bit of the state index.
ComplexMatrix Permutation(std::initializer_list<int> to) {
    ComplexMatrix m;
    int column = 0;
    for (int row : to) m.re(row, column++) = 1.0;
    return m;
}
ComplexMatrix Diagonal(Complex d3) {
    ComplexMatrix m = ComplexMatrix::Identity();
    m.re(3, 3) = d3.real();
    m.im(3, 3) = d3.imag();
    return m;
}
const ComplexMatrix kCnot = Permutation({0, 1, 3, 2});
const ComplexMatrix kSwap = Permutation({0, 2, 1, 3});
const ComplexMatrix kCz = Diagonal(-1.0);
const ComplexMatrix kControlledS = Diagonal({0.0, 1.0});
const ComplexMatrix kIswap = Make({{0, 0, 1, 0}, {1, 2, 0, 1}, {2, 1, 0, 1}, {3, 3, 1, 0}});
ComplexMatrix HadamardPair() {
    ComplexMatrix m;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) m.re(r, c) = __builtin_popcount(r & c) % 2 ? -0.5 : 0.5;
    return m;
}
ComplexMatrix Qft() {
    return Make({{0, 0, 1, 0}, {0, 1, 1, 0},  {0, 2, 1, 0},  {0, 3, 1, 0},  {1, 0, 1, 0}, {1, 1, -1, 0},
                 {1, 2, 0, 1}, {1, 3, 0, -1}, {2, 0, 1, 0},  {2, 1, 1, 0},  {2, 2, -1, 0}, {2, 3, -1, 0},
                 {3, 0, 1, 0}, {3, 1, -1, 0}, {3, 2, 0, -1}, {3, 3, 0, 1}});
}

// A random single-qubit gate on each wire.
ComplexMatrix RandomLocal(std::mt19937_64& rng) {
    std::uniform_real_distribution<double> angle(-3.0, 3.0);
    ComplexMatrix m = ComplexMatrix::Identity();
    for (int wire = 0; wire < 2; ++wire) {
        CircuitGate gate{U3Block({angle(rng), angle(rng), angle(rng), angle(rng)}), wire};
        m = ComplexProduct(EmbeddedUnitary(gate), m);
    }
    return m;
}

TEST(CnotForm, EveryTargetIsWrittenWithCxAsTheOnlyTwoQubitGate) {
    std::vector<std::pair<std::string, ComplexMatrix>> targets = {
        {"QFT", Qft()}, {"H x H", HadamardPair()}, {"CNOT", kCnot}, {"CZ", kCz}, {"SWAP", kSwap}, {"iSWAP", kIswap}};
    std::mt19937_64 rng(1616);
    for (int n = 0; n < 200; ++n) targets.push_back({"random " + std::to_string(n), testing::RandomUnitary(rng)});
    for (const auto& [label, target] : targets) {
        const Decomposition d = testing::DecomposeLikeWorkbench(target);
        const QasmProgram program = WriteQasm(d, CircuitBasis::Cx);
        ASSERT_TRUE(program.ok()) << label;
        EXPECT_EQ(program.text.find("\ncu"), std::string::npos) << label;
        EXPECT_LT(testing::QasmDistanceFromTarget(program.text, target), 1e-12) << label;
        const Circuit circuit = BuildCircuit(d);
        for (const CircuitGate& gate : circuit.Drawn(CircuitBasis::Cx))
            EXPECT_TRUE(gate.control < 0 || IsCnot(gate)) << label;
    }
}

TEST(CnotForm, TheMinimumFollowsTheTwoQubitInvariants) {
    std::mt19937_64 rng(3);
    const struct {
        const char* label;
        ComplexMatrix u;
        int minimum;
    } named[] = {
        {"identity", ComplexMatrix::Identity(), 0}, {"H x H", HadamardPair(), 0}, {"CNOT", kCnot, 1},
        {"CZ", kCz, 1}, {"controlled phase pi/2", kControlledS, 2}, {"iSWAP", kIswap, 2}, {"SWAP", kSwap, 3},
        {"random", testing::RandomUnitary(rng), 3}, {"another random", testing::RandomUnitary(rng), 3},
    };
    for (const auto& tc : named) EXPECT_EQ(CnotMinimum(tc.u, 1e-9), tc.minimum) << tc.label;

    // k CNOTs with random single-qubit gates around them need exactly k.
    for (int k = 0; k <= 3; ++k)
        for (int trial = 0; trial < 20; ++trial) {
            ComplexMatrix u = RandomLocal(rng);
            for (int c = 0; c < k; ++c) u = ComplexProduct(RandomLocal(rng), ComplexProduct(kCnot, u));
            EXPECT_EQ(CnotMinimum(u, 1e-9), k) << k << " CNOTs, trial " << trial;
        }
}

TEST(CnotForm, GatesAreLabelledByNameOrAngles) {
    const double h = 1.0 / std::sqrt(2.0);
    const Complex i(0.0, 1.0);
    const struct {
        Block2 block;
        int control;
        std::string label;
    } cases[] = {
        {{{{0.0, 1.0}, {1.0, 0.0}}}, -1, "X"},
        {{{{h * i, h * i}, {h * i, -h * i}}}, -1, "H"},  // up to a phase when uncontrolled
        {{{{h * i, h * i}, {h * i, -h * i}}}, 0, "U(1.571, 0.000, 3.142, 1.571)"},
        {{{{1.0, 0.0}, {0.0, -i}}}, 1, "S†"},
        {{{{1.0, 0.0}, {0.0, std::polar(1.0, 0.5)}}}, 1, "P(0.500)"},
        {U3Block({1.0, 2.0, -0.5, 0.0}), -1, "U3(1.000, 2.000, -0.500)"},
    };
    for (const auto& tc : cases) EXPECT_EQ(GateLabel({tc.block, 0, tc.control}), tc.label) << tc.label;
}

}  // namespace
}  // namespace selvaris
