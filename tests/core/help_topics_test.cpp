// What the comments box is given of a help topic: ordinary topics exactly as stored, long lines
// broken and huge topics cut, so that the box can show any topic at once.

#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/codepage.h"
#include "core/help_topics.h"
#include "support/files.h"
#include "support/topic_text.h"

namespace selvane {
namespace {

namespace fs = std::filesystem;

using selvane::testing::repeat;
using selvane::testing::slurp;

size_t characters(std::string_view s) {
    size_t n = 0;
    for (char c : s)
        n += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    return n;
}

// shown is the start of topic with nothing but line breaks (CR LF) put in.
bool isStartWithBreaks(std::string_view shown, std::string_view topic) {
    size_t i = 0;
    for (size_t j = 0; j < shown.size();) {
        if (i < topic.size() && shown[j] == topic[i]) {
            ++i;
            ++j;
        } else if (shown.substr(j, 2) == "\r\n") {
            j += 2;
        } else {
            return false;
        }
    }
    return true;
}

TEST(CommentsText, BreaksLongLinesAndCutsHugeTopics) {
    const std::string x1000 = repeat("x", 1000);
    const std::string cut{kCommentsCutNote};
    const struct {
        const char* name;
        std::string topic, shown;
    } cases[] = {
        {"ordinary lines", "Title\r\nA line.\nAnother\rend", "Title\r\nA line.\nAnother\rend"},
        {"empty", "", ""},
        {"a line of exactly the limit", x1000 + "\r\n" + x1000, x1000 + "\r\n" + x1000},
        {"one character over, no blank", x1000 + "y", x1000 + "\r\ny"},
        {"after the last blank in the second half", repeat("a", 600) + " " + repeat("b", 600),
         repeat("a", 600) + " \r\n" + repeat("b", 600)},
        {"a blank in the first half only", repeat("a", 100) + " " + repeat("b", 1000),
         repeat("a", 100) + " " + repeat("b", 899) + "\r\n" + repeat("b", 101)},
        {"the last character of the first half a blank", repeat("a", 499) + " " + repeat("b", 600),
         repeat("a", 499) + " " + repeat("b", 500) + "\r\n" + repeat("b", 100)},
        {"the first character of the second half a blank",
         repeat("a", 500) + " " + repeat("b", 600), repeat("a", 500) + " \r\n" + repeat("b", 600)},
        {"counted in characters, not bytes", repeat("\xC3\xA9", 1001),
         repeat("\xC3\xA9", 1000) + "\r\n\xC3\xA9"},
        {"pieces of a long line, its own break kept", repeat("x", 2500) + "\n" + "tail",
         x1000 + "\r\n" + x1000 + "\r\n" + repeat("x", 500) + "\ntail"},
        {"10,000 lines whole", repeat("l\r\n", 9999) + "l", repeat("l\r\n", 9999) + "l"},
        {"the 10,001st line cut", repeat("l\r\n", 10001), repeat("l\r\n", 10000) + cut},
        {"lone CRs count as lines", repeat("\r", 10001), repeat("\r", 10000) + cut},
        {"exactly 1 MiB, whole", repeat(repeat("z", 999) + "\r\n", 1047) + repeat("z", 529),
         repeat(repeat("z", 999) + "\r\n", 1047) + repeat("z", 529)},
        {"cut at the last whole line within 1 MiB", repeat(repeat("z", 999) + "\r\n", 1100),
         repeat(repeat("z", 999) + "\r\n", 1047) + cut},
    };
    for (const auto& c : cases)
        EXPECT_TRUE(commentsText(c.topic) == c.shown) << c.name;
}

TEST(CommentsText, NoTopicGivesTheBoxMoreThanItTakes) {
    std::string words;
    for (size_t i = 0; words.size() < (16u << 20); ++i)
        words += i % 7 ? "loan " : "interest ";
    const struct {
        const char* name;
        std::string topic;
    } cases[] = {
        {"one line of 4 MiB", repeat("x", 4u << 20)},
        {"16 MiB of words on one line", words},
        {"16 MiB of euro signs", utf8FromCp1252(repeat("\x80", 16u << 20))},
        {"8 million empty lines", repeat("\r\n", 8u << 20)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string shown = commentsText(c.topic);
        ASSERT_TRUE(shown.ends_with(kCommentsCutNote));
        const std::string_view kept =
            std::string_view(shown).substr(0, shown.size() - kCommentsCutNote.size());
        EXPECT_LE(kept.size(), kMaxCommentBytes);
        const auto lines = testing::linesOf(kept);
        EXPECT_LE(lines.size(), kMaxCommentLines);
        size_t longest = 0;
        for (std::string_view l : lines)
            longest = std::max(longest, characters(l));
        EXPECT_LE(longest, kMaxCommentLine);
        EXPECT_TRUE(isStartWithBreaks(kept, c.topic));
    }
}

// Every topic shipped, and every topic the script sessions use, shows exactly as stored.
TEST(CommentsText, ShippedTopicsShowAsStored) {
    int topics = 0;
    for (const char* folder : {SELVANE_HELP_DIR, SELVANE_CLI_HELP_DIR}) {
        for (const auto& e : fs::directory_iterator(folder)) {
            const std::string text = utf8FromCp1252(slurp(e.path().string()));
            EXPECT_TRUE(commentsText(text) == text) << e.path();
            const auto read = readTopic(e.path().string());
            ASSERT_TRUE(read.has_value()) << e.path();
            EXPECT_TRUE(*read == text) << e.path();
            ++topics;
        }
    }
    EXPECT_GE(topics, 2 * 21);
    EXPECT_TRUE(fieldTopic(-1).empty() && fieldTopic(kFieldCount).empty()); // no such field
}

// A topic file is read up to 16 MiB; a larger file is no help text and shows nothing.
TEST(ReadTopic, AFileOverSixteenMebibytesIsNoTopic) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("big.txt").toStdString();
    for (const size_t size : {size_t{16} << 20, (size_t{16} << 20) + 1}) {
        std::ofstream(path, std::ios::binary) << std::string(size, 'x');
        EXPECT_EQ(readTopic(path).has_value(), size == size_t{16} << 20) << size;
    }
}

// The first folder that holds a topic, in the user's language or in English, gives it, even when
// it cannot be read there (a folder where a file is expected): a later folder's copy is another
// install's.
TEST(FindTopic, TheFirstFolderHoldingTheTopicGivesIt) {
    QTemporaryDir dir;
    const std::string a = dir.filePath("a").toStdString(), b = dir.filePath("b").toStdString();
    for (const std::string& folder : {a, b})
        fs::create_directories(folder + "/de");
    std::ofstream(b + "/T.txt") << "B";
    std::ofstream(b + "/de/T.txt") << "B de";
    EXPECT_EQ(findTopic({a, b}, "de", "T.txt"), "B de");
    fs::create_directory(a + "/de/T.txt"); // there, but no file
    EXPECT_EQ(findTopic({a, b}, "de", "T.txt"), std::nullopt);
    EXPECT_EQ(findTopic({a, b}, "fr", "T.txt"), "B");
}

} // namespace
} // namespace selvane
