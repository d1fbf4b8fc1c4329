#pragma once
// A number held as the unevaluated sum of two doubles, about 106 bits: enough that walking a
// schedule of millions of payments loses nothing a cent can see, even where the balance's rounding
// errors grow with every period. The operations are the classic error-free transformations
// (Knuth's two-sum, Dekker's split product); they need IEEE doubles without fused multiply-add,
// which the build asks for.

namespace selvane {

struct DD {
    double hi = 0, lo = 0;
    constexpr DD() = default;
    constexpr DD(double x) : hi(x) {} // NOLINT: a double is a DD
    constexpr DD(double h, double l) : hi(h), lo(l) {}
    double value() const { return hi + lo; }
};

namespace dd_detail {

inline DD twoSum(double a, double b) {
    const double s = a + b;
    const double bb = s - a;
    return {s, (a - (s - bb)) + (b - bb)};
}

inline DD quickTwoSum(double a, double b) {
    const double s = a + b;
    return {s, b - (s - a)};
}

inline void split(double a, double& high, double& low) {
    constexpr double kSplitter = 134217729.0; // 2^27 + 1
    // Near the top of the range the product with the splitter would overflow: split a smaller
    // copy and scale the halves back.
    constexpr double kLargest = 0x1p996, kDown = 0x1p-28, kUp = 0x1p28;
    if (a > kLargest || a < -kLargest) {
        split(a * kDown, high, low);
        high *= kUp;
        low *= kUp;
        return;
    }
    const double t = kSplitter * a;
    high = t - (t - a);
    low = a - high;
}

} // namespace dd_detail

// The sum, with an error of about 2^-104 of the larger of the two: near a cancellation the result
// may lose relative accuracy, but never more than that share of what was added, which is all a
// balance needs.
inline DD operator+(DD a, DD b) {
    DD s = dd_detail::twoSum(a.hi, b.hi);
    s.lo += a.lo + b.lo;
    return dd_detail::quickTwoSum(s.hi, s.lo);
}

inline DD operator-(DD a) {
    return {-a.hi, -a.lo};
}

inline DD operator-(DD a, DD b) {
    return a + -b;
}

// Multiplies by one factor many times: the factor is split once.
class Multiplier {
  public:
    explicit Multiplier(double factor) : m_factor(factor) {
        dd_detail::split(factor, m_high, m_low);
    }
    DD operator()(DD a) const {
        const double p = a.hi * m_factor;
        double ah, al;
        dd_detail::split(a.hi, ah, al);
        const double e = ((ah * m_high - p) + ah * m_low + al * m_high) + al * m_low;
        return dd_detail::quickTwoSum(p, e + a.lo * m_factor);
    }

  private:
    double m_factor, m_high, m_low;
};

inline DD operator*(DD a, double b) {
    return Multiplier(b)(a);
}

// The product and the quotient of two DDs, to about 2^-104 of the result.
inline DD operator*(DD a, DD b) {
    const double p = a.hi * b.hi;
    double ah, al, bh, bl;
    dd_detail::split(a.hi, ah, al);
    dd_detail::split(b.hi, bh, bl);
    const double e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
    return dd_detail::quickTwoSum(p, e + (a.hi * b.lo + a.lo * b.hi));
}
inline DD operator/(DD a, DD b) {
    const double q1 = a.hi / b.hi;
    const DD r = a - b * q1;
    const double q2 = r.hi / b.hi;
    const double q3 = (r - b * q2).hi / b.hi;
    return DD(q1) + (DD(q2) + DD(q3));
}

inline DD& operator+=(DD& a, DD b) {
    return a = a + b;
}

// The order of a and b, decided on the whole of both numbers: their high parts alone where they
// are more than a few units of the last place apart.
inline bool operator<(DD a, DD b) {
    const double gap = b.hi - a.hi;
    if (gap > 0x1p-50 * (a.hi < 0 ? -a.hi : a.hi))
        return true;
    if (-gap > 0x1p-50 * (a.hi < 0 ? -a.hi : a.hi))
        return false;
    return (a - b).hi < 0;
}
inline bool operator>(DD a, DD b) {
    return b < a;
}
inline bool operator<=(DD a, DD b) {
    return !(b < a);
}

} // namespace selvane
