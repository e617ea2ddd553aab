#pragma once

#include <QColor>
#include <QPainter>
#include <QSize>

#include "core/drawing.h"

namespace selvaris::ui {

// Paints drawing steps (in twips) as vectors, antialiased, at pixelsPerTwip:
// the same picture on the screen at any UI scale, in SVG and in PNG.
// Straight lines and rectangles sit on whole pixels, so they stay crisp.
void PaintVectorDrawing(QPainter& painter, const Drawing& drawing, double pixelsPerTwip, const QColor& background);

// The size in twips a drawing needs, with the same margin on its far sides as
// it keeps on its near ones.
QSize VectorDrawingSize(const Drawing& drawing);

}  // namespace selvaris::ui
