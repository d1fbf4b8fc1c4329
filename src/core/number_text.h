#pragma once
// Field texts to numbers and numbers to texts: how the calculator reads what the user typed and
// writes what it computed. Independent of the user's locale: a period is always the decimal point.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace selvane {

// The longest leading part of a text that reads as a number. Blanks, tabs and line feeds are
// skipped anywhere; "&H"/"&O" start a hexadecimal/octal whole number; a comma ends the number.
struct LeadingNumber {
    double value = 0.0;
    bool found = false;    // at least one digit was read
    bool overflow = false; // the number lies beyond the range of a double
    std::string digits;    // the accepted characters, blanks removed (decimal numbers only)
    bool radix = false;    // read as &H or &O
};
LeadingNumber scanLeadingNumber(std::string_view text);

// The number of a field: 0 when the text holds no number, nullopt when the number is beyond the
// range of a double. Such a read is treated like a failing step: the target keeps its value.
std::optional<double> fieldValue(std::string_view text);

// A text written with a decimal comma, as a field reads it: where its one comma can only be a
// decimal comma (no other comma, no period, a digit after it: "7,5", "-0,25"), that comma becomes
// a period. Any other text comes back as it is.
std::string decimalCommaAsPoint(std::string text);

// Display formats "0.000" and "0.00": every integer digit, rounded to nearest (an exact binary
// tie goes to the even digit), a minus sign only for a value below zero. Decimals 0 to 40.
std::string formatFixed(double value, int decimals);
inline std::string format00(double value) {
    return formatFixed(value, 2);
}
// A money figure outside the report, in a sentence or a summary: a figure that rounds to no cents
// is zero, "0.00", not the report's "-0.00".
std::string moneyText(double value);

// formatFixed written straight into a buffer, for the millions of figures of a long report: at
// least kFixedRoom characters must be free at out. Returns the end of the text.
inline constexpr size_t kFixedRoom = 360;
char* writeFixed(char* out, double value, int decimals);
inline char* writeFixed2(char* out, double value) {
    return writeFixed(out, value, 2);
}
// The number of characters writeFixed2 writes for value, found without writing them: the length
// of a long report's text in a fraction of the time its formatting takes.
size_t fixed2Length(double value);

// The ordinary text of a number: shortest form of up to 15 significant digits ("12288", "3E+20").
std::string numberText(double value);

// The text of a single-precision value, up to 7 significant digits ("7.5", "1.234568E+07").
std::string singleText(float value);

// A decimal text rounded straight to the nearest float; nullopt when it is beyond float range.
std::optional<float> singleValue(const LeadingNumber& number);

// Shortest text that reads back as the same double (for the JSON dump and messages).
std::string roundTripText(double value);
// A number typed into a What If input: the whole text, blanks around it aside, must be one
// decimal number. Unlike a field, "12abc" is not 12: a refused text is said to be refused.
std::optional<double> wholeNumber(std::string_view text);

// Every digit a double needs to read back the same, in plain decimals without an exponent: what
// a front end types into a field for a value the user did not type.
std::string plainDecimalText(double value);

// Room for the short texts above: 24 characters is the longest ("-2.2250738585072014e-308"), and
// a row number of 19 digits fits too.
inline constexpr size_t kShortRoom = 32;

} // namespace selvane
