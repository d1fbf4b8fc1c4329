// The one UTF-8 reading: code points of well-formed text, U+FFFD over each maximal ill-formed
// part, and the same character boundaries whether text is read from the front or the back.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/codepage.h"
#include "core/utf8.h"

namespace selvane {
namespace {

constexpr char32_t R = kReplacementCharacter;

std::vector<char32_t> codePoints(std::string_view s) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < s.size();) {
        const Utf8Char c = decodeUtf8(s, i);
        out.push_back(c.codePoint);
        i += c.length;
    }
    return out;
}

TEST(Utf8, DecodesWellFormedAndReplacesEachMaximalIllFormedPart) {
    struct Case {
        const char* what;
        std::string bytes;
        std::vector<char32_t> expected;
    } cases[] = {
        {"ASCII and NUL", std::string("a\0~", 3), {0x61, 0, 0x7E}},
        {"two, three and four bytes",
         "\xC3\xA9\xE2\x82\xAC\xF0\x9F\x92\xB0",
         {0xE9, 0x20AC, 0x1F4B0}},
        {"the ends of the range", "\xC2\x80\xEF\xBF\xBF\xF4\x8F\xBF\xBF", {0x80, 0xFFFF, 0x10FFFF}},
        {"a lone continuation byte", "\x80", {R}},
        {"bytes that never start a sequence", "\xC0\xC1\xF5\xFF", {R, R, R, R}},
        {"an overlong two-byte form", "\xC0\xAF", {R, R}},
        {"an overlong three-byte form", "\xE0\x80\xAF", {R, R, R}},
        {"an overlong four-byte form", "\xF0\x8F\xBF\xBF", {R, R, R, R}},
        {"a surrogate", "\xED\xA0\x80", {R, R, R}},
        {"beyond U+10FFFF", "\xF4\x90\x80\x80", {R, R, R, R}},
        {"a cut sequence is one character", "\xE2\x82x", {R, 0x78}},
        {"a cut four-byte sequence at the end", "1\xF0\x9F\x92", {0x31, R}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(codePoints(c.bytes), c.expected) << c.what;
}

TEST(Utf8, CountsAndCutsByCharacter) {
    const std::string text = "a\xE2\x82\xAC\xFF\xE2\x82z"; // a, euro, FF, cut euro, z
    EXPECT_EQ(utf8Count(text), 5u);
    EXPECT_EQ(utf8Count(""), 0u);
    const size_t cuts[] = {0, 1, 4, 5, 7, 8, 8};
    for (size_t n = 0; n < std::size(cuts); ++n)
        EXPECT_EQ(utf8BytesOf(text, n), cuts[n]) << n;
}

// The last character found from the back is the last one a reading from the front ends with,
// for every string of up to four bytes drawn from bytes of each kind.
TEST(Utf8, LastCharacterFromTheBackAgreesWithTheFront) {
    const char pool[] = {'a',    '\x80', '\x9F', '\xA0', '\xBF', '\xC3',
                         '\xE0', '\xED', '\xF0', '\xF4', '\xFF'};
    std::vector<std::string> strings = {""};
    for (int len = 1; len <= 4; ++len) {
        std::vector<std::string> longer;
        for (const std::string& s : strings)
            if (s.size() == static_cast<size_t>(len - 1))
                for (char b : pool)
                    longer.push_back(s + b);
        strings.insert(strings.end(), longer.begin(), longer.end());
    }
    for (const std::string& body : strings) {
        const std::string s = "x" + body;
        size_t last = 0;
        for (size_t i = 0; i < s.size();) {
            last = decodeUtf8(s, i).length;
            i += last;
        }
        ASSERT_EQ(utf8LastLength(s), last) << testing::PrintToString(s);
    }
    EXPECT_EQ(utf8LastLength(""), 0u);
    EXPECT_EQ(utf8LastLength("ab\xF0\x9F\x92\xB0"), 4u);
}

// Files in the old code page: every byte comes back as it was through its Unicode character (the
// five undefined ones as the C1 controls of the same number); what the page lacks becomes '?'.
TEST(CodePage, EveryByteRoundTripsAndOthersBecomeAQuestionMark) {
    std::string bytes;
    for (int b = 0; b < 256; ++b)
        bytes += static_cast<char>(b);
    EXPECT_EQ(cp1252FromUtf8(utf8FromCp1252(bytes)), bytes);
    EXPECT_EQ(utf8FromCp1252("\x80\x9F"), "\xE2\x82\xAC\xC5\xB8"); // the euro and Y with diaeresis
    EXPECT_EQ(cp1252FromUtf8("\xE2\x82\xAC"
                             "1 \xE2\x82\xB9 \xF0\x9F\x98\x80"),
              "\x80"
              "1 ? ?");
}

} // namespace
} // namespace selvane
