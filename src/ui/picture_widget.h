#pragma once

#include <QWidget>

#include "core/drawing.h"

namespace selvaris::ui {

// A picture box: replays its drawing steps (in twips) on every paint, so the
// picture survives being covered and uncovered.
class PictureWidget : public QWidget {
    Q_OBJECT
public:
    explicit PictureWidget(QWidget* parent = nullptr);
    void SetDrawing(const Drawing& drawing, QColor background);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Drawing drawing_;
    QColor background_ = Qt::white;
};

}  // namespace selvaris::ui
