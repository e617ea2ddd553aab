#include <gtest/gtest.h>

#include <QFontInfo>
#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>

#include "core/matrix_text.h"
#include "qt_test_app.h"
#include "support/fake_platform.h"
#include "ui/model_dialog.h"
#include "ui/twips.h"
#include "workbench/form1.h"

namespace selvaris::ui {
namespace {

struct BoundWorkbench {
    SharedRegisters registers;
    selvaris::testing::FakePlatform platform;
    Form1 form{registers, platform};
    std::unique_ptr<ModelMainWidget> widget;
    BoundWorkbench() {
        testing::App();
        form.Load();
        widget = std::make_unique<ModelMainWidget>(form);
    }
    template <typename T = QWidget>
    T* Find(const std::string& name) {
        return widget->findChild<T*>(QString::fromStdString(name));
    }
};

TEST(MainWindowWidgets, EveryShownControlHasItsWidgetWithGeometryCaptionVisibilityAndState) {
    BoundWorkbench b;
    EXPECT_EQ(b.widget->windowTitle(), QString::fromUtf8("Selvaris 1.0"));
    for (const Control& c : b.form.Controls()) {
        SCOPED_TRACE(c.name);
        QWidget* w = b.Find(c.name);
        ASSERT_EQ(w != nullptr, c.visible);  // a control never shown has no widget
        if (!w) continue;
        EXPECT_EQ(w->geometry(), QRect(TwipsToPixels(c.left), TwipsToPixels(c.top), TwipsToPixels(c.width),
                                       TwipsToPixels(c.height)));
        EXPECT_EQ(w->isVisibleTo(b.widget.get()), c.visible);
        EXPECT_EQ(w->isEnabled(), c.enabled);
        if (auto* button = qobject_cast<QPushButton*>(w)) {
            EXPECT_EQ(button->text().toStdString(), c.text);
        }
        if (auto* label = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(label->text().toStdString(), c.text);
            EXPECT_FALSE(label->autoFillBackground());  // no cell or grid colour yet
        }
    }
    EXPECT_TRUE(b.Find("Command31")->isEnabled());
    EXPECT_FALSE(b.Find("Command1")->isEnabled());
}

TEST(MainWindowWidgets, MatrixBoxesAndPicturesAreNamedForScreenReaders) {
    BoundWorkbench b;
    const std::pair<const char*, const char*> names[] = {
        {"Text91", "ひとつ前のターゲット行列"}, {"Text2", "現時点のターゲット行列"},
        {"Text11", "ゲートの逆行列"},           {"Text02", "今までのゲートの逆行列"},
        {"Text14", "ゲート"},
    };
    for (const auto& [control, accessible] : names)
        EXPECT_EQ(b.Find(control)->accessibleName(), QString::fromUtf8(accessible)) << control;
    // Cell and grid labels say where they are, and their colour in words.
    EXPECT_EQ(b.Find("la21")->accessibleName(), QString::fromUtf8("行3列2"));
    EXPECT_EQ(b.Find("g1_03")->accessibleName(), QString::fromUtf8("L 行1列4"));
    EXPECT_EQ(b.Find("g2_30")->accessibleName(), QString::fromUtf8("R 行4列1"));
    b.form.GreyGateGrids();
    EXPECT_EQ(b.Find("g2_30")->accessibleDescription(), QString::fromUtf8("使わない"));
    EXPECT_FALSE(b.Find("Picture1")->accessibleName().isEmpty());
    EXPECT_FALSE(b.Find("Picture2")->accessibleName().isEmpty());
}

// At every scale the program may choose, the fonts shrink with the boxes.
class MatrixBoxAtScale : public ::testing::TestWithParam<double> {};
INSTANTIATE_TEST_SUITE_P(SupportedScales, MatrixBoxAtScale, ::testing::ValuesIn(kSupportedUiScales));

TEST_P(MatrixBoxAtScale, ShowsFourLinesOfFourCellsWithoutScrolling) {
    testing::App();
    SetUiScale(GetParam());
    InstallApplicationFonts();
    BoundWorkbench b;
    ComplexMatrix wide;
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            wide.re(r, c) = -0.7071;
            wide.im(r, c) = -0.7071;
        }
    ShowInTextBox(b.registers, wide, b.form, "Text2");
    b.widget->show();
    QApplication::processEvents();
    auto* box = b.Find<QLabel>("Text2");
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(QFontInfo(box->font()).fixedPitch());
    const QStringList lines = box->text().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 4);
    const QFontMetrics metrics(box->font());
    const QRect area = box->contentsRect();
    for (const QString& line : lines) EXPECT_LE(metrics.horizontalAdvance(line.trimmed()) + 4, area.width());
    EXPECT_LE(4 * metrics.lineSpacing() + 4, area.height());
    SetUiScale(kSupportedUiScales[0]);
    InstallApplicationFonts();
}

TEST(MainWindowWidgets, ModelChangesReachTheWidgetsAndLabelClicksReachTheModel) {
    BoundWorkbench b;
    b.form.SetBackColour("la21", kRed);
    auto* label = b.Find<QLabel>("la21");
    EXPECT_TRUE(label->autoFillBackground());
    EXPECT_EQ(label->palette().color(QPalette::Window), QColor(255, 0, 0));
    EXPECT_EQ(label->accessibleDescription(), QString::fromUtf8("非ゼロ"));
    b.form.SetEnabled("Command1", true);
    EXPECT_TRUE(b.Find("Command1")->isEnabled());
}

}  // namespace
}  // namespace selvaris::ui
