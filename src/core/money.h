#pragma once
// An amount of money exact to the cent and as wide as any double: a figure as the report shows it
// (rounded to the cent, an exact tie to the even cent), and sums and differences of such, with no
// rounding at all. What a year of the yearly summary is made of: the difference of two of the
// report's rows as shown, so the years add up to the last row to the cent.

#include <cstdint>
#include <string>
#include <vector>

namespace selvane {

class Money {
  public:
    Money() = default; // 0.00
    // A figure rounded to the cent as the report shows it; one that is no number counts as 0.
    static Money ofFigure(double value);

    Money operator-(const Money& other) const;
    Money operator+(const Money& other) const;
    bool operator==(const Money&) const = default;

    // [-]digits.dd, as moneyText writes a figure: no minus sign on zero.
    std::string text() const;
    // The double nearest to the amount (an exact tie to the even double).
    double value() const;

  private:
    bool m_negative = false;
    std::vector<std::uint32_t> m_cents; // magnitude, least significant first, no leading zeros
};

} // namespace selvane
