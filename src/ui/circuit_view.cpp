#include "ui/circuit_view.h"

#include <QMouseEvent>
#include <QPainter>

#include "ui/twips.h"
#include "ui/vector_drawing.h"

namespace selvaris::ui {

namespace {

class DrawingCanvas : public QWidget {
public:
    explicit DrawingCanvas(CircuitView* view) : QWidget(view), view_(view) {
        setObjectName(QStringLiteral("CircuitCanvas"));
    }

    void SetDrawing(const Drawing& drawing, QColor background) {
        drawing_ = drawing;
        background_ = background;
        const QSize twips = VectorDrawingSize(drawing_);
        resize(TwipsToPixels(twips.width()), TwipsToPixels(twips.height()));
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter painter(this);
        painter.fillRect(rect(), background_);
        PaintVectorDrawing(painter, drawing_, 1.0 / TwipsPerPixel(), background_);
    }
    void mouseReleaseEvent(QMouseEvent* event) override {
        const QPoint at = event->position().toPoint();
        if (event->button() == Qt::LeftButton && rect().contains(at))
            emit view_->clicked(PixelsToTwips(at.x()), PixelsToTwips(at.y()));
        QWidget::mouseReleaseEvent(event);
    }

private:
    CircuitView* view_;
    Drawing drawing_;
    QColor background_ = Qt::white;
};

}  // namespace

CircuitView::CircuitView(QWidget* parent) : QScrollArea(parent) {
    setWidget(new DrawingCanvas(this));
    setWidgetResizable(false);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

void CircuitView::SetDrawing(const Drawing& drawing, QColor background, int stepInSight) {
    static_cast<DrawingCanvas*>(widget())->SetDrawing(drawing, background);
    QPalette palette = viewport()->palette();
    palette.setColor(QPalette::Window, background);
    viewport()->setPalette(palette);
    viewport()->setAutoFillBackground(true);
    sight_ = QRect();
    if (stepInSight < 0 || static_cast<std::size_t>(stepInSight) >= drawing.size()) return;
    const DrawPrimitive& step = drawing[static_cast<std::size_t>(stepInSight)];
    sight_ = QRect(QPoint(TwipsToPixels(step.x1), TwipsToPixels(step.y1)),
                   QPoint(TwipsToPixels(step.x2), TwipsToPixels(step.y2)))
                 .normalized();
    // Before the window is shown the viewport has no size yet to scroll by.
    if (isVisible()) Reveal();
}

void CircuitView::showEvent(QShowEvent* event) {
    QScrollArea::showEvent(event);
    Reveal();
}

// Scrolls only as far as needed to show the whole step, or its start when it
// is wider than the view.
void CircuitView::Reveal() {
    if (sight_.isNull()) return;
    const int pad = TwipsToPixels(120);
    ensureVisible(sight_.center().x(), sight_.center().y(), sight_.width() / 2 + pad, 0);
}

}  // namespace selvaris::ui
