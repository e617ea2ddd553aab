#pragma once

#include <QScrollArea>

#include "core/drawing.h"

namespace selvaris::ui {

// A circuit view: the drawing (in twips) painted as vectors at the UI scale
// on a canvas as large as the drawing, scrolled when the box is smaller.
class CircuitView : public QScrollArea {
    Q_OBJECT
public:
    explicit CircuitView(QWidget* parent = nullptr);
    // stepInSight: a drawing step the view scrolls into sight, or -1.
    void SetDrawing(const Drawing& drawing, QColor background, int stepInSight);
    QWidget* Canvas() const { return widget(); }

signals:
    // A left click on the canvas, in twips from the drawing's top-left corner.
    void clicked(int xTwips, int yTwips);

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Reveal();
    QRect sight_;  // in pixels of the canvas; null when nothing needs to be in sight
};

}  // namespace selvaris::ui
