#include "ui/qt_translation.h"

#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>
#include <cstdlib>

#include "core/translation.h"

namespace selvaris::ui {

namespace {

QTranslator* programEnglish = nullptr;
QTranslator* qtEnglish = nullptr;
// Qt's Japanese, set aside while English is installed: Qt's English is mostly
// empty, its source being English, so the Japanese would still answer.
QTranslator* qtJapanese = nullptr;

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

}  // namespace

bool InstallQtJapaneseTranslation(QCoreApplication& app) {
    auto* translator = new QTranslator(&app);
    if (!translator->load(QStringLiteral("qtbase_ja"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete translator;
        return false;
    }
    qtJapanese = translator;
    return QCoreApplication::installTranslator(translator);
}

bool InstallEnglishTranslation(QCoreApplication& app) {
    if (programEnglish) return true;
    auto* program = new QTranslator(&app);
    if (!program->load(QStringLiteral(":/i18n/selvaris_en.qm"))) {
        delete program;
        return false;
    }
    // Without Qt's English the buttons keep their built-in English, unless a
    // Japanese translation was installed before: this one then covers it.
    auto* qt = new QTranslator(&app);
    if (qt->load(QStringLiteral("qtbase_en"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        QCoreApplication::installTranslator(qt);
        qtEnglish = qt;
    } else {
        delete qt;
    }
    QCoreApplication::installTranslator(program);
    programEnglish = program;
    if (qtJapanese) QCoreApplication::removeTranslator(qtJapanese);
    return true;
}

void RemoveEnglishTranslation() {
    if (!programEnglish) return;
    for (QTranslator** translator : {&programEnglish, &qtEnglish}) {
        if (!*translator) continue;
        QCoreApplication::removeTranslator(*translator);
        delete *translator;
        *translator = nullptr;
    }
    if (qtJapanese) QCoreApplication::installTranslator(qtJapanese);
}

void InstallTranslations(QCoreApplication& app) {
    const std::string messages =
        MessagesLocale(std::getenv("LC_ALL"), std::getenv("LC_MESSAGES"), std::getenv("LANG"));
    const QStringList languages = QLocale::system().uiLanguages();
    const std::string first = languages.isEmpty() ? std::string() : languages.first().toStdString();
    if (EnglishWanted(first, messages) && InstallEnglishTranslation(app)) return;
    InstallQtJapaneseTranslation(app);
}

QString TranslatedText(const std::string& context, const std::string& text) {
    if (!programEnglish) return ToQt(text);
    const TextLookup lookup = [](const std::string& c, const std::string& source) -> std::optional<std::string> {
        const QString found = QCoreApplication::translate(c.c_str(), source.c_str());
        std::string translated = found.toStdString();
        if (translated == source) return std::nullopt;
        return translated;
    };
    return ToQt(TranslateText(context, text, lookup));
}

}  // namespace selvaris::ui
