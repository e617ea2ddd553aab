// The benchmarks, then the figures that matter as ratios to one decomposition
// step's arithmetic, measured in the same run. For medians taken side by side:
//   selvaris_bench --benchmark_repetitions=9 --benchmark_enable_random_interleaving=true
#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>
#include <string>
#include <vector>

namespace {

// Prints as usual and keeps each benchmark's real time per iteration (its
// median when repeated).
class RatioReporter : public benchmark::ConsoleReporter {
public:
    RatioReporter() : ConsoleReporter(OO_None) {}

    void ReportRuns(const std::vector<Run>& runs) override {
        ConsoleReporter::ReportRuns(runs);
        for (const Run& run : runs) {
            if (run.error_occurred || run.iterations == 0) continue;
            const bool median = run.run_type == Run::RT_Aggregate && run.aggregate_name == "median";
            if (run.run_type == Run::RT_Aggregate && !median) continue;
            const std::string name = run.run_name.function_name;
            if (median || !medians_.count(name))
                seconds_[name] = run.real_accumulated_time / static_cast<double>(run.iterations);
            if (median) medians_[name] = true;
        }
    }

    void PrintRatios() const {
        const auto step = seconds_.find("BM_StepArithmetic");
        if (step == seconds_.end()) return;
        const struct {
            const char* name;
            double goal;
        } figures[] = {{"BM_CommandLineDecomposition", 50}, {"BM_WholeDecomposition", 300}};
        std::printf("\nPer unitary, against BM_StepArithmetic (%.1f ns):\n", step->second * 1e9);
        for (const auto& figure : figures) {
            const auto found = seconds_.find(figure.name);
            if (found == seconds_.end()) continue;
            std::printf("  %-28s %8.2f us %7.0fx  (goal <= %.0fx)\n", figure.name, found->second * 1e6,
                        found->second / step->second, figure.goal);
        }
    }

private:
    std::map<std::string, double> seconds_;
    std::map<std::string, bool> medians_;
};

}  // namespace

int main(int argc, char** argv) {
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) return 1;
    RatioReporter reporter;
    benchmark::RunSpecifiedBenchmarks(&reporter);
    reporter.PrintRatios();
    benchmark::Shutdown();
    return 0;
}
