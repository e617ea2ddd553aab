#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace selvaris::ui {

// A label that reports clicks, as the cell grid answers to them: by the mouse,
// or by Space when it has the keyboard focus (Enter goes through the window's
// own Enter handling). A focused label shows a dashed frame, since its colour
// alone cannot show where the focus is.
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
    void keyPressEvent(QKeyEvent* event) override {
        if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
            emit clicked();
            return;
        }
        QLabel::keyPressEvent(event);
    }
    void paintEvent(QPaintEvent* event) override {
        QLabel::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        for (const QColor& colour : {QColor(Qt::white), QColor(Qt::black)}) {
            QPen pen(colour, 2, colour == Qt::white ? Qt::SolidLine : Qt::DashLine);
            painter.setPen(pen);
            painter.drawRect(rect().adjusted(3, 3, -4, -4));
        }
    }
    void focusInEvent(QFocusEvent* event) override {
        QLabel::focusInEvent(event);
        update();
    }
    void focusOutEvent(QFocusEvent* event) override {
        QLabel::focusOutEvent(event);
        update();
    }
};

}  // namespace selvaris::ui
