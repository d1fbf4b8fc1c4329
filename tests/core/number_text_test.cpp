// Field texts to numbers and back: the conversions every field read and write goes through.

#include <gtest/gtest.h>

#include <bit>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "core/money.h"
#include "core/number_text.h"
#include "core/user_text.h"
#include "core/yearly_summary.h"
#include "support/case_table.h"

namespace selvane {
namespace {

// The cases are in tests/data/number_text_cases.csv: a text read as a field's number ("none":
// not read), a number formatted to the decimals given, the short forms of doubles and floats, and
// the exact difference of two figures rounded to the cent, with the double nearest to it (both
// worked out in Python's decimal arithmetic).
TEST(NumberText, TableOfCases) {
    for (const testing::CaseRow& c : testing::readCases("number_text_cases.csv")) {
        const std::string f = c.text("function"), in = c.text("input"), want = c.text("expected");
        const std::string what = f + "(" + in + "): " + c.text("why");
        if (f == "fieldValue") {
            const auto v = fieldValue(in);
            EXPECT_EQ(v.has_value(), want != "none") << what;
            if (v && want != "none") {
                const double expected = c.number("expected"); // -0 is not 0
                EXPECT_TRUE(*v == expected && std::signbit(*v) == std::signbit(expected)) << what;
            }
        } else if (f == "formatFixed") {
            EXPECT_EQ(formatFixed(c.number("input"), static_cast<int>(c.number("arg"))), want)
                << what;
        } else if (f == "numberText") {
            EXPECT_EQ(numberText(c.number("input")), want) << what;
        } else if (f == "moneyDifference") {
            const Money d = Money::ofFigure(c.number("input")) - Money::ofFigure(c.number("arg"));
            EXPECT_TRUE(d.text() == want && d.value() == c.number("nearest")) << what << d.text();
        } else if (f == "decimalCommaAsPoint") {
            EXPECT_EQ(decimalCommaAsPoint(in), want) << what;
        } else if (f == "singleValue") {
            const std::optional<float> v = singleValue(scanLeadingNumber(in));
            EXPECT_EQ(v, want == "none" ? std::nullopt : std::optional(float(c.number("expected"))))
                << what;
        } else if (f == "singleText") {
            EXPECT_EQ(singleText(*singleValue(scanLeadingNumber(in))), want) << what;
        } else {
            ADD_FAILURE() << "no function " << f;
        }
    }
    // A sum is compared by its value, whatever the carry limb it might have had.
    const Money cent = Money::ofFigure(0.01);
    EXPECT_EQ(((cent + cent) - Money::ofFigure(0.03)).text(), "-0.01");
    // Nor by a zero limb above a large figure's shifted digits: 2^53 is less than 2^53 + 2.
    const Money sum = Money::ofFigure(0x1p52) + Money::ofFigure(0x1p52 + 2);
    EXPECT_EQ((Money::ofFigure(0x1p53) - sum).text(), "-2.00");
}

// A text is what its view holds: a letter after the end of it is not read.
TEST(FieldValue, OnlyTheTextsOwnCharactersAreRead) {
    // Every start of each text, read in place (the next character is there to be misread) and
    // alone.
    for (const std::string_view text : {"&H1F", "& o17", "-1.5E+5", "+ 2 . 5e-3", "1e 5x"}) {
        for (size_t k = 0; k <= text.size(); ++k) {
            const LeadingNumber n = scanLeadingNumber(text.substr(0, k)),
                                alone = scanLeadingNumber(std::string(text.substr(0, k)));
            EXPECT_EQ(std::tie(n.found, n.value, n.digits, n.radix),
                      std::tie(alone.found, alone.value, alone.digits, alone.radix))
                << text.substr(0, k);
        }
    }
}

TEST(FieldValue, NumberBeyondDoubleRangeIsNotRead) {
    EXPECT_FALSE(fieldValue(std::string(400, '9')).has_value());
    // Long texts whose digits and exponent pull the other way: the side of the range counts.
    const std::string zeros(200000, '0');
    EXPECT_EQ(fieldValue("1" + zeros + "e-1000000"), 0.0);
    EXPECT_FALSE(fieldValue("0." + zeros + "1e+1000000").has_value());
    EXPECT_EQ(fieldValue("0." + std::string(11000, '0') + "1e9999"), 0.0); // 1e-1002: too small
}

// The fast conversions must agree with the general one for every double: the hundredths and
// thousandths give its digits, and the length of a "0.00" text, found without writing it, is the
// written text's length. Exact ties (multiples of 1/8 and 1/16) and their neighbours, around every
// power of ten (where rounding can add a digit), the 1e13 switch-over, signs and rounding to zero,
// and a wide spread of random magnitudes and bit patterns.
TEST(FormatFixed, FastPathsAgreeWithTheGeneralConversion) {
    std::vector<double> values = {0.0,   -0.0, -0.001, -0.005, -0.0051, 0.005,   0.015,
                                  0.025, 1e13, -1e13,  5e-324, -5e-324, DBL_MAX, -DBL_MAX};
    values.insert(values.end(),
                  {HUGE_VAL, -HUGE_VAL, std::nan(""), 9999999999999.995, 0.0049999999999999999});
    for (int k = -4000; k <= 4000; ++k) {
        const double tie = k / (k % 2 ? 8.0 : 16.0) + 1e6 * (k % 3);
        values.insert(values.end(), {tie, std::nextafter(tie, 1e300), std::nextafter(tie, -1e300)});
        const double cent = k / 100.0 + (k % 2 ? 0.005 : 0.0005);
        values.insert(values.end(),
                      {cent, std::nextafter(cent, 1e300), std::nextafter(cent, -1e300)});
    }
    for (int d = 0; d <= DBL_MAX_10_EXP; ++d) {
        for (const std::string& text :
             {"1e" + std::to_string(d), std::string(static_cast<size_t>(d), '9') + ".995",
              std::string(static_cast<size_t>(d), '9') + ".994999"}) {
            double v = 0;
            std::from_chars(text.data(), text.data() + text.size(), v);
            for (double down = v, up = v, step = 0; step < 3; ++step) { // three doubles each way
                up = std::nextafter(up, HUGE_VAL);
                values.insert(values.end(), {down, -down, up, -up});
                down = std::nextafter(down, 0.0);
            }
        }
    }
    std::mt19937_64 rng(20261206);
    std::uniform_real_distribution<double> exponent(-20.0, 14.0);
    for (int i = 0; i < 200000; ++i) {
        const double m = std::pow(10.0, exponent(rng));
        const std::uint64_t bits = rng(), more = rng();
        values.insert(
            values.end(),
            {i % 2 ? m : -m, std::bit_cast<double>(bits), std::bit_cast<double>(more),
             std::ldexp(static_cast<double>(more >> 11), static_cast<int>(more % 64) - 40)});
    }
    int mismatches = 0;
    for (double v : values) {
        for (int decimals : {2, 3}) {
            char fast[kFixedRoom];
            const std::string got(fast, writeFixed(fast, v, decimals));
            char general[kFixedRoom];
            const std::string want(general,
                                   std::to_chars(general, general + kFixedRoom, v == 0.0 ? 0.0 : v,
                                                 std::chars_format::fixed, decimals)
                                       .ptr);
            if (got != want && ++mismatches <= 10)
                ADD_FAILURE() << std::hexfloat << v << " to " << decimals << ": " << got << " vs "
                              << want;
        }
        if (fixed2Length(v) != format00(v).size() && ++mismatches <= 10)
            ADD_FAILURE() << std::hexfloat << v << ": " << fixed2Length(v) << " for "
                          << format00(v);
    }
    EXPECT_EQ(mismatches, 0);
}

TEST(RoundTripText, ReadsBackToTheSameDouble) {
    for (double v : {0.006250000000000089, 7.763259885603113, 1e300, -2.5, 12 / 365.25}) {
        EXPECT_EQ(std::stod(roundTripText(v)), v);
    }
}

// A sentence's template with its figures filled in; a % that names no figure given stays.
TEST(FillIn, PutsEachFigureWhereItsNumberStands) {
    EXPECT_EQ(fillIn("%2 before %1", {"one", "two"}), "two before one");
    EXPECT_EQ(fillIn("At %1 % the %1", {"5"}), "At 5 % the 5");
    EXPECT_EQ(fillIn("%1 and %2, %0, %a, 100%", {"x"}), "x and %2, %0, %a, 100%");
    EXPECT_EQ(fillIn("%1%2", {"%2", "y"}), "%2y"); // a figure is not read as a template
    EXPECT_EQ(fillIn("", {"x"}), "");
}

} // namespace
} // namespace selvane
