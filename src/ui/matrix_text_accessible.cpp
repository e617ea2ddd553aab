#include "ui/matrix_text_accessible.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QLabel>
#include <algorithm>

namespace selvaris::ui {

namespace {

class MatrixTextAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit MatrixTextAccessible(QLabel* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        state.multiLine = true;
        state.selectableText = true;
        return state;
    }

    QString text(QAccessible::Text kind) const override {
        return kind == QAccessible::Value ? Box()->text() : QAccessibleWidget::text(kind);
    }

    void selection(int index, int* start, int* end) const override {
        *start = *end = 0;
        if (index != 0 || !Box()->hasSelectedText()) return;
        *start = Box()->selectionStart();
        *end = *start + static_cast<int>(Box()->selectedText().size());
    }
    int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
    void addSelection(int start, int end) override { setSelection(0, start, end); }
    void removeSelection(int index) override {
        if (index == 0) Box()->setSelection(0, 0);
    }
    void setSelection(int index, int start, int end) override {
        if (index != 0) return;
        const int first = std::clamp(std::min(start, end), 0, characterCount());
        const int last = std::clamp(std::max(start, end), 0, characterCount());
        Box()->setSelection(first, last - first);
    }
    int cursorPosition() const override {
        int start = 0, end = 0;
        selection(0, &start, &end);
        return end;
    }
    void setCursorPosition(int position) override { setSelection(0, position, position); }
    QString text(int start, int end) const override { return Box()->text().mid(start, std::max(0, end - start)); }
    int characterCount() const override { return static_cast<int>(Box()->text().size()); }

    // The text is drawn from the top-left corner of the label's contents,
    // one line per line of the font.
    QRect characterRect(int offset) const override {
        const QString all = Box()->text();
        if (offset < 0 || offset >= all.size()) return {};
        const int lineStart = static_cast<int>(all.lastIndexOf(QLatin1Char('\n'), offset - 1)) + 1;
        const int line = static_cast<int>(all.left(lineStart).count(QLatin1Char('\n')));
        const QFontMetrics metrics(Box()->font());
        const int x = metrics.horizontalAdvance(all.mid(lineStart, offset - lineStart));
        const QRect local(TextOrigin() + QPoint(x, line * metrics.height()),
                          QSize(metrics.horizontalAdvance(all.at(offset)), metrics.height()));
        return QRect(Box()->mapToGlobal(local.topLeft()), local.size());
    }
    int offsetAtPoint(const QPoint& point) const override {
        const QFontMetrics metrics(Box()->font());
        const QPoint local = Box()->mapFromGlobal(point) - TextOrigin();
        const QStringList lines = Box()->text().split(QLatin1Char('\n'));
        const int line = local.y() / std::max(1, metrics.height());
        if (local.x() < 0 || local.y() < 0 || line >= lines.size()) return -1;
        int offset = 0;
        for (int i = 0; i < line; ++i) offset += static_cast<int>(lines[i].size()) + 1;
        for (int column = 0; column < lines[line].size(); ++column)
            if (metrics.horizontalAdvance(lines[line].left(column + 1)) > local.x()) return offset + column;
        return -1;
    }
    void scrollToSubstring(int, int) override {}
    QString attributes(int offset, int* start, int* end) const override {
        *start = *end = offset;
        return {};
    }

private:
    QLabel* Box() const { return static_cast<QLabel*>(widget()); }
    QPoint TextOrigin() const {
        return Box()->contentsRect().topLeft() + QPoint(Box()->indent(), Box()->indent());
    }
};

QAccessibleInterface* MatrixTextFactory(const QString& className, QObject* object) {
    auto* box = qobject_cast<QLabel*>(object);
    if (!box || className != QLatin1String("selvaris::ui::MatrixTextBox")) return nullptr;
    return new MatrixTextAccessible(box);
}

}  // namespace

void InstallMatrixTextAccessibility() {
    static const bool installed = [] {
        QAccessible::installFactory(MatrixTextFactory);
        return true;
    }();
    (void)installed;
}

}  // namespace selvaris::ui
