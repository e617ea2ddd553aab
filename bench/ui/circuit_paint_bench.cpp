// Repainting the whole-circuit window on a 3840x2160 screen (goal: under
// 16 ms, one frame at 60 Hz): the longest form of a random unitary's circuit,
// antialiased, at the largest UI scale, into a screen-sized image.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <random>

#include "circuit/circuit_layout.h"
#include "cli/decomposition_plan.h"
#include "cli/headless_decomposition.h"
#include "export/circuit.h"
#include "core/silent_platform.h"
#include "support/matrix_builders.h"
#include "ui/vector_drawing.h"
#include "ui/window_scale.h"

namespace selvaris {
namespace {

void BM_CircuitWindowRepaintAt4K(benchmark::State& state) {
    std::mt19937_64 rng(4);
    SilentPlatform platform;
    const Decomposition d =
        DecomposeHeadless(testing::RandomUnitary(rng), DefaultPlan(), ComplexMatrix::Identity(), platform).decomposition;
    const CircuitPicture picture = LayOutCircuit(BuildCircuit(d), CircuitBasis::Cx, std::size_t{3});
    const double pixelsPerTwip = ui::kSupportedUiScales[0] / 15.0;
    QImage screen(3840, 2160, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        QPainter painter(&screen);
        ui::PaintVectorDrawing(painter, picture.drawing, pixelsPerTwip, Qt::white);
        painter.end();
        benchmark::DoNotOptimize(screen.constBits());
    }
    state.counters["gates"] = static_cast<double>(picture.gates.size());
}
BENCHMARK(BM_CircuitWindowRepaintAt4K)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace selvaris

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);  // fonts need an application
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
