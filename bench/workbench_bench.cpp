// Cost of the workbench's own flow: one whole step and one whole decomposition,
// with every display they update, next to the arithmetic-only figures.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <random>
#include <vector>

#include "cli/headless_decomposition.h"
#include "export/reconstruction.h"
#include "core/silent_platform.h"
#include "support/matrix_builders.h"
#include "workbench/form1.h"

namespace selvaris {
namespace {

struct Bench {
    SharedRegisters registers;
    SilentPlatform platform;
    Form1 form{registers, platform};
    Bench() { form.Load(); }
    void SetTarget(const ComplexMatrix& m) {
        registers.EntryMatrix = m;
        registers.EntryError = false;
        registers.EntryCancelled = false;
        form.AcceptEnteredTarget();
    }
};

// Pick la10 and choose L: the gate, its application, the merged gate and every
// matrix text the step renders. The gate is the same each time, so its inverse
// is the one kept from the first.
void BM_WholeStep(benchmark::State& state) {
    Bench b;
    std::mt19937_64 rng(1);
    const ComplexMatrix target = testing::RandomUnitary(rng);
    b.SetTarget(target);
    for (auto _ : state) {
        b.form.State().StepCount = 0;
        b.registers.CurrentTarget = target;
        b.form.ColourCells();
        b.form.Click("la10");
        b.form.Click("Command10");
        benchmark::DoNotOptimize(b.registers.CurrentTarget);
    }
}
BENCHMARK(BM_WholeStep);

// Set a random unitary as target, six steps, the final gate and the factor
// list, with every display they update.
void BM_WholeDecomposition(benchmark::State& state) {
    Bench b;
    std::mt19937_64 rng(2);
    ComplexMatrix targets[64];
    for (ComplexMatrix& m : targets) m = testing::RandomUnitary(rng);
    std::size_t next = 0;
    for (auto _ : state) {
        b.SetTarget(targets[next++ % 64]);
        for (const char* cell : {"la30", "la20", "la10", "la21", "la31", "la32"}) {
            b.form.Click(cell);
            b.form.Click("Command10");
        }
        b.registers.EntryError = false;
        b.registers.EntryCancelled = false;
        b.registers.ExecuteChosen = true;
        b.form.AcceptFinalGate();
        benchmark::DoNotOptimize(b.form.State().FactorHist);
    }
    state.counters["steps"] = b.form.State().StepCount;
}
BENCHMARK(BM_WholeDecomposition)->Unit(benchmark::kMicrosecond);

// The command line's path for many matrices: one workbench that nobody looks
// at, over 10,000 seeded random unitaries, one per iteration.
void BM_CommandLineDecomposition(benchmark::State& state) {
    static const std::vector<ComplexMatrix> targets = [] {
        std::mt19937_64 rng(3);
        std::vector<ComplexMatrix> all(10000);
        for (ComplexMatrix& m : all) m = testing::RandomUnitary(rng);
        return all;
    }();
    SilentPlatform platform;
    HeadlessWorkbench workbench(platform);
    // Parsed once, as the command line parses its --plan once for a whole batch.
    const std::vector<PlanStep> plan = DefaultPlan();
    double worst = 0.0;
    std::size_t next = 0;
    for (auto _ : state) {
        const HeadlessOutcome outcome =
            workbench.Decompose(targets[next++ % targets.size()], plan, ComplexMatrix::Identity());
        worst = std::max(worst, ReconstructionError(outcome.decomposition));
    }
    state.SetLabel("worst reconstruction error " + ShortScientific(worst));
}
BENCHMARK(BM_CommandLineDecomposition)->Unit(benchmark::kMicrosecond)->Iterations(10000);

}  // namespace
}  // namespace selvaris
