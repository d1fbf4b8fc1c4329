// The offers of Compare Offers: the list, its figures and marks, its texts and its file.

#include <algorithm>
#include <cmath>
#include <sstream>

#include "core/number_text.h"
#include "plan/figure_texts.h"
#include "plan/offers.h"

namespace selvane {

namespace {
constexpr const char* kFileFirstLine = "Selvane offers 1";

std::vector<std::string> wordsOf(const std::string& line) {
    std::istringstream in(line);
    std::vector<std::string> w;
    for (std::string word; in >> word;)
        w.push_back(word);
    return w;
}

std::string rateText(const std::optional<double>& v) {
    return v ? formatFixed(*v, 2) + " %" : kNoFigure;
}
} // namespace

OfferBook::OfferBook(Translate say, CurrencyFormat currency)
    : m_say(std::move(say)), m_currency(std::move(currency)) {}

std::optional<std::size_t> OfferBook::find(const std::string& name) const {
    for (std::size_t i = 0; i < m_offers.size(); ++i)
        if (m_offers[i].name == name)
            return i;
    return std::nullopt;
}

bool OfferBook::put(const Offer& o) {
    if (const auto problem = offerProblem(o, m_say)) {
        message = *problem;
        return false;
    }
    message.clear();
    if (const auto i = find(o.name))
        m_offers[*i] = o;
    else
        m_offers.push_back(o);
    changed();
    return true;
}

bool OfferBook::replace(std::size_t i, const Offer& o) {
    if (i >= m_offers.size())
        return false;
    if (const auto problem = offerProblem(o, m_say)) {
        message = *problem;
        return false;
    }
    if (const auto other = find(o.name); other && *other != i) {
        message = fillIn(m_say(UI_TEXT("selvane::FinCalc", "There is an offer named %1 already.")),
                         {o.name});
        return false;
    }
    message.clear();
    m_offers[i] = o;
    changed();
    return true;
}

bool OfferBook::edit(std::size_t i, OfferColumn c, const std::string& text) {
    if (i >= m_offers.size())
        return false;
    Offer o = m_offers[i];
    const std::string t = decimalCommaAsPoint(text);
    auto refuse = [&](const char* why) {
        message = fillIn(m_say(why), {text});
        return false;
    };
    switch (c) {
    case OfferColumn::Name: {
        const auto w = wordsOf(text);
        if (w.size() != 1 || w[0].find('=') != std::string::npos)
            return refuse(
                UI_TEXT("selvane::FinCalc", "%1 is not a name: one word, without blanks."));
        o.name = w[0];
        break;
    }
    case OfferColumn::Period:
    case OfferColumn::Compound: {
        // By its word, or by its name as the list shows it in the user's language.
        const auto names = texts();
        bool found = false;
        if (c == OfferColumn::Period) {
            for (int k = 0; k < 3 && !found; ++k)
                if (t == names.periods[k] || t == periodWord(static_cast<PaymentPeriod>(k))) {
                    o.period = static_cast<PaymentPeriod>(k);
                    found = true;
                }
        } else {
            for (int k = 0; k < 4 && !found; ++k)
                if (t == names.compounds[k] || t == compoundWord(static_cast<CompoundPeriod>(k))) {
                    o.compound = static_cast<CompoundPeriod>(k);
                    found = true;
                }
        }
        if (!found)
            return refuse(UI_TEXT("selvane::FinCalc", "%1 is not a period of the list."));
        break;
    }
    case OfferColumn::Payments: {
        const auto v = wholeNumber(t);
        if (!v || *v != std::floor(*v) || std::fabs(*v) > 9e15)
            return refuse(UI_TEXT("selvane::FinCalc", "%1 is not a whole number of payments."));
        o.payments = static_cast<std::int64_t>(*v);
        break;
    }
    default: {
        const auto v = wholeNumber(t);
        if (!v)
            return refuse(UI_TEXT("selvane::FinCalc", "%1 is not a number."));
        double Offer::*member[] = {nullptr,       &Offer::amount, &Offer::apr,     nullptr,
                                   nullptr,       nullptr,        &Offer::balloon, &Offer::upfront,
                                   &Offer::added, &Offer::fee};
        o.*member[static_cast<int>(c)] = *v;
        break;
    }
    }
    return replace(i, o);
}

bool OfferBook::duplicate(std::size_t i) {
    if (i >= m_offers.size())
        return false;
    Offer copy = m_offers[i];
    for (int n = 2;; ++n) {
        copy.name = m_offers[i].name + "-" + std::to_string(n);
        if (!find(copy.name))
            break;
    }
    m_offers.insert(m_offers.begin() + static_cast<std::ptrdiff_t>(i) + 1, copy);
    message.clear();
    changed();
    return true;
}

bool OfferBook::remove(std::size_t i) {
    if (i >= m_offers.size())
        return false;
    m_offers.erase(m_offers.begin() + static_cast<std::ptrdiff_t>(i));
    message.clear();
    changed();
    return true;
}

bool OfferBook::remove(const std::string& name) {
    const auto i = find(name);
    if (!i) {
        message = fillIn(m_say(UI_TEXT("selvane::FinCalc", "There is no offer named %1.")), {name});
        return false;
    }
    return remove(*i);
}

void OfferBook::clear() {
    m_offers.clear();
    message.clear();
    changed();
}

const std::vector<OfferBook::Row>& OfferBook::rows() const {
    if (m_rows)
        return *m_rows;
    std::vector<Row> rows(m_offers.size());
    std::optional<double> leastCost, leastAprc;
    for (std::size_t i = 0; i < m_offers.size(); ++i) {
        rows[i].figures = workOutOffer(m_offers[i], &rows[i].why, m_say);
        if (const auto& f = rows[i].figures) {
            leastCost = std::min(leastCost.value_or(f->costOfCredit), f->costOfCredit);
            if (f->aprc)
                leastAprc = std::min(leastAprc.value_or(*f->aprc), *f->aprc);
        }
    }
    for (Row& r : rows)
        if (r.figures) {
            r.moreThanCheapest = r.figures->costOfCredit - *leastCost;
            r.cheapest = r.moreThanCheapest < 0.005;
            r.lowestAprc = r.figures->aprc && *r.figures->aprc == *leastAprc;
        }
    m_rows = std::move(rows);
    return *m_rows;
}

std::optional<std::int64_t> OfferBook::evenAfter(std::size_t i, std::size_t j) const {
    const auto& r = rows();
    if (i >= r.size() || j >= r.size() || i == j || !r[i].figures || !r[j].figures)
        return std::nullopt;
    return selvane::evenAfter(costSteps(m_offers[i], *r[i].figures),
                              costSteps(m_offers[j], *r[j].figures));
}

std::string OfferBook::evenAfterText(std::size_t i, std::size_t j) const {
    const auto& r = rows();
    if (i >= r.size() || j >= r.size() || i == j)
        return {};
    for (std::size_t k : {i, j})
        if (!r[k].figures)
            return fillIn(m_say(UI_TEXT("selvane::FinCalc", "%1 has no figures.")),
                          {m_offers[k].name});
    const auto k = evenAfter(i, j);
    const std::string& a = m_offers[i].name;
    const std::string& b = m_offers[j].name;
    if (!k)
        return fillIn(m_say(UI_TEXT("selvane::FinCalc", "%1 never costs less than %2 for good.")),
                      {a, b});
    if (*k == 0)
        return fillIn(m_say(UI_TEXT("selvane::FinCalc", "%1 costs less than %2 from the start.")),
                      {a, b});
    return fillIn(
        m_say(UI_TEXT("selvane::FinCalc", "%1 costs less than %2 for good after its payment %3.")),
        {a, b, m_currency.count(*k)});
}

OffersTexts OfferBook::texts() const {
    OffersTexts t;
    const char* headers[] = {UI_TEXT("selvane::FinCalc", "Name"),
                             UI_TEXT("selvane::FinCalc", "Amount"),
                             UI_TEXT("selvane::FinCalc", "APR %"),
                             UI_TEXT("selvane::FinCalc", "Payments"),
                             UI_TEXT("selvane::FinCalc", "Period"),
                             UI_TEXT("selvane::FinCalc", "Compound"),
                             UI_TEXT("selvane::FinCalc", "Balloon"),
                             UI_TEXT("selvane::FinCalc", "Up-front fees"),
                             UI_TEXT("selvane::FinCalc", "Added fees"),
                             UI_TEXT("selvane::FinCalc", "Fee a payment"),
                             UI_TEXT("selvane::FinCalc", "Payment"),
                             UI_TEXT("selvane::FinCalc", "Total interest"),
                             UI_TEXT("selvane::FinCalc", "Fees"),
                             UI_TEXT("selvane::FinCalc", "Cost of credit"),
                             UI_TEXT("selvane::FinCalc", "Total payable"),
                             UI_TEXT("selvane::FinCalc", "APRC"),
                             UI_TEXT("selvane::FinCalc", "APR (US)"),
                             UI_TEXT("selvane::FinCalc", "Against cheapest")};
    for (std::size_t i = 0; i < t.headers.size(); ++i)
        t.headers[i] = m_say(headers[i]);
    const char* periods[] = {UI_TEXT("selvane::FinCalc", "Biweekly"),
                             UI_TEXT("selvane::FinCalc", "Semi-monthly"),
                             UI_TEXT("selvane::FinCalc", "Monthly")};
    const char* compounds[] = {
        UI_TEXT("selvane::FinCalc", "Daily"), UI_TEXT("selvane::FinCalc", "Monthly"),
        UI_TEXT("selvane::FinCalc", "6 Months"), UI_TEXT("selvane::FinCalc", "Yearly")};
    for (int i = 0; i < 3; ++i)
        t.periods[i] = m_say(periods[i]);
    for (int i = 0; i < 4; ++i)
        t.compounds[i] = m_say(compounds[i]);
    const auto& r = rows();
    for (std::size_t i = 0; i < m_offers.size(); ++i) {
        const Offer& o = m_offers[i];
        t.inputs.push_back({o.name, plainDecimalText(o.amount), plainDecimalText(o.apr),
                            std::to_string(o.payments), t.periods[static_cast<int>(o.period)],
                            t.compounds[static_cast<int>(o.compound)], plainDecimalText(o.balloon),
                            plainDecimalText(o.upfront), plainDecimalText(o.added),
                            plainDecimalText(o.fee)});
        std::array<std::string, kOfferFigureColumns> fig;
        fig.fill(kNoFigure);
        if (const auto& f = r[i].figures) {
            fig = {m_currency.amount(f->payment),
                   m_currency.amount(f->totalInterest),
                   m_currency.amount(f->fees),
                   m_currency.amount(f->costOfCredit),
                   m_currency.amount(f->totalPayable),
                   rateText(f->aprc),
                   rateText(f->apr),
                   r[i].cheapest ? m_say(UI_TEXT("selvane::FinCalc", "cheapest"))
                                 : changeText(m_currency, r[i].moreThanCheapest)};
            t.notes.push_back(f->rateMessage);
        } else {
            t.notes.push_back(r[i].why);
        }
        t.figures.push_back(fig);
        t.cheapest.push_back(r[i].cheapest);
        t.lowestAprc.push_back(r[i].lowestAprc);
    }
    t.refused = message;
    t.marks = m_say(UI_TEXT("selvane::FinCalc",
                            "Bold: the lowest cost of credit (interest and every fee). "
                            "Underlined: the lowest APRC."));
    return t;
}

std::string OfferBook::fileText() const {
    std::string s = std::string(kFileFirstLine) + "\n";
    for (const Offer& o : m_offers)
        s += "offer " + offerWords(o) + "\n";
    if (switching)
        s += "switch " + switching->offer + " at=" + std::to_string(switching->at) +
             " erc=" + plainDecimalText(switching->erc) +
             " costs=" + plainDecimalText(switching->costs) + "\n";
    return s;
}

bool OfferBook::readFile(const std::string& text) {
    std::istringstream in(text);
    std::string line;
    std::vector<Offer> read;
    std::optional<SwitchInput> sw;
    int number = 0;
    auto refuse = [&](const std::string& why) {
        message = fillIn(m_say(UI_TEXT("selvane::FinCalc", "Line %1 of the offers file: %2")),
                         {std::to_string(number), why});
        return false;
    };
    while (std::getline(in, line)) {
        ++number;
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        if (number == 1) {
            if (line != kFileFirstLine)
                return refuse(m_say(UI_TEXT("selvane::FinCalc", "this is not an offers file.")));
            continue;
        }
        auto w = wordsOf(line);
        if (w.empty())
            continue;
        const std::string word = w[0];
        w.erase(w.begin());
        std::string why;
        if (word == "offer") {
            const auto o = readOffer(w, why);
            if (!o)
                return refuse(why);
            auto same = std::find_if(read.begin(), read.end(),
                                     [&](const Offer& x) { return x.name == o->name; });
            if (same != read.end())
                *same = *o;
            else
                read.push_back(*o);
        } else if (word == "switch") {
            OfferBook probe(m_say, m_currency);
            const auto field = [&](const char* key, const char* otherwise) {
                for (const auto& x : w)
                    if (x.rfind(std::string(key) + "=", 0) == 0)
                        return x.substr(std::string(key).size() + 1);
                return std::string(otherwise);
            };
            if (w.empty() ||
                !probe.setSwitch(w[0], field("at", ""), field("erc", "0"), field("costs", "0")))
                return refuse(probe.switchMessage);
            sw = probe.switching;
        } else {
            return refuse(
                fillIn(m_say(UI_TEXT("selvane::FinCalc", "%1 is not offer or switch.")), {word}));
        }
    }
    if (number == 0)
        return refuse(m_say(UI_TEXT("selvane::FinCalc", "this is not an offers file.")));
    m_offers = std::move(read);
    switching = sw;
    message.clear();
    switchMessage.clear();
    changed();
    return true;
}

std::vector<OfferBook::CostLine> OfferBook::costLines() const {
    std::vector<CostLine> lines;
    const auto& r = rows();
    for (std::size_t i = 0; i < m_offers.size(); ++i) {
        if (!r[i].figures)
            continue;
        const CostSteps s = costSteps(m_offers[i], *r[i].figures);
        CostLine line{m_offers[i].name, {}};
        const double year = static_cast<double>(kYearUnits);
        // Steps drawn as steps while they can be told apart; a long plan's as a line.
        const bool corners = s.payments <= 1200;
        line.points.emplace_back(0.0, s.after(0));
        for (std::int64_t k = 1; k <= s.payments; ++k) {
            const double x = static_cast<double>(k * s.step) / year;
            if (corners)
                line.points.emplace_back(x, s.after(k - 1));
            line.points.emplace_back(x, s.after(k));
        }
        lines.push_back(std::move(line));
    }
    return lines;
}

} // namespace selvane
