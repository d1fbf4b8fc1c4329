#pragma once
// Help topics: which topic file belongs to which label, and reading a topic file.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/user_text.h"

namespace selvane {

// The topic file of the label of field i (a field index); a label keeps its topic in every mode.
std::string_view fieldTopic(int fieldIndex);
inline constexpr std::string_view kPaymentPeriodTopic = "Payment Period.txt";
inline constexpr std::string_view kCompoundPeriodTopic = "Compound Period.txt";
inline constexpr std::string_view kSelectResultTopic = "Select Result.txt";
inline constexpr std::string_view kGeneralTopic = "Startup.txt";

// What the comments box is given of a topic. The box lays out each line whole, in a time that
// grows with the square of its length, and gives every line a block of its own: a one-line topic
// of a megabyte, or one of a million empty lines, would keep the window from answering for
// seconds to minutes. A topic's own lines are a few hundred characters at most.
inline constexpr size_t kMaxCommentLine = 1000;      // characters in a line
inline constexpr size_t kMaxCommentLines = 10'000;   // lines shown of one topic
inline constexpr size_t kMaxCommentBytes = 1u << 20; // bytes (UTF-8) shown of one topic
inline constexpr std::string_view kCommentsCutNote =
    UI_TEXT("selvane::FinCalc",
            "(The rest of this topic is not shown: the box shows at most 10,000 lines or 1 MiB.)");

// The topic's text (UTF-8) as the comments box shows it: a line break (CR LF) inserted into each
// line longer than kMaxCommentLine characters, after the last blank among its first
// kMaxCommentLine characters when that blank lies in their second half, else at the limit; and when
// more than kMaxCommentLines lines or kMaxCommentBytes bytes would follow, only the whole lines
// within both limits, then kCommentsCutNote. CR LF, LF and CR each end a line. A topic of ordinary
// lines and size comes out unchanged.
std::string commentsText(std::string_view topic);

// How a topic file is written: the English topics in Windows-1252, the translated ones in UTF-8.
enum class TopicEncoding { Cp1252, Utf8 };

// What the comments box shows of a topic file: commentsText of its text in UTF-8; nullopt when
// the file cannot be read.
std::optional<std::string> readTopic(const std::string& fileName,
                                     TopicEncoding encoding = TopicEncoding::Cp1252);

// A topic from the first of `folders` ("" for the working folder, else a path) that holds it: in
// each, the translation in its language's folder ("de/APR.txt", UTF-8) before the English topic.
// A folder that holds the topic ends the search even where it cannot be read (a pipe), so that
// a topic there is never passed over for another folder's. Nullopt when none is read.
std::optional<std::string> findTopic(const std::vector<std::string>& folders,
                                     const std::string& language, const std::string& topic);

// Where a program in programFolder keeps its own topics: installed, share/selvane/help beside its
// bin/ folder; in the build tree, its own folder. A topic the working folder lacks is read there,
// so the program shows its help wherever it is started from.
std::vector<std::string> programHelpFolders(const std::string& programFolder);

} // namespace selvane
