#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <map>
#include <string>

#include "core/window.h"

namespace selvaris::ui {

// How a window answers a change of its size.
enum class Sizing {
    Fixed,             // it keeps its size, unless a circuit view takes the room
    ScalesWithWindow,  // everything scales together: the one UI scale follows the size
};

// Builds one widget per shown control of a window model inside a container
// widget (a hidden control gets its widget the first time it is shown), keeps
// the widgets in step with the model and forwards the user's clicks,
// edits, keys and list choices to it. A window with a circuit view can be
// resized, the view taking the room; a window that scales with its size can
// be resized and maximised; every other window keeps its size.
class WindowBinding : public QObject, public WindowObserver {
    Q_OBJECT
public:
    // onClosed runs when the model closes itself (a button that closes the window).
    WindowBinding(Window& window, QWidget* container, std::function<void()> onClosed, Sizing sizing = Sizing::Fixed);
    ~WindowBinding() override;

    // Null for a control that has never been shown.
    QWidget* WidgetFor(const std::string& controlName) const;

    void ControlChanged(const Control& control) override;
    void WindowChanged() override;
    void Closed() override;
    void FocusRequested(const Control& control) override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* AddWidget(const Control& control);
    QWidget* CreateWidget(const Control& control);
    QRect GeometryOf(const Control& control) const;
    void StackInTableOrder(const Control& control, QWidget* widget);
    void ApplyTabOrder();
    void QueueListActivate(const std::string& name, int row);
    void Apply(const Control& control, QWidget* widget);
    void FitGrowingControls();
    // Places and sizes every widget, and sets the fonts, at the current UI scale.
    void LayOut();
    void FollowWindowSize();

    Window& window_;
    QPointer<QWidget> container_;
    std::function<void()> onClosed_;
    Sizing sizing_;
    std::map<std::string, QPointer<QWidget>> widgets_;
};

// Fonts for the whole application at the current UI scale: a CJK font for captions.
void InstallApplicationFonts();

}  // namespace selvaris::ui
