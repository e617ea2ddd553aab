#include "ui/window_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

#include "core/form3.h"
#include "core/silent_platform.h"
#include "entry/form7.h"
#include "files/form8.h"
#include "files/form9.h"
#include "workbench/form1.h"

namespace selvaris::ui {

namespace {

double currentScale = kSupportedUiScales[0];
std::optional<QSize> screenArea;

int ScaledPixels(int twips, double scale) { return static_cast<int>(std::lround(twips * scale / 15.0)); }

}  // namespace

double UiScale() { return currentScale; }

void SetUiScale(double scale) { currentScale = scale; }

double ChooseUiScale(const std::vector<QSize>& clientSizesTwips, QSize availablePixels) {
    for (const double scale : kSupportedUiScales) {
        bool fits = true;
        for (const QSize& size : clientSizesTwips)
            fits = fits && ScaledPixels(size.width(), scale) + kFrameAllowanceWidth <= availablePixels.width() &&
                   ScaledPixels(size.height(), scale) + kFrameAllowanceHeight <= availablePixels.height();
        if (fits) return scale;
    }
    return 1.0;
}

double LargestFittingScale(const std::vector<QSize>& clientSizesTwips, QSize availablePixels) {
    double largest = 1e9;
    for (const QSize& size : clientSizesTwips) {
        if (size.width() > 0)
            largest = std::min(largest, (availablePixels.width() - kFrameAllowanceWidth) * 15.0 / size.width());
        if (size.height() > 0)
            largest = std::min(largest, (availablePixels.height() - kFrameAllowanceHeight) * 15.0 / size.height());
    }
    return largest;
}

double ScaleFollowingWindow(QSize sizePixels, QSize clientTwips, QSize availablePixels) {
    // Built once: the windows' sizes never change during a run.
    static const std::vector<QSize> sizes = ProgramWindowSizes();
    const double smallest = *std::min_element(std::begin(kSupportedUiScales), std::end(kSupportedUiScales));
    const double largest = std::max(smallest, LargestFittingScale(sizes, availablePixels));
    if (clientTwips.width() <= 0 || clientTwips.height() <= 0) return smallest;
    const double fill = std::min(sizePixels.width() * 15.0 / clientTwips.width(),
                                 sizePixels.height() * 15.0 / clientTwips.height());
    return std::clamp(fill, smallest, largest);
}

QSize AvailableScreenArea() {
    if (screenArea) return *screenArea;
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().size() : QSize(1024, 768);
}

void UseScreenArea(std::optional<QSize> area) { screenArea = area; }

std::vector<QSize> ProgramWindowSizes() {
    SharedRegisters registers;
    SilentPlatform desktop;  // the windows are only built to read their sizes
    const Form1 workbench(registers, desktop);
    const Form3 check(registers);
    const Form7 entry(registers, desktop);
    const Form8 save(registers, desktop);
    const Form9 open(registers, desktop);
    std::vector<QSize> sizes;
    for (const Window* window : std::initializer_list<const Window*>{&workbench, &check, &entry, &save, &open})
        sizes.emplace_back(window->ClientWidth(), window->ClientHeight());
    return sizes;
}

void ApplyUiScaleForPrimaryScreen() {
    if (!QGuiApplication::primaryScreen()) return;
    SetUiScale(ChooseUiScale(ProgramWindowSizes(), AvailableScreenArea()));
}

}  // namespace selvaris::ui
