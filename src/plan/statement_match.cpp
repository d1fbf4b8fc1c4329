// Our reckoning of a lender's statement under each convention, the one that matches the most
// rows, and the rate behind the first rows where the plan's matches none of them.
//
// Amounts are carried in cents as long doubles: whole cents are exact far beyond any household's
// balance, so under a rounding the walk is exact. A rounded interest is the balance times a
// decimal APR times a day count's fraction, a ratio of whole numbers; it is rounded from that
// ratio exactly, so a half cent is a half cent and never a hair either side of it.

#include <cmath>
#include <limits>

#include "plan/statement.h"

namespace selvane {

const char* statementColumnWord(StatementColumn c) {
    switch (c) {
    case StatementColumn::Interest:
        return "interest";
    case StatementColumn::Principal:
        return "principal";
    case StatementColumn::Balance:
        return "balance";
    case StatementColumn::Payment:
        break;
    }
    return "payment";
}

const char* statementColumnCaption(StatementColumn c) {
    switch (c) {
    case StatementColumn::Interest:
        return UI_TEXT("selvane::FinCalc", "Interest");
    case StatementColumn::Principal:
        return UI_TEXT("selvane::FinCalc", "Principal");
    case StatementColumn::Balance:
        return UI_TEXT("selvane::FinCalc", "Balance");
    case StatementColumn::Payment:
        break;
    }
    return UI_TEXT("selvane::FinCalc", "Payment");
}

const char* roundingWord(InterestRounding r) {
    switch (r) {
    case InterestRounding::HalfUp:
        return "half-up";
    case InterestRounding::HalfEven:
        return "half-even";
    case InterestRounding::Down:
        return "down";
    case InterestRounding::None:
        break;
    }
    return "none";
}

std::vector<StatementConvention> statementConventions() {
    std::vector<StatementConvention> all;
    for (DayCount b : {DayCount::Thirty360, DayCount::Actual365, DayCount::Actual360,
                       DayCount::ActualActual, DayCount::Periodic})
        for (InterestRounding r : {InterestRounding::HalfUp, InterestRounding::HalfEven,
                                   InterestRounding::Down, InterestRounding::None})
            all.push_back({b, r});
    return all;
}

namespace {

// Products of a balance in cents, a decimal rate and a day count need more than 64 bits.
__extension__ typedef __int128 Wide;

// The APR as a decimal a / scale with at most nine decimals, where it is one.
struct DecimalRate {
    std::int64_t a = 0, scale = 1;
    bool exact = false;
};

DecimalRate decimalRate(double apr) {
    std::int64_t scale = 1;
    for (int d = 0; d <= 9; ++d, scale *= 10) {
        const long double x = static_cast<long double>(apr) * static_cast<long double>(scale);
        const long double r = std::round(x);
        if (std::fabs(x - r) < 1e-6L && std::fabs(r) < 1e12L)
            return {static_cast<std::int64_t>(r), scale, true};
    }
    return {};
}

// A ratio of whole cents rounded to a whole cent; d > 0.
long double roundedRatio(Wide n, Wide d, InterestRounding r) {
    const bool negative = n < 0;
    const Wide m = negative ? -n : n;
    Wide q = m / d;
    const Wide twice = 2 * (m % d);
    if ((r == InterestRounding::HalfUp && twice >= d) ||
        (r == InterestRounding::HalfEven && (twice > d || (twice == d && q % 2 == 1))))
        ++q;
    const auto v = static_cast<long double>(q);
    return negative ? -v : v;
}

// Cents not known to be a ratio of whole numbers, rounded the same way: a figure within a
// billionth of a cent of a half (or, rounding down, of a whole) counts as on it.
long double roundedCents(long double x, InterestRounding r) {
    if (r == InterestRounding::None || !std::isfinite(x))
        return x;
    const bool negative = x < 0;
    const long double m = std::fabs(x);
    long double whole = std::floor(m);
    const long double rest = m - whole;
    constexpr long double kHair = 1e-9L;
    if (r == InterestRounding::Down
            ? rest > 1 - kHair
            : rest > 0.5L + kHair || (rest >= 0.5L - kHair && (r == InterestRounding::HalfUp ||
                                                               std::fmod(whole, 2.0L) == 1)))
        whole += 1;
    return negative ? -whole : whole;
}

} // namespace

LenderFigures lenderFigures(const Statement& s, const StatementPlan& p) {
    using C = StatementColumn;
    LenderFigures f;
    const std::size_t n = s.rows.size();
    f.payment.resize(n);
    f.interest.resize(n);
    f.balance.resize(n);
    std::optional<double> before = s.amount ? s.amount : std::optional<double>(p.amount);
    for (std::size_t k = 0; k < n; ++k) {
        const StatementRow& r = s.rows[k];
        auto pay = r[C::Payment];
        auto interest = r[C::Interest];
        auto balance = r[C::Balance];
        if (!pay && interest && r[C::Principal])
            pay = *interest + *r[C::Principal];
        if (!pay && before && interest && balance)
            pay = *before + *interest - *balance;
        if (!interest && pay && r[C::Principal])
            interest = *pay - *r[C::Principal];
        if (!interest && before && pay && balance)
            interest = *balance - *before + *pay;
        if (!balance && before && interest && pay)
            balance = *before + *interest - *pay;
        f.payment[k] = pay;
        f.interest[k] = interest;
        f.balance[k] = balance;
        before = balance;
    }
    return f;
}

CivilDate statementStart(const Statement& s, const StatementPlan& p) {
    if (!s.startGiven && p.start && *p.start < s.rows.front().date)
        return *p.start;
    return s.start;
}

std::vector<OurRow> reckonStatement(const Statement& s, const StatementPlan& p,
                                    StatementConvention c, double apr) {
    const LenderFigures lender = lenderFigures(s, p);
    const bool rounded = c.rounding != InterestRounding::None;
    const DecimalRate rate = decimalRate(apr);
    // Balances in cents: whole under a rounding (the payments are taken to the cent too).
    const auto inCents = [&](double money) {
        const long double v = static_cast<long double>(money) * 100;
        return rounded ? std::round(v) : v;
    };
    long double balance = inCents(s.amount.value_or(p.amount));
    CivilDate before = statementStart(s, p);
    std::vector<OurRow> out;
    out.reserve(s.rows.size());
    for (std::size_t k = 0; k < s.rows.size(); ++k) {
        const StatementRow& row = s.rows[k];
        long double interest = 0;
        if (c.basis == DayCount::Periodic) {
            interest = roundedCents(balance * static_cast<long double>(p.periodRate), c.rounding);
        } else {
            const YearFraction f = yearFraction(c.basis, before, row.date);
            if (rounded && rate.exact && std::fabs(balance) < 1e15L &&
                f.numerator < (std::int64_t{1} << 40)) {
                const Wide n =
                    static_cast<Wide>(static_cast<std::int64_t>(balance)) * rate.a * f.numerator;
                const Wide d = static_cast<Wide>(rate.scale) * 100 * f.denominator;
                interest = roundedRatio(n, d, c.rounding);
            } else {
                interest = roundedCents(balance * static_cast<long double>(apr) *
                                            static_cast<long double>(f.numerator) /
                                            (100.0L * static_cast<long double>(f.denominator)),
                                        c.rounding);
            }
        }
        long double payment = 0;
        if (lender.payment[k])
            payment = inCents(*lender.payment[k]);
        else if (row[StatementColumn::Balance] && *row[StatementColumn::Balance] == 0)
            payment = balance + interest; // the row the lender's balance ends on pays it off
        else
            payment = inCents(p.payment);
        const long double after = balance + interest - payment;
        out.push_back({static_cast<double>(payment / 100), static_cast<double>(interest / 100),
                       static_cast<double>((payment - interest) / 100),
                       static_cast<double>(after / 100)});
        balance = after;
        before = row.date;
    }
    return out;
}

bool statementDiffers(const Statement& s, std::size_t i, const OurRow& ours, StatementColumn c) {
    const std::optional<double> lender = s.rows[i][c];
    if (!lender)
        return false;
    // Within half a cent: a lender's rounding of our unrounded figure, give or take the last
    // bits of the two doubles (a cent apart is always told apart below 10^13).
    const double ulp = std::nextafter(std::fabs(*lender), HUGE_VAL) - std::fabs(*lender);
    return !(std::fabs(*lender - ours[c]) <= 0.005 + 2 * ulp);
}

namespace {

bool rowMatches(const Statement& s, std::size_t i, const OurRow& ours) {
    for (std::size_t c = 0; c < kStatementColumns; ++c)
        if (statementDiffers(s, i, ours, static_cast<StatementColumn>(c)))
            return false;
    return true;
}

std::int64_t matchedRows(const Statement& s, const std::vector<OurRow>& ours) {
    std::int64_t n = 0;
    for (std::size_t i = 0; i < ours.size(); ++i)
        n += rowMatches(s, i, ours[i]) ? 1 : 0;
    return n;
}

// The shortest decimal from lo to hi (the one nearest the middle among those as short).
double shortestDecimal(long double lo, long double hi) {
    const long double mid = (lo + hi) / 2;
    long double scale = 1;
    for (int d = 0; d <= 9; ++d, scale *= 10) {
        for (const long double c : {std::round(mid * scale), std::ceil(lo * scale)}) {
            const long double v = c / scale;
            if (v >= lo && v <= hi)
                return static_cast<double>(v);
        }
    }
    return static_cast<double>(mid);
}

constexpr double kMaxImpliedApr = 1000;

} // namespace

std::vector<double> impliedAprs(const Statement& s, const StatementPlan& p, DayCount basis) {
    std::vector<double> found;
    if (basis == DayCount::Periodic)
        return found;
    const LenderFigures lender = lenderFigures(s, p);
    long double lo = -std::numeric_limits<long double>::infinity();
    long double hi = std::numeric_limits<long double>::infinity();
    std::optional<double> before = s.amount ? s.amount : std::optional<double>(p.amount);
    CivilDate from = statementStart(s, p);
    constexpr std::size_t kFirstRows = 12;
    for (std::size_t k = 0; k < std::min(kFirstRows, s.rows.size()); ++k) {
        const auto interest = lender.interest[k];
        const CivilDate on = s.rows[k].date;
        const long double f = static_cast<long double>(yearFraction(basis, from, on).value());
        if (!interest || !before || *before <= 0 || f <= 0)
            break;
        // Any rounding: the interest before it lies from half a cent below the lender's figure
        // (half up or to even) to a cent above (down).
        const long double per = static_cast<long double>(*before) * f / 100;
        const long double l = std::max(lo, (*interest - 0.005L) / per);
        const long double h = std::min(hi, (*interest + 0.01L) / per);
        if (l > h || h <= 0)
            break;
        lo = l;
        hi = h;
        // Each run of first rows narrows the rates that fit; a row the lender got wrong can
        // still fit a narrower run by a rate no simpler than the truth, so every run's shortest
        // rate is a candidate, and the one that matches the most rows wins.
        // A rate beyond 1,000 % is no lender's: the rows say something else went wrong.
        const double apr = shortestDecimal(std::max(lo, 0.0L), hi);
        if (apr > kMaxImpliedApr)
            break;
        if (found.empty() || found.back() != apr)
            found.push_back(apr);
        before = lender.balance[k];
        from = on;
    }
    return found;
}

StatementMatch matchStatement(const Statement& s, const StatementPlan& p) {
    StatementMatch best;
    best.matched = -1;
    const auto tryRate = [&](StatementConvention c, double apr, bool found) {
        std::vector<OurRow> ours = reckonStatement(s, p, c, apr);
        const std::int64_t m = matchedRows(s, ours);
        if (m > best.matched) {
            best.convention = c;
            best.apr = apr;
            best.aprFound = found;
            best.matched = m;
            best.ours = std::move(ours);
        }
    };
    for (const StatementConvention& c : statementConventions())
        tryRate(c, p.apr, false);
    // Where no convention matches the first row at the plan's rate, the lender's rate may be
    // another: the one each day count finds in the first rows, kept only where it matches more.
    if (!rowMatches(s, 0, best.ours.front())) {
        for (const StatementConvention& c : statementConventions())
            for (const double apr : impliedAprs(s, p, c.basis))
                tryRate(c, apr, true);
    }

    const LenderFigures lender = lenderFigures(s, p);
    long double lenderInterest = 0, ourInterest = 0;
    bool allInterest = true;
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const OurRow& o = best.ours[i];
        if (!best.firstDifference)
            for (std::size_t c = 0; c < kStatementColumns; ++c) {
                const auto col = static_cast<StatementColumn>(c);
                if (statementDiffers(s, i, o, col)) {
                    best.firstDifference =
                        StatementDifference{static_cast<std::int64_t>(i + 1), s.rows[i].date, col,
                                            *s.rows[i][col], o[col]};
                    break;
                }
            }
        allInterest = allInterest && lender.interest[i].has_value();
        if (allInterest)
            lenderInterest += *lender.interest[i];
        ourInterest += o.interest;
    }
    // Both to the cent: what a borrower was charged beyond our reckoning, in money.
    // A reckoning that ran beyond any number (a plan's rate of millions of percent) has none.
    const auto cents = [](long double v) -> std::optional<double> {
        const auto d = static_cast<double>(std::round(v * 100) / 100);
        return std::isfinite(d) ? std::optional<double>(d) : std::nullopt;
    };
    if (allInterest)
        best.extraInterest = cents(lenderInterest - ourInterest);
    if (const auto last = lender.balance.back())
        best.balanceDifference = cents(static_cast<long double>(*last) - best.ours.back().balance);
    return best;
}

} // namespace selvane
