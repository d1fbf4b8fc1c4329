#include "core/extra_payments.h"

#include <algorithm>
#include <cmath>
#include <numeric>

#include "core/details_text.h"
#include "core/user_text.h"

namespace selvane {

std::optional<std::string> extrasProblem(double extra, double from, double lump, double at) {
    if (!(extra >= 0) || !std::isfinite(extra))
        return UI_TEXT("selvane::FinCalc", "The extra amount must be a number of at least 0.");
    if (!(lump >= 0) || !std::isfinite(lump))
        return UI_TEXT("selvane::FinCalc", "The one-time amount must be a number of at least 0.");
    if (!(from >= 1) || from != std::floor(from) || from > static_cast<double>(kMaxPasses))
        return UI_TEXT("selvane::FinCalc",
                       "Extra payments start at a whole payment number from 1 to 10000000.");
    if (!(at >= 1) || at != std::floor(at) || at > static_cast<double>(kMaxPasses))
        return UI_TEXT("selvane::FinCalc",
                       "The one-time amount goes with a whole payment number from 1 to 10000000.");
    return std::nullopt;
}

std::optional<std::string> scheduleProblem(const Plan& p) {
    const double figures[] = {p.amountFinanced, p.periodRate, p.payment, p.endAmount};
    if (!std::all_of(std::begin(figures), std::end(figures),
                     [](double v) { return std::isfinite(v); }))
        return UI_TEXT(
            "selvane::FinCalc",
            "The plan's figures are beyond the range of numbers, so it has no payment schedule.");
    if (p.payments < 1)
        return UI_TEXT("selvane::FinCalc",
                       "The plan has no payments, so it has no payment schedule.");
    if (p.payments > kMaxPasses)
        return UI_TEXT(
            "selvane::FinCalc",
            "The plan has more than 10000000 payments, more than the calculator schedules.");
    if (!(p.periodRate > -1))
        return UI_TEXT(
            "selvane::FinCalc",
            "The rate per payment is -100 % or less, so the plan has no payment schedule.");
    // In cents: an end amount typed as the amount financed is the same amount, though the one
    // worked out from a price and a down payment can differ from it in the last bits.
    if (!(std::round(p.endAmount * 100) < std::round(p.amountFinanced * 100)))
        return UI_TEXT(
            "selvane::FinCalc",
            "The end amount is at or above the amount financed: the payments do not pay the "
            "balance down, so there is nothing for extra payments to pay off.");
    // The first payment must take the balance down; after it, the balance only falls faster.
    if (!(DD(p.payment) - DD(p.amountFinanced) * p.periodRate > DD(0.0)))
        return UI_TEXT(
            "selvane::FinCalc",
            "The payment is no more than the first period's interest, so the plan's balance "
            "does not fall: there is no schedule for extra payments to shorten.");
    return std::nullopt;
}

ScheduleEvents eventsOf(const Extras& x, const RateChange* change) {
    ScheduleEvents ev;
    ev.extras.push_back({x.extra, x.from, kMaxPasses, 1});
    ev.lumps.push_back({x.lump, x.at});
    if (change != nullptr)
        ev.rates.push_back({change->from, change->periodRate, change->keepEndDate, 0});
    return ev;
}

namespace schedule_detail {

Points pointsOf(const ScheduleEvents& ev) {
    Points p;
    using Kind = Point::Kind;
    for (std::size_t i = 0; i < ev.rates.size(); ++i)
        p.before.push_back({ev.rates[i].from, Kind::Rate, i});
    std::int64_t cycle = 1;
    for (std::size_t i = 0; i < ev.extras.size(); ++i) {
        const ScheduleEvents::Extra& e = ev.extras[i];
        if (e.amount == 0 || e.from > e.until)
            continue;
        if (e.every > 1) {
            p.periodic.push_back(i);
            if (e.until < kMaxPasses) // its end changes the schedule once
                p.before.push_back({e.until + 1, Kind::ExtraOff, i});
            else if (cycle != 0) // it repeats to the end
                cycle = std::lcm(cycle, e.every) > kMaxPasses ? 0 : std::lcm(cycle, e.every);
            continue;
        }
        p.before.push_back({e.from, Kind::ExtraOn, i});
        if (e.until < kMaxPasses)
            p.before.push_back({e.until + 1, Kind::ExtraOff, i});
    }
    for (std::size_t i = 0; i < ev.lumps.size(); ++i)
        if (ev.lumps[i].amount != 0)
            p.before.push_back({ev.lumps[i].at, Kind::Lump, i});
    for (std::size_t i = 0; i < ev.holidays.size(); ++i) {
        p.before.push_back({ev.holidays[i].from, Kind::HolidayOn, i});
        p.after.push_back({ev.holidays[i].from + ev.holidays[i].count - 1, Kind::HolidayOff, i});
    }
    auto order = [](const Point& a, const Point& b) {
        return a.k != b.k ? a.k < b.k : a.kind < b.kind;
    };
    std::stable_sort(p.before.begin(), p.before.end(), order);
    std::stable_sort(p.after.begin(), p.after.end(), order);
    for (const Point& q : p.before)
        p.steadyFrom = std::max(p.steadyFrom, q.k);
    for (const Point& q : p.after)
        p.steadyFrom = std::max(p.steadyFrom, q.k + 1);
    // A periodic extra that runs to the end is steady only from its first payment.
    for (const std::size_t i : p.periodic)
        p.steadyFrom = std::max(p.steadyFrom, ev.extras[i].from);
    p.cycle = cycle;
    return p;
}

} // namespace schedule_detail

DD levelPayment(DD balance, double rate, std::int64_t count, double end) {
    // Worked out in double-double, the growth factor by squaring, and rounded to a double, as
    // the calculation's own payment is: a long plan at a high rate multiplies any difference in
    // the payment by (1 + rate) each period up to its last payment, so the payment must be the
    // one number every correct computation of it gives.
    if (rate == 0)
        return ((balance - DD(end)) / DD(static_cast<double>(count))).value();
    DD growth(1.0);
    DD x = DD(1.0) + DD(rate);
    for (std::int64_t e = count; e != 0; e /= 2, x = x * x)
        if (e % 2 == 1)
            growth = growth * x;
    // The interest on the balance, and the sinking-fund share of what is to be paid off.
    return (balance * DD(rate) + (balance - DD(end)) * DD(rate) / (growth - DD(1.0))).value();
}

} // namespace selvane
