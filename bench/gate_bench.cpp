// Cost of the arithmetic behind one decomposition step.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>

#include "circuit/gate_shape.h"
#include "core/inversion.h"
#include "core/matrix_text.h"
#include "core/zero_tests.h"
#include "core/silent_platform.h"
#include "workbench/two_level_gate.h"

namespace selvaris {
namespace {

// A dense unitary with no zero element: the two-qubit Fourier transform.
ComplexMatrix Fourier() {
    ComplexMatrix m;
    const double pi = std::acos(-1.0);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            m.re(r, c) = 0.5 * std::cos(pi / 2 * r * c);
            m.im(r, c) = 0.5 * std::sin(pi / 2 * r * c);
        }
    return m;
}

// A dense unitary whose components carry all fifteen significant digits:
// the Fourier transform rotated by a seeded product of two-level gates.
ComplexMatrix RandomUnitary() {
    std::uint32_t seed = 2024;
    auto next = [&seed] {
        seed = seed * 1664525u + 1013904223u;
        return static_cast<double>(seed) / 4294967296.0 - 0.5;
    };
    ComplexMatrix m = Fourier();
    for (int k = 0; k < 6; ++k) {
        ComplexMatrix tilted = m;
        tilted.re(1, 0) += next();
        tilted.im(2, 0) += next();
        tilted.im(3, 1) += next();
        m = ComplexProduct(TwoLevelGateB(tilted, 0, 1, 0), m);
        m = ComplexProduct(TwoLevelGateA(tilted, 2, 3, 1), m);
    }
    return m;
}

void BM_StepArithmetic(benchmark::State& state) {
    const ComplexMatrix target = Fourier();
    for (auto _ : state) {
        const ComplexMatrix gate = TwoLevelGateB(target, 0, 1, 0);
        ComplexMatrix after = ComplexProduct(gate, target);
        benchmark::DoNotOptimize(after);
    }
}
BENCHMARK(BM_StepArithmetic);

void BM_Inversion(benchmark::State& state) {
    SilentPlatform platform;
    SharedRegisters registers;
    registers.InverseSource = Fourier();
    for (auto _ : state) {
        benchmark::DoNotOptimize(InvertMatrix(registers, platform));
        benchmark::DoNotOptimize(registers.InverseResult);
    }
}
BENCHMARK(BM_Inversion);

void BM_Classification(benchmark::State& state) {
    // A gate that passes most rules' early checks before matching rule 10.
    const ComplexMatrix gate = TwoLevelGateA(Fourier(), 2, 3, 1);
    for (auto _ : state) benchmark::DoNotOptimize(ClassifyGateShape(gate, 0, kTolerance));
}
BENCHMARK(BM_Classification);

// One matrix as text: short cells (0.5, -0.5i) and long ones (fifteen digits).
void BM_RenderMatrixText(benchmark::State& state) {
    SharedRegisters registers;
    registers.ShowMatrix = state.range(0) == 0 ? Fourier() : RandomUnitary();
    for (auto _ : state) {
        RenderMatrixText(registers);
        benchmark::DoNotOptimize(registers.MatrixText.data());
    }
    state.SetLabel(state.range(0) == 0 ? "fourier" : "random unitary");
}
BENCHMARK(BM_RenderMatrixText)->Arg(0)->Arg(1);

}  // namespace
}  // namespace selvaris
