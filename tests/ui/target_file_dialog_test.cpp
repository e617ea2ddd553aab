#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <QTimer>

#include "files/matrix_file_io.h"
#include "files/temp_folder.h"
#include "modal_driver.h"
#include "qt_workbench.h"

namespace selvaris::ui {
namespace {

using namespace testing;

void WhenFileDialog(std::function<void(QFileDialog*)> action, int triesLeft = 500) {
    QTimer::singleShot(5, [action = std::move(action), triesLeft]() mutable {
        if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget()))
            action(dialog);
        else if (triesLeft > 0)
            WhenFileDialog(std::move(action), triesLeft - 1);
    });
}

TEST(TargetFileDialog, TheButtonOpensTheDesktopsDialogForTheThreeKinds) {
    selvaris::testing::TempFolder folder;
    ASSERT_FALSE(WriteMatrixFile(folder / "swap.gyo", ComplexMatrix::Identity()));
    QtWorkbench wb;
    QStringList filters;
    WhenFileDialog([&](QFileDialog* dialog) {
        filters = dialog->nameFilters();
        dialog->selectFile(QString::fromStdString(folder / "swap.gyo"));
        static_cast<QDialog*>(dialog)->accept();
    });
    ClickButton(wb.widget.get(), "SetTargetFromFileButton");

    ASSERT_EQ(filters.size(), 1);
    EXPECT_TRUE(filters[0].contains("*.gyo *.npy *.qasm")) << filters[0].toStdString();
    EXPECT_TRUE(wb.registers.TargetIsSet);
    EXPECT_EQ(wb.CellColour("la00"), QColor(255, 0, 0));
}

}  // namespace
}  // namespace selvaris::ui
