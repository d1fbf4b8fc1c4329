// Field texts to numbers and back: whatever bytes a user types or a file holds, the reader must
// agree with the C library on decimal numbers, never yield an infinite or NaN field value, and
// the display formats must read back as what they show.

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "core/number_text.h"
#include "fuzz_check.h"

namespace selvane {
namespace {

bool digitsOnly(std::string_view s) {
    return !s.empty() && s.find_first_not_of("0123456789") == std::string_view::npos;
}

// "-ddd.dd" with exactly `decimals` digits after the point, a minus only below zero.
void checkFixed(double value, int decimals) {
    const std::string s = formatFixed(value, decimals);
    const size_t point = s.find('.');
    FUZZ_CHECK(point != std::string::npos && s.size() - point - 1 == static_cast<size_t>(decimals));
    const bool minus = s[0] == '-';
    FUZZ_CHECK(minus == (value < 0.0));
    FUZZ_CHECK(digitsOnly(std::string_view(s).substr(minus ? 1 : 0, point - (minus ? 1 : 0))));
    FUZZ_CHECK(digitsOnly(std::string_view(s).substr(point + 1)));
    const auto back = fieldValue(s);
    FUZZ_CHECK(back.has_value());
    // Half a unit of the last shown digit, plus the rounding of the read itself.
    const double half = decimals == 2 ? 0.005 : 0.0005;
    FUZZ_CHECK(std::fabs(*back - value) <= half * (1 + 1e-9) + std::fabs(value) * 0x1p-51);
}

void checkNumberText(double value) {
    const std::string s = numberText(value);
    FUZZ_CHECK(!s.empty() && s.find_first_of("einaINA") == std::string::npos);
    const auto back = fieldValue(s);
    // From 1.797693134862315E+308 up, fifteen digits round beyond the largest double
    // ("1.79769313486232E+308") and the text is not read; everywhere else it must be.
    if (!back) {
        FUZZ_CHECK(std::fabs(value) >= 1.797693134862315e308);
        return;
    }
    // Fifteen significant digits: at most half a unit of the fifteenth digit away, and reading
    // the text and writing it again gives the same text.
    FUZZ_CHECK(std::fabs(*back - value) <= std::fabs(value) * 5.3e-15 + DBL_TRUE_MIN);
    FUZZ_CHECK(numberText(*back) == s);
}

void checkSingle(float value) {
    const std::string s = singleText(value);
    FUZZ_CHECK(!s.empty() && s.find_first_of("einaINA") == std::string::npos);
    const auto back = singleValue(scanLeadingNumber(s));
    FUZZ_CHECK(back.has_value());
    FUZZ_CHECK(std::fabs(*back - value) <= std::fabs(value) * 5.7e-7f + FLT_TRUE_MIN);
}

void checkValue(double value) {
    checkFixed(value, 2);
    checkFixed(value, 3);
    checkNumberText(value);
    if (std::fabs(value) <= static_cast<double>(FLT_MAX))
        checkSingle(static_cast<float>(value));
}

} // namespace
} // namespace selvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace selvane;
    const std::string_view text(reinterpret_cast<const char*>(data), size);

    const LeadingNumber n = scanLeadingNumber(text);
    const auto v = fieldValue(text);
    FUZZ_CHECK(v.has_value() == !n.overflow);
    if (!n.found)
        FUZZ_CHECK(n.value == 0.0 && !n.overflow && !n.radix && n.digits.empty());
    if (v) {
        FUZZ_CHECK(std::isfinite(*v));
        FUZZ_CHECK(*v == n.value);
    }

    if (n.found && !n.radix) {
        // The accepted characters are a plain decimal number the C library reads whole, to the
        // same double; an overflow is one for the C library too.
        errno = 0;
        char* end = nullptr;
        const double d = std::strtod(n.digits.c_str(), &end);
        FUZZ_CHECK(end == n.digits.c_str() + n.digits.size());
        FUZZ_CHECK(n.overflow == std::isinf(d));
        if (!n.overflow)
            FUZZ_CHECK(d == n.value);
        end = nullptr;
        const float f = std::strtof(n.digits.c_str(), &end);
        const auto single = singleValue(n);
        FUZZ_CHECK(single.has_value() == !std::isinf(f));
        if (single)
            FUZZ_CHECK(*single == f);
    }
    if (n.radix && !n.overflow)
        FUZZ_CHECK(n.value >= 0.0 && n.value == std::floor(n.value));

    if (v)
        checkValue(*v);
    if (const auto single = singleValue(n))
        checkSingle(*single);

    // The same formats on arbitrary bit patterns, subnormals and extremes included.
    if (size >= sizeof(double)) {
        double raw;
        std::memcpy(&raw, data, sizeof raw);
        if (std::isfinite(raw))
            checkValue(raw);
        float rawSingle;
        std::memcpy(&rawSingle, data, sizeof rawSingle);
        if (std::isfinite(rawSingle))
            checkSingle(rawSingle);
    }
    return 0;
}
