#include "ui/qt_translation.h"

#include <QLibraryInfo>
#include <QTranslator>

namespace selvaris::ui {

bool InstallQtJapaneseTranslation(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    return QCoreApplication::installTranslator(translator);
}

}  // namespace selvaris::ui
