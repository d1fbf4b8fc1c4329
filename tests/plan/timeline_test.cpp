// The timeline's figures against the timeline model, on random plans in every payment and
// compound period with random events of every kind; one extra, one-time amount and rate change
// against the What If schedule; the events' words.

#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <iterator>
#include <random>
#include <sstream>

#include "plan/timeline.h"
#include "support/report_inputs.h"
#include "support/timeline_model.h"

namespace selvane {
namespace {

using Kind = TimelineEvent::Kind;
using I = std::int64_t;

struct Random {
    std::mt19937_64 gen;
    double uniform(double a, double b) { return std::uniform_real_distribution<>(a, b)(gen); }
    I whole(I a, I b) { return std::uniform_int_distribution<I>(a, b)(gen); }
    double rounded(double v, I places) {
        return std::round(v * std::pow(10, places)) / std::pow(10, places);
    }

    // A plan as a calculation solves it: the level payment that pays the amount down to the end
    // amount (a balloon) in N payments, or that payment rounded up to the cent.
    SolvedPlan plan() {
        const double compound[] = {12 / 365.25, 1, 6, 12}, perMonth[] = {1, 2, 365.25 / 168};
        const double a = rounded(std::exp(uniform(std::log(500), std::log(2e6))), whole(0, 4));
        const double e = whole(0, 1) ? 0 : rounded(a * uniform(0, 0.6), 2);
        const I n = whole(12, 480);
        SolvedPlan p{{a, 0, 0, e, n, perMonth[whole(0, 2)]}, rounded(uniform(-1.5, 15), 3)};
        p.apr = std::max(p.apr, 0.0); // one plan in ten at no interest
        p.compoundMonths = compound[whole(0, 3)];
        const double r = p.plan.periodRate = model::perPayment(p, p.apr);
        const double v = std::pow(1 + r, -double(n)),
                     pay = r == 0 ? (a - e) / n : (a - e * v) * r / (1 - v);
        p.plan.payment = whole(0, 2) ? pay : std::ceil(pay * 100) / 100;
        return p;
    }

    // An event anywhere from the first payment to well past the plan's last.
    TimelineEvent event(const Plan& p, I kind) {
        const double amount[] = {rounded(uniform(0, 20), 3),
                                 rounded(p.payment * uniform(0, 0.5), 2),
                                 rounded(p.amountFinanced * uniform(0, 0.3), 2), 0};
        const I from = whole(1, p.payments * 13 / 10), every = whole(0, 1) ? 1 : whole(1, 6);
        const I until = whole(0, 1) ? 0 : from + whole(0, p.payments), count = whole(1, 24);
        const bool skip = whole(0, 1), keepEndDate = whole(0, 1);
        return {Kind(kind), whole(0, 9) ? amount[kind] : 0, from, until, every, count, skip,
                keepEndDate};
    }
};

std::string describe(const SolvedPlan& p, const Timeline& t) {
    std::ostringstream s;
    s << std::setprecision(17) << "A " << p.plan.amountFinanced << " r " << p.plan.periodRate
      << " P " << p.plan.payment << " E " << p.plan.endAmount << " N " << p.plan.payments << " APR "
      << p.apr << " C " << p.compoundMonths << " per month " << p.plan.paymentsPerMonth << " lower "
      << t.lower;
    for (const TimelineEvent& e : t.events())
        for (const std::string& w : eventWords(e))
            s << (w == eventWords(e)[0] ? " | " : " ") << w;
    return s.str();
}

// Any number of events of every kind, in any order, overlapping, after the end (none too: the
// plan's own figures); overpayments lowering the payment or shortening the plan. Every figure,
// the stretches and the rate shocks; and the payments pay the amount financed down to the end
// amount, with the interest. One plan in three has only rate changes and holidays, which more
// often leave a payment that never pays the balance off.
TEST(Timeline, FiguresAreTheModelsOnRandomTimelines) {
    Random rnd{std::mt19937_64(20260411)};
    int endless = 0, shocks = 0;
    for (int i = 0; i < 400; ++i) {
        const SolvedPlan p = rnd.plan();
        ASSERT_FALSE(scheduleProblem(p.plan)) << describe(p, {});
        Timeline t;
        t.lower = rnd.whole(0, 1);
        for (I n = rnd.whole(0, i % 3 ? 12 : 3); n > 0; --n)
            t.add(rnd.event(p.plan, i % 3 ? rnd.whole(0, 3) : 3 * rnd.whole(0, 1)));
        const std::string trace = describe(p, t);
        const TimelineFigures f = timelineFigures(p, t, testing::kUsd, asWritten);
        const model::TimelineRun m = model::walkTimeline(p, t.events(), t.lower);
        EXPECT_EQ(f.neverEnds, m.endless) << trace;
        EXPECT_EQ(f.message.empty(), !m.endless) << trace;
        if (m.endless && ++endless)
            continue;
        const model::TimelineRun base = model::walkTimeline(p, {}, false);
        EXPECT_EQ(f.payments, m.payments) << trace;
        EXPECT_EQ(f.paymentsChange, m.payments - base.payments) << trace;
        EXPECT_TRUE(model::close(f.lastPayment, m.lastPayment)) << trace;
        EXPECT_TRUE(model::close(f.totalPaid, m.totalPaid)) << trace;
        EXPECT_TRUE(model::close(f.totalInterest, m.totalInterest)) << trace;
        EXPECT_NEAR(f.totalPaid - f.totalInterest, p.plan.amountFinanced - p.plan.endAmount, 0.01)
            << trace;
        EXPECT_TRUE(model::close(f.interestChange, m.totalInterest - base.totalInterest)) << trace;
        EXPECT_EQ(f.stretches.size(), std::min<std::size_t>(m.stretches.size(), 1000)) << trace;
        for (std::size_t s = 0; s < std::min(f.stretches.size(), m.stretches.size()); ++s) {
            EXPECT_EQ(f.stretches[s].from, m.stretches[s].from) << trace;
            EXPECT_EQ(f.stretches[s].apr, m.stretches[s].apr) << trace;
            EXPECT_TRUE(model::close(f.stretches[s].payment, m.stretches[s].payment)) << trace;
        }
        bool shockEnds = true;
        for (std::size_t s = 0; s < 3 && shockEnds; ++s) {
            const auto want = model::shock(p, t.events(), t.lower, s + 1.0);
            if ((shockEnds = want.has_value()) && f.shock) {
                EXPECT_EQ((*f.shock)[s].apr, want->apr) << trace;
                EXPECT_TRUE(model::close((*f.shock)[s].payment, want->payment)) << trace;
                EXPECT_TRUE(model::close((*f.shock)[s].totalInterest, want->totalInterest))
                    << trace;
            }
        }
        EXPECT_EQ(f.shock.has_value(), shockEnds) << trace;
        shocks += shockEnds;
    }
    // Some timelines never end; most end, with their shocks.
    EXPECT_GT(endless, 8);
    EXPECT_GT(shocks, 300);
}

// One extra to the end, one one-time amount and one rate change are the What If schedule's.
TEST(Timeline, OneOfEachIsWhatIfs) {
    Random rnd{std::mt19937_64(20260412)};
    for (int i = 0; i < 200; ++i) {
        const SolvedPlan p = rnd.plan();
        const TimelineEvent extra = rnd.event(p.plan, 1), lump = rnd.event(p.plan, 2),
                            rate = rnd.event(p.plan, 0);
        const Extras x{extra.amount, extra.from, lump.amount, lump.from};
        const RateChange change{model::perPayment(p, rate.amount), rate.from, rate.keepEndDate};
        Timeline t;
        t.add({Kind::Extra, x.extra, x.from});
        t.add(lump);
        t.add(rate);
        const ScheduleTotals s = schedule(p.plan, x, &change);
        const TimelineFigures f = timelineFigures(p, t, testing::kUsd, asWritten);
        const std::string trace = describe(p, t);
        EXPECT_EQ(f.neverEnds, s.endless) << trace;
        if (f.neverEnds || s.endless)
            continue;
        EXPECT_EQ(f.payments, s.payments) << trace;
        EXPECT_TRUE(model::close(f.lastPayment, s.lastPayment.value())) << trace;
        EXPECT_TRUE(model::close(f.totalPaid, s.totalPaid.value())) << trace;
        EXPECT_TRUE(model::close(f.totalInterest, s.totalInterest.value())) << trace;
    }
}

std::vector<std::string> split(const std::string& text) {
    std::istringstream in(text);
    return {std::istream_iterator<std::string>(in), std::istream_iterator<std::string>()};
}

TEST(Timeline, EventsAreReadFromTheirWordsAndWrittenBack) {
    const std::pair<const char*, TimelineEvent> good[] = {
        {"rate 4.5 61 payment", {Kind::Rate, 4.5, 61, 0, 1, 1, true, false}},
        {"rate 0 1 term", {Kind::Rate, 0, 1, 0, 1, 1, true, true}},
        {"extra 200 13", {Kind::Extra, 200, 13}},
        {"extra 5000.25 12 360 12", {Kind::Extra, 5000.25, 12, 360, 12}},
        {"extra 0 3 3", {Kind::Extra, 0, 3, 3}},
        {"lump 10000 10000000", {Kind::Lump, 10000, 10000000}},
        {"holiday 30 3 skip term", {Kind::Holiday, 0, 30, 0, 1, 3, true, true}},
        {"holiday 1 1 interest payment", {Kind::Holiday, 0, 1, 0, 1, 1, false, false}}};
    for (const auto& [words, event] : good) {
        EXPECT_EQ(std::get<TimelineEvent>(readEvent(split(words))), event) << words;
        EXPECT_EQ(std::get<TimelineEvent>(readEvent(eventWords(event))), event) << words;
        // As the window's editor shows it and reads it back.
        EXPECT_EQ(std::get<TimelineEvent>(readEvent(eventWords(eventInputs(event)))), event)
            << words;
    }
    for (const char* words :
         {"", "rate 4.5 61", "lump 100 3 4", "extra -5 3", "lump 100 0", "lump 100 1.5",
          "lump 100 10000001", "extra 100 20 10", "extra 100 1 12 0", "holiday 3 0 skip term",
          "holiday 3 2 skip forever", "rate 4 3 sometimes", "rate -100 3 term", "bonus 100 3"}) {
        const auto read = readEvent(split(words));
        ASSERT_TRUE(std::holds_alternative<std::string>(read)) << words;
        EXPECT_FALSE(std::get<std::string>(read).empty()) << words;
    }
}

} // namespace
} // namespace selvane
