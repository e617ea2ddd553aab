#pragma once

#include <QApplication>

#include "ui/qt_translation.h"
#include "ui/window_binding.h"

namespace selvaris::ui::testing {

// One QApplication for the whole test program (the tests run offscreen).
inline QApplication& App() {
    static int argc = 1;
    static char name[] = "tests_ui";
    static char* argv[] = {name, nullptr};
    static QApplication* app = [] {
        auto* a = new QApplication(argc, argv);
        InstallQtJapaneseTranslation(*a);
        InstallApplicationFonts();
        return a;
    }();
    return *app;
}

}  // namespace selvaris::ui::testing
