#include <gtest/gtest.h>

#include <QListWidget>
#include <QMessageBox>
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

TEST(MessageBoxes, StandardButtonsAreJapaneseAndTheOverwriteQuestionDefaultsToNo) {
    App();
    QtPlatform platform;
    QStringList texts;
    WhenModal("QMessageBox", [&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        texts << box->button(QMessageBox::Yes)->text() << box->button(QMessageBox::No)->text()
              << box->defaultButton()->text();
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(platform.MessageBox("q", kStyleExclamationYesNo + kStyleSecondButtonDefault, "Tormelle"),
              MessageAnswer::No);
    EXPECT_EQ(texts, (QStringList{"はい(&Y)", "いいえ(&N)", "いいえ(&N)"}));
}

// The second click of a double click must not land on the refilled list.
TEST(FileListsThroughWidgets, DoubleClickAndEnterEnterExactlyTheChosenFolder) {
    App();
    selvaris::testing::TempFolder temp;
    selvaris::testing::CurrentFolderGuard here(temp.path());
    std::filesystem::create_directories(temp.path() / "a");
    std::filesystem::create_directories(temp.path() / "b" / "y");
    std::vector<std::string> shown;
    WhenModal("Form9", [&](QWidget* open) {
        auto* list = open->findChild<QListWidget*>("Dir1");
        const auto row = [&](const char* text) { return list->row(list->findItems(text, Qt::MatchExactly).value(0)); };
        for (const char* folder : {"b", ".."}) {
            const QPoint at = list->visualItemRect(list->item(row(folder))).center();
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
            QApplication::processEvents();
            QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);  // the second click of the two
            QApplication::processEvents();
            shown.push_back(list->item(0)->text().toStdString());
        }
        list->setCurrentRow(row("a"));
        QTest::keyClick(list, Qt::Key_Return);
        QApplication::processEvents();
        shown.push_back(list->item(0)->text().toStdString());
        open->close();
    });
    SharedRegisters registers;
    QtPlatform platform;
    Form9 window(registers, platform);
    platform.ShowModal(window);
    EXPECT_EQ(shown, (std::vector<std::string>{temp / "b", temp.str(), temp / "a"}));
}

// The scale is chosen from the screen, and every window then lies inside it;
// MatrixBoxAtScale checks the matrix boxes at each scale.
TEST(ScreenSizes, EveryWindowLiesInsideTheScreen) {
    App();
    const std::pair<QSize, double> screens[] = {{{1280, 720}, 1.25}, {{1366, 768}, 1.5}, {{1920, 1080}, 1.5}};
    for (const auto& [size, expectedScale] : screens) {
        SCOPED_TRACE(size.width());
        SetUiScale(ChooseUiScale(ProgramWindowSizes(), size));
        EXPECT_EQ(UiScale(), expectedScale);
        const auto fits = [&](QRect frame) { return QRect(QPoint(0, 0), size).contains(frame); };
        SharedRegisters registers;
        QtPlatform platform;
        platform.UseScreenSize(size);
        Form1 workbench(registers, platform);
        EXPECT_TRUE(fits(QRect(QPoint(0, 0), ModelMainWidget(workbench).size())));

        const int w = platform.ScreenWidthTwips();
        const int h = platform.ScreenHeightTwips();
        Form3 check(registers);
        Form7 entry(registers, platform);
        Form8 save(registers, platform);
        Form9 open(registers, platform);
        for (Window* window : std::initializer_list<Window*>{&check, &entry, &save, &open}) {
            window->SetPosition(w / 2 - w / 4, window == &save || window == &open ? h / 4 : h / 3);
            QRect frame;
            WhenModal(QString::fromStdString(window->FormName()), [&](QWidget* dialog) {
                frame = dialog->frameGeometry();
                dialog->close();
            });
            platform.ShowModal(*window);
            EXPECT_TRUE(fits(frame)) << window->FormName() << " " << frame.x() << "+" << frame.width();
        }
    }
    SetUiScale(kSupportedUiScales[0]);
}

}  // namespace
}  // namespace selvaris::ui
