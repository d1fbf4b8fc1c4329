#include "core/yearly_summary.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "core/number_text.h"
#include "core/user_text.h"

namespace selvane {

std::int64_t paymentsPerYear(double paymentsPerMonth) {
    const double n = std::round(12.0 * paymentsPerMonth);
    if (!(n >= 1.0))
        return 1;
    // A year of more payments than the longest report has rows is one partial year.
    return n > static_cast<double>(kMaxPasses) ? kMaxPasses : static_cast<std::int64_t>(n);
}

namespace {

struct Decimal {
    bool negative = false;
    std::string digits; // most significant first, no point, no leading zeros (empty for zero)
};

Decimal parseDecimal(std::string_view s) {
    Decimal d;
    if (!s.empty() && s.front() == '-') {
        d.negative = true;
        s.remove_prefix(1);
    }
    for (char c : s)
        if (c >= '0' && c <= '9' && !(d.digits.empty() && c == '0'))
            d.digits += c;
    if (d.digits.empty())
        d.negative = false;
    return d;
}

int compareMagnitude(const std::string& a, const std::string& b) {
    if (a.size() != b.size())
        return a.size() < b.size() ? -1 : 1;
    return a.compare(b) < 0 ? -1 : (a == b ? 0 : 1);
}

std::string addMagnitudes(const std::string& a, const std::string& b) {
    std::string out;
    int carry = 0;
    for (size_t i = 0; i < std::max(a.size(), b.size()) || carry != 0; ++i) {
        int sum = carry;
        if (i < a.size())
            sum += a[a.size() - 1 - i] - '0';
        if (i < b.size())
            sum += b[b.size() - 1 - i] - '0';
        out += static_cast<char>('0' + sum % 10);
        carry = sum / 10;
    }
    std::reverse(out.begin(), out.end());
    return out;
}

// a - b for magnitudes with a >= b.
std::string subtractMagnitudes(const std::string& a, const std::string& b) {
    std::string out;
    int borrow = 0;
    for (size_t i = 0; i < a.size(); ++i) {
        int d = a[a.size() - 1 - i] - '0' - borrow;
        if (i < b.size())
            d -= b[b.size() - 1 - i] - '0';
        borrow = d < 0 ? 1 : 0;
        out += static_cast<char>('0' + (d + 10) % 10);
    }
    while (!out.empty() && out.back() == '0')
        out.pop_back();
    std::reverse(out.begin(), out.end());
    return out;
}

std::string decimalText(const Decimal& d) {
    std::string digits = d.digits;
    if (digits.size() < 3)
        digits.insert(0, 3 - digits.size(), '0');
    digits.insert(digits.size() - 2, 1, '.');
    return (d.negative ? "-" : "") + digits;
}

// Cents of a text of up to 17 digits, where whole numbers are exact: nearly every figure.
std::optional<std::int64_t> smallCents(std::string_view s) {
    const bool negative = !s.empty() && s.front() == '-';
    if (negative)
        s.remove_prefix(1);
    if (s.size() < 4 || s.size() > 18 || s[s.size() - 3] != '.')
        return std::nullopt;
    std::int64_t v = 0;
    for (char c : s) {
        if (c == '.')
            continue;
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return negative ? -v : v;
}

std::string centsText(std::int64_t cents) {
    return decimalText({cents < 0, std::to_string(cents < 0 ? -cents : cents)});
}

} // namespace

std::string decimalDifference(std::string_view a, std::string_view b) {
    // A dump or export of ten million rows takes the difference of every year: whole numbers
    // do it where they can, digit strings where the figures are beyond them.
    const auto x0 = smallCents(a), y0 = smallCents(b);
    if (x0 && y0)
        return centsText(*x0 - *y0);
    const Decimal x = parseDecimal(a);
    Decimal y = parseDecimal(b);
    y.negative = !y.negative && !y.digits.empty(); // x - y = x + (-y)
    Decimal r;
    if (x.negative == y.negative) {
        r.digits = addMagnitudes(x.digits, y.digits);
        r.negative = x.negative;
    } else if (compareMagnitude(x.digits, y.digits) >= 0) {
        r.digits = subtractMagnitudes(x.digits, y.digits);
        r.negative = x.negative;
    } else {
        r.digits = subtractMagnitudes(y.digits, x.digits);
        r.negative = y.negative;
    }
    if (r.digits.empty())
        r.negative = false;
    return decimalText(r);
}

YearlySummary::YearlySummary(const DetailsReport& report, std::int64_t perYear)
    : m_report(&report), m_perYear(std::max<std::int64_t>(perYear, 1)) {}

std::int64_t YearlySummary::yearCount() const {
    return (m_report->rowCount() + m_perYear - 1) / m_perYear;
}

YearRow YearlySummary::year(std::int64_t y) const {
    YearRow out;
    if (y < 1 || y > yearCount())
        return out;
    out.year = y;
    out.firstPayment = (y - 1) * m_perYear + 1;
    const std::int64_t last = std::min(y * m_perYear, m_report->rowCount());
    out.payments = last - out.firstPayment + 1;
    const DetailsReport::Row end = m_report->rowValues(last);
    std::string principalBefore = "0.00", interestBefore = "0.00";
    if (out.firstPayment > 1) {
        const DetailsReport::Row before = m_report->rowValues(out.firstPayment - 1);
        principalBefore = moneyText(before.principal);
        interestBefore = moneyText(before.interest);
    }
    out.principal = decimalDifference(moneyText(end.principal), principalBefore);
    out.interest = decimalDifference(moneyText(end.interest), interestBefore);
    out.balance = moneyText(end.balance);
    return out;
}

YearRow YearlySummary::total() const {
    YearRow out;
    const std::int64_t rows = m_report->rowCount();
    out.firstPayment = rows > 0 ? 1 : 0;
    out.payments = rows;
    if (rows == 0) {
        out.principal = out.interest = out.balance = "0.00";
        return out;
    }
    const DetailsReport::Row end = m_report->rowValues(rows);
    // The years telescope: their sums are the last row's cumulative figures, exactly.
    out.principal = decimalDifference(moneyText(end.principal), "0.00");
    out.interest = decimalDifference(moneyText(end.interest), "0.00");
    out.balance = moneyText(end.balance);
    return out;
}

std::array<std::string, 5> yearRowTexts(const YearRow& y, const CurrencyFormat& currency) {
    // The figures are exact decimal texts: read back, each is the double nearest to it.
    const auto money = [&](const std::string& text) { return currency(decimalValue(text)); };
    return {y.year == 0 ? std::string(UI_TEXT("selvane::FinCalc", "Total"))
                        : std::to_string(y.year),
            currency.count(y.payments), money(y.principal), money(y.interest), money(y.balance)};
}

} // namespace selvane
