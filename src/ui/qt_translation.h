#pragma once

#include <QCoreApplication>
#include <QString>
#include <string>

namespace selvaris::ui {

// Loads Qt's own Japanese translation ("qtbase_ja", from the Qt translations
// folder) into app, whatever the system locale, so that standard buttons such
// as OK, Yes and No read in Japanese next to the program's Japanese texts.
// Returns false when the translation is not installed; the buttons then stay English.
bool InstallQtJapaneseTranslation(QCoreApplication& app);

// The program's English translation (built from translations/selvaris_en.ts
// into the resources) and Qt's own "qtbase_en", installed after any other so
// that they win. False when the program's translation cannot be loaded.
bool InstallEnglishTranslation(QCoreApplication& app);
// Takes both out again; the program reads in Japanese once more.
void RemoveEnglishTranslation();

// At start-up: English when the desktop's first UI language is English
// (QLocale::system().uiLanguages(), not under the C or POSIX locale), else Qt's Japanese.
void InstallTranslations(QCoreApplication& app);

// A model's Japanese text as the user reads it: through QCoreApplication::translate
// while the English translation is installed, unchanged otherwise.
QString TranslatedText(const std::string& context, const std::string& text);

}  // namespace selvaris::ui
