#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QLabel>

#include "qt_test_app.h"
#include "ui/twips.h"
#include "ui/window_binding.h"

namespace selvaris::ui {
namespace {

// A hidden control of one kind between two shown buttons, in table and tab order.
class HiddenBetweenButtons : public Window {
public:
    explicit HiddenBetweenButtons(ControlKind kind) : Window("Hidden", "hidden", 4000, 3000) {
        AddControl({"Before", ControlKind::Button, "before", 0, 0, 900, 300, true, true, 0});
        AddControl({"Hidden", kind, "first", 120, 600, 1800, 900, false, true, 1, "hidden one"});
        AddControl({"After", ControlKind::Button, "after", 150, 900, 900, 300, true, true, 2});  // over it
    }
};

TEST(HiddenControls, HaveNoWidgetUntilShownThenOneInPlaceInStateAndInOrder) {
    testing::App();
    const std::pair<ControlKind, const char*> rows[] = {
        {ControlKind::Button, "QPushButton"},      {ControlKind::Label, "QLabel"},
        {ControlKind::TextBox, "QLineEdit"},       {ControlKind::MultiLineTextBox, "selvaris::ui::MatrixTextBox"},
        {ControlKind::FileList, "QListWidget"},    {ControlKind::PictureBox, "selvaris::ui::PictureWidget"},
        {ControlKind::DriveList, "QComboBox"},     {ControlKind::CircuitView, "selvaris::ui::CircuitView"},
    };
    for (const auto& [kind, widgetClass] : rows) {
        SCOPED_TRACE(widgetClass);
        HiddenBetweenButtons window(kind);
        QWidget container;
        WindowBinding binding(window, &container, {});
        container.show();
        window.SetText("Hidden", "changed");
        EXPECT_EQ(container.findChild<QWidget*>("Hidden"), nullptr);

        window.SetVisible("Hidden", true);
        QWidget* shown = binding.WidgetFor("Hidden");
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(container.findChild<QWidget*>("Hidden"), shown);
        EXPECT_TRUE(shown->inherits(widgetClass) && shown->isVisible());
        EXPECT_EQ(shown->geometry(), QRect(TwipsToPixels(120), TwipsToPixels(600), TwipsToPixels(1800), TwipsToPixels(900)));
        EXPECT_EQ(shown->accessibleName(), QStringLiteral("hidden one"));
        const auto* label = qobject_cast<QLabel*>(shown);
        const auto* button = qobject_cast<QAbstractButton*>(shown);
        EXPECT_TRUE(!label || label->text() == QStringLiteral("changed"));  // as it was set while hidden
        EXPECT_TRUE(!button || button->text() == QStringLiteral("changed"));
        const QObjectList& stack = container.children();
        EXPECT_LT(stack.indexOf(shown), stack.indexOf(binding.WidgetFor("After")));
        const bool tabStop = shown->focusPolicy() & Qt::TabFocus;
        EXPECT_TRUE(!tabStop || binding.WidgetFor("Before")->nextInFocusChain() == shown);

        window.SetVisible("Hidden", false);
        EXPECT_EQ(binding.WidgetFor("Hidden"), shown);
        EXPECT_FALSE(shown->isVisible());
    }
}

}  // namespace
}  // namespace selvaris::ui
