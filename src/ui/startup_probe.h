#pragma once

#include <QString>

class QWidget;

namespace selvaris::ui {

// An opt-in hook for the start-up benchmark, off unless the environment variable
// SELVARIS_STARTUP_PROBE is set. With "shown", the program prints the line
// "shown" on stdout once its main window has been painted. With "entry", it then
// clicks the button named openButton and prints "entry-shown" once the window
// that opens has been painted. The benchmark times the first line and reads the
// peak memory after the second; it ends the program itself.
void InstallStartupProbe(QWidget& mainWindow, const QString& openButton);

}  // namespace selvaris::ui
