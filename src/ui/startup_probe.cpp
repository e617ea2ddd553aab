#include "ui/startup_probe.h"

#include <QAbstractButton>
#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QSet>
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

// Whether every widget of window that can be seen has been painted at least
// once. Widgets that Qt would not paint (hidden, or covered by opaque ones)
// are not waited for.
bool WhollyPainted(const QWidget& window, const QSet<const QObject*>& painted) {
    if (!painted.contains(&window)) return false;
    for (const QWidget* widget : window.findChildren<QWidget*>()) {
        if (widget->window() != &window || !widget->isVisible() || widget->visibleRegion().isEmpty()) continue;
        if (!painted.contains(widget)) return false;
    }
    return true;
}

// Reports a window once its first complete frame is out: the main window, then
// (when asked) the first other window. Qt paints a window's whole dirty tree in
// one synchronous pass and flushes it to the screen before it returns to the
// event loop, so a check queued from inside the pass runs after the flush; it
// reports only when that pass (or a later one) has left no visible widget of
// the window unpainted.
class FrameWatcher : public QObject {
public:
    FrameWatcher(QWidget& mainWindow, QString openButton, bool openEntry)
        : QObject(&mainWindow), main_(mainWindow), openButton_(std::move(openButton)), openEntry_(openEntry) {}

    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Paint || !watched->isWidgetType()) return false;
        QWidget* window = static_cast<QWidget*>(watched)->window();
        if (!mainShown_) {
            if (window != &main_) return false;
        } else if (openEntry_ && !entryShown_ && window != &main_) {
            if (!entry_) entry_ = window;  // the window the click opened
            if (window != entry_) return false;
        } else {
            return false;
        }
        painted_.insert(watched);
        if (!checkQueued_) {
            checkQueued_ = true;
            QTimer::singleShot(0, this, [this] { CheckFrame(); });
        }
        return false;
    }

private:
    void CheckFrame() {
        checkQueued_ = false;
        if (!mainShown_) {
            if (!WhollyPainted(main_, painted_)) return;
            mainShown_ = true;
            painted_.clear();
            Report("shown");
            if (openEntry_) QTimer::singleShot(0, this, [this] { ClickOpenButton(); });
        } else if (entry_ && !entryShown_ && WhollyPainted(*entry_, painted_)) {
            entryShown_ = true;
            painted_.clear();
            Report("entry-shown");
        }
    }

    void ClickOpenButton() {
        if (auto* button = main_.findChild<QAbstractButton*>(openButton_))
            button->click();
        else
            Report("no-open-button");
    }

    QWidget& main_;
    QString openButton_;
    bool openEntry_;
    QPointer<QWidget> entry_;
    QSet<const QObject*> painted_;
    bool checkQueued_ = false;
    bool mainShown_ = false;
    bool entryShown_ = false;
};

}  // namespace

void InstallStartupProbe(QWidget& mainWindow, const QString& openButton) {
    const char* mode = std::getenv("SELVARIS_STARTUP_PROBE");
    if (!mode || !*mode) return;
    qApp->installEventFilter(new FrameWatcher(mainWindow, openButton, std::strcmp(mode, "entry") == 0));
}

}  // namespace selvaris::ui
