#include "ui/picture_widget.h"

#include <QPainter>

#include "ui/twips.h"

namespace selvaris::ui {

namespace {
QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }
QPoint ToPixels(int x, int y) { return QPoint(TwipsToPixels(x), TwipsToPixels(y)); }
}  // namespace

PictureWidget::PictureWidget(QWidget* parent) : QWidget(parent) {}

void PictureWidget::SetDrawing(const Drawing& drawing, QColor background) {
    drawing_ = drawing;
    background_ = background;
    update();
}

void PictureWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), background_);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const DrawPrimitive& p : drawing_) {
        const QColor colour = ToQColor(p.colour);
        painter.setPen(QPen(colour, 0));  // cosmetic: one pixel wide
        painter.setBrush(Qt::NoBrush);
        switch (p.kind) {
            case PrimitiveKind::Clear:
                painter.fillRect(rect(), background_);
                break;
            case PrimitiveKind::Line:
                painter.drawLine(ToPixels(p.x1, p.y1), ToPixels(p.x2, p.y2));
                break;
            case PrimitiveKind::CircleOutline: {
                const int r = TwipsToPixels(p.radius);
                painter.drawEllipse(ToPixels(p.x1, p.y1), r, r);
                break;
            }
            case PrimitiveKind::FilledRect:
                painter.fillRect(QRect(ToPixels(p.x1, p.y1), ToPixels(p.x2, p.y2)), colour);
                break;
            case PrimitiveKind::RectOutline:
                painter.drawRect(QRect(ToPixels(p.x1, p.y1), ToPixels(p.x2, p.y2)).adjusted(0, 0, -1, -1));
                break;
            case PrimitiveKind::FilledCircle:
            case PrimitiveKind::Text:
                break;  // only circuit views are given these (vector_drawing.cpp)
        }
    }
}

}  // namespace selvaris::ui
