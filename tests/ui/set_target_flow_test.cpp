#include <gtest/gtest.h>

#include <QLabel>

#include "modal_driver.h"
#include "qt_workbench.h"
#include "qt_test_app.h"
#include "ui/model_dialog.h"
#include "ui/qt_platform.h"
#include "workbench/form1.h"

namespace selvaris::ui {
namespace {

using namespace testing;

TEST(SetTargetThroughWidgets, TypedPermutationWithPhaseBecomesTheTarget) {
    QtWorkbench wb;
    bool entryShown = false;
    WhenModal("Form7", [&](QWidget* entry) {
        entryShown = true;
        Retype(entry, "T00", "0");
        Retype(entry, "T01", "1");
        Retype(entry, "T10", "1");
        Retype(entry, "T11", "0");
        Retype(entry, "T33", "-i");
        ClickButton(entry, "Command9");
    });
    ClickButton(wb.widget.get(), "Command31");

    EXPECT_TRUE(entryShown);
    const QStringList lines = wb.BoxText("Text2").split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    EXPECT_EQ(lines[0].simplified(), "0 1 0 0");
    EXPECT_EQ(lines[3].simplified(), "0 0 0 -i");
    EXPECT_EQ(wb.CellColour("la00"), QColor(0, 0, 255));
    EXPECT_EQ(wb.CellColour("la01"), QColor(255, 0, 0));
    EXPECT_EQ(wb.CellColour("la33"), QColor(255, 0, 0));
    EXPECT_EQ(wb.CellColour("la32"), QColor(0, 0, 255));
    EXPECT_TRUE(wb.widget->findChild<QWidget*>("Command1")->isEnabled());
}

TEST(SetTargetThroughWidgets, NonUnitaryMatrixShowsTheMessageThenTheCheckWindow) {
    QtWorkbench wb;
    QString message;
    bool checkWindowShown = false;
    WhenModal("Form7", [&](QWidget* entry) {
        Retype(entry, "T01", "1");
        WhenModal("QMessageBox", [&](QWidget* box) {
            message = AcceptMessageBox(box);
            WhenModal("Form3", [&](QWidget* check) {
                checkWindowShown = true;
                check->close();
            });
        });
        ClickButton(entry, "Command9");
    });
    ClickButton(wb.widget.get(), "Command31");

    EXPECT_EQ(message, QString::fromUtf8("この行列はユニタリーではありません"));
    EXPECT_TRUE(checkWindowShown);
    EXPECT_FALSE(wb.registers.TargetIsSet);
    EXPECT_TRUE(wb.BoxText("Text2").isEmpty());
}

}  // namespace
}  // namespace selvaris::ui
