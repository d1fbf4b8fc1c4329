// The scenario file format: writing, and reading quoted items, commas, line ends and short files.

#include <gtest/gtest.h>

#include "core/scenario_format.h"

namespace selvane {
namespace {

std::vector<std::string> items(std::string_view bytes) {
    ItemReader r(bytes);
    std::vector<std::string> out;
    while (auto item = r.next())
        out.push_back(*item);
    return out;
}

TEST(ScenarioFormat, WritesEighteenQuotedLines) {
    std::array<std::string, kScenarioFieldCount> texts;
    texts[0] = "7.500";
    texts[2] = "caf\xC3\xA9"; // é becomes one Windows-1252 byte
    const std::string s = scenarioText("PersonalLoan", 0, texts);
    EXPECT_EQ(s.substr(0, 32), "\"PersonalLoan\"\r\n0\r\n\"7.500\"\r\n\"\"\r\n");
    EXPECT_NE(s.find("\"caf\xE9\"\r\n"), std::string::npos);
    size_t lines = 0;
    for (size_t at = 0; (at = s.find("\r\n", at)) != std::string::npos; at += 2)
        ++lines;
    EXPECT_EQ(lines, 18u);
}

TEST(ItemReader, QuotesCommasAndLineEnds) {
    const struct {
        const char* bytes;
        std::vector<std::string> expected;
    } cases[] = {
        {"\"a\"\r\n\"b\"\r\n", {"a", "b"}},
        {"\"a, b\",c\n", {"a, b", "c"}},            // comma inside quotes
        {"\"x\"junk,y\r", {"x", "y"}},              // after the closing quote: skipped
        {"  12 , 7.5 \r\n-1", {"12", "7.5", "-1"}}, // unquoted items are trimmed
        {"1\r2\n3\r\n4", {"1", "2", "3", "4"}},     // CR, LF and CR LF end a line
        {"\"multi\r\nline\"\r\nz", {"multi\r\nline", "z"}},
        {"\"unterminated", {"unterminated"}},
        {"a\r\n\r\nb", {"a", "", "b"}}, // an empty line is an empty item
        {"", {}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(items(c.bytes), c.expected) << c.bytes;
}

TEST(ReadScenario, CompleteFile) {
    std::string bytes = "\"Mortgage\"\r\n2\r\n";
    for (int i = 0; i < kScenarioFieldCount; ++i)
        bytes += "\"" + std::to_string(i) + ".50\"\r\n";
    const ScenarioRead r = readScenario(bytes);
    ASSERT_TRUE(r.complete);
    EXPECT_EQ(*r.mode, "Mortgage");
    EXPECT_EQ(*r.resultType, 2);
    ASSERT_EQ(r.values.size(), 16u);
    EXPECT_EQ(r.values[15], 15.5f);
}

TEST(ReadScenario, ShortBrokenAndOddFiles) {
    // A short file is read as far as it goes; the rest of the fields keep their text.
    ScenarioRead r = readScenario("\"Income\"\r\n1\r\n\"5\"\r\n\"\"\r\n");
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.values, (std::vector<float>{5.0f, 0.0f}));
    // A field item with no number ends the reading: the mode was read, the rest fails.
    r = readScenario("\"Income\"\r\n1\r\n\"abc\"\r\n");
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(*r.mode, "Income");
    // A result type that is not a number fails before any field.
    r = readScenario("\"Income\"\r\nx\r\n\"1\"\r\n");
    EXPECT_FALSE(r.complete);
    EXPECT_FALSE(r.resultType.has_value());
    // Only the mode line.
    r = readScenario("Investment");
    EXPECT_FALSE(r.complete);
    EXPECT_EQ(*r.mode, "Investment");
    EXPECT_FALSE(readScenario("").mode.has_value());
    // Binary noise never crashes and never reads past the end.
    // Here the items are: the noise up to the comma, then empty items, each read as 0.
    const std::string noise("\0\xFF\"\x01,\r\r\n\"", 9);
    r = readScenario(noise);
    EXPECT_TRUE(r.complete);
    EXPECT_EQ(r.mode->size(), 5u); // NUL, ÿ (two bytes in UTF-8), quote, 0x01
    EXPECT_EQ(*r.resultType, 0);
    EXPECT_EQ(r.values, (std::vector<float>{0.0f, 0.0f}));
    // A value beyond float range fails; items past the sixteenth are not read.
    r = readScenario("\"Income\"\r\n0\r\n1e39\r\n");
    EXPECT_FALSE(r.complete);
    std::string many = "\"Income\"\r\n0\r\n";
    for (int i = 0; i < 20; ++i)
        many += i < kScenarioFieldCount ? "1\r\n" : "junk\r\n";
    EXPECT_TRUE(readScenario(many).complete);
}

TEST(ReadScenario, WholeNumbersRoundToNearestEven) {
    EXPECT_EQ(*wholeNumberItem("2"), 2);
    EXPECT_EQ(*wholeNumberItem(" -1 "), -1);
    EXPECT_EQ(*wholeNumberItem("2.5"), 2);
    EXPECT_EQ(*wholeNumberItem("3.5"), 4);
    EXPECT_EQ(*wholeNumberItem(""), 0);
    EXPECT_FALSE(wholeNumberItem("1e20").has_value());
}

} // namespace
} // namespace selvane
