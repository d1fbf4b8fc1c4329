#pragma once
// The window in the user's language. Selvane ships German and French; under any other language
// nothing is loaded and every text is the English as written.
//
// The window's own texts go through tr(). The state gives its sentences already in the user's
// language (through QtHost::translate), while its short labels that the documents share (field
// captions, list entries, dialog titles, table headings) stay English in the state and are looked
// up here as they are shown, under the context "selvane::FinCalc".

#include <QLocale>
#include <QString>
#include <string_view>

namespace selvane {

// Loads the translation for the first of the locale's UI languages that Selvane has, with Qt's
// own for its dialogs, into the application. The language loaded ("de"), or empty for none.
QString installTranslations(const QLocale& locale);

// The language installTranslations loaded; empty for English.
QString uiLanguage();

// A text of the state as the window shows it.
QString uiText(std::string_view text);

} // namespace selvane
