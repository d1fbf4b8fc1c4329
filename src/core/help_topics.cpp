// Help topics: the topic file of each label, and a topic file read and fitted to the comments
// box.

#include "core/help_topics.h"

#include <algorithm>
#include <array>

#include "core/codepage.h"
#include "core/fields.h"
#include "core/file_io.h"
#include "core/utf8.h"

namespace selvane {

namespace {
constexpr std::array<std::string_view, kFieldCount> kFieldTopics = {
    "APR.txt",          "Cmpd.txt",         "Inflation.txt",
    "Depreciation.txt", "Real APR.txt",     "Number of Payments.txt",
    "Loan Amount.txt",  "Down Payment.txt", "End Amount.txt",
    "Payment.txt",      "After.txt",        "Balance.txt",
    "PPaid.txt",        "IPaid.txt",        "Value.txt",
    "Tax.txt",          "PCost.txt"};
// A help topic is a page of text; anything far larger is not one, and is not loaded.
constexpr std::uintmax_t kMaxTopicBytes = 16u << 20;
} // namespace

std::string_view fieldTopic(int i) {
    if (i < 0 || i >= kFieldCount)
        return {};
    return kFieldTopics[static_cast<size_t>(i)];
}

std::string commentsText(std::string_view topic) {
    static_assert(kMaxCommentLine * 4 + 2 < kMaxCommentBytes, "a whole line always fits");
    std::string out;
    size_t lines = 0;
    // Adds one line of the box with its break; false when it would pass a limit.
    auto add = [&](std::string_view piece, std::string_view lineBreak) {
        if (lines == kMaxCommentLines ||
            out.size() + piece.size() + lineBreak.size() > kMaxCommentBytes)
            return false;
        out.append(piece);
        out.append(lineBreak);
        ++lines;
        return true;
    };
    bool cut = false;
    for (size_t pos = 0; pos < topic.size() && !cut;) {
        const size_t end = std::min(topic.find_first_of("\r\n", pos), topic.size());
        std::string_view line = topic.substr(pos, end - pos);
        const std::string_view rest = topic.substr(end); // empty after the last line
        const std::string_view lineBreak = rest.substr(0, rest.starts_with("\r\n") ? 2 : 1);
        pos = end + lineBreak.size();
        for (;;) {
            const size_t limit = utf8BytesOf(line, kMaxCommentLine);
            if (limit == line.size()) {
                cut = !add(line, lineBreak);
                break;
            }
            size_t at = limit;
            const size_t blank = line.rfind(' ', limit - 1);
            if (blank != std::string_view::npos && blank + 1 > limit / 2)
                at = blank + 1;
            if (!add(line.substr(0, at), "\r\n")) {
                cut = true;
                break;
            }
            line.remove_prefix(at);
        }
    }
    if (cut)
        out.append(kCommentsCutNote);
    return out;
}

std::optional<std::string> readTopic(const std::string& fileName, TopicEncoding encoding) {
    const auto bytes = readWholeFile(fileName, kMaxTopicBytes);
    if (!bytes)
        return std::nullopt;
    // Each byte becomes at least one byte of UTF-8, so whatever lies beyond the first
    // kMaxCommentBytes + 1 bytes is cut anyway: only those are converted.
    const std::string_view shown = std::string_view(*bytes).substr(0, kMaxCommentBytes + 1);
    return commentsText(encoding == TopicEncoding::Utf8 ? std::string(shown)
                                                        : utf8FromCp1252(shown));
}

std::optional<std::string> findTopic(const std::vector<std::string>& folders,
                                     const std::string& language, const std::string& topic) {
    for (const std::string& folder : folders) {
        const std::string base = folder.empty() ? std::string() : folder + "/";
        const std::string translated = base + language + "/" + topic, english = base + topic;
        std::optional<std::string> text;
        if (!language.empty())
            text = readTopic(translated, TopicEncoding::Utf8);
        if (!text)
            text = readTopic(english);
        if (text || (!language.empty() && pathExists(translated)) || pathExists(english))
            return text;
    }
    return std::nullopt;
}

std::vector<std::string> programHelpFolders(const std::string& programFolder) {
    if (programFolder.empty())
        return {};
    return {programFolder + "/../share/selvane/help", programFolder};
}

} // namespace selvane
