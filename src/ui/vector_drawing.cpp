#include "ui/vector_drawing.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cmath>

#include "core/translation.h"
#include "ui/qt_translation.h"

namespace selvaris::ui {

namespace {

constexpr const char* kTextFontFamily = "DejaVu Sans";

QColor ToQColor(Colour c) { return QColor(RedOf(c), GreenOf(c), BlueOf(c)); }

class Painter {
public:
    Painter(QPainter& painter, double pixelsPerTwip)
        : p_(painter), k_(pixelsPerTwip), penWidth_(std::max(1.0, std::floor(15.0 * pixelsPerTwip + 0.25))) {}

    void Line(const DrawPrimitive& s) {
        p_.setPen(Pen(s.colour));
        if (s.x1 == s.x2 || s.y1 == s.y2)
            p_.drawLine(QPointF(OnGrid(s.x1), OnGrid(s.y1)), QPointF(OnGrid(s.x2), OnGrid(s.y2)));
        else
            p_.drawLine(QPointF(s.x1 * k_, s.y1 * k_), QPointF(s.x2 * k_, s.y2 * k_));
    }
    void Circle(const DrawPrimitive& s, bool filled) {
        p_.setPen(filled ? QPen(Qt::NoPen) : Pen(s.colour));
        p_.setBrush(filled ? QBrush(ToQColor(s.colour)) : QBrush(Qt::NoBrush));
        // A filled dot takes the outline's half pen width too, as an outline of the same radius would.
        const double r = s.radius * k_ + (filled ? penWidth_ / 2 : 0.0);
        p_.drawEllipse(QPointF(s.x1 * k_, s.y1 * k_), r, r);
        p_.setBrush(Qt::NoBrush);
    }
    void FilledRect(const DrawPrimitive& s) {
        p_.fillRect(QRectF(QPointF(Whole(s.x1), Whole(s.y1)), QPointF(Whole(s.x2), Whole(s.y2))), ToQColor(s.colour));
    }
    void RectOutline(const DrawPrimitive& s) {
        p_.setPen(Pen(s.colour));
        p_.drawRect(QRectF(QPointF(OnGrid(s.x1), OnGrid(s.y1)), QPointF(OnGrid(s.x2), OnGrid(s.y2))));
    }
    void Text(const DrawPrimitive& s) {
        const QRectF box(QPointF(s.x1 * k_, s.y1 * k_), QPointF(s.x2 * k_, s.y2 * k_));
        const QString text = TranslatedText(kMessageContext, s.text);
        QFont font(QString::fromLatin1(kTextFontFamily));
        int size = std::max(1, static_cast<int>(std::lround(s.radius * k_)));
        font.setPixelSize(size);
        // Shrunk to the box's width if the layout's estimate was short.
        const double advance = QFontMetricsF(font).horizontalAdvance(text);
        if (advance > box.width() && advance > 0.0) {
            size = std::max(1, static_cast<int>(std::floor(size * box.width() / advance)));
            font.setPixelSize(size);
        }
        p_.setFont(font);
        p_.setPen(ToQColor(s.colour));
        p_.drawText(box, Qt::AlignCenter, text);
    }

private:
    QPen Pen(Colour c) const {
        QPen pen(ToQColor(c), penWidth_);
        pen.setCapStyle(Qt::FlatCap);
        return pen;
    }
    double Whole(int twips) const { return std::round(twips * k_); }
    // The centre of a line of an odd number of pixels is the middle of a pixel.
    double OnGrid(int twips) const {
        const bool odd = static_cast<long long>(penWidth_) % 2 == 1;
        return odd ? std::floor(twips * k_) + 0.5 : Whole(twips);
    }

    QPainter& p_;
    double k_;
    double penWidth_;
};

}  // namespace

void PaintVectorDrawing(QPainter& painter, const Drawing& drawing, double pixelsPerTwip, const QColor& background) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    Painter paint(painter, pixelsPerTwip);
    for (const DrawPrimitive& step : drawing) {
        switch (step.kind) {
            case PrimitiveKind::Clear: painter.fillRect(painter.window(), background); break;
            case PrimitiveKind::Line: paint.Line(step); break;
            case PrimitiveKind::CircleOutline: paint.Circle(step, false); break;
            case PrimitiveKind::FilledCircle: paint.Circle(step, true); break;
            case PrimitiveKind::FilledRect: paint.FilledRect(step); break;
            case PrimitiveKind::RectOutline: paint.RectOutline(step); break;
            case PrimitiveKind::Text: paint.Text(step); break;
        }
    }
    painter.restore();
}

QSize VectorDrawingSize(const Drawing& drawing) {
    if (drawing.empty()) return QSize(0, 0);
    long long left = 0, top = 0, right = 0, bottom = 0;
    bool first = true;
    auto take = [&](long long x1, long long y1, long long x2, long long y2) {
        if (first) {
            left = x1, top = y1, right = x2, bottom = y2;
            first = false;
        }
        left = std::min({left, x1, x2}), right = std::max({right, x1, x2});
        top = std::min({top, y1, y2}), bottom = std::max({bottom, y1, y2});
    };
    for (const DrawPrimitive& s : drawing) {
        switch (s.kind) {
            case PrimitiveKind::Clear: break;
            case PrimitiveKind::CircleOutline:
            case PrimitiveKind::FilledCircle:
                take(static_cast<long long>(s.x1) - s.radius, static_cast<long long>(s.y1) - s.radius,
                     static_cast<long long>(s.x1) + s.radius, static_cast<long long>(s.y1) + s.radius);
                break;
            default: take(s.x1, s.y1, s.x2, s.y2); break;
        }
    }
    if (first) return QSize(0, 0);
    const long long width = std::clamp(right + std::max(0LL, left), 0LL, 1LL << 24);
    const long long height = std::clamp(bottom + std::max(0LL, top), 0LL, 1LL << 24);
    return QSize(static_cast<int>(width), static_cast<int>(height));
}

}  // namespace selvaris::ui
