#pragma once
// Checked arithmetic for calculation steps: an operation that divides by zero, overflows, takes a
// negative number to a non-integer power or 0 to a negative power yields NaN, and NaN carries
// through every later operation of the same step. A step then simply tests the final result.
// This stays cheap in loops (no exceptions), and every formula reads exactly as written.

#include <cmath>
#include <limits>
#include <optional>

namespace selvane {

struct Num {
    double v;
    constexpr Num(double x = 0.0) : v(x) {} // NOLINT: plain numbers mix freely into formulas
    bool ok() const { return !std::isnan(v); }
};

inline constexpr double kFailed = std::numeric_limits<double>::quiet_NaN();

inline Num finite(double x) {
    return std::isfinite(x) ? Num(x) : Num(kFailed);
}

inline Num operator+(Num a, Num b) {
    return finite(a.v + b.v);
}
inline Num operator-(Num a, Num b) {
    return finite(a.v - b.v);
}
inline Num operator*(Num a, Num b) {
    return finite(a.v * b.v);
}
inline Num operator/(Num a, Num b) {
    return b.v == 0.0 ? Num(kFailed) : finite(a.v / b.v);
}
inline Num operator-(Num a) {
    return Num(-a.v);
}

// The power of the calculator: pow from the C library, with its failure cases made explicit.
inline Num power(Num base, Num exponent) {
    if (!base.ok() || !exponent.ok())
        return kFailed;
    if (base.v < 0.0 && exponent.v != std::floor(exponent.v))
        return kFailed;
    if (base.v == 0.0 && exponent.v < 0.0)
        return kFailed;
    return finite(std::pow(base.v, exponent.v));
}

inline Num naturalLog(Num x) {
    if (!x.ok() || x.v <= 0.0)
        return kFailed;
    return finite(std::log(x.v));
}

// A stored value: unset until first assigned, and read as 0 while unset.
using Stored = std::optional<double>;
inline Num val(const Stored& s) {
    return Num(s.value_or(0.0));
}

// Runs one calculation step: the target takes the result only when every operation succeeded.
template <class F> bool step(Stored& target, F&& compute) {
    const Num r = compute();
    if (!r.ok())
        return false;
    target = r.v;
    return true;
}

// An annuity function's answer as a value of a formula (a failed call fails the step).
inline Num fromResult(const std::optional<double>& r) {
    return r ? Num(*r) : Num(kFailed);
}

} // namespace selvane
