// The smallest Qt Widgets program with a main window and a modal dialog: the
// yardstick for the program's start-up time and memory. It reports through the
// same probe as the program, so both are timed to their first complete frame.
#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include "ui/startup_probe.h"

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QWidget window;
    window.setWindowTitle(QStringLiteral("baseline"));
    window.resize(832, 432);
    auto* open = new QPushButton(QStringLiteral("open"), &window);
    open->setObjectName(QStringLiteral("open"));
    QObject::connect(open, &QPushButton::clicked, &window, [&window] {
        QDialog dialog(&window);
        dialog.resize(469, 280);
        new QLabel(QStringLiteral("dialog"), &dialog);
        dialog.exec();
    });
    selvaris::ui::InstallStartupProbe(window, QStringLiteral("open"));
    window.show();
    return app.exec();
}
