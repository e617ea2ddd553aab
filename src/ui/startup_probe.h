#pragma once

#include <QString>

class QWidget;

namespace selvaris::ui {

// An opt-in hook for the start-up benchmark, off unless the environment variable
// SELVARIS_STARTUP_PROBE is set. With "shown", the program prints the line
// "shown" on stdout once the first complete frame of its main window is out:
// the window and every visible widget in it painted and flushed. With "entry",
// it then clicks the button named openButton and prints "entry-shown" once the
// window that opens is out in the same way. The benchmark times the first line
// and reads the peak memory after the second; it ends the program itself.
void InstallStartupProbe(QWidget& mainWindow, const QString& openButton);

}  // namespace selvaris::ui
