// Reading a lender's statement: any bytes at all, as a damaged, foreign or hostile file or paste
// would hold. A statement taken must be one the comparison can walk (payments in strictly
// increasing real dates, finite household-sized figures, a start no later than the first
// payment); a refused one must say which line stopped it. What is taken is then compared with a
// plan and shown: every convention's reckoning has a row for each payment, the first difference
// named really differs, and the window's texts and the saved comparison are valid UTF-8.
//
// The plan compared with is drawn from a hash of the bytes, so that every input is just a
// statement file and the seeds are ordinary statements.

#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "plan/statement.h"

namespace selvane {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

// "line N: reason", N a number of at least 1 and at most the lines the text has.
void checkRefusal(std::string_view bytes, const std::string& why) {
    FUZZ_CHECK(why.starts_with("line "));
    std::size_t i = 5;
    std::int64_t n = 0;
    while (i < why.size() && isDigit(why[i]) && i < 25)
        n = n * 10 + (why[i++] - '0');
    FUZZ_CHECK(i > 5 && why.substr(i, 2) == ": " && n >= 1);
    FUZZ_CHECK(fuzz::validUtf8(why));
    // Outside UTF-16 the decoded text breaks lines where the bytes do.
    if (bytes.starts_with("\xFF\xFE") || bytes.starts_with("\xFE\xFF"))
        return;
    std::int64_t lines = 1;
    for (std::size_t k = 0; k < bytes.size(); ++k)
        if (bytes[k] == '\n' ||
            (bytes[k] == '\r' && (k + 1 == bytes.size() || bytes[k + 1] != '\n')))
            ++lines;
    FUZZ_CHECK(n <= lines);
}

void checkStatement(const Statement& s) {
    FUZZ_CHECK(!s.rows.empty() && s.rows.size() <= kMaxStatementRows);
    const auto realDate = [](CivilDate d) {
        return d.year >= 1 && d.year <= 9999 && d.month >= 1 && d.month <= 12 && d.day >= 1 &&
               d.day <= daysInMonth(d.year, d.month);
    };
    const auto figure = [](double v) { return std::isfinite(v) && std::fabs(v) < 1e13; };
    FUZZ_CHECK(realDate(s.start));
    FUZZ_CHECK(s.startGiven ? s.start < s.rows.front().date : !(s.rows.front().date < s.start));
    // The first balance is a row's balance with its principal (or its payment less its
    // interest) added back: a sum of figures, each under 10^13.
    if (s.amount)
        FUZZ_CHECK(std::isfinite(*s.amount) && std::fabs(*s.amount) < 3e13);
    for (std::size_t i = 0; i < s.rows.size(); ++i) {
        const StatementRow& r = s.rows[i];
        FUZZ_CHECK(realDate(r.date) && r.line >= 1);
        if (i > 0)
            FUZZ_CHECK(s.rows[i - 1].date < r.date && s.rows[i - 1].line < r.line);
        for (std::size_t c = 0; c < kStatementColumns; ++c)
            if (const auto v = r.figures[c])
                FUZZ_CHECK(figure(*v) && s.columns[c]);
    }
}

// A plan of 0 to 30 % in steps of a quarter, with or without a payout date of its own.
StatementPlan planFor(std::string_view bytes, const Statement& s) {
    std::uint32_t h = 2166136261u; // FNV-1a
    for (char c : bytes)
        h = (h ^ static_cast<unsigned char>(c)) * 16777619u;
    StatementPlan p;
    p.apr = (h % 121) * 0.25;
    p.periodRate = (h >> 7 & 1) ? p.apr / 1200 : p.apr / 2600;
    constexpr double kAmounts[] = {0, 1000, 25000, 250000.55, 9.99e12};
    constexpr double kPayments[] = {0, 86.07, 1500, 1e9};
    p.amount = kAmounts[(h >> 8) % std::size(kAmounts)];
    p.payment = kPayments[(h >> 12) % std::size(kPayments)];
    switch ((h >> 16) % 3) {
    case 0:
        break;
    case 1:
        p.start = s.start;
        break;
    default:
        p.start = s.rows.front().date;
    }
    return p;
}

void checkMatch(const Statement& s, const StatementPlan& p, const StatementMatch& m) {
    const auto rows = static_cast<std::int64_t>(s.rows.size());
    FUZZ_CHECK(m.ours.size() == s.rows.size());
    FUZZ_CHECK(m.matched >= 0 && m.matched <= rows);
    FUZZ_CHECK(std::isfinite(m.apr));
    FUZZ_CHECK(!m.balanceDifference || std::isfinite(*m.balanceDifference));
    FUZZ_CHECK(!m.extraInterest || std::isfinite(*m.extraInterest));
    if (!m.aprFound)
        FUZZ_CHECK(m.apr == p.apr);
    const auto all = statementConventions();
    FUZZ_CHECK(std::find(all.begin(), all.end(), m.convention) != all.end());
    // A difference exactly where some row does not match, and none before the first one named.
    FUZZ_CHECK(m.firstDifference.has_value() == (m.matched < rows));
    if (const auto& d = m.firstDifference) {
        FUZZ_CHECK(d->row >= 1 && d->row <= rows);
        const auto i = static_cast<std::size_t>(d->row - 1);
        FUZZ_CHECK(statementDiffers(s, i, m.ours[i], d->column));
        FUZZ_CHECK(d->date == s.rows[i].date && s.rows[i][d->column] == d->lender);
        for (std::size_t k = 0; k < i; ++k)
            for (std::size_t c = 0; c < kStatementColumns; ++c)
                FUZZ_CHECK(!statementDiffers(s, k, m.ours[k], static_cast<StatementColumn>(c)));
    }
}

void checkTexts(const StatementTexts& t, std::size_t rows) {
    FUZZ_CHECK(t.rows.size() == rows);
    FUZZ_CHECK(fuzz::validUtf8(t.refused) && fuzz::validUtf8(t.sentence));
    for (const std::string& s : t.summary)
        FUZZ_CHECK(fuzz::validUtf8(s));
    for (const std::string& s : t.headers)
        FUZZ_CHECK(fuzz::validUtf8(s));
    for (const StatementTexts::Row& r : t.rows)
        for (const std::string& s : r.cells)
            FUZZ_CHECK(fuzz::validUtf8(s));
}

} // namespace
} // namespace selvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace selvane;
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);

    std::string why = "unchanged";
    const std::optional<Statement> s = readStatement(bytes, why);
    if (!s) {
        checkRefusal(bytes, why);
        return 0;
    }
    FUZZ_CHECK(why.empty());
    checkStatement(*s);

    const StatementPlan plan = planFor(bytes, *s);
    const StatementMatch m = matchStatement(*s, plan);
    checkMatch(*s, plan, m);

    // The window's view of the same statement: taken as the reader took it, then shown with the
    // plan and without one.
    StatementCheck check(asWritten,
                         CurrencyFormat(QLocale(QLocale::English, QLocale::UnitedStates)));
    FUZZ_CHECK(check.read(bytes, "fuzz.csv") && check.message.empty());
    FUZZ_CHECK(check.statement->rows.size() == s->rows.size());
    const StatementMatch* cached = check.match(plan);
    FUZZ_CHECK(cached != nullptr && cached->matched == m.matched &&
               cached->convention == m.convention);
    checkTexts(check.texts(plan, "no plan"), s->rows.size());
    checkTexts(check.texts(std::nullopt, "no plan"), s->rows.size());
    for (const CsvStyle style : {CsvStyle{}, kDecimalCommaCsv}) {
        const std::string csv = check.csv(plan, style);
        FUZZ_CHECK(fuzz::validUtf8(csv));
        FUZZ_CHECK(std::count(csv.begin(), csv.end(), '\n') >=
                   static_cast<std::ptrdiff_t>(s->rows.size()));
    }
    return 0;
}
