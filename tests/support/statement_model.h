#pragma once
// An independent model of a lender's statement and its check, in exact rationals (GMP), amounts
// in cents. The lender's table: each row's interest is the balance before times APR / 100 times
// the year fraction from the date above (or the plan's rate per payment), rounded to the cent as
// the lender rounds, and the lender's payment taken off; it is written out the ways lenders and
// spreadsheets write tables. Our reckoning walks it again under every convention: a row matches
// where each figure the lender gives is within half a cent of ours, and the convention matching
// the most rows wins, the earliest of equals.

#include <gmpxx.h>

#include <array>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "plan/statement.h"
#include "support/calendar_model.h"

namespace selvane::model::statements {

using Q = mpq_class;
using R = InterestRounding;

inline Q decimal(std::string s) { // "5.513" exactly
    const std::size_t dot = s.find('.');
    const std::size_t places = dot == std::string::npos ? 0 : s.size() - dot - 1;
    Q q((places ? s.erase(dot, 1) : s) + "/1" + std::string(places, '0'), 10);
    q.canonicalize();
    return q;
}

inline mpz_class floorOf(const Q& x) {
    mpz_class f;
    mpz_fdiv_q(f.get_mpz_t(), x.get_num_mpz_t(), x.get_den_mpz_t());
    return f;
}

// Cents to a whole cent as a rounding says (half up is away from zero, down toward it).
inline Q rounded(const Q& x, R r) {
    const mpz_class f = floorOf(x);
    const Q rest = x - f, half(1, 2);
    const bool up = r == R::HalfUp     ? rest > half || (rest == half && x > 0)
                    : r == R::HalfEven ? rest > half || (rest == half && mpz_odd_p(f.get_mpz_t()))
                                       : rest != 0 && x < 0;
    return r == R::None ? x : Q(up ? mpz_class(f + 1) : f);
}

// The lenders' day counts, then the plan's equal periods; within each, the common rounding first:
// the order ties are settled in.
inline std::vector<StatementConvention> conventions() {
    std::vector<StatementConvention> all;
    for (DayCount b : {DayCount::Thirty360, DayCount::Actual365, DayCount::Actual360,
                       DayCount::ActualActual, DayCount::Periodic})
        for (R r : {R::HalfUp, R::HalfEven, R::Down, R::None})
            all.push_back({b, r});
    return all;
}

enum class Every { Biweekly, SemiMonthly, Monthly, Quarterly };
inline double periodRate(const std::string& apr, Every e) { // the plan's rate per payment
    static constexpr int kPerYear[] = {26, 24, 12, 4};
    return std::stod(apr) / 100 / kPerYear[static_cast<int>(e)];
}

struct Loan {
    std::string apr = "5.5"; // as the lender's rate is written
    StatementConvention convention{};
    Every every = Every::Monthly;
    Date start{2026, 1, 15};
    std::optional<Date> first{}; // an odd first period
    int rows = 12, term = 0;     // term: the payments of the level payment (0: rows)
    std::int64_t amount = 25000000;
    bool payout = true;                     // the table opens with the payout row
    bool planStart = false;                 // only the plan knows the payout date
    bool payments = true, principal = true; // the columns shown beside interest and balance
    bool ties = false; // payments nudged for the next row's interest to fall on a half cent
    std::vector<std::int64_t> extra{}, fee{}; // by row: the lender departing from its own rule
    double periodRate() const { return statements::periodRate(apr, every); }
};

inline std::vector<Date> paymentDays(const Loan& l) {
    if (l.every == Every::Quarterly) {
        const Date f = l.first ? *l.first : monthsOn(l.start, 3, l.start.day);
        std::vector<Date> d;
        for (int k = 0; k < l.rows; ++k)
            d.push_back(monthsOn(f, 3 * k, l.first ? f.day : l.start.day));
        return d;
    }
    constexpr PaymentPeriod kPeriods[] = {PaymentPeriod::Biweekly, PaymentPeriod::SemiMonthly,
                                          PaymentPeriod::Monthly};
    const auto all = paymentDates(l.start, l.first, kPeriods[static_cast<int>(l.every)], l.rows);
    return {all->begin() + 1, all->end()};
}

// What a cent of balance earns from a to b: APR / 100 times the year fraction, or the plan's rate
// per payment (the double the plan holds, exactly).
inline Q factor(DayCount basis, const Q& apr, double periodRate, Date a, Date b) {
    if (basis == DayCount::Periodic)
        return Q(periodRate);
    const Fraction f = fraction(basis, a, b);
    return apr * Q(f.num) / (Q(100) * Q(f.den));
}

// A row as the lender shows it; a figure the table has no column for is absent.
struct Line {
    Date date;
    std::optional<Q> payment, interest, principal, balance;
};
struct Lender {
    Date start; // the payout date
    bool payout = true;
    Q amount;
    std::vector<Line> rows;
};

inline Lender lender(const Loan& l) {
    const std::vector<Date> days = paymentDays(l);
    const Q apr = decimal(l.apr);
    const StatementConvention c = l.convention;
    const double r = l.periodRate();
    const Q pay = std::ceil(l.amount * r / (1 - std::pow(1 + r, -(l.term ? l.term : l.rows))));
    Lender s{l.start, l.payout, Q(l.amount), {}};
    Q balance = l.amount;
    for (std::size_t k = 0; k < days.size(); ++k) {
        const auto at = [&](const std::vector<std::int64_t>& v) { return k < v.size() ? v[k] : 0; };
        const Date before = k ? days[k - 1] : l.start;
        const Q interest =
            rounded(balance * factor(c.basis, apr, r, before, days[k]), c.rounding) + at(l.extra);
        Q paid = pay;
        const Q next = k + 1 < days.size() ? factor(c.basis, apr, r, days[k], days[k + 1]) : 0;
        const mpz_class n = next.get_num(), d = next.get_den();
        if (l.ties && c.rounding != R::None && d % 2 == 0 && d <= 100000) {
            // Interest of n / d cents a cent falls on a half cent for a balance b with
            // b n = d / 2 (mod d): the largest such balance the level payment leaves, or less.
            mpz_class inverse;
            mpz_invert(inverse.get_mpz_t(), n.get_mpz_t(), d.get_mpz_t());
            const mpz_class over = floorOf(balance + interest - pay) - d / 2 * inverse;
            paid += mpz_class((over % d + d) % d);
        }
        balance += interest - paid + at(l.fee);
        const Q shown = rounded(interest, R::HalfUp);
        Line& row = s.rows.emplace_back(
            Line{days[k], paid, shown, Q(paid - shown), rounded(balance, R::HalfUp)});
        if (!l.payments)
            row.payment.reset();
        if (!l.principal)
            row.principal.reset();
    }
    return s;
}

struct Ours {
    Q interest, principal, balance;
};

// Our rows: from the payout balance, or the one the first row implies; the lender's payments.
inline std::vector<Ours> reckon(const Lender& s, StatementConvention c, const Q& apr,
                                double periodRate) {
    const Line& one = s.rows.front();
    Q balance = s.payout        ? s.amount
                : one.principal ? Q(*one.balance + *one.principal)
                                : Q(*one.balance + *one.payment - *one.interest);
    std::vector<Ours> out;
    for (std::size_t k = 0; k < s.rows.size(); ++k) {
        const Line& row = s.rows[k];
        const Date before = k ? s.rows[k - 1].date : s.start;
        const Q interest =
            rounded(balance * factor(c.basis, apr, periodRate, before, row.date), c.rounding);
        const Q pay = row.payment ? *row.payment : Q(*row.interest + *row.principal);
        balance += interest - pay;
        out.push_back({interest, pay - interest, balance});
    }
    return out;
}

// The first of the lender's interest, principal and balance more than half a cent from ours.
inline std::optional<StatementColumn> departs(const Line& l, const Ours& o) {
    const std::array<std::pair<std::optional<Q>, Q>, 3> figures{
        {{l.interest, o.interest}, {l.principal, o.principal}, {l.balance, o.balance}}};
    for (std::size_t c = 0; c < figures.size(); ++c)
        if (figures[c].first && abs(*figures[c].first - figures[c].second) > Q(1, 2))
            return static_cast<StatementColumn>(c);
    return std::nullopt;
}

struct Verdict {
    StatementConvention convention{};
    int matched = -1, everyRow = 0; // everyRow: the conventions that match every row
    std::vector<Ours> ours{};
    std::optional<std::size_t> firstRow{}; // from 0
    StatementColumn firstColumn = StatementColumn::Interest;
    Q extraInterest{}, balanceDifference{};
};

inline Verdict verdict(const Lender& s, const Q& apr, double periodRate) {
    Verdict v;
    for (const StatementConvention& c : conventions()) {
        std::vector<Ours> ours = reckon(s, c, apr, periodRate);
        int m = 0;
        for (std::size_t i = 0; i < ours.size(); ++i)
            m += departs(s.rows[i], ours[i]) ? 0 : 1;
        v.everyRow += m == static_cast<int>(ours.size());
        if (m > v.matched)
            v = {c, m, v.everyRow, std::move(ours)};
    }
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const Line& l = s.rows[i];
        if (const auto c = departs(l, v.ours[i]); c && !v.firstRow)
            v.firstRow = i, v.firstColumn = *c;
        v.extraInterest += (l.interest ? *l.interest : Q(*l.payment - *l.principal));
        v.extraInterest -= v.ours[i].interest;
    }
    // Both in money: to the cent.
    v.extraInterest = rounded(v.extraInterest, R::HalfUp);
    v.balanceDifference = rounded(*s.rows.back().balance - v.ours.back().balance, R::HalfUp);
    return v;
}

// ----- the table as text

struct Style {
    const char* name;
    const char* header; // date|payment|interest|principal|balance
    const char* sep;
    enum Numbers { Plain, Commas, German, Spaced } numbers; // 1234.56 1,234.56 1.234,56 1 234,56
    enum Dates { Iso, Dots, DayFirst, MonthFirst } dates;   // 2026-01-31 31.01.2026 31/01 01/31
    const char* currency;                                   // "$" before, "€" after the figure
    enum Flags { Quoted = 1, Bom = 2, Crlf = 4, Cp1252 = 8, Utf16 = 16 };
    int flags = 0;
    const char* title = nullptr; // a line above the header
    const char* total = nullptr; // the word of a totals row below the table
};

inline std::string moneyText(const Q& cents, const Style& st) {
    const mpz_class v = cents.get_num();
    std::string digits = mpz_class(abs(v)).get_str();
    digits.insert(0, digits.size() < 3 ? 3 - digits.size() : 0, '0');
    std::string whole = digits.substr(0, digits.size() - 2), decimals = digits.substr(whole.size());
    static const char* const kGroups[] = {"", ",", ".", " "};
    for (std::size_t at = whole.size(); at > 3 && st.numbers != Style::Plain; at -= 3)
        whole.insert(at - 3, kGroups[st.numbers]);
    const std::string cur = st.currency;
    const std::string s = (v < 0 ? "-" : "") + (cur == "$" ? cur : "") + whole +
                          (st.numbers >= Style::German ? "," : ".") + decimals +
                          (cur == "€" ? " " + cur : "");
    return st.flags & Style::Quoted ? '"' + s + '"' : s;
}

inline std::string dateText(Date d, const Style& st) {
    char s[32];
    const bool dayFirst = st.dates != Style::MonthFirst;
    if (st.dates == Style::Iso)
        std::snprintf(s, sizeof s, "%04d-%02d-%02d", d.year, d.month, d.day);
    else
        std::snprintf(s, sizeof s, st.dates == Style::Dots ? "%02d.%02d.%04d" : "%02d/%02d/%04d",
                      dayFirst ? d.day : d.month, dayFirst ? d.month : d.day, d.year);
    return s;
}

// UTF-8 text in the style's encoding (the characters of Latin-1 and the euro sign only).
inline std::string encoded(const std::string& text, const Style& st) {
    const bool utf16 = st.flags & Style::Utf16;
    std::string out = utf16 ? "\xFF\xFE" : st.flags & Style::Bom ? "\xEF\xBB\xBF" : "";
    if (!utf16 && !(st.flags & Style::Cp1252))
        return out + text;
    for (std::size_t i = 0; i < text.size();) {
        const auto c = static_cast<unsigned char>(text[i]);
        const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : 3;
        char32_t v = n == 1 ? c : c & (0x3F >> (n - 1));
        for (int k = 1; k < n; ++k)
            v = v << 6 | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        i += n;
        out += static_cast<char>(v == U'€' && !utf16 ? 0x80 : v & 0xFF);
        if (utf16)
            out += static_cast<char>(v >> 8);
    }
    return out;
}

inline std::string csv(const Lender& s, const Style& st) {
    const std::string nl = st.flags & Style::Crlf ? "\r\n" : "\n";
    const bool blanks = std::string(st.sep).find_first_not_of(' ') == std::string::npos;
    const Line& one = s.rows.front();
    const std::array<bool, 5> shown{true, one.payment.has_value(), true, one.principal.has_value(),
                                    true};
    const auto line = [&](std::array<std::string, 5> cells) {
        std::string out;
        for (std::size_t c = 0; c < cells.size(); ++c)
            if (shown[c]) // a PDF's columns line up: an empty cell shows a dash
                out += (out.empty() ? "" : st.sep) + (cells[c].empty() && blanks ? "-" : cells[c]);
        return out + nl;
    };
    const auto money = [&](const std::optional<Q>& v) { return v ? moneyText(*v, st) : ""; };
    std::string text = st.title ? st.title + nl : "";
    std::array<std::string, 5> header;
    for (std::size_t c = 0, i = 0; st.header[i]; ++i)
        if (st.header[i] == '|')
            ++c;
        else
            header[c] += st.header[i];
    text += line(header);
    if (s.payout)
        text += line({dateText(s.start, st), "", "", "", moneyText(s.amount, st)});
    std::array<Q, 3> sums; // paid, interest, principal
    for (const Line& r : s.rows) {
        text += line({dateText(r.date, st), money(r.payment), money(r.interest), money(r.principal),
                      money(r.balance)});
        sums[0] += r.payment.value_or(0), sums[1] += *r.interest,
            sums[2] += r.principal.value_or(0);
    }
    if (st.total)
        text += line({st.total, money(sums[0]), money(sums[1]), money(sums[2]), ""});
    return encoded(text, st);
}

} // namespace selvane::model::statements
