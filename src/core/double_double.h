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

inline DD twoProd(double a, double b) {
    const double p = a * b;
    double ah, al, bh, bl;
    split(a, ah, al);
    split(b, bh, bl);
    return {p, ((ah * bh - p) + ah * bl + al * bh) + al * bl};
}

} // namespace dd_detail

inline DD operator+(DD a, DD b) {
    DD s = dd_detail::twoSum(a.hi, b.hi);
    const DD t = dd_detail::twoSum(a.lo, b.lo);
    s.lo += t.hi;
    s = dd_detail::quickTwoSum(s.hi, s.lo);
    s.lo += t.lo;
    return dd_detail::quickTwoSum(s.hi, s.lo);
}

inline DD operator-(DD a) {
    return {-a.hi, -a.lo};
}

inline DD operator-(DD a, DD b) {
    return a + -b;
}

inline DD operator*(DD a, double b) {
    DD p = dd_detail::twoProd(a.hi, b);
    p.lo += a.lo * b;
    return dd_detail::quickTwoSum(p.hi, p.lo);
}

inline DD& operator+=(DD& a, DD b) {
    return a = a + b;
}

// The sign of a - b, decided on the whole of both numbers.
inline bool operator<(DD a, DD b) {
    return (a - b).hi < 0;
}
inline bool operator>(DD a, DD b) {
    return b < a;
}
inline bool operator<=(DD a, DD b) {
    return !(b < a);
}

} // namespace selvane
