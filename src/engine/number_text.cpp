#include "engine/number_text.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace selvane {
namespace {

bool skipped(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Position of the next character that is not skipped, from i on.
size_t next(std::string_view t, size_t i) {
    while (i < t.size() && skipped(t[i])) ++i;
    return i;
}

int radixDigit(char c, int radix) {
    int d = -1;
    if (isDigit(c)) d = c - '0';
    else if (c >= 'a' && c <= 'f') d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') d = c - 'A' + 10;
    return d < radix ? d : -1;
}

LeadingNumber scanRadix(std::string_view t, size_t i, int radix) {
    LeadingNumber n;
    n.radix = true;
    n.found = true; // "&H" alone reads 0
    double v = 0.0;
    for (i = next(t, i); i < t.size(); i = next(t, i + 1)) {
        const int d = radixDigit(t[i], radix);
        if (d < 0) break;
        v = v * radix + d;
    }
    n.overflow = !std::isfinite(v);
    n.value = n.overflow ? 0.0 : v;
    return n;
}

// The decimal exponent of the leading digit, to tell an overflow from an underflow when the
// conversion reports a value out of range.
long magnitude(std::string_view digits) {
    long intDigits = 0, leadingFractionZeros = 0, exponent = 0;
    bool seenPoint = false, seenNonZero = false;
    size_t i = 0;
    if (i < digits.size() && (digits[i] == '+' || digits[i] == '-')) ++i;
    for (; i < digits.size() && (isDigit(digits[i]) || digits[i] == '.'); ++i) {
        const char c = digits[i];
        if (c == '.') {
            seenPoint = true;
        } else if (!seenPoint) {
            if (c != '0' || seenNonZero) {
                seenNonZero = true;
                ++intDigits;
            }
        } else if (!seenNonZero) {
            if (c == '0') ++leadingFractionZeros;
            else seenNonZero = true;
        }
    }
    if (i < digits.size()) { // exponent part
        ++i;
        bool negative = false;
        if (digits[i] == '+' || digits[i] == '-') negative = digits[i++] == '-';
        // Past the text's own length plus the range of a double, a larger exponent changes
        // nothing about which side of the range the value lies.
        const long cap = static_cast<long>(digits.size()) + 400;
        for (; i < digits.size() && exponent < cap; ++i) exponent = exponent * 10 + (digits[i] - '0');
        if (negative) exponent = -exponent;
    }
    return intDigits > 0 ? exponent + intDigits : exponent - leadingFractionZeros;
}

std::string upperExponent(std::string s) {
    for (char& c : s)
        if (c == 'e') c = 'E';
    return s;
}

} // namespace

LeadingNumber scanLeadingNumber(std::string_view t) {
    size_t i = next(t, 0);
    if (i < t.size() && t[i] == '&') {
        const size_t j = next(t, i + 1);
        if (j < t.size() && (t[j] == 'H' || t[j] == 'h')) return scanRadix(t, j + 1, 16);
        if (j < t.size() && (t[j] == 'O' || t[j] == 'o')) return scanRadix(t, j + 1, 8);
        return {};
    }
    LeadingNumber n;
    std::string s;
    if (i < t.size() && (t[i] == '+' || t[i] == '-')) {
        s += t[i];
        i = next(t, i + 1);
    }
    bool point = false;
    int mantissaDigits = 0;
    for (; i < t.size(); i = next(t, i + 1)) {
        if (isDigit(t[i])) {
            s += t[i];
            ++mantissaDigits;
        } else if (t[i] == '.' && !point) {
            s += '.';
            point = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return {};
    // An exponent counts only with at least one digit: "1e" and "1e+" read 1.
    if (i < t.size() && (t[i] == 'E' || t[i] == 'e')) {
        std::string e = "e";
        size_t j = next(t, i + 1);
        if (j < t.size() && (t[j] == '+' || t[j] == '-')) {
            e += t[j];
            j = next(t, j + 1);
        }
        bool digits = false;
        for (; j < t.size() && isDigit(t[j]); j = next(t, j + 1)) {
            e += t[j];
            digits = true;
        }
        if (digits) s += e;
    }
    n.found = true;
    n.digits = s;
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), v);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (magnitude(s) > 0) {
            n.overflow = true;
        } else {
            v = s[0] == '-' ? -0.0 : 0.0;
        }
    }
    n.value = n.overflow ? 0.0 : v;
    return n;
}

std::optional<double> fieldValue(std::string_view text) {
    const LeadingNumber n = scanLeadingNumber(text);
    if (n.overflow) return std::nullopt;
    return n.value;
}

std::string formatFixed(double value, int decimals) {
    if (value == 0.0) value = 0.0; // negative zero is not below zero
    std::array<char, 400> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                 std::chars_format::fixed, decimals);
    return std::string(buf.data(), r.ptr);
}

std::string numberText(double value) {
    if (value == 0.0) return "0";
    std::array<char, 64> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                 std::chars_format::general, 15);
    return upperExponent(std::string(buf.data(), r.ptr));
}

std::string singleText(float value) {
    if (value == 0.0f) return "0";
    std::array<char, 64> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value,
                                 std::chars_format::general, 7);
    return upperExponent(std::string(buf.data(), r.ptr));
}

std::optional<float> singleValue(const LeadingNumber& number) {
    if (number.overflow) return std::nullopt;
    if (number.radix || !number.found) {
        // Checked before the conversion: a double beyond float range has no float value.
        if (std::fabs(number.value) > static_cast<double>(std::numeric_limits<float>::max()))
            return std::nullopt;
        return static_cast<float>(number.value);
    }
    const std::string& s = number.digits;
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    float f = 0.0f;
    const auto [ptr, ec] = std::from_chars(first, s.data() + s.size(), f);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (magnitude(s) > 0) return std::nullopt;
        f = s[0] == '-' ? -0.0f : 0.0f;
    }
    return f;
}

std::string roundTripText(double value) {
    std::array<char, 64> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return std::string(buf.data(), r.ptr);
}

} // namespace selvane
