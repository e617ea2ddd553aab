#pragma once

#include <QCoreApplication>

namespace selvaris::ui {

// Loads Qt's own Japanese translation ("qtbase_ja", from the Qt translations
// folder) into app, whatever the system locale, so that standard buttons such
// as OK, Yes and No read in Japanese next to the program's Japanese texts.
// Returns false when the translation is not installed; the buttons then stay English.
bool InstallQtJapaneseTranslation(QCoreApplication& app);

}  // namespace selvaris::ui
