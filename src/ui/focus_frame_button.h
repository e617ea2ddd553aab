#pragma once

#include <QPainter>
#include <QPushButton>

namespace selvaris::ui {

// A button whose keyboard focus shows as the dashed frame of the cell grid,
// so that it cannot be taken for the frame of the default button, which is
// what Enter runs in a box.
class FocusFrameButton : public QPushButton {
    Q_OBJECT
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent* event) override {
        QPushButton::paintEvent(event);
        if (!hasFocus()) return;
        QPainter painter(this);
        for (const QColor& colour : {QColor(Qt::white), QColor(Qt::black)}) {
            painter.setPen(QPen(colour, 2, colour == Qt::white ? Qt::SolidLine : Qt::DashLine));
            painter.drawRect(rect().adjusted(3, 3, -4, -4));
        }
    }
};

}  // namespace selvaris::ui
