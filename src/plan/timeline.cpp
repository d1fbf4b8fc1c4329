#include "plan/timeline.h"

#include <algorithm>
#include <cmath>

#include "core/details_text.h"
#include "core/number_text.h"
#include "core/solver.h"
#include "plan/figure_texts.h"

namespace selvane {

namespace {

// A whole payment number from 1 to the most the calculator schedules.
std::optional<std::int64_t> paymentNumber(const std::string& text) {
    const auto n = wholeNumber(text);
    if (!n || !(*n >= 1) || *n != std::floor(*n) || *n > static_cast<double>(kMaxPasses))
        return std::nullopt;
    return static_cast<std::int64_t>(*n);
}

std::optional<double> amountOf(const std::string& text) {
    const auto a = wholeNumber(text);
    if (!a || !(*a >= 0) || !std::isfinite(*a))
        return std::nullopt;
    return a;
}

const char* const kPaymentNumber =
    UI_TEXT("selvane::FinCalc", "A payment number is a whole number from 1 to 10000000.");

} // namespace

std::variant<TimelineEvent, std::string> readEvent(const std::vector<std::string>& w) {
    using Kind = TimelineEvent::Kind;
    TimelineEvent e;
    const std::string kind = w.empty() ? std::string() : w[0];
    const std::size_t n = w.size();
    if (kind == "rate") {
        if (n != 4)
            return UI_TEXT("selvane::FinCalc", "A rate change is: rate APR FROM payment|term.");
        e.kind = Kind::Rate;
        const auto apr = wholeNumber(w[1]);
        if (!apr || !(*apr > -100) || !std::isfinite(*apr))
            return UI_TEXT("selvane::FinCalc", "The new APR must be a number above -100.");
        e.amount = *apr;
        if (w[3] != "payment" && w[3] != "term")
            return UI_TEXT("selvane::FinCalc",
                           "After a rate change, keep the payment or the term (the end date).");
        e.keepEndDate = w[3] == "term";
    } else if (kind == "extra") {
        if (n < 3 || n > 5)
            return UI_TEXT("selvane::FinCalc", "An extra is: extra AMOUNT FROM [UNTIL [EVERY]].");
        e.kind = Kind::Extra;
        if (n >= 4) {
            const auto until = paymentNumber(w[3]);
            if (!until)
                return kPaymentNumber;
            e.until = *until == kMaxPasses ? 0 : *until; // the last there is: to the end
        }
        if (n == 5) {
            const auto every = paymentNumber(w[4]);
            if (!every)
                return UI_TEXT("selvane::FinCalc",
                               "Extras come every whole number of payments, from 1 to 10000000.");
            e.every = *every;
        }
    } else if (kind == "lump") {
        if (n != 3)
            return UI_TEXT("selvane::FinCalc", "A one-time amount is: lump AMOUNT AT.");
        e.kind = Kind::Lump;
    } else if (kind == "holiday") {
        if (n != 5)
            return UI_TEXT("selvane::FinCalc",
                           "A payment holiday is: holiday FROM COUNT skip|interest payment|term.");
        e.kind = Kind::Holiday;
        const auto count = paymentNumber(w[2]);
        if (!count)
            return UI_TEXT("selvane::FinCalc",
                           "A payment holiday lasts a whole number of payments, from 1 to "
                           "10000000.");
        e.count = *count;
        if ((w[3] != "skip" && w[3] != "interest") || (w[4] != "payment" && w[4] != "term"))
            return UI_TEXT("selvane::FinCalc",
                           "A payment holiday pays nothing (skip) or the interest (interest), "
                           "then keeps the payment or the term.");
        e.skip = w[3] == "skip";
        e.keepEndDate = w[4] == "term";
    } else {
        return UI_TEXT("selvane::FinCalc",
                       "An event is a rate change, an extra, a one-time amount or a payment "
                       "holiday.");
    }
    if (e.kind == Kind::Extra || e.kind == Kind::Lump) {
        const auto amount = amountOf(w[1]);
        if (!amount)
            return e.kind == Kind::Extra
                       ? UI_TEXT("selvane::FinCalc",
                                 "The extra amount must be a number of at least 0.")
                       : UI_TEXT("selvane::FinCalc",
                                 "The one-time amount must be a number of at least 0.");
        e.amount = *amount;
    }
    const auto from = paymentNumber(w[e.kind == Kind::Holiday ? 1 : 2]);
    if (!from)
        return kPaymentNumber;
    e.from = *from;
    if (e.kind == Kind::Extra && e.until != 0 && e.until < e.from)
        return UI_TEXT("selvane::FinCalc", "An extra's last payment comes before its first.");
    return e;
}

std::vector<std::string> eventWords(const TimelineEvent& e) {
    const std::string from = std::to_string(e.from);
    switch (e.kind) {
    case TimelineEvent::Kind::Rate:
        return {"rate", plainDecimalText(e.amount), from, e.keepEndDate ? "term" : "payment"};
    case TimelineEvent::Kind::Extra: {
        std::vector<std::string> w{"extra", plainDecimalText(e.amount), from};
        if (e.until != 0 || e.every != 1)
            w.push_back(std::to_string(e.until != 0 ? e.until : kMaxPasses));
        if (e.every != 1)
            w.push_back(std::to_string(e.every));
        return w;
    }
    case TimelineEvent::Kind::Lump:
        return {"lump", plainDecimalText(e.amount), from};
    case TimelineEvent::Kind::Holiday:
        return {"holiday", from, std::to_string(e.count), e.skip ? "skip" : "interest",
                e.keepEndDate ? "term" : "payment"};
    }
    return {};
}

std::vector<std::string> eventWords(const EventInputs& in) {
    const auto& n = in.numbers;
    switch (in.kind) {
    case TimelineEvent::Kind::Rate:
        return {"rate", n[0], n[1], in.keepEndDate ? "term" : "payment"};
    case TimelineEvent::Kind::Extra: {
        std::vector<std::string> w{"extra", n[0], n[1]};
        const bool every = n[3].find_first_not_of(' ') != std::string::npos;
        if (every || n[2].find_first_not_of(' ') != std::string::npos)
            w.push_back(n[2].find_first_not_of(' ') == std::string::npos
                            ? std::to_string(kMaxPasses)
                            : n[2]);
        if (every)
            w.push_back(n[3]);
        return w;
    }
    case TimelineEvent::Kind::Lump:
        return {"lump", n[0], n[1]};
    case TimelineEvent::Kind::Holiday:
        return {"holiday", n[0], n[1], in.skip ? "skip" : "interest",
                in.keepEndDate ? "term" : "payment"};
    }
    return {};
}

EventInputs eventInputs(const TimelineEvent& e) {
    EventInputs in{e.kind, {}, e.skip, e.keepEndDate};
    const std::vector<std::string> w = eventWords(e);
    const std::size_t numbers = e.kind == TimelineEvent::Kind::Extra ? w.size() - 1 : 2;
    for (std::size_t i = 0; i < numbers; ++i)
        in.numbers[i] = w[i + 1];
    if (e.kind == TimelineEvent::Kind::Extra && e.until == 0)
        in.numbers[2].clear(); // to the end
    return in;
}

void Timeline::add(const TimelineEvent& e) {
    if (e.kind == TimelineEvent::Kind::Rate)
        std::erase_if(m_events, [&](const TimelineEvent& o) {
            return o.kind == TimelineEvent::Kind::Rate && o.from == e.from;
        });
    const auto at = std::upper_bound(
        m_events.begin(), m_events.end(), e,
        [](const TimelineEvent& a, const TimelineEvent& b) { return a.from < b.from; });
    m_events.insert(at, e);
}

bool Timeline::replace(std::size_t i, const TimelineEvent& e) {
    if (!remove(i))
        return false;
    add(e);
    return true;
}

bool Timeline::remove(std::size_t i) {
    if (i >= m_events.size())
        return false;
    m_events.erase(m_events.begin() + static_cast<std::ptrdiff_t>(i));
    return true;
}

std::variant<ScheduleEvents, std::string> scheduleEvents(const SolvedPlan& p, const Timeline& t) {
    ScheduleEvents ev;
    ev.lower = t.lower;
    ev.planApr = p.apr;
    for (const TimelineEvent& e : t.events()) {
        switch (e.kind) {
        case TimelineEvent::Kind::Rate: {
            // The rate per payment an APR gives the plan, derived as the calculation derives it.
            const Num r =
                periodRateOf(Num(e.amount), Num(p.compoundMonths), Num(p.plan.paymentsPerMonth));
            if (!r.ok() || !(r.v > -1))
                return fillIn(UI_TEXT("selvane::FinCalc",
                                      "An APR of %1 % gives no rate per payment the calculator "
                                      "can use."),
                              {formatFixed(e.amount, 3)});
            ev.rates.push_back({e.from, r.v, e.keepEndDate, e.amount});
            break;
        }
        case TimelineEvent::Kind::Extra:
            ev.extras.push_back({e.amount, e.from, e.until != 0 ? e.until : kMaxPasses, e.every});
            break;
        case TimelineEvent::Kind::Lump:
            ev.lumps.push_back({e.amount, e.from});
            break;
        case TimelineEvent::Kind::Holiday:
            ev.holidays.push_back({e.from, e.count, e.skip, e.keepEndDate});
            break;
        }
    }
    return ev;
}

namespace {

bool finite(const ScheduleTotals& s) {
    return std::isfinite(s.totalPaid.value()) && std::isfinite(s.totalInterest.value()) &&
           std::isfinite(s.lastPayment.value());
}

// The scheduled payment from payment k on.
double paymentAt(const ScheduleTotals& s, std::int64_t k) {
    double payment = 0;
    for (const Stretch& st : s.stretches)
        if (st.from <= k)
            payment = st.payment.value();
    return payment;
}

// The timeline with every rate so many points higher from its first rate event on (from the plan's
// first payment without one), each keeping the end date.
std::optional<TimelineShock> shocked(const SolvedPlan& p, const Timeline& t, double points) {
    Timeline s;
    s.lower = t.lower;
    std::optional<TimelineEvent> first;
    for (TimelineEvent e : t.events()) {
        if (e.kind == TimelineEvent::Kind::Rate) {
            e.amount += points;
            e.keepEndDate = true;
            if (!first)
                first = e;
        }
        s.add(e);
    }
    if (!first) {
        first = TimelineEvent{TimelineEvent::Kind::Rate, p.apr + points, 1, 0, 1, 1, true, true};
        s.add(*first);
    }
    const auto ev = scheduleEvents(p, s);
    if (!std::holds_alternative<ScheduleEvents>(ev))
        return std::nullopt;
    const ScheduleTotals w = schedule(p.plan, std::get<ScheduleEvents>(ev));
    if (w.endless || !finite(w))
        return std::nullopt;
    return TimelineShock{points, first->amount, paymentAt(w, first->from), w.totalInterest.value()};
}

} // namespace

std::int64_t shockFrom(const Timeline& t) {
    for (const TimelineEvent& e : t.events())
        if (e.kind == TimelineEvent::Kind::Rate)
            return e.from;
    return 1;
}

TimelineFigures timelineFigures(const SolvedPlan& p, const Timeline& t,
                                const CurrencyFormat& currency, const Translate& say) {
    TimelineFigures f;
    const auto ev = scheduleEvents(p, t);
    if (const auto* why = std::get_if<std::string>(&ev)) {
        f.message = say(why->c_str());
        return f;
    }
    const ScheduleTotals with = schedule(p.plan, std::get<ScheduleEvents>(ev));
    if (with.endless) {
        f.neverEnds = true;
        if (!with.neverPaid) {
            f.message = say(UI_TEXT("selvane::FinCalc",
                                    "With these events the balance is paid off only after more "
                                    "than 10000000 payments, more than the calculator "
                                    "schedules."));
            return f;
        }
        const std::int64_t from = with.neverPaidFrom;
        f.message = fillIn(say(UI_TEXT("selvane::FinCalc",
                                       "From payment %1 on, the payment of %2 no longer covers "
                                       "the interest, so the balance is never paid off.")),
                           {std::to_string(from), currency.amount(paymentAt(with, from))});
        // The lender's other answer, the end date kept at every event, still ends on time.
        Timeline onTime;
        onTime.lower = t.lower;
        for (TimelineEvent e : t.events()) {
            e.keepEndDate = true;
            onTime.add(e);
        }
        const ScheduleTotals kept =
            schedule(p.plan, std::get<ScheduleEvents>(scheduleEvents(p, onTime)));
        if (!kept.endless && finite(kept) && std::isfinite(paymentAt(kept, from)))
            f.message +=
                " " + fillIn(say(UI_TEXT("selvane::FinCalc",
                                         "A payment of %1 from payment %2 on would still "
                                         "end the plan on time.")),
                             {currency.amount(paymentAt(kept, from)), std::to_string(from)});
        return f;
    }
    ScheduleEvents none;
    none.planApr = p.apr;
    const ScheduleTotals base = schedule(p.plan, none);
    if (!finite(with) || !finite(base)) {
        f.message = say(
            UI_TEXT("selvane::FinCalc",
                    "The payments with these events add up to more than the calculator can hold."));
        return f;
    }
    f.payments = with.payments;
    f.lastPayment = with.lastPayment.value();
    f.totalPaid = with.totalPaid.value();
    f.totalInterest = with.totalInterest.value();
    f.interestChange = (with.totalInterest - base.totalInterest).value();
    f.paymentsChange = with.payments - base.payments;
    for (const Stretch& s : with.stretches)
        if (s.from <= with.payments)
            f.stretches.push_back({s.from, s.apr, s.payment.value()});
    f.moreStretches = with.moreStretches;
    std::array<TimelineShock, 3> shock;
    for (int k = 0; k < 3; ++k) {
        const auto s = shocked(p, t, k + 1);
        if (!s)
            return f;
        shock[static_cast<std::size_t>(k)] = *s;
    }
    f.shock = shock;
    return f;
}

std::string eventLine(const TimelineEvent& e, const CurrencyFormat& currency,
                      const Translate& say) {
    const std::string from = std::to_string(e.from);
    const std::string kept = e.keepEndDate ? say(UI_TEXT("selvane::FinCalc", "the end date kept"))
                                           : say(UI_TEXT("selvane::FinCalc", "the payment kept"));
    switch (e.kind) {
    case TimelineEvent::Kind::Rate:
        return fillIn(say(UI_TEXT("selvane::FinCalc", "From payment %1: %2 %, %3")),
                      {from, formatFixed(e.amount, 3), kept});
    case TimelineEvent::Kind::Extra:
        if (e.every != 1)
            return fillIn(
                say(e.until == 0
                        ? UI_TEXT("selvane::FinCalc", "%1 more every %2 payments from payment %3")
                        : UI_TEXT("selvane::FinCalc",
                                  "%1 more every %2 payments from payment %3 to %4")),
                {currency.amount(e.amount), std::to_string(e.every), from,
                 std::to_string(e.until)});
        return fillIn(
            say(e.until == 0
                    ? UI_TEXT("selvane::FinCalc", "%1 more with every payment from payment %2")
                    : UI_TEXT("selvane::FinCalc", "%1 more with payments %2 to %3")),
            {currency.amount(e.amount), from, std::to_string(e.until)});
    case TimelineEvent::Kind::Lump:
        return fillIn(say(UI_TEXT("selvane::FinCalc", "%1 once, with payment %2")),
                      {currency.amount(e.amount), from});
    case TimelineEvent::Kind::Holiday:
        return fillIn(say(e.skip ? UI_TEXT("selvane::FinCalc",
                                           "Payments %1 to %2 not made, the interest added; %3")
                                 : UI_TEXT("selvane::FinCalc",
                                           "Payments %1 to %2 pay the interest only; %3")),
                      {from, std::to_string(e.from + e.count - 1), kept});
    }
    return {};
}

TimelineTexts timelineTexts(const Timeline& t, const TimelineFigures& f, double paymentsPerMonth,
                            const CurrencyFormat& currency, const Translate& say) {
    TimelineTexts x;
    for (const TimelineEvent& e : t.events())
        x.events.push_back(eventLine(e, currency, say));
    x.overpay = t.lower ? say(UI_TEXT("selvane::FinCalc", "Overpayments lower the payment"))
                        : say(UI_TEXT("selvane::FinCalc", "Overpayments shorten the plan"));
    x.figures.fill(kNoFigure);
    for (auto& row : x.shock)
        row.fill(kNoFigure);
    if (!f.message.empty()) {
        x.message = f.message;
        return x;
    }
    x.figures = {std::to_string(f.payments),
                 currency.amount(f.lastPayment),
                 currency.amount(f.totalPaid),
                 currency.amount(f.totalInterest),
                 changeText(currency, f.interestChange),
                 paymentsChangeText(f.paymentsChange, paymentsPerMonth, say)};
    for (const TimelineStretch& s : f.stretches)
        x.stretches.push_back(
            fillIn(say(UI_TEXT("selvane::FinCalc", "From payment %1: %2 %, %3")),
                   {std::to_string(s.from), formatFixed(s.apr, 3), currency.amount(s.payment)}));
    if (f.shock)
        for (std::size_t i = 0; i < 3; ++i) {
            const TimelineShock& s = (*f.shock)[i];
            x.shock[i] = {shockLabel(s.points, s.apr, say), currency.amount(s.payment),
                          currency.amount(s.totalInterest)};
        }
    return x;
}

} // namespace selvane
