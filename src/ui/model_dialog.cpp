#include "ui/model_dialog.h"

#include <QCloseEvent>

namespace selvaris::ui {

ModelDialog::ModelDialog(Window& window, QWidget* parent) : QDialog(parent), window_(window) {
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    binding_ = std::make_unique<WindowBinding>(window, this, [this] { QDialog::done(QDialog::Rejected); });
}

void ModelDialog::reject() {
    if (window_.IsClosed())
        QDialog::done(QDialog::Rejected);
    else
        window_.Close();  // the model tells the binding, which ends the dialog
}

ModelMainWidget::ModelMainWidget(Window& window) : QWidget(nullptr), window_(window) {
    binding_ = std::make_unique<WindowBinding>(window, this, [this] { QWidget::close(); }, Sizing::ScalesWithWindow);
}

void ModelMainWidget::closeEvent(QCloseEvent* event) {
    if (!window_.IsClosed()) window_.Close();
    event->accept();
}

}  // namespace selvaris::ui
