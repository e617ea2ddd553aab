#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>

#include "../files/temp_folder.h"
#include "core/form3.h"
#include "entry/form7.h"
#include "files/form8.h"
#include "files/form9.h"
#include "modal_driver.h"
#include "qt_test_app.h"
#include "ui/model_dialog.h"
#include "ui/qt_platform.h"
#include "ui/twips.h"
#include "workbench/form1.h"

namespace selvaris::ui {
namespace {

using namespace testing;
namespace fs = std::filesystem;

TEST(MessageBoxes, StandardButtonsAreJapaneseAndTheOverwriteQuestionDefaultsToNo) {
    App();
    QtPlatform platform;
    QStringList yesNoTexts;
    QString defaultText;
    WhenModal("QMessageBox", [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        yesNoTexts << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::No)->text();
        defaultText = box->defaultButton()->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(platform.MessageBox("q", kStyleExclamationYesNo + kStyleSecondButtonDefault, "Tormelle"),
              MessageAnswer::No);
    EXPECT_EQ(yesNoTexts, (QStringList{QString::fromUtf8("はい(&Y)"), QString::fromUtf8("いいえ(&N)")}));
    EXPECT_EQ(defaultText, QString::fromUtf8("いいえ(&N)"));

    QString okText;
    WhenModal("QMessageBox", [&](QWidget* modal) {
        okText = qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Ok)->text();
        AcceptMessageBox(modal);
    });
    platform.MessageBox("m", kStyleExclamationOk, "Message");
    EXPECT_EQ(okText, QCoreApplication::translate("QPlatformTheme", "OK"));
}

QListWidget* FolderList(QWidget* window) { return window->findChild<QListWidget*>(QStringLiteral("Dir1")); }

std::string ShownFolder(QWidget* window) { return FolderList(window)->item(0)->text().toStdString(); }

int Row(QListWidget* list, const char* text) { return list->row(list->findItems(QString::fromUtf8(text), Qt::MatchExactly).value(0)); }

void DoubleClickFolder(QWidget* window, const char* text) {
    QListWidget* list = FolderList(window);
    const QPoint at = list->visualItemRect(list->item(Row(list, text))).center();
    // A first click, then the second one that the desktop reports as a double click.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
    QApplication::processEvents();
}

// The second click of a double click must not land on the refilled list.
TEST(FileListsThroughWidgets, DoubleClickAndEnterEnterExactlyTheChosenFolder) {
    App();
    selvaris::testing::TempFolder temp;
    selvaris::testing::CurrentFolderGuard here(temp.path());
    fs::create_directories(temp.path() / "a");
    fs::create_directories(temp.path() / "b" / "y");
    SharedRegisters registers;
    QtPlatform platform;
    std::vector<std::string> shown;
    WhenModal("Form9", [&](QWidget* open) {
        QApplication::processEvents();
        DoubleClickFolder(open, "b");
        shown.push_back(ShownFolder(open));
        DoubleClickFolder(open, "..");
        shown.push_back(ShownFolder(open));
        QListWidget* list = FolderList(open);
        list->setFocus();
        list->setCurrentRow(Row(list, "a"));
        QTest::keyClick(list, Qt::Key_Return);
        QApplication::processEvents();
        shown.push_back(ShownFolder(open));
        open->close();
    });
    Form9 window(registers, platform);
    platform.ShowModal(window);
    EXPECT_EQ(shown, (std::vector<std::string>{temp / "b", temp.str(), temp / "a"}));
}

// The scale is chosen from the screen; every window then lies inside it and the
// matrix boxes keep their four lines of four cells.
TEST(ScreenSizes, EveryWindowLiesInsideTheScreen) {
    App();
    selvaris::testing::TempFolder temp;
    selvaris::testing::CurrentFolderGuard here(temp.path());
    struct Screen {
        QSize size;
        double scale;
    };
    for (const Screen screen : {Screen{{1280, 720}, 1.25}, Screen{{1366, 768}, 1.5}, Screen{{1920, 1080}, 1.5}}) {
        SCOPED_TRACE(screen.size.width());
        const double scale = ChooseUiScale(ProgramWindowSizes(), screen.size);
        EXPECT_EQ(scale, screen.scale);
        SetUiScale(scale);
        InstallApplicationFonts();
        const QRect area(QPoint(0, 0), screen.size);
        const auto fits = [&](QRect frame) {
            return area.contains(frame) && frame.width() + kFrameAllowanceWidth <= area.width() &&
                   frame.height() + kFrameAllowanceHeight <= area.height();
        };

        SharedRegisters registers;
        QtPlatform platform;
        platform.UseScreenSize(screen.size);
        Form1 workbench(registers, platform);
        workbench.Load();
        ModelMainWidget main(workbench);
        EXPECT_TRUE(fits(QRect(QPoint(0, 0), main.size())));

        const int w = platform.ScreenWidthTwips();
        const int h = platform.ScreenHeightTwips();
        Form3 check(registers);
        Form7 entry(registers, platform);
        Form8 save(registers, platform);
        Form9 open(registers, platform);
        for (Window* window : std::initializer_list<Window*>{&check, &entry, &save, &open}) {
            SCOPED_TRACE(window->FormName());
            const bool fileWindow = window == &save || window == &open;
            window->SetPosition(w / 2 - w / 4, fileWindow ? h / 4 : h / 3);
            QRect frame;
            int linesShort = 0;
            WhenModal(QString::fromStdString(window->FormName()), [&](QWidget* dialog) {
                frame = dialog->frameGeometry();
                for (auto* box : dialog->findChildren<QPlainTextEdit*>()) {
                    const QFontMetrics metrics(box->font());
                    const int lineWidth = metrics.horizontalAdvance(box->toPlainText().split('\n').value(0).trimmed());
                    if (lineWidth + 4 > box->viewport()->width() || 4 * metrics.lineSpacing() + 4 > box->viewport()->height())
                        ++linesShort;
                }
                dialog->close();
            });
            platform.ShowModal(*window);
            EXPECT_TRUE(fits(frame)) << frame.x() << "," << frame.y() << " " << frame.width() << "x" << frame.height();
            EXPECT_EQ(linesShort, 0);
        }
    }
    SetUiScale(kSupportedUiScales[0]);
    InstallApplicationFonts();
}

}  // namespace
}  // namespace selvaris::ui
