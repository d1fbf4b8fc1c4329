#include "core/money.h"

#include <algorithm>
#include <bit>
#include <cmath>

namespace selvane {

namespace {

using Limbs = std::vector<std::uint32_t>;
__extension__ typedef __int128 Wide; // GCC's and Clang's 128-bit integer

void trim(Limbs& a) {
    while (!a.empty() && a.back() == 0)
        a.pop_back();
}

Limbs ofU64(std::uint64_t v) {
    Limbs a{static_cast<std::uint32_t>(v), static_cast<std::uint32_t>(v >> 32)};
    trim(a);
    return a;
}

// Whether a holds less than b (neither has leading zero limbs).
bool less(const Limbs& a, const Limbs& b) {
    if (a.size() < b.size())
        return true;
    if (a.size() > b.size())
        return false;
    return std::lexicographical_compare(a.rbegin(), a.rend(), b.rbegin(), b.rend());
}

Limbs add(const Limbs& a, const Limbs& b) {
    Limbs out(std::max(a.size(), b.size()) + 1);
    std::uint64_t carry = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        carry += (i < a.size() ? a[i] : 0u) + std::uint64_t{i < b.size() ? b[i] : 0u};
        out[i] = static_cast<std::uint32_t>(carry);
        carry >>= 32;
    }
    trim(out);
    return out;
}

// a - b for a >= b.
Limbs subtract(const Limbs& a, const Limbs& b) {
    Limbs out(a.size());
    std::int64_t borrow = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        std::int64_t d = static_cast<std::int64_t>(a[i]) - (i < b.size() ? b[i] : 0) - borrow;
        borrow = d < 0 ? 1 : 0;
        out[i] = static_cast<std::uint32_t>(d + (borrow << 32));
    }
    trim(out);
    return out;
}

Limbs shiftedLeft(Limbs a, int bits) {
    a.insert(a.begin(), static_cast<size_t>(bits / 32), 0u);
    if (bits % 32 != 0) {
        std::uint32_t carry = 0;
        for (std::uint32_t& limb : a) {
            const std::uint32_t next = limb >> (32 - bits % 32);
            limb = (limb << (bits % 32)) | carry;
            carry = next;
        }
        a.push_back(carry);
    }
    trim(a);
    return a;
}

// a / d in place; the remainder.
std::uint32_t divide(Limbs& a, std::uint32_t d) {
    std::uint64_t rest = 0;
    for (size_t i = a.size(); i-- > 0;) {
        const std::uint64_t cur = (rest << 32) | a[i];
        a[i] = static_cast<std::uint32_t>(cur / d);
        rest = cur % d;
    }
    trim(a);
    return static_cast<std::uint32_t>(rest);
}

int bitLength(const Limbs& a) {
    return a.empty() ? 0 : static_cast<int>(32 * (a.size() - 1)) + std::bit_width(a.back());
}

// The nearest double to n / 100 for n below 2^60. Below 2^53 both are exact doubles and one
// division rounds right; above, the quotient in long double is within a step of the answer,
// and the nearest of it and its neighbours is found exactly, in 128-bit integers.
double hundredth(std::uint64_t n) {
    if (n < (std::uint64_t{1} << 53))
        return static_cast<double>(n) / 100.0;
    const double guess = static_cast<double>(static_cast<long double>(n) / 100.0L);
    // From 2^53 / 100 to 2^60 / 100 a double is a whole number of 64ths: 100 d - n in 64ths.
    const auto distance = [n](double d) {
        const auto d64 = static_cast<Wide>(std::ldexp(d, 6));
        const Wide diff = 100 * d64 - (static_cast<Wide>(n) << 6);
        return diff < 0 ? -diff : diff;
    };
    double best = guess;
    for (const double d : {std::nextafter(guess, 0.0), std::nextafter(guess, 1e300)}) {
        const Wide a = distance(d), b = distance(best);
        const bool evenD = (std::bit_cast<std::uint64_t>(d) & 1) == 0; // its mantissa's last bit
        if (a < b || (a == b && evenD))
            best = d;
    }
    return best;
}

} // namespace

Money Money::ofFigure(double value) {
    Money m;
    if (!std::isfinite(value))
        return m; // no number counts as 0, as 0 itself comes out below
    int exponent = 0;
    const double fraction = std::frexp(std::fabs(value), &exponent); // [0.5, 1)
    // |value| = mantissa * 2^shift, the mantissa a whole number of 53 bits.
    const auto mantissa = static_cast<std::uint64_t>(std::ldexp(fraction, 53));
    const int shift = exponent - 53;
    if (shift >= 0) {
        m.m_cents = shiftedLeft(ofU64(mantissa * 100), shift); // 100 * 2^53 fits
    } else if (-shift < 64) {
        // 100 * mantissa / 2^-shift, rounded to the nearest cent, a tie to the even one.
        const std::uint64_t scaled = mantissa * 100;
        std::uint64_t cents = scaled >> -shift;
        const std::uint64_t rest = scaled & ((std::uint64_t{1} << -shift) - 1);
        const std::uint64_t half = std::uint64_t{1} << (-shift - 1);
        if (rest > half || (rest == half && (cents & 1) != 0))
            ++cents;
        m.m_cents = ofU64(cents);
    } // else below 2^60 / 2^64 of a cent: 0
    m.m_negative = !m.m_cents.empty() && value < 0;
    return m;
}

Money Money::operator+(const Money& other) const {
    Money r;
    if (m_negative == other.m_negative) {
        r.m_cents = add(m_cents, other.m_cents);
        r.m_negative = m_negative;
    } else if (!less(m_cents, other.m_cents)) {
        r.m_cents = subtract(m_cents, other.m_cents);
        r.m_negative = m_negative;
    } else {
        r.m_cents = subtract(other.m_cents, m_cents);
        r.m_negative = other.m_negative;
    }
    r.m_negative = r.m_negative && !r.m_cents.empty();
    return r;
}

Money Money::operator-(const Money& other) const {
    Money negated = other;
    negated.m_negative = !other.m_negative && !other.m_cents.empty();
    return *this + negated;
}

std::string Money::text() const {
    // Nine decimal digits at a time from the least significant end.
    Limbs rest = m_cents;
    std::string digits;
    do {
        std::uint32_t chunk = divide(rest, 1'000'000'000u);
        for (int i = 0; i < 9; ++i, chunk /= 10)
            digits += static_cast<char>('0' + chunk % 10);
    } while (!rest.empty());
    while (digits.size() > 3 && digits.back() == '0')
        digits.pop_back();
    std::reverse(digits.begin(), digits.end());
    digits.insert(digits.size() - 2, 1, '.');
    return (m_negative ? "-" : "") + digits;
}

double Money::value() const {
    Limbs whole = m_cents;
    const std::uint32_t cents = divide(whole, 100);
    const int bits = bitLength(whole);
    double magnitude = 0;
    if (bits <= 53) {
        // n = 100 * whole + cents is below 2^60.
        const std::uint64_t w =
            whole.empty() ? 0 : whole[0] | (whole.size() > 1 ? std::uint64_t{whole[1]} << 32 : 0);
        magnitude = hundredth(w * 100 + cents);
    } else {
        // At least 2^53: a step between doubles is 2 or more, so the cents only tell whether
        // anything lies below the whole number's last bit. The top 64 bits, rounded to 53 with
        // whatever lies below them as a sticky bit.
        const int drop = bits - 64;
        Limbs top = whole;
        bool sticky = cents != 0;
        if (drop > 0) {
            for (int i = 0; i < drop / 32; ++i)
                sticky = sticky || top[static_cast<size_t>(i)] != 0;
            top.erase(top.begin(), top.begin() + drop / 32);
            if (drop % 32 != 0) {
                sticky = sticky || (top[0] & ((1u << (drop % 32)) - 1)) != 0;
                std::uint32_t carry = 0;
                for (size_t i = top.size(); i-- > 0;) {
                    const std::uint32_t low = top[i] & ((1u << (drop % 32)) - 1);
                    top[i] = (top[i] >> (drop % 32)) | carry;
                    carry = low << (32 - drop % 32);
                }
            }
        }
        std::uint64_t t = top[0] | (top.size() > 1 ? std::uint64_t{top[1]} << 32 : 0);
        t <<= std::max(0, -drop);
        std::uint64_t kept = t >> 11;
        const std::uint64_t below = t & 0x7FF;
        if (below > 0x400 || (below == 0x400 && (sticky || (kept & 1) != 0)))
            ++kept;
        magnitude = std::ldexp(static_cast<double>(kept), bits - 53);
    }
    return m_negative ? -magnitude : magnitude;
}

} // namespace selvane
