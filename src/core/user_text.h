#pragma once
// Texts the window shows in the user's language. Where such a text is written it is marked
// UI_TEXT("selvane::FinCalc", "..."), which is the text itself: Qt's lupdate collects the marked
// texts (the build names UI_TEXT an alias of QT_TRANSLATE_NOOP) and the window looks each one up as
// it shows it. selvane-cli and every document (report, printout, export, scenario file) use the
// English as written.

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

#define UI_TEXT(context, text) text

namespace selvane {

// A marked text in the user's language: the window's translation, or the text as written.
using Translate = std::function<std::string(const char*)>;
inline std::string asWritten(const char* text) {
    return text;
}

// A sentence with figures in it, written as a template so a translation may put them where its
// language wants them: each %1 to %9 of `text` is replaced by that argument ("%2 of %1"); a %
// followed by anything else stays as it is.
std::string fillIn(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace selvane
