#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cfloat>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>
#include <locale.h>
#include <memory>
#include <string>
#include <vector>

namespace selvane {
namespace {

bool skipped(char c) {
    return c == ' ' || c == '\t' || c == '\n';
}
bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// Position of the next character that is not skipped, from i on.
size_t next(std::string_view t, size_t i) {
    while (i < t.size() && skipped(t[i]))
        ++i;
    return i;
}

int radixDigit(char c, int radix) {
    int d = -1;
    if (isDigit(c))
        d = c - '0';
    else if (c >= 'a' && c <= 'f')
        d = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F')
        d = c - 'A' + 10;
    return d < radix ? d : -1;
}

LeadingNumber scanRadix(std::string_view t, size_t i, int radix) {
    LeadingNumber n;
    n.radix = true;
    n.found = true; // "&H" alone reads 0
    double v = 0.0;
    for (i = next(t, i); i < t.size(); i = next(t, i + 1)) {
        const int d = radixDigit(t[i], radix);
        if (d < 0)
            break;
        v = v * radix + d;
    }
    n.overflow = !std::isfinite(v);
    n.value = n.overflow ? 0.0 : v;
    return n;
}

// Whether a number's text that lies out of a type's range lies beyond its greatest value rather
// than below its least: the C library's conversion says infinity then. It reads the text in the
// C locale, whatever locale the program runs in.
locale_t cLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t{});
    return c;
}
bool beyondGreatest(const std::string& s, double) {
    return std::isinf(strtod_l(s.c_str(), nullptr, cLocale()));
}
bool beyondGreatest(const std::string& s, float) {
    return std::isinf(strtof_l(s.c_str(), nullptr, cLocale()));
}

std::string upperExponent(std::string s) {
    for (char& c : s)
        if (c == 'e')
            c = 'E';
    return s;
}

} // namespace

LeadingNumber scanLeadingNumber(std::string_view t) {
    size_t i = next(t, 0);
    if (i < t.size() && t[i] == '&') {
        const size_t j = next(t, i + 1);
        if (j < t.size() && (t[j] == 'H' || t[j] == 'h'))
            return scanRadix(t, j + 1, 16);
        if (j < t.size() && (t[j] == 'O' || t[j] == 'o'))
            return scanRadix(t, j + 1, 8);
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
    if (mantissaDigits == 0)
        return {};
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
        if (digits)
            s += e;
    }
    n.found = true;
    n.digits = s;
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    double v = 0.0;
    const auto [ptr, ec] = std::from_chars(first, std::to_address(s.end()), v);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (beyondGreatest(s, v)) {
            n.overflow = true;
        } else {
            v = s[0] == '-' ? -0.0 : 0.0;
        }
    }
    n.value = n.overflow ? 0.0 : v;
    return n;
}

std::string decimalCommaAsPoint(std::string text) {
    const size_t comma = text.find(',');
    // A comma at the end is followed by the string's terminating zero, which is no digit.
    if (comma == std::string::npos || text.rfind(',') != comma ||
        text.find('.') != std::string::npos ||
        !std::isdigit(static_cast<unsigned char>(text[comma + 1])))
        return text;
    text[comma] = '.';
    return text;
}

std::optional<double> fieldValue(std::string_view text) {
    const LeadingNumber n = scanLeadingNumber(text);
    if (n.overflow)
        return std::nullopt;
    return n.value;
}

namespace {
// scale * a rounded to a whole number, ties to even, for 0 <= a < 1e13 and a scale of 100 or
// 1000: a = m * 2^-shift, so 1000a = 1000m * 2^-shift, and 1000m fits in 64 bits.
std::uint64_t scaledRounded(double a, std::uint64_t scale) {
    std::uint64_t bits;
    std::memcpy(&bits, &a, sizeof bits);
    const int biased = static_cast<int>(bits >> 52);
    // a = m * 2^-shift, shift > 0 here. A zero or subnormal a gets an implicit bit it does not
    // have, but its shift of 1075 rounds it to 0 all the same.
    const std::uint64_t m = (bits & ((std::uint64_t{1} << 52) - 1)) | (std::uint64_t{1} << 52);
    const int shift = 1075 - biased;
    std::uint64_t h = 0; // scale * a rounded, ties to even
    if (shift < 64) {
        const std::uint64_t scaled = m * scale; // below 2^63
        h = scaled >> shift;
        const std::uint64_t rest = scaled & ((std::uint64_t{1} << shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (shift - 1);
        if (rest > half || (rest == half && (h & 1) != 0))
            ++h;
    } // else scale * a < 2^63 * 2^-64 rounds to 0
    return h;
}

// Characters of the whole part and decimals of a scaled, rounded value below 1e13 (so h is below
// 1e16, and p stops long before it could overflow).
int scaledLength(std::uint64_t h, std::uint64_t scale, int decimals) {
    int len = decimals + 2; // "0.00" or "0.000"
    for (std::uint64_t p = scale * 10; h >= p; p *= 10)
        ++len;
    return len;
}
} // namespace

char* writeFixed(char* out, double value, int decimals) {
    if (value == 0.0)
        value = 0.0; // negative zero is not below zero
    const double a = std::fabs(value);
    // For two or three decimals below 1e13 the exact value in hundredths or thousandths is found
    // with integers. Anything else (other decimals, huge, infinite, NaN) takes the general
    // conversion.
    if ((decimals != 2 && decimals != 3) || !(a < 1e13)) {
        return std::to_chars(out, out + kFixedRoom, value, std::chars_format::fixed, decimals).ptr;
    }
    const std::uint64_t scale = decimals == 2 ? 100 : 1000;
    std::uint64_t h = scaledRounded(a, scale);

    // A value that rounds to zero keeps its sign, as in "-0.00" for -0.001.
    if (std::signbit(value))
        *out++ = '-';
    char* const end = out + scaledLength(h, scale, decimals);
    char* d = end;
    for (int i = 0; i < decimals; ++i, h /= 10)
        *--d = static_cast<char>('0' + h % 10);
    *--d = '.';
    // The whole part two digits at a time from a table.
    static constexpr char kPairs[] =
        "00010203040506070809101112131415161718192021222324252627282930313233343536373839"
        "40414243444546474849505152535455565758596061626364656667686970717273747576777879"
        "8081828384858687888990919293949596979899";
    while (h >= 100) {
        d -= 2;
        std::memcpy(d, kPairs + 2 * (h % 100), 2);
        h /= 100;
    }
    if (h >= 10) {
        d -= 2;
        std::memcpy(d, kPairs + 2 * h, 2);
    } else {
        *--d = static_cast<char>('0' + h);
    }
    return end;
}

namespace {
int wholeDigits2(double a) {
    char buf[kFixedRoom];
    const char* end = writeFixed2(buf, a);
    return static_cast<int>(end - buf) - 3;
}

// fixed2Thresholds()[i] is the least double whose "0.00" text has 15 + i whole digits: the
// double next to 10^(14 + i) that rounds to it or above. Found once, by formatting around it.
const std::vector<double>& fixed2Thresholds() {
    static const std::vector<double> thresholds = [] {
        std::vector<double> t;
        for (int digits = 15; digits <= DBL_MAX_10_EXP + 1; ++digits) {
            // pow may miss 10^(digits - 1) by an ulp or two: the walks below mend that.
            double c = std::pow(10.0, digits - 1);
            while (wholeDigits2(std::nextafter(c, 0.0)) >= digits)
                c = std::nextafter(c, 0.0);
            while (wholeDigits2(c) < digits)
                c = std::nextafter(c, HUGE_VAL);
            t.push_back(c);
        }
        return t;
    }();
    return thresholds;
}
} // namespace

size_t fixed2Length(double value) {
    if (value == 0.0)
        value = 0.0;
    const double a = std::fabs(value);
    const size_t sign = std::signbit(value) ? 1 : 0;
    if (a < 1e13)
        return sign + static_cast<size_t>(scaledLength(scaledRounded(a, 100), 100, 2));
    if (!std::isfinite(a)) {
        char buf[kFixedRoom];
        return static_cast<size_t>(writeFixed2(buf, value) - buf);
    }
    // From 1e13 on a value has at least 14 whole digits, and one more for every threshold it
    // reaches.
    const std::vector<double>& t = fixed2Thresholds();
    const auto more = std::upper_bound(t.begin(), t.end(), a) - t.begin();
    return sign + 14 + static_cast<size_t>(more) + 3;
}

std::string formatFixed(double value, int decimals) {
    char buf[kFixedRoom];
    return std::string(buf, writeFixed(buf, value, decimals));
}

std::string numberText(double value) {
    if (value == 0.0)
        return "0";
    std::array<char, kShortRoom> buf{};
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 15);
    return upperExponent(std::string(buf.data(), r.ptr));
}

std::string singleText(float value) {
    if (value == 0.0f)
        return "0";
    std::array<char, kShortRoom> buf{};
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::general, 7);
    return upperExponent(std::string(buf.data(), r.ptr));
}

std::optional<float> singleValue(const LeadingNumber& number) {
    if (number.overflow)
        return std::nullopt;
    if (number.radix || !number.found) {
        // Checked before the conversion: a double beyond float range has no float value.
        if (std::fabs(number.value) > static_cast<double>(std::numeric_limits<float>::max()))
            return std::nullopt;
        return static_cast<float>(number.value);
    }
    const std::string& s = number.digits;
    const char* first = s.data() + (s[0] == '+' ? 1 : 0);
    float f = 0.0f;
    const auto [ptr, ec] = std::from_chars(first, std::to_address(s.end()), f);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        if (beyondGreatest(s, f))
            return std::nullopt;
        f = 0.0f; // too small for a float; a single value's zero is never shown with a sign
    }
    return f;
}

std::string roundTripText(double value) {
    std::array<char, kShortRoom> buf{};
    const auto r = std::to_chars(buf.data(), buf.data() + buf.size(), value);
    return std::string(buf.data(), r.ptr);
}

std::string plainDecimalText(double value) {
    std::array<char, kFixedRoom> buf{}; // the longest, -5e-324's, has 327 characters
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), value, std::chars_format::fixed);
    return std::string(buf.data(), r.ptr);
}

std::string moneyText(double value) {
    std::string text = format00(value);
    if (text == "-0.00")
        text.erase(0, 1);
    return text;
}

std::optional<double> wholeNumber(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    if (!text.empty() && text.front() == '+')
        text.remove_prefix(1);
    double v = 0;
    const auto [end, ec] = std::from_chars(text.data(), std::to_address(text.end()), v);
    if (text.empty() || ec != std::errc() || end != std::to_address(text.end()))
        return std::nullopt;
    return v;
}

} // namespace selvane
