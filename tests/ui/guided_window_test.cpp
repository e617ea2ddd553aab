#include <gtest/gtest.h>

#include <QLabel>

#include "core/matrix_text.h"
#include "modal_driver.h"
#include "qt_workbench.h"
#include "ui/twips.h"
#include "workbench/form1_controls.h"

namespace selvaris::ui {
namespace {

using namespace testing;
using namespace form1;

std::string FocusName() {
    return QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : std::string();
}

// The keys a user presses, counted, each to whatever has the focus.
int presses = 0;
void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, int times = 1) {
    for (int i = 0; i < times; ++i, ++presses) QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// The README's walkthrough of the QFT preset without the mouse, in 27 keys.
TEST(GuidedWindow, TheQftPresetIsDecomposedAndBrowsedFromTheKeyboard) {
    QtWorkbench wb;
    QApplication::setActiveWindow(wb.widget.get());
    wb.widget->findChild<QWidget*>("Command31")->setFocus();  // the first tab stop, where a shown window starts
    presses = 0;
    WhenModal("Form7", [](QWidget*) {
        Press(Qt::Key_Tab, Qt::ShiftModifier, 7);  // back from the first cell to "QFTセット"
        Press(Qt::Key_Space);
        Press(Qt::Key_Tab, Qt::ShiftModifier);  // the last cell, where Enter closes the window
        Press(Qt::Key_Return);
    });
    Press(Qt::Key_Return);
    QApplication::setActiveWindow(wb.widget.get());  // as the desktop does when a dialog closes
    ASSERT_TRUE(wb.registers.TargetIsSet);
    for (int step = 0; step < 6; ++step) {
        EXPECT_EQ(FocusName(), wb.form.NextPlanCell()->label);
        Press(Qt::Key_Space);   // picks the cell; the focus goes on to "ゲート選択（L）"
        Press(Qt::Key_Return);  // and then to the next cell
    }
    ASSERT_EQ(FocusName(), kFinalGateButton);
    WhenModal("Form7", [](QWidget*) { Press(Qt::Key_Return); });  // 実行, from the one cell that can be typed
    Press(Qt::Key_Return);
    QApplication::setActiveWindow(wb.widget.get());
    ASSERT_EQ(FocusName(), kFactorForwardButton);
    Press(Qt::Key_Return, Qt::NoModifier, 2);
    EXPECT_EQ(wb.form.State().StepCount, 8);
    EXPECT_EQ(wb.form.State().BrowseStep, 2);
    EXPECT_EQ(presses, 27);

    // Ctrl+Z and Ctrl+Y, even from a read-only box, and the arrows among the cells.
    wb.widget->findChild<QWidget*>("Text2")->setFocus();
    for (const auto& [modifiers, key, steps] : {std::tuple{Qt::KeyboardModifiers(Qt::ControlModifier), Qt::Key_Z, 6},
                                                {Qt::ControlModifier, Qt::Key_Z, 5},
                                                {Qt::ControlModifier, Qt::Key_Y, 6},
                                                {Qt::ControlModifier | Qt::ShiftModifier, Qt::Key_Z, 8}}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
        EXPECT_EQ(wb.form.State().StepCount, steps);
    }
    wb.widget->findChild<QWidget*>("la10")->setFocus();
    for (const auto& [key, to] : {std::pair{Qt::Key_Tab, "la20"}, {Qt::Key_Tab, "la21"}, {Qt::Key_Down, "la31"},
                                  {Qt::Key_Left, "la30"}, {Qt::Key_Up, "la20"}}) {
        QTest::keyClick(QApplication::focusWidget(), key);
        EXPECT_EQ(FocusName(), to);
    }
}

// The one scale follows the window between the smallest supported scale and
// the largest at which every window fits the screen; nothing spills over, and
// every control still says what it does and, disabled, what enables it.
TEST(GuidedWindow, AResizedWindowScalesEveryControlAndKeepsItInside) {
    const struct {
        QSize screen, window;
        double scale;
    } rows[] = {{{1920, 1080}, {100, 100}, 1.0},
                {{1920, 1080}, {900, 500}, 900 * 15.0 / 12480},
                {{1920, 1080}, {1664, 1000}, 2.0},
                {{1280, 720}, {1280, 690}, (1280 - 16) * 15.0 / 13455},  // the check window is the widest
                {{3840, 2160}, {3840, 2120}, (3840 - 16) * 15.0 / 13455}};
    ComplexMatrix wide;  // the widest text a matrix box shows
    for (auto& row : wide.v)
        for (auto& element : row) element[0] = element[1] = -0.7071;
    for (const auto& row : rows) {
        UseScreenArea(row.screen);
        QtWorkbench wb;
        for (const char* box : {"Text91", "Text2", "Text11", "Text02", "Text14"})
            ShowInTextBox(wb.registers, wide, wb.form, box);
        wb.widget->resize(row.window);
        QApplication::processEvents();
        EXPECT_DOUBLE_EQ(UiScale(), row.scale) << row.window.width();
        for (const Control& c : wb.form.Controls()) {
            QWidget* widget = wb.widget->findChild<QWidget*>(QString::fromStdString(c.name));
            if (!c.visible) continue;
            EXPECT_TRUE(wb.widget->rect().contains(widget->geometry())) << c.name << " " << row.window.width();
            EXPECT_EQ(widget->geometry().topLeft(), QPoint(TwipsToPixels(c.left), TwipsToPixels(c.top))) << c.name;
            if (c.kind == ControlKind::MultiLineTextBox) {  // every line fits, clear of the frame
                for (const QString& line : static_cast<QLabel*>(widget)->text().split(QLatin1Char('\n'))) {
                    EXPECT_LE(widget->fontMetrics().horizontalAdvance(line.trimmed()) + 4, widget->contentsRect().width())
                        << c.name << " " << row.window.width();
                }
            }
            EXPECT_FALSE(widget->toolTip().isEmpty()) << c.name;
            const std::string disabled = c.enabled ? "" : "\n" + c.toolTipWhenDisabled;
            EXPECT_TRUE(c.enabled || widget->toolTip().endsWith(QString::fromStdString(disabled))) << c.name;
        }
    }
    UseScreenArea(std::nullopt);
    SetUiScale(kSupportedUiScales[0]);
    InstallApplicationFonts();
}

}  // namespace
}  // namespace selvaris::ui
