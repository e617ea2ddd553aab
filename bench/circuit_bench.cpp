// Cost of turning one decomposition into its circuit model and every text
// format the export writes (goal: under 1 ms a decomposition).
#include <benchmark/benchmark.h>

#include <random>
#include <vector>

#include "cli/decomposition_plan.h"
#include "cli/headless_decomposition.h"
#include "export/circuit.h"
#include "export/json_writer.h"
#include "export/latex_writer.h"
#include "export/qasm3_writer.h"
#include "export/qasm_writer.h"
#include "core/silent_platform.h"
#include "support/matrix_builders.h"

namespace selvaris {
namespace {

std::vector<Decomposition> Decompositions(bool typed) {
    std::mt19937_64 rng(16);
    SilentPlatform platform;
    std::vector<Decomposition> out;
    for (int n = 0; n < 64; ++n) {
        ComplexMatrix u = testing::RandomUnitary(rng);
        if (typed) u = testing::FourDecimals(u);
        out.push_back(DecomposeHeadless(u, DefaultPlan(), ComplexMatrix::Identity(), platform).decomposition);
    }
    return out;
}

// Arg 0: full-precision unitaries; 1: typed with four decimals (nearest gates).
void BM_CircuitModelAndEveryTextFormat(benchmark::State& state) {
    const std::vector<Decomposition> decompositions = Decompositions(state.range(0) == 1);
    std::size_t k = 0;
    for (auto _ : state) {
        const Decomposition& d = decompositions[k++ % decompositions.size()];
        benchmark::DoNotOptimize(BuildCircuit(d));
        for (CircuitBasis basis : {CircuitBasis::TwoLevel, CircuitBasis::Cx}) {
            benchmark::DoNotOptimize(WriteQasm(d, basis));
            benchmark::DoNotOptimize(WriteQasm3(d, basis));
            benchmark::DoNotOptimize(WriteLatex(d, basis));
        }
        benchmark::DoNotOptimize(WriteJson(d));
    }
}
BENCHMARK(BM_CircuitModelAndEveryTextFormat)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

// The main window's circuit error line after every final gate. Arg as above.
void BM_CircuitErrorOnly(benchmark::State& state) {
    const std::vector<Decomposition> decompositions = Decompositions(state.range(0) == 1);
    std::size_t k = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildCircuit(decompositions[k++ % decompositions.size()], CircuitParts::ErrorOnly));
}
BENCHMARK(BM_CircuitErrorOnly)->Arg(0)->Arg(1)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace selvaris
