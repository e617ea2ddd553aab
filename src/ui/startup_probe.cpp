#include "ui/startup_probe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace selvaris::ui {
namespace {

void Report(const char* line) {
    std::puts(line);
    std::fflush(stdout);
}

// Watches paint events application-wide: the first one of the main window, then
// (when asked) the first one of any other window.
class PaintWatcher : public QObject {
public:
    PaintWatcher(QWidget& mainWindow, QString openButton, bool openEntry)
        : QObject(&mainWindow), main_(mainWindow), openButton_(std::move(openButton)), openEntry_(openEntry) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        const QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!mainShown_ && window == &main_) {
            mainShown_ = true;
            Report("shown");
            if (openEntry_) QTimer::singleShot(0, this, [this] { ClickOpenButton(); });
        } else if (mainShown_ && openEntry_ && !entryShown_ && window != &main_) {
            entryShown_ = true;
            Report("entry-shown");
        }
        return false;
    }

private:
    void ClickOpenButton() {
        if (auto* button = main_.findChild<QAbstractButton*>(openButton_))
            button->click();
        else
            Report("no-open-button");
    }

    QWidget& main_;
    QString openButton_;
    bool openEntry_;
    bool mainShown_ = false;
    bool entryShown_ = false;
};

}  // namespace

void InstallStartupProbe(QWidget& mainWindow, const QString& openButton) {
    const char* mode = std::getenv("SELVARIS_STARTUP_PROBE");
    if (!mode || !*mode) return;
    qApp->installEventFilter(new PaintWatcher(mainWindow, openButton, std::strcmp(mode, "entry") == 0));
}

}  // namespace selvaris::ui
