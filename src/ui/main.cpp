#include <QApplication>
#include <QIcon>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "cli/command_line.h"
#include "core/shared_registers.h"
#include "ui/circuit_image.h"
#include "ui/model_dialog.h"
#include "ui/qt_platform.h"
#include "ui/qt_translation.h"
#include "ui/startup_probe.h"
#include "ui/window_binding.h"
#include "ui/window_scale.h"
#include "workbench/form1.h"

namespace {

bool HasDisplay() {
    const char* platform = std::getenv("QT_QPA_PLATFORM");
    if (platform && *platform) return true;  // the user chose a platform (offscreen, vnc, ...)
    const char* x11 = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    return (x11 && *x11) || (wayland && *wayland);
}

}  // namespace

int main(int argc, char* argv[]) {
    // The command line, --help and --version need no display and open no window.
    const std::vector<std::string> args(argv + 1, argv + argc);
    if (selvaris::IsCommandLine(args))
        return selvaris::RunCommandLineProcess(args, selvaris::ui::CommandLineCircuitImage);

    if (!HasDisplay()) {
        std::fputs("selvaris: no display found (DISPLAY and WAYLAND_DISPLAY are unset); "
                   "start it from a desktop session or under xvfb-run.\n",
                   stderr);
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/selvaris.svg")));
    QGuiApplication::setDesktopFileName(QStringLiteral("io.github.selvaris.Selvaris"));
    selvaris::ui::InstallQtJapaneseTranslation(app);
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
