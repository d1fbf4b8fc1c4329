// A lender's statement against the model: tables generated under every day count and interest
// rounding for every payment period, written the ways lenders write them, read and matched; the
// same tables a cent off in one figure; a rate other than the plan's; lenders departing from their
// own rule; every style of number, date, separator and encoding; and the tables refused.

#include <gtest/gtest.h>

#include <random>
#include <set>
#include <tuple>

#include "plan/statement.h"
#include "support/statement_model.h"

namespace selvane {
namespace {

namespace sm = model::statements;
using sm::Every;
using sm::Q;
using sm::R;
using sm::Style;
using C = StatementColumn;
using model::Date;
constexpr Every kEvery[] = {Every::Biweekly, Every::SemiMonthly, Every::Monthly, Every::Quarterly};

// To the nearest double, as a figure read from its decimals is (GMP's own conversion truncates).
double dollars(const Q& cents) {
    return cents.get_den() == 1 ? cents.get_num().get_d() / 100 : Q(cents / 100).get_d();
}
std::string name(StatementConvention c) {
    return std::string(dayCountWord(c.basis)) + " " + roundingWord(c.rounding);
}
std::optional<Q>& figure(sm::Line& l, C c) {
    return c == C::Interest ? l.interest : c == C::Principal ? l.principal : l.balance;
}
const Q& figure(const sm::Ours& o, C c) {
    return c == C::Interest ? o.interest : c == C::Principal ? o.principal : o.balance;
}

const Style kStyles[] = {
    {"plain", "Date|Payment|Interest|Principal|Balance", ",", Style::Plain, Style::Iso, ""},
    {"US, quoted", "Due date|Installment|Interest|Principal|Remaining balance", ",", Style::Commas,
     Style::MonthFirst, "$", Style::Quoted | Style::Crlf},
    {"day first, BOM", "Payment date|Amount|Interest|Principal|Outstanding balance", ",",
     Style::Plain, Style::DayFirst, "", Style::Bom},
    {"German", "Fälligkeit|Rate|Zinsen|Tilgung|Restschuld", ";", Style::German, Style::Dots, "€", 0,
     "Tilgungsplan Darlehen 4711", "Summe"},
    {"German, Windows-1252", "Fälligkeit|Monatsrate|Zinsen|Tilgung|Restschuld", ";", Style::German,
     Style::Dots, "€", Style::Cp1252 | Style::Crlf},
    {"German, UTF-16", "Datum|Rate|Zinsen|Tilgung|Restschuld", "\t", Style::German, Style::Dots,
     "€", Style::Utf16},
    {"French", "Date d'échéance|Échéance|Intérêts|Capital amorti|Capital restant dû", ";",
     Style::Spaced, Style::DayFirst, "€"},
    {"from a PDF", "Date|Payment|Interest|Principal|Balance", "   ", Style::Commas, Style::Iso, "",
     0, "Loan statement", "Total"},
    {"tabs", "Date|Payment|Interest|Principal|Balance", "\t", Style::Plain, Style::MonthFirst, "",
     Style::Bom | Style::Crlf},
};

struct Random {
    std::mt19937_64 gen;
    int whole(int a, int b) { return std::uniform_int_distribution<int>(a, b)(gen); }
    template <class T, std::size_t N> const T& pick(const T (&v)[N]) {
        return v[static_cast<std::size_t>(whole(0, static_cast<int>(N) - 1))];
    }
};

// A loan of the period and convention. Variant 0: the even first period, the table without its
// payout row (one period before the first row, which the table tells by itself for days up to
// the 28th and month ends); 1: an odd first period with the payout row; 2: long, with payments
// nudged to put half cents in the interest; 3: an odd first period, the payout date the plan's.
sm::Loan randomLoan(Random& g, Every e, StatementConvention c, int variant) {
    static const char* const kAprs[] = {"4.25", "5.5", "6.875", "7.9", "3.99", "12.5"};
    // Rates whose interest falls on half cents, by basis: periodic, 30/360, actual/365, ...
    static const char* const kTieAprs[] = {"5.5", "6", "7.3", "7.2", "7.3"};
    sm::Loan l{variant == 2 ? kTieAprs[static_cast<int>(c.basis)] : g.pick(kAprs), c, e};
    l.amount = static_cast<std::int64_t>(std::exp(std::log(5e5) + g.whole(0, 1000) * 0.0048));
    l.rows = variant == 2 ? 36 : g.whole(6, 30);
    l.term = variant == 2 ? 240 : g.whole(l.rows, 3 * l.rows);
    l.ties = variant == 2;
    const int shown = g.whole(0, 2); // every column, or no payment, or no principal
    l.payments = shown != 1;
    l.principal = shown != 2;
    const int year = g.whole(2026, 2028);
    int month = g.whole(1, 12), day = g.whole(1, 31);
    const bool months = e == Every::Monthly || e == Every::Quarterly;
    if (variant == 0 && months && day > 28) // a month's last day throughout
        month = g.pick({1, 3, 5, 7, 8, 10, 12}), day = 31;
    l.start = {year, month, std::min(day, model::monthLength(year, month))};
    l.payout = variant == 1 || variant == 2 || (variant == 0 && e == Every::SemiMonthly);
    l.planStart = variant == 3;
    if (variant == 1 || variant == 3) {
        const Date even =
            e == Every::Biweekly ? model::fromOrdinal(model::ordinal(l.start) + 14)
            : e == Every::Quarterly
                ? model::monthsOn(l.start, 3, l.start.day)
                : model::defaultFirst(l.start, e == Every::Monthly ? PaymentPeriod::Monthly
                                                                   : PaymentPeriod::SemiMonthly);
        l.first = model::fromOrdinal(model::ordinal(even) + g.whole(-8, 20));
    }
    return l;
}

StatementPlan planOf(const sm::Loan& l, const sm::Lender& s, const std::string& apr) {
    return {std::stod(apr), sm::periodRate(apr, l.every), l.amount / 100.0,
            dollars(s.rows.front().payment.value_or(0)),
            l.planStart ? std::optional(l.start) : std::nullopt};
}

// The lender's table as the style writes it, read and matched against the plan at `apr`.
std::optional<StatementMatch> check(const sm::Loan& l, const sm::Lender& s, const Style& st,
                                    const std::string& apr) {
    std::string why;
    const auto read = readStatement(sm::csv(s, st), why);
    if (!read)
        ADD_FAILURE() << why;
    return read ? std::optional(matchStatement(*read, planOf(l, s, apr))) : std::nullopt;
}

std::string describe(const sm::Loan& l, const sm::Lender& s, const Style& st) {
    static const char* const kWords[] = {"biweekly", "semi-monthly", "monthly", "quarterly"};
    return name(l.convention) + " at " + l.apr + ", " + kWords[static_cast<int>(l.every)] +
           " from " + model::text(l.start) + (l.planStart ? " (the plan's)" : "") + ", " + st.name +
           ":\n" + sm::csv(s, st);
}

// The code's comparison against the model's verdict: the convention, the rows matched, the first
// difference, our rows, and what the lender charged and left beyond ours.
void expectVerdict(const StatementMatch& m, const sm::Lender& s, const sm::Verdict& v) {
    EXPECT_EQ(name(m.convention), name(v.convention));
    EXPECT_EQ(m.matched, v.matched);
    ASSERT_EQ(m.firstDifference.has_value(), v.firstRow.has_value());
    if (v.firstRow) {
        const std::size_t i = *v.firstRow;
        sm::Line row = s.rows[i];
        EXPECT_EQ(m.firstDifference->row, static_cast<std::int64_t>(i + 1));
        EXPECT_EQ(model::text(m.firstDifference->date), model::text(row.date));
        EXPECT_EQ(m.firstDifference->column, v.firstColumn);
        EXPECT_DOUBLE_EQ(m.firstDifference->lender, dollars(*figure(row, v.firstColumn)));
        EXPECT_NEAR(m.firstDifference->ours, dollars(figure(v.ours[i], v.firstColumn)), 1e-7);
    }
    ASSERT_EQ(m.ours.size(), v.ours.size());
    for (std::size_t i = 0; i < v.ours.size(); ++i) {
        EXPECT_NEAR(m.ours[i].interest, dollars(v.ours[i].interest), 1e-7) << "row " << i + 1;
        EXPECT_NEAR(m.ours[i].balance, dollars(v.ours[i].balance), 1e-7) << "row " << i + 1;
    }
    ASSERT_TRUE(m.extraInterest && m.balanceDifference);
    EXPECT_NEAR(*m.extraInterest, dollars(v.extraInterest), 1e-7);
    EXPECT_NEAR(*m.balanceDifference, dollars(v.balanceDifference), 1e-7);
}

TEST(StatementMatch, EveryConventionFoundInEveryPeriod) {
    ASSERT_EQ(statementConventions(), sm::conventions());
    Random g{std::mt19937_64(20260131)};
    std::vector<sm::Loan> loans;
    for (Every e : kEvery)
        for (const StatementConvention& c : sm::conventions())
            for (int variant = 0; variant < 4; ++variant)
                loans.push_back(randomLoan(g, e, c, variant));
    // Over leap days: paid out on 29 February, and month ends through February 2028.
    const auto any = [&] { return sm::conventions()[static_cast<std::size_t>(g.whole(0, 19))]; };
    for (Every e : kEvery) {
        loans.push_back(randomLoan(g, e, any(), 2));
        loans.back().start = {2028, 2, 29};
    }
    loans.push_back(randomLoan(g, Every::Monthly, any(), 0));
    loans.back().start = {2027, 10, 31};
    // Conventions named where no other reproduces their table, and where later ones do too.
    std::set<std::string> alone, named;
    for (const sm::Loan& l : loans) {
        const sm::Lender s = sm::lender(l);
        const Style& st = g.pick(kStyles);
        SCOPED_TRACE(describe(l, s, st));
        const sm::Verdict v = sm::verdict(s, sm::decimal(l.apr), l.periodRate());
        ASSERT_EQ(v.matched, l.rows); // the model reproduces what it made
        const auto m = check(l, s, st, l.apr);
        if (!m)
            continue;
        expectVerdict(*m, s, v);
        EXPECT_EQ(m->apr, std::stod(l.apr));
        EXPECT_FALSE(m->aprFound);
        if (m->convention == l.convention)
            (v.everyRow == 1 ? alone : named).insert(name(l.convention));
    }
    // Each lender's convention was told from all others at least once: half to even from half up
    // by the ties, none from the roundings by long tables, the day counts by their months. The
    // plan's equal periods give no product on a half cent (the rate per payment is a binary
    // fraction), so there half up and half to even are one, and half up comes first.
    for (const StatementConvention& c : sm::conventions()) {
        if (c.basis != DayCount::Periodic || c.rounding == R::Down || c.rounding == R::None) {
            EXPECT_TRUE(alone.count(name(c))) << name(c) << " never told apart";
        } else if (c.rounding == R::HalfUp) {
            EXPECT_TRUE(named.count(name(c))) << name(c) << " never named";
        }
    }
}

// One figure a cent off: ours goes by the lender's payments, so only its row departs.
TEST(StatementMatch, ACentOffIsTheFirstDifference) {
    Random g{std::mt19937_64(4711)};
    std::vector<std::pair<sm::Loan, std::size_t>> loans; // and the row changed
    for (Every e : kEvery)
        for (const StatementConvention& c : sm::conventions())
            for (int variant : {0, 1}) {
                sm::Loan l = randomLoan(g, e, c, variant);
                l.payments = l.principal = true;
                loans.emplace_back(l, g.whole(0, l.rows - 1));
            }
    // Half a cent is the allowance whatever a figure's size: balances in the millions too.
    for (std::int64_t amount : {250000000L, 1234567890L, 9876543210L})
        loans.emplace_back(sm::Loan{.rows = 12, .term = 240, .amount = amount}, 5);
    for (const auto& [l, i] : loans) {
        sm::Lender s = sm::lender(l);
        const auto exact = sm::reckon(s, l.convention, sm::decimal(l.apr), l.periodRate());
        C col = g.pick({C::Interest, C::Principal, C::Balance});
        if ((i == 0 && !s.payout) || l.amount > 100000000) // the balance before is row 1's
            col = i == 0 ? C::Interest : C::Balance;
        // A cent away from ours: a figure rounded from ours is within half a cent of it.
        Q& f = *figure(s.rows[i], col);
        f += f >= figure(exact[i], col) ? 1 : -1;
        const Style& st = g.pick(kStyles);
        SCOPED_TRACE(describe(l, s, st));
        const sm::Verdict v = sm::verdict(s, sm::decimal(l.apr), l.periodRate());
        ASSERT_EQ(v.matched, l.rows - 1);
        const auto m = check(l, s, st, l.apr);
        if (!m)
            continue;
        expectVerdict(*m, s, v);
        if (m->firstDifference) { // its absence is a failure above
            EXPECT_EQ(m->firstDifference->row, static_cast<std::int64_t>(i + 1));
            EXPECT_EQ(m->firstDifference->column, col);
            EXPECT_DOUBLE_EQ(m->firstDifference->lender, dollars(f));
        }
    }
}

// Where the plan's rate matches no first row, the lender's is found from the first rows.
TEST(StatementMatch, TheLendersRateFound) {
    using D = DayCount;
    const std::pair<sm::Loan, const char*> cases[] = {
        {{"5.513", {D::Actual365, R::HalfUp}, Every::Monthly, {2026, 1, 15}, {}, 24}, "5.5"},
        {{"4.25", {D::Thirty360, R::HalfEven}, Every::Quarterly, {2026, 3, 31}, {}, 12}, "4"},
        {{"7.9", {D::ActualActual, R::Down}, Every::Biweekly, {2027, 6, 1}, {}, 40}, "7.5"},
        {{"6.125", {D::Thirty360, R::None}, Every::SemiMonthly, {2027, 9, 1}, {}, 30}, "6.25"},
    };
    for (auto [l, plan] : cases) {
        l.term = 3 * l.rows;
        l.amount = 31234567;
        const sm::Lender s = sm::lender(l);
        SCOPED_TRACE(describe(l, s, kStyles[0]));
        const sm::Verdict atPlan = sm::verdict(s, sm::decimal(plan), sm::periodRate(plan, l.every));
        ASSERT_TRUE(sm::departs(s.rows[0], atPlan.ours[0]));
        const auto m = check(l, s, kStyles[0], plan);
        ASSERT_TRUE(m);
        EXPECT_TRUE(m->aprFound);
        EXPECT_EQ(m->apr, std::stod(l.apr));
        EXPECT_EQ(m->convention.basis, l.convention.basis);
        EXPECT_EQ(m->matched, l.rows);
        EXPECT_FALSE(m->firstDifference);
        // The rounding named reproduces the table as well as the lender's own.
        const auto ours = sm::reckon(s, m->convention, sm::decimal(l.apr), l.periodRate());
        for (std::size_t i = 0; i < ours.size(); ++i)
            EXPECT_FALSE(sm::departs(s.rows[i], ours[i])) << "row " << i + 1;
    }
}

TEST(StatementMatch, WhatTheLenderChargedBeyondOurs) {
    const std::vector<std::int64_t> tenCents = {0, 0, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
    const std::pair<const char*, sm::Loan> cases[] = {
        {"a cent more interest on rows 3 to 12",
         {.convention = {DayCount::Actual365, R::HalfUp}, .extra = tenCents}},
        {"the same, rounding to even",
         {.convention = {DayCount::Thirty360, R::HalfEven}, .extra = tenCents}},
        {"a fee of 25.00 on row 5",
         {.convention = {DayCount::Actual360, R::Down}, .fee = {0, 0, 0, 0, 2500}}},
        {"two cents less on row 2, a cent more on row 7",
         {.convention = {DayCount::ActualActual, R::None}, .extra = {0, -2, 0, 0, 0, 0, 1}}},
    };
    for (auto [what, l] : cases) {
        SCOPED_TRACE(what);
        l.rows = 18;
        l.start = {2027, 10, 31};
        const sm::Lender s = sm::lender(l);
        const sm::Verdict v = sm::verdict(s, sm::decimal(l.apr), l.periodRate());
        ASSERT_FALSE(sm::departs(s.rows[0], v.ours[0])); // the plan's rate stands
        const auto m = check(l, s, kStyles[3], l.apr);
        ASSERT_TRUE(m);
        expectVerdict(*m, s, v);
    }
}

// A table read in every style: the same rows, dates and figures; the payout row is the start.
TEST(StatementRead, EveryStyleReadsToTheSameRows) {
    const sm::Loan loans[] = {
        {.rows = 14, .term = 120, .amount = 123456789},              // grouped millions
        {.start = {2026, 6, 5}, .amount = 9876543, .payout = false}, // days 12 or less
        {.every = Every::Biweekly, .start = {2027, 12, 20}, .principal = false},
    };
    for (const sm::Loan& l : loans)
        for (const Style& st : kStyles) {
            const sm::Lender s = sm::lender(l);
            SCOPED_TRACE(describe(l, s, st));
            std::string why;
            const auto read = readStatement(sm::csv(s, st), why);
            ASSERT_TRUE(read) << why;
            EXPECT_EQ(read->startGiven, l.payout);
            EXPECT_EQ(model::text(read->start), model::text(l.start));
            EXPECT_EQ(read->amount, dollars(Q(l.amount)));
            EXPECT_TRUE(read->has(C::Interest) && read->has(C::Balance));
            EXPECT_EQ(read->has(C::Payment), l.payments);
            EXPECT_EQ(read->has(C::Principal), l.principal);
            ASSERT_EQ(read->rows.size(), s.rows.size());
            const int firstLine = (st.title ? 2 : 1) + (l.payout ? 2 : 1);
            for (std::size_t i = 0; i < s.rows.size(); ++i) {
                const StatementRow& r = read->rows[i];
                const sm::Line& want = s.rows[i];
                EXPECT_EQ(r.line, firstLine + static_cast<std::int64_t>(i));
                EXPECT_EQ(model::text(r.date), model::text(want.date));
                for (const auto& [c, v] :
                     {std::pair(C::Interest, want.interest),
                      std::pair(C::Principal, want.principal), std::pair(C::Balance, want.balance),
                      std::pair(C::Payment, want.payment)})
                    EXPECT_EQ(r[c], v ? std::optional(dollars(*v)) : std::nullopt)
                        << statementColumnWord(c) << " of row " << i + 1;
            }
        }
}

// Without a payout row, the first row's interest runs from one payment period before it.
TEST(StatementRead, StartOnePeriodBeforeTheFirstRow) {
    const std::pair<Every, Date> cases[] = {
        {Every::Monthly, {2026, 4, 15}},
        {Every::Monthly, {2026, 1, 31}},    // month ends: 28 February, 31 March, ...
        {Every::Monthly, {2025, 12, 30}},   // 30 January, then 28 February: the 30th still
        {Every::Monthly, {2026, 12, 29}},   // 29 January 2027, then 28 February
        {Every::Quarterly, {2027, 11, 15}}, // over 29 February 2028
        {Every::Biweekly, {2028, 2, 20}},
    };
    for (const auto& [every, start] : cases) {
        const sm::Loan l{.every = every, .start = start, .payout = false};
        const sm::Lender s = sm::lender(l);
        SCOPED_TRACE(describe(l, s, kStyles[0]));
        std::string why;
        const auto read = readStatement(sm::csv(s, kStyles[0]), why);
        ASSERT_TRUE(read) << why;
        EXPECT_EQ(model::text(read->start), model::text(start));
        EXPECT_EQ(matchStatement(*read, planOf(l, s, l.apr)).matched, l.rows);
    }
}

TEST(StatementRead, RefusedWithTheLine) {
    const std::string head = "Date,Payment,Interest,Principal,Balance\n";
    std::string rows; // five, on the 15th of January to May
    for (int k = 1; k <= 5; ++k)
        rows += "2026-0" + std::to_string(k) + "-15,500.00,40.00,460.00,9000.00\n";
    const std::string two = rows.substr(0, 2 * rows.size() / 5);
    const std::tuple<const char*, std::string, int, const char*> cases[] = {
        {"the header only", head, 1, "no payments"},
        {"a row without a date", head + rows + ",500.00,40.00,460.00,1.00\n", 7,
         "no date in the Date column"},
        {"an impossible date", head + two + "2026-02-30,500.00,40.00,460.00,1.00\n", 4,
         "no date in the Date column"},
        {"dates backwards", head + two + "2026-02-10,500.00,40.00,460.00,1.00\n", 4, "not after"},
        {"a thousand digits", head + two + "2026-03-15,1," + std::string(1000, '9') + ",1,1\n", 4,
         "too large"},
        {"binary bytes", head + two + "\x01\x02\x1b\x7f\xfe\n" + rows, 4, "not text"},
        {"nothing", "", 1, "empty"},
        {"a million columns", head + two + std::string(1000000, ',') + "\n", 4, "64 columns"},
        {"a header of a million columns", "Date,Interest,Balance" + std::string(1000000, ','), 1,
         "64 columns"},
        {"more fields than the header", head + two + "2026-03-15,500.00,40.00,460.00,1.00,1,2\n", 4,
         "7 fields where the header has 5"},
    };
    for (const auto& [what, text, line, reason] : cases) {
        SCOPED_TRACE(what);
        std::string why;
        EXPECT_FALSE(readStatement(text, why));
        const std::string at = "line " + std::to_string(line) + ": ";
        EXPECT_EQ(why.substr(0, at.size()), at) << why;
        EXPECT_NE(why.find(reason), std::string::npos) << why;
    }
}

// A mark followed by exactly three digits tells nothing on its own: with no figure that shows
// its decimals, "1,050" and "10,000" are thousands, however many there are.
TEST(StatementRead, GroupedWholeAmountsAreThousands) {
    const std::string text = "Date,Payment,Interest,Balance\n2026-01-31,,,\"10,000\"\n"
                             "2026-02-28,\"1,050\",50,\"9,000\"\n"
                             "2026-03-31,\"1,045\",45,\"8,000\"\n";
    std::string why;
    const auto s = readStatement(text, why);
    ASSERT_TRUE(s) << why;
    EXPECT_EQ(s->amount, 10000.0);
    ASSERT_EQ(s->rows.size(), 2u);
    EXPECT_EQ(s->rows[0][StatementColumn::Payment], 1050.0);
    EXPECT_EQ(s->rows[1][StatementColumn::Balance], 8000.0);
}

} // namespace
} // namespace selvane
