#pragma once

#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>

namespace selvaris::ui {

// A label that reports clicks, as the cell grid answers to them: by the mouse,
// or by Space when it has the keyboard focus (Enter goes through the window's
// own Enter handling). A focused label shows a dashed frame, since its colour
// alone cannot show where the focus is; an outlined one, a solid frame of its own.
class ClickableLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

    void SetOutlined(bool outlined) {
        if (outlined_ == outlined) return;
        outlined_ = outlined;
        update();
    }
    bool Outlined() const { return outlined_; }

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
        QPainter painter(this);
        if (outlined_) {
            // Yellow reads on red, blue and green alike; solid, unlike the focus frame.
            painter.setPen(QPen(QColor(255, 214, 0), 3));
            painter.drawRect(rect().adjusted(1, 1, -2, -2));
        }
        if (!hasFocus()) return;
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

private:
    bool outlined_ = false;
};

}  // namespace selvaris::ui
