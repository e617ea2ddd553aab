#include <gtest/gtest.h>

#include <QLineEdit>
#include <QListWidget>
#include <filesystem>

#include "../files/temp_folder.h"
#include "entry/form7.h"
#include "modal_driver.h"
#include "qt_test_app.h"
#include "ui/qt_platform.h"

namespace selvaris::ui {
namespace {

using namespace testing;

void ClickListItem(QWidget* window, const char* listName, const QString& itemText) {
    auto* list = window->findChild<QListWidget*>(QString::fromLatin1(listName));
    ASSERT_NE(list, nullptr);
    const auto found = list->findItems(itemText, Qt::MatchExactly);
    ASSERT_EQ(found.size(), 1);
    list->scrollToItem(found.front());
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.front()).center());
}

QString CellText(QWidget* window, const char* name) {
    return window->findChild<QLineEdit*>(QString::fromLatin1(name))->text();
}

TEST(MatrixFilesThroughWidgets, SaveFromTheEntryWindowAndOpenItAgain) {
    App();
    selvaris::testing::TempFolder folder;
    selvaris::testing::CurrentFolderGuard here(folder.path());

    SharedRegisters registers;
    QtPlatform platform;
    QStringList cellsAfterOpening;
    bool saveShown = false;
    bool openShown = false;

    WhenModal("Form7", [&](QWidget* entry) {
        ClickButton(entry, "Command6");  // QFTセット
        WhenModal("Form8", [&](QWidget* save) {
            saveShown = true;
            Retype(save, "Text1", "qft");
            ClickButton(save, "Command1");  // 保存
        });
        ClickButton(entry, "Command5");  // 行列を保存

        ClickButton(entry, "Command3");  // クリア: the cells show the identity again
        WhenModal("Form9", [&](QWidget* open) {
            openShown = true;
            QApplication::processEvents();
            ClickListItem(open, "File1", "qft.gyo");
        });
        ClickButton(entry, "Command4");  // 行列を開く
        QApplication::processEvents();
        for (const char* cell : {"T00", "T11", "T12", "T13", "T32"}) cellsAfterOpening << CellText(entry, cell);
        ClickButton(entry, "Command10");  // キャンセル
    });
    Form7 entry(registers, platform);
    platform.ShowModal(entry);

    EXPECT_TRUE(saveShown);
    EXPECT_TRUE(openShown);
    EXPECT_EQ(std::filesystem::file_size(folder.path() / "qft.gyo"), 256u);
    EXPECT_EQ(cellsAfterOpening, (QStringList{"1", "-1", "i", "-i", "-i"}));
    EXPECT_TRUE(registers.MatrixFileLoaded);
}

}  // namespace
}  // namespace selvaris::ui
