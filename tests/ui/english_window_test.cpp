#include <gtest/gtest.h>

#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleOptionButton>
#include <set>

#include "core/form3.h"
#include "core/translation.h"
#include "files/form8.h"
#include "files/form9.h"
#include "modal_driver.h"
#include "qt_workbench.h"
#include "ui/window_scale.h"

namespace selvaris::ui {
namespace {

using namespace testing;

bool Japanese(const QString& text) { return HasJapanese(text.toStdString()); }

// Every visible caption of a window is English and fits its control, as the
// style leaves room for it; no title, tooltip or accessible text is Japanese.
void ExpectEnglish(QWidget* window) {
    EXPECT_FALSE(Japanese(window->windowTitle())) << window->windowTitle().toStdString();
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if (!widget->isVisible()) continue;
        const std::string name = widget->objectName().toStdString() + " at " + std::to_string(UiScale());
        for (const QString& text : {widget->toolTip(), widget->accessibleName(), widget->accessibleDescription()})
            EXPECT_FALSE(Japanese(text)) << name << ": " << text.toStdString();
        QString caption;
        int room = 0;
        if (auto* button = qobject_cast<QPushButton*>(widget)) {
            QStyleOptionButton option;
            option.initFrom(button);
            caption = button->text();
            room = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
        } else if (auto* label = qobject_cast<QLabel*>(widget)) {
            caption = label->text();
            room = label->contentsRect().width() - std::max(0, label->indent());
        } else {
            continue;
        }
        EXPECT_FALSE(Japanese(caption)) << name << ": " << caption.toStdString();
        for (const QString& line : caption.split(QLatin1Char('\n')))
            EXPECT_LE(QFontMetrics(widget->font()).horizontalAdvance(line), room) << name << ": " << line.toStdString();
    }
}

// The English translation for one test, taken out again whatever happens.
struct English {
    English() { EXPECT_TRUE(InstallEnglishTranslation(App())); }
    ~English() { RemoveEnglishTranslation(); }
};

TEST(EnglishWindows, EveryWindowReadsInEnglishAndEveryCaptionFitsAtEveryScale) {
    App();
    English english;
    // Every supported scale, and those of the screens 1280×720 and 1920×1080 (panels included).
    std::set<double> scales(std::begin(kSupportedUiScales), std::end(kSupportedUiScales));
    for (QSize screen : {QSize(1280, 720), QSize(1920, 1080)})
        scales.insert(ChooseUiScale(ProgramWindowSizes(), screen - QSize(0, 40)));
    // A decomposition through every button that changes what the windows say;
    // the windows it opens are checked and clicked through as they show.
    const struct {
        const char* click;
        const char* opens;
        std::vector<const char*> clicksThere;
    } steps[] = {
        {nullptr, nullptr, {}},        {"Command31", "Form7", {"Command6", "Command9"}},
        {"la30", nullptr, {}},         {"Command10", nullptr, {}},
        {"Command14", nullptr, {}},    {"Command12", nullptr, {}},
        {"UndoStepButton", nullptr, {}}, {"RedoStepButton", nullptr, {}},
        {"DecomposeRestButton", nullptr, {}}, {"Command1", "Form7", {"Command7"}},
        {"CircuitButton", "CircuitWindow", {"CnotFormButton"}}, {"UndoStepButton", nullptr, {}},
    };
    for (const double scale : scales) {
        SetUiScale(scale);
        InstallApplicationFonts();
        QtWorkbench wb;
        for (const auto& step : steps) {
            SCOPED_TRACE(step.click ? step.click : "at start");
            if (step.opens)
                WhenModal(step.opens, [&](QWidget* window) {
                    ExpectEnglish(window);
                    for (const char* button : step.clicksThere) ClickButton(window, button);
                    if (!window->isVisible()) return;
                    ExpectEnglish(window);
                    qobject_cast<QDialog*>(window)->reject();
                });
            if (step.click && step.click[0] == 'l') wb.ClickCell(step.click);
            else if (step.click) ClickButton(wb.widget.get(), step.click);
            ExpectEnglish(wb.widget.get());
        }
        EXPECT_EQ(wb.widget->windowTitle(), QStringLiteral("Selvaris 1.0"));
        EXPECT_EQ(wb.widget->findChild<QWidget*>("la30")->accessibleName(), QStringLiteral("row 4, column 1"));
        for (const bool finalGate : {false, true}) {
            wb.registers.FinalGateMode = finalGate;  // the check window's captions follow it
            Form3 check(wb.registers);
            Form8 save(wb.registers, wb.platform);
            Form9 open(wb.registers, wb.platform);
            for (Window* window : std::initializer_list<Window*>{&check, &save, &open}) {
                window->Load();
                ModelDialog dialog(*window, nullptr);
                dialog.show();
                ExpectEnglish(&dialog);
            }
        }
    }
    SetUiScale(kSupportedUiScales[0]);
    InstallApplicationFonts();
}

TEST(EnglishWindows, MessageBoxesAndTheirButtonsReadInEnglish) {
    App();
    English english;
    QtPlatform platform;
    const struct {
        std::string text;
        int style;
        QString shown;
    } rows[] = {
        {"/tmp/a.gyo ファイルは既に存在します。上書きしますか？", kStyleExclamationYesNo,
         "/tmp/a.gyo already exists. Replace it?"},
        {"/tmp/a を開けませんでした（2 行目：知らないゲート foo です）。", kStyleExclamationOk,
         "Could not open /tmp/a (line 2: unknown gate foo)."},
    };
    for (const auto& row : rows) {
        QString buttons, title, text;
        WhenModal("QMessageBox", [&](QWidget* modal) {
            for (QAbstractButton* button : qobject_cast<QMessageBox*>(modal)->buttons()) buttons += button->text();
            title = modal->windowTitle();
            text = AcceptMessageBox(modal);
        });
        platform.MessageBox(row.text, row.style, "メッセージ");
        EXPECT_EQ(text, row.shown);
        EXPECT_EQ(title, QStringLiteral("Message"));
        EXPECT_FALSE(buttons.isEmpty() || Japanese(buttons)) << buttons.toStdString();  // Yes/No, not はい/いいえ
    }
}

TEST(EnglishWindows, WithoutTheTranslationTheControlsKeepTheirJapanese) {
    QtWorkbench wb;
    for (const Control& control : wb.form.Controls()) {
        QWidget* widget = wb.widget->findChild<QWidget*>(QString::fromStdString(control.name));
        if (!widget) continue;  // never shown
        const auto* button = qobject_cast<QPushButton*>(widget);
        const auto* label = qobject_cast<QLabel*>(widget);
        if (button || label) {
            EXPECT_EQ(button ? button->text() : label->text(), QString::fromStdString(control.text)) << control.name;
        }
        EXPECT_EQ(widget->toolTip().section('\n', 0, 0), QString::fromStdString(control.toolTip)) << control.name;
    }
    EXPECT_EQ(wb.widget->findChild<QWidget*>("la30")->accessibleName(), QStringLiteral("行4列1"));
}

}  // namespace
}  // namespace selvaris::ui
