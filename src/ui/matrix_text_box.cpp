#include "ui/matrix_text_box.h"

#include <QAccessible>
#include <QPainter>

#include "ui/matrix_text_accessible.h"

namespace selvaris::ui {

namespace {

// The text sits where a text editor with a document margin of 2 puts it.
constexpr int kTextInset = 2;

}  // namespace

MatrixTextBox::MatrixTextBox(QWidget* parent) : QLabel(parent) {
    InstallMatrixTextAccessibility();
    setFrameStyle(QFrame::StyledPanel | QFrame::Sunken);
    setTextFormat(Qt::PlainText);
    setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setIndent(kTextInset);
    setForegroundRole(QPalette::Text);
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // A tab stop, as the keyboard's way through the window expects.
    setFocusPolicy(Qt::StrongFocus);
}

void MatrixTextBox::SetMatrixText(const QString& text) {
    const QString before = QLabel::text();
    if (before == text) return;
    setText(text);
    if (QAccessible::isActive()) {
        QAccessibleTextUpdateEvent event(this, 0, before, text);
        QAccessible::updateAccessibility(&event);
    }
}

// Only inside the frame: the frame itself is drawn over the window's background.
void MatrixTextBox::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.fillRect(contentsRect(), palette().brush(QPalette::Base));
    }
    QLabel::paintEvent(event);
}

}  // namespace selvaris::ui
