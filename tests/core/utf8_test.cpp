// The one UTF-8 reading: code points of well-formed text, U+FFFD over each maximal ill-formed
// part, and the same character boundaries whether text is read from the front or the back.

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "core/codepage.h"
#include "core/utf8.h"
#include "support/case_table.h"

namespace selvane {
namespace {

std::vector<char32_t> codePoints(std::string_view s) {
    std::vector<char32_t> out;
    for (size_t i = 0; i < s.size();) {
        const Utf8Char c = decodeUtf8(s, i);
        out.push_back(c.codePoint);
        i += c.length;
    }
    return out;
}

// The cases are in tests/data/utf8_cases.csv: bytes and the code points read from them.
TEST(Utf8, DecodesWellFormedAndReplacesEachMaximalIllFormedPart) {
    for (const testing::CaseRow& c : testing::readCases("utf8_cases.csv")) {
        std::vector<char32_t> expected;
        std::istringstream hex(c.text("code_points"));
        for (unsigned long cp; hex >> std::hex >> cp;)
            expected.push_back(static_cast<char32_t>(cp));
        EXPECT_EQ(codePoints(c.text("bytes")), expected) << c.line;
    }
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
        ASSERT_EQ(utf8LastLength(s), last) << ::testing::PrintToString(s);
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
