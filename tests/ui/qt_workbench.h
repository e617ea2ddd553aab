#pragma once

#include <QLabel>
#include <QtTest/QTest>
#include <memory>

#include "qt_test_app.h"
#include "ui/model_dialog.h"
#include "ui/qt_platform.h"
#include "workbench/form1.h"

namespace selvaris::ui::testing {

// The main window as the program builds it, on the offscreen platform.
struct QtWorkbench {
    SharedRegisters registers;
    QtPlatform platform;
    Form1 form{registers, platform};
    std::unique_ptr<ModelMainWidget> widget;
    QtWorkbench() {
        App();
        form.Load();
        widget = std::make_unique<ModelMainWidget>(form);
        widget->show();
    }
    void ClickCell(const char* name) {
        QTest::mouseClick(widget->findChild<QLabel*>(QString::fromLatin1(name)), Qt::LeftButton);
    }
    QColor CellColour(const char* name) {
        auto* label = widget->findChild<QLabel*>(QString::fromLatin1(name));
        return label->autoFillBackground() ? label->palette().color(QPalette::Window) : QColor();
    }
    QString BoxText(const char* name) { return widget->findChild<QLabel*>(name)->text(); }
};

}  // namespace selvaris::ui::testing
