#pragma once

#include <QDialog>
#include <memory>

#include "core/window.h"
#include "ui/window_binding.h"

namespace selvaris::ui {

// A modal dialog showing one window model; its close box (and Escape) close the
// model, which runs the model's unload step.
class ModelDialog : public QDialog {
    Q_OBJECT
public:
    ModelDialog(Window& window, QWidget* parent);
    WindowBinding& Binding() { return *binding_; }

public slots:
    void reject() override;

private:
    Window& window_;
    std::unique_ptr<WindowBinding> binding_;
};

// The main window: a top-level widget showing a window model, resizable, its
// layout scaling with its size; closing it ends the program.
class ModelMainWidget : public QWidget {
    Q_OBJECT
public:
    explicit ModelMainWidget(Window& window);
    WindowBinding& Binding() { return *binding_; }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    Window& window_;
    std::unique_ptr<WindowBinding> binding_;
};

}  // namespace selvaris::ui
