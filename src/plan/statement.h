#pragma once
// A lender's statement beside the plan: the lender's payment table read from a CSV file or from
// text pasted out of a PDF or a web page, the lender's conventions found (the day count, how each
// row's interest is rounded, and the rate where it is not the plan's), and where the lender's
// figures depart from our reckoning under them.
//
// Our reckoning of a statement: from the balance before its first payment (the payout row's, else
// the one the first row implies, else the plan's amount financed) each row charges the balance
// times APR / 100 times the day count's year fraction from the date above (the payout date for
// the first row) to the row's date, or the plan's rate per payment under the periodic basis;
// rounds that interest as the convention says; and pays the lender's own payment for the row.
// A row matches when every figure the lender gives for its interest, principal and balance is
// within half a cent of ours.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/calendar.h"
#include "core/currency.h"
#include "core/report_export.h"
#include "core/table_sheet.h"
#include "core/user_text.h"

namespace selvane {

// The figures a statement row may give, in the order the comparison checks them in.
enum class StatementColumn { Interest, Principal, Balance, Payment };
inline constexpr std::size_t kStatementColumns = 4;
const char* statementColumnWord(StatementColumn c);    // "interest", "principal", ...
const char* statementColumnCaption(StatementColumn c); // "Interest", ... (translatable)
// The order a statement's figures are shown in, as lenders print them.
inline constexpr std::array<StatementColumn, kStatementColumns> kStatementShownOrder{
    StatementColumn::Payment, StatementColumn::Interest, StatementColumn::Principal,
    StatementColumn::Balance};

struct StatementRow {
    std::int64_t line = 0; // in the text, from 1
    CivilDate date;
    std::array<std::optional<double>, kStatementColumns> figures; // by StatementColumn
    std::optional<double> operator[](StatementColumn c) const {
        return figures[static_cast<std::size_t>(c)];
    }
};

struct Statement {
    CivilDate start;                // the payout row's date, else one period before the first row
    bool startGiven = false;        // the statement has a payout row
    std::optional<double> amount;   // the balance before the first payment, where the rows tell
    std::vector<StatementRow> rows; // the payments
    std::array<bool, kStatementColumns> columns{}; // the figures the header names
    bool has(StatementColumn c) const { return columns[static_cast<std::size_t>(c)]; }
};

// What a statement may be: at most 8 MiB of text (a hundred thousand rows and more), 100,000
// payments and 64 columns.
inline constexpr std::size_t kMaxStatementBytes = 8u << 20;
inline constexpr std::size_t kMaxStatementRows = 100000;
inline constexpr std::size_t kMaxStatementColumns = 64;

// The statement in `bytes` (UTF-8, UTF-16 with its byte-order mark, or Windows-1252), or nullopt
// with `why` naming the line and what is wrong with it ("line 7: no date in the Date column").
std::optional<Statement> readStatement(std::string_view bytes, std::string& why,
                                       const Translate& say = asWritten);

// How a lender rounds each row's interest to the cent.
enum class InterestRounding { HalfUp, HalfEven, Down, None };
const char* roundingWord(InterestRounding r); // "half-up", "half-even", "down", "none"

struct StatementConvention {
    DayCount basis = DayCount::Thirty360;
    InterestRounding rounding = InterestRounding::HalfUp;
    bool operator==(const StatementConvention&) const = default;
};
// Every convention tried, simplest first: where two match equally many rows the earlier wins.
// The lenders' day counts come before the calculator's own equal periods, and within a basis
// rounding half away from zero (the common practice) before half to even, down, and none.
std::vector<StatementConvention> statementConventions();

// What the plan gives the comparison.
struct StatementPlan {
    double apr = 0;                 // percent
    double periodRate = 0;          // the rate per payment, for the periodic basis
    double amount = 0;              // the first balance where the statement implies none
    double payment = 0;             // as its field shows it: where a row's payment cannot be told
    std::optional<CivilDate> start; // the payout date set for the plan, where there is one
    bool operator==(const StatementPlan&) const = default;
};

// Our reckoning of one row.
struct OurRow {
    double payment = 0, interest = 0, principal = 0, balance = 0;
    double operator[](StatementColumn c) const {
        switch (c) {
        case StatementColumn::Interest:
            return interest;
        case StatementColumn::Principal:
            return principal;
        case StatementColumn::Balance:
            return balance;
        case StatementColumn::Payment:
            break;
        }
        return payment;
    }
};

struct StatementDifference {
    std::int64_t row = 0; // from 1
    CivilDate date;
    StatementColumn column = StatementColumn::Interest;
    double lender = 0, ours = 0;
};

struct StatementMatch {
    StatementConvention convention;
    double apr = 0;
    bool aprFound = false; // the rate was found from the first rows: the plan's matched fewer
    std::int64_t matched = 0;
    std::vector<OurRow> ours; // a row for each of the statement's
    std::optional<StatementDifference> firstDifference;
    // The lender's final balance less ours, and the interest the lender charged less ours in all;
    // unknown where the statement does not tell its own.
    std::optional<double> balanceDifference, extraInterest;
};

// The lender's figures for each row: those it gives, and those the others imply (a payment from
// the interest and principal, or from the balances and the interest; an interest from the
// payment and principal, or the balances and the payment; a balance from the one above).
struct LenderFigures {
    std::vector<std::optional<double>> payment, interest, balance;
};
LenderFigures lenderFigures(const Statement& s, const StatementPlan& p);
// The date interest runs from for the first row: the payout row's; else the plan's payout date
// where it comes before the first row; else one period before the first row.
CivilDate statementStart(const Statement& s, const StatementPlan& p);

// The rows of our reckoning under one convention and APR.
std::vector<OurRow> reckonStatement(const Statement& s, const StatementPlan& p,
                                    StatementConvention c, double apr);
// Whether the lender's figure in column c of row i departs from ours.
bool statementDiffers(const Statement& s, std::size_t i, const OurRow& ours, StatementColumn c);
// The convention (and rate) that matches the most rows, and where the statement departs from it.
StatementMatch matchStatement(const Statement& s, const StatementPlan& p);
// The rates that make the first rows' interest come out as the lender's under a day count, from
// the lender's own balances: for each run of the first twelve rows that one rate fits, the
// shortest decimal that does (none where the rows give no interest to go by).
std::vector<double> impliedAprs(const Statement& s, const StatementPlan& p, DayCount basis);

// The texts Tools > Check a Lender's Statement shows, made here so the window and selvane-cli
// agree.
struct StatementTexts {
    std::string refused;  // why the last statement given was refused; empty when taken
    std::string sentence; // the conventions found, or why there is nothing to compare
    std::array<std::string, 4> summary; // rows matched, first difference, final balance, interest
    // No., date, then the lender's figures and ours, each in kStatementShownOrder.
    std::array<std::string, 2 + 2 * kStatementColumns> headers;
    struct Row {
        std::array<std::string, 2 + 2 * kStatementColumns> cells;
        std::array<bool, kStatementColumns> differs{}; // in kStatementShownOrder
    };
    std::vector<Row> rows;
};

// The statement in use, the last refusal, and its comparison with the plan (worked out again
// only when the statement or the plan changes).
class StatementCheck {
  public:
    StatementCheck(Translate say, CurrencyFormat currency)
        : m_say(std::move(say)), m_currency(std::move(currency)) {}

    std::optional<Statement> statement;
    std::string source;  // the file it was read from; empty when pasted
    std::string message; // why the last one given was refused
    // The text of a statement: taken, or refused with the statement in use kept.
    bool read(std::string_view bytes, std::string from);
    void off();                                           // no statement
    std::uint64_t revision() const { return m_revision; } // bumped by read and off

    // The comparison against the plan, nullopt without a statement or a plan (`why` says why).
    const StatementMatch* match(const std::optional<StatementPlan>& plan) const;
    // Without `rows`, the sentences alone (the table is the costly part).
    StatementTexts texts(const std::optional<StatementPlan>& plan, std::string_view noPlan,
                         bool rows = true) const;
    // The comparison as a table: a row a payment, the lender's figures beside ours and the
    // columns that differ.
    TableSheet sheet(const std::optional<StatementPlan>& plan) const;
    std::string csv(const std::optional<StatementPlan>& plan, CsvStyle style) const;
    // The conventions in words: "actual/365, each row's interest rounded half up to the cent".
    std::string conventionText(StatementConvention c) const;

  private:
    std::string say(const char* text) const { return m_say(text); }
    std::string money(double v) const { return m_currency.amount(v); }
    Translate m_say;
    CurrencyFormat m_currency;
    std::uint64_t m_revision = 0; // bumped by every statement taken or dropped
    struct Cached {
        std::uint64_t revision = 0;
        std::optional<StatementPlan> plan;
        StatementMatch match;
    };
    mutable std::optional<Cached> m_cached;
};

} // namespace selvane
