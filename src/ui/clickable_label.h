#pragma once

#include <QLabel>
#include <QMouseEvent>

namespace selvaris::ui {

// A label that reports mouse clicks, as the cell grid answers to them.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

signals:
    void clicked();

protected:
    void mouseReleaseEvent(QMouseEvent* event) override {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) emit clicked();
        QLabel::mouseReleaseEvent(event);
    }
};

}  // namespace selvaris::ui
