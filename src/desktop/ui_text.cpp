#include "desktop/ui_text.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <string>

namespace selvane {

namespace {
QString& loadedLanguage() {
    static QString language;
    return language;
}
} // namespace

QString installTranslations(const QLocale& locale) {
    // Parented to the application, which keeps them for as long as it translates.
    auto* own = new QTranslator(QCoreApplication::instance());
    if (!own->load(locale, QStringLiteral("selvane"), QStringLiteral("_"),
                   QStringLiteral(":/i18n"))) {
        delete own;
        return {};
    }
    QCoreApplication::installTranslator(own);
    // Qt's own texts (the file and print dialogs' buttons), only beside ours: under a language
    // Selvane does not speak, its dialogs stay as English as the rest of the window.
    auto* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    loadedLanguage() = own->language().section(QLatin1Char('_'), 0, 0);
    return loadedLanguage();
}

QString uiLanguage() {
    return loadedLanguage();
}

QString uiText(std::string_view text) {
    return QCoreApplication::translate("selvane::FinCalc", std::string(text).c_str());
}

} // namespace selvane
