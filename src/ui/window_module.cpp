#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "core/shared_registers.h"
#include "ui/circuit_image.h"
#include "ui/model_dialog.h"
#include "ui/qt_platform.h"
#include "ui/qt_translation.h"
#include "ui/startup_probe.h"
#include "ui/window_binding.h"
#include "ui/window_scale.h"
#include "workbench/form1.h"

#define SELVARIS_WINDOW_EXPORT __attribute__((visibility("default")))

namespace {

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;  // the user chose a platform (offscreen, vnc, ...)
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

// The window half of the program, loaded only when a window or a picture is
// wanted, so that the command line never loads the toolkit.
extern "C" SELVARIS_WINDOW_EXPORT int SelvarisWindowMain(int argc, char* argv[]) {
    if (!HasDisplay()) {
        std::fputs("selvaris: no display found (DISPLAY and WAYLAND_DISPLAY are unset); "
                   "start it from a desktop session or under xvfb-run.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/selvaris.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.selvaris.Selvaris"));
    selvaris::ui::InstallTranslations(app);
    selvaris::ui::ApplyUiScaleForPrimaryScreen();
    selvaris::ui::InstallApplicationFonts();

    selvaris::ui::QtPlatform platform;
    selvaris::SharedRegisters registers;
    selvaris::Form1 workbench(registers, platform);
    workbench.SetCircuitImageRenderer(selvaris::ui::CircuitImage);
    workbench.Load();
    selvaris::ui::ModelMainWidget window(workbench);
    selvaris::ui::InstallStartupProbe(window, QStringLiteral("Command31"));  // the set-target button
    window.show();
    return app.exec();
}

// A picture of a circuit for the command line's --svg and --png: true with the
// file's bytes in bytes, false when it cannot be drawn.
extern "C" SELVARIS_WINDOW_EXPORT bool SelvarisCircuitImage(const selvaris::Circuit* circuit, int basis, int format,
                                                            std::string* bytes) {
    const std::optional<std::string> image = selvaris::ui::CommandLineCircuitImage(
        *circuit, static_cast<selvaris::CircuitBasis>(basis), static_cast<selvaris::ExportFormat>(format));
    if (!image) return false;
    *bytes = *image;
    return true;
}
