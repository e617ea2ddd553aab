#include "ui/window_scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <cmath>

#include "core/form3.h"
#include "entry/form7.h"
#include "files/form8.h"
#include "files/form9.h"
#include "workbench/form1.h"

namespace selvaris::ui {

namespace {

double currentScale = kSupportedUiScales[0];

int ScaledPixels(int twips, double scale) { return static_cast<int>(std::lround(twips * scale / 15.0)); }

// Only builds windows to read their sizes: nothing is ever shown or asked.
class NoDesktop : public Platform {
public:
    MessageAnswer MessageBox(const std::string&, int, const std::string&) override { return MessageAnswer::Ok; }
    void ShowModal(Window&) override {}
    int ScreenWidthTwips() const override { return 0; }
    int ScreenHeightTwips() const override { return 0; }
    void SetBusyPointer(bool) override {}
};

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

std::vector<QSize> ProgramWindowSizes() {
    SharedRegisters registers;
    NoDesktop desktop;
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
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen) return;
    SetUiScale(ChooseUiScale(ProgramWindowSizes(), screen->availableGeometry().size()));
}

}  // namespace selvaris::ui
