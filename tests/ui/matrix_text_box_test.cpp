#include <gtest/gtest.h>

#include <QAccessible>
#include <QClipboard>
#include <functional>

#include "core/matrix_text.h"
#include "qt_workbench.h"

namespace selvaris::ui {
namespace {

void Drag(QWidget* widget, QPoint from, QPoint to) {
    for (const auto& [type, at, held] : {std::tuple{QEvent::MouseButtonPress, from, Qt::MouseButtons(Qt::LeftButton)},
                                         {QEvent::MouseMove, to, Qt::LeftButton}, {QEvent::MouseButtonRelease, to, {}}}) {
        QMouseEvent event(type, at, widget->mapToGlobal(at), type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton,
                          held, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
    }
}

// A matrix box's text, selected by the keyboard or the mouse, is copied whole,
// and a screen reader reads the box's name, its text and the selection.
TEST(MatrixBox, ItsTextIsSelectedAndCopiedAndReadToScreenReaders) {
    const std::pair<const char*, std::function<void(QLabel*)>> selections[] = {
        {"keyboard", [](QLabel* box) { QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier); }},
        {"mouse", [](QLabel* box) { Drag(box, box->contentsRect().topLeft() + QPoint(3, 3), box->rect().bottomRight()); }},
    };
    for (const auto& [how, select] : selections) {
        SCOPED_TRACE(how);
        testing::QtWorkbench wb;
        ShowInTextBox(wb.registers, ComplexMatrix::Identity(), wb.form, "Text2");
        auto* box = wb.widget->findChild<QLabel*>("Text2");
        QApplication::clipboard()->clear();
        select(box);
        QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
        const QString text = box->text();
        ASSERT_EQ(text.count(QLatin1Char('\n')), 3);
        EXPECT_EQ(QApplication::clipboard()->text(), text);

        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(box);
        ASSERT_TRUE(reader && reader->textInterface());
        EXPECT_EQ(reader->text(QAccessible::Name), QString::fromUtf8("現時点のターゲット行列"));
        EXPECT_EQ(reader->text(QAccessible::Value), text);
        EXPECT_TRUE(reader->state().readOnly);
        EXPECT_EQ(reader->textInterface()->text(0, reader->textInterface()->characterCount()), text);
        int start = -1, end = -1;
        reader->textInterface()->selection(0, &start, &end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, static_cast<int>(text.size())));
    }
}

}  // namespace
}  // namespace selvaris::ui
