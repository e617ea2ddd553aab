#include <gtest/gtest.h>

#include <QLabel>

#include "core/matrix_text.h"
#include "modal_driver.h"
#include "qt_workbench.h"
#include "qt_test_app.h"
#include "ui/model_dialog.h"
#include "ui/qt_platform.h"
#include "ui/window_scale.h"
#include "workbench/form1.h"

namespace selvaris::ui {
namespace {

using namespace testing;

QString AsShown(const std::string& matrixText) {
    QString s = QString::fromUtf8(matrixText.c_str());
    s.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return s.trimmed();
}

class CellClicksAtScale : public ::testing::TestWithParam<double> {};
INSTANTIATE_TEST_SUITE_P(SupportedScales, CellClicksAtScale, ::testing::ValuesIn(kSupportedUiScales));

TEST_P(CellClicksAtScale, AClickedCellTurnsGreenAndTheChosenGateUpdatesTheTarget) {
    App();
    SetUiScale(GetParam());
    QtWorkbench wb;
    ComplexMatrix hadamardPair;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) hadamardPair.re(r, c) = __builtin_popcount(r & c) % 2 ? -0.5 : 0.5;
    wb.registers.EntryMatrix = hadamardPair;
    wb.registers.EntryCancelled = false;
    wb.form.AcceptEnteredTarget();
    const QString before = wb.BoxText("Text2");

    wb.ClickCell("la10");
    EXPECT_EQ(wb.CellColour("la10"), QColor(0, 255, 0));
    EXPECT_TRUE(wb.widget->findChild<QWidget*>("Command10")->isEnabled());
    ClickButton(wb.widget.get(), "Command10");
    EXPECT_NE(wb.BoxText("Text2"), before);
    EXPECT_EQ(wb.BoxText("Text2").trimmed(), AsShown(wb.form.Text("Text2")));
    EXPECT_EQ(wb.CellColour("la10"), QColor(0, 0, 255));
    SetUiScale(kSupportedUiScales[0]);
}

TEST(DecompositionThroughWidgets, ACellIsPickedAndItsGateChosenFromTheKeyboard) {
    QtWorkbench wb;
    ComplexMatrix identity = ComplexMatrix::Identity();
    identity.re(3, 3) = 0.0;
    identity.re(3, 2) = 1.0;  // a swap of states 2 and 3: la32 is red
    identity.re(2, 2) = 0.0;
    identity.re(2, 3) = 1.0;
    wb.registers.EntryMatrix = identity;
    wb.registers.EntryCancelled = false;
    wb.form.AcceptEnteredTarget();

    QApplication::setActiveWindow(wb.widget.get());
    QWidget* cell = wb.widget->findChild<QLabel*>("la32");
    cell->setFocus();
    ASSERT_EQ(QApplication::focusWidget(), cell);
    QTest::keyClick(cell, Qt::Key_Space);
    EXPECT_EQ(wb.CellColour("la32"), QColor(0, 255, 0));
    // The pick takes the focus on to the gate choice.
    ASSERT_EQ(QApplication::focusWidget()->objectName(), "Command10");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    EXPECT_EQ(wb.form.State().StepCount, 1);
}

TEST(DecompositionThroughWidgets, TheQftPresetDecomposedByMouseToItsFactorList) {
    QtWorkbench wb;
    WhenModal("Form7", [](QWidget* entry) {
        ClickButton(entry, "Command6");  // QFTセット
        ClickButton(entry, "Command9");  // 決定して閉じる
    });
    ClickButton(wb.widget.get(), "Command31");
    ASSERT_TRUE(wb.registers.TargetIsSet);

    for (const char* cell : {"la30", "la20", "la10", "la21", "la31", "la32"}) {
        if (wb.CellColour(cell) != QColor(255, 0, 0)) continue;
        wb.ClickCell(cell);
        ClickButton(wb.widget.get(), "Command10");
    }
    WhenModal("Form7", [](QWidget* entry) { ClickButton(entry, "Command7"); });  // 実行
    ClickButton(wb.widget.get(), "Command1");

    const int factors = wb.form.State().StepCount;
    ASSERT_GE(factors, 2);
    for (int k = 0; k < factors; ++k) {
        EXPECT_EQ(wb.BoxText("Text14").trimmed(), AsShown(MatrixTextOf(wb.form.State().FactorHist.at(k)))) << k;
        EXPECT_EQ(wb.widget->findChild<QLabel*>("Label7")->text(), QString::number(k));
        ClickButton(wb.widget.get(), "Command39");
    }
}

}  // namespace
}  // namespace selvaris::ui
