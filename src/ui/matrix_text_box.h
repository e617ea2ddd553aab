#pragma once

#include <QLabel>

namespace selvaris::ui {

// A read-only matrix text: four lines in a fixed-pitch font on the text
// background, in a sunken frame, that the mouse and the keyboard can select
// and copy. A label with selectable text, far lighter than a text editor.
class MatrixTextBox : public QLabel {
    Q_OBJECT
public:
    explicit MatrixTextBox(QWidget* parent = nullptr);
    void SetMatrixText(const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
};

}  // namespace selvaris::ui
