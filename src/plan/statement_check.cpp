// The statement in use and what Tools > Check a Lender's Statement shows of it: the conventions
// in a sentence, what departs from our reckoning, and the two tables side by side.

#include <algorithm>
#include <cmath>

#include "core/number_text.h"
#include "plan/statement.h"

namespace selvane {

namespace {
// A column's name inside a sentence.
const char* columnInSentence(StatementColumn c) {
    switch (c) {
    case StatementColumn::Interest:
        return UI_TEXT("selvane::FinCalc", "interest");
    case StatementColumn::Principal:
        return UI_TEXT("selvane::FinCalc", "principal");
    case StatementColumn::Balance:
        return UI_TEXT("selvane::FinCalc", "balance");
    case StatementColumn::Payment:
        break;
    }
    return UI_TEXT("selvane::FinCalc", "payment");
}
} // namespace

bool StatementCheck::read(std::string_view bytes, std::string from) {
    std::string why;
    auto s = readStatement(bytes, why, m_say);
    if (!s) {
        message = why;
        return false;
    }
    statement = std::move(s);
    source = std::move(from);
    message.clear();
    ++m_revision;
    return true;
}

void StatementCheck::off() {
    statement.reset();
    source.clear();
    message.clear();
    ++m_revision;
}

const StatementMatch* StatementCheck::match(const std::optional<StatementPlan>& plan) const {
    if (!statement || !plan)
        return nullptr;
    if (!m_cached || m_cached->revision != m_revision || m_cached->plan != plan)
        m_cached = Cached{m_revision, plan, matchStatement(*statement, *plan)};
    return &m_cached->match;
}

std::string StatementCheck::conventionText(StatementConvention c) const {
    const std::string basis = c.basis == DayCount::Periodic
                                  ? say(UI_TEXT("selvane::FinCalc", "the plan's equal periods"))
                                  : std::string(dayCountWord(c.basis));
    const char* rounding = UI_TEXT("selvane::FinCalc", "interest not rounded");
    switch (c.rounding) {
    case InterestRounding::HalfUp:
        rounding = UI_TEXT("selvane::FinCalc", "each row's interest rounded half up to the cent");
        break;
    case InterestRounding::HalfEven:
        rounding =
            UI_TEXT("selvane::FinCalc", "each row's interest rounded half to even to the cent");
        break;
    case InterestRounding::Down:
        rounding = UI_TEXT("selvane::FinCalc", "each row's interest rounded down to the cent");
        break;
    case InterestRounding::None:
        break;
    }
    return basis + ", " + say(rounding);
}

StatementTexts StatementCheck::texts(const std::optional<StatementPlan>& plan,
                                     std::string_view noPlan, bool rows) const {
    StatementTexts t;
    t.refused = message;
    using C = StatementColumn;
    t.headers[0] = say(UI_TEXT("selvane::FinCalc", "No."));
    t.headers[1] = say(UI_TEXT("selvane::FinCalc", "Date"));
    for (std::size_t c = 0; c < kStatementColumns; ++c) {
        const std::string caption = say(statementColumnCaption(kStatementShownOrder[c]));
        t.headers[2 + c] = fillIn(say(UI_TEXT("selvane::FinCalc", "Lender's %1")), {caption});
        t.headers[2 + kStatementColumns + c] =
            fillIn(say(UI_TEXT("selvane::FinCalc", "Our %1")), {caption});
    }
    if (!statement) {
        t.sentence = say(UI_TEXT("selvane::FinCalc",
                                 "Open a lender's statement, or paste one, to compare it with "
                                 "the plan."));
        return t;
    }
    const StatementMatch* m = match(plan);
    if (m == nullptr)
        t.sentence = noPlan;
    const std::string count = std::to_string(statement->rows.size());
    if (m != nullptr) {
        const std::string conventions = conventionText(m->convention);
        // Rates with every digit they need, in the locale's decimal mark.
        const auto rate = [&](double v) {
            std::string text = plainDecimalText(v);
            if (m_currency.decimalComma())
                std::replace(text.begin(), text.end(), '.', ',');
            return text;
        };
        const std::string apr = rate(m->apr);
        if (m->aprFound)
            t.sentence =
                fillIn(say(UI_TEXT("selvane::FinCalc", "Your lender charges %1 %, not %3 %: %2.")),
                       {apr, conventions, rate(plan->apr)});
        else if (m->matched == static_cast<std::int64_t>(statement->rows.size()))
            t.sentence = fillIn(say(UI_TEXT("selvane::FinCalc", "Every row matches: %1, at %2 %.")),
                                {conventions, apr});
        else
            t.sentence =
                fillIn(say(UI_TEXT("selvane::FinCalc", "The closest reckoning: %1, at %2 %.")),
                       {conventions, apr});
        t.summary[0] = fillIn(say(UI_TEXT("selvane::FinCalc", "%1 of %2 rows match.")),
                              {std::to_string(m->matched), count});
        if (const auto& d = m->firstDifference)
            t.summary[1] = fillIn(
                say(UI_TEXT("selvane::FinCalc", "The first difference: payment %1 (%2), %3: the "
                                                "lender's %4, ours %5.")),
                {std::to_string(d->row), m_currency.date(d->date.year, d->date.month, d->date.day),
                 say(columnInSentence(d->column)), money(d->lender), money(d->ours)});
        else
            t.summary[1] = say(UI_TEXT("selvane::FinCalc", "No figure differs."));
        const auto more = [&](const std::optional<double>& v, const char* above, const char* below,
                              const char* same, const char* unknown) {
            if (!v)
                return say(unknown);
            if (std::fabs(*v) < 0.005)
                return say(same);
            return fillIn(say(*v > 0 ? above : below), {money(std::fabs(*v))});
        };
        t.summary[2] =
            more(m->balanceDifference,
                 UI_TEXT("selvane::FinCalc", "The lender's final balance is %1 more than ours."),
                 UI_TEXT("selvane::FinCalc", "The lender's final balance is %1 less than ours."),
                 UI_TEXT("selvane::FinCalc", "The final balances agree."),
                 UI_TEXT("selvane::FinCalc", "The statement does not tell its final balance."));
        t.summary[3] = more(
            m->extraInterest,
            UI_TEXT("selvane::FinCalc", "The lender charged %1 more interest than our reckoning."),
            UI_TEXT("selvane::FinCalc", "The lender charged %1 less interest than our reckoning."),
            UI_TEXT("selvane::FinCalc", "The interest agrees with our reckoning."),
            UI_TEXT("selvane::FinCalc", "The statement does not tell all its interest."));
    }
    if (!rows)
        return t;
    t.rows.reserve(statement->rows.size());
    for (std::size_t i = 0; i < statement->rows.size(); ++i) {
        const StatementRow& r = statement->rows[i];
        StatementTexts::Row row;
        row.cells[0] = std::to_string(i + 1);
        row.cells[1] = m_currency.date(r.date.year, r.date.month, r.date.day);
        for (std::size_t c = 0; c < kStatementColumns; ++c) {
            const C col = kStatementShownOrder[c];
            if (const auto v = r[col])
                row.cells[2 + c] = money(*v);
            if (m != nullptr) {
                row.cells[2 + kStatementColumns + c] = money(m->ours[i][col]);
                row.differs[c] = statementDiffers(*statement, i, m->ours[i], col);
            }
        }
        t.rows.push_back(std::move(row));
    }
    return t;
}

TableSheet StatementCheck::sheet(const std::optional<StatementPlan>& plan) const {
    using K = SheetCell::Kind;
    using C = StatementColumn;
    TableSheet s;
    s.name = "Statement";
    s.headers = {"Payment", "Date"};
    for (const C c : kStatementShownOrder)
        s.headers.push_back(std::string("Lender's ") + statementColumnWord(c));
    for (const C c : kStatementShownOrder)
        s.headers.push_back(std::string("Our ") + statementColumnWord(c));
    s.headers.push_back("Differs in");
    const StatementMatch* m = match(plan);
    if (!statement)
        return s;
    for (std::size_t i = 0; i < statement->rows.size(); ++i) {
        const StatementRow& r = statement->rows[i];
        std::vector<SheetCell> row{{K::Count, {}, static_cast<double>(i + 1)},
                                   {K::Text, isoDateText(r.date), 0}};
        for (const C c : kStatementShownOrder) {
            const auto v = r[c];
            row.push_back(v ? SheetCell{K::Money, {}, *v} : SheetCell{});
        }
        std::string differs;
        for (const C col : kStatementShownOrder) {
            if (m == nullptr) {
                row.emplace_back();
                continue;
            }
            row.push_back({K::Money, {}, m->ours[i][col]});
            if (statementDiffers(*statement, i, m->ours[i], col))
                differs += (differs.empty() ? "" : " ") + std::string(statementColumnWord(col));
        }
        row.push_back({K::Text, differs, 0});
        s.rows.push_back(std::move(row));
    }
    return s;
}

std::string StatementCheck::csv(const std::optional<StatementPlan>& plan, CsvStyle style) const {
    return tableSheetCsv(sheet(plan), style);
}

} // namespace selvane
