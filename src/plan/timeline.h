#pragma once
// A plan over time: the rate changes, extra payments, one-time amounts and payment holidays that
// happen to a solved loan after it starts, any number of each, and the one schedule they make.
//
// The timeline is a list of events kept in the order of their first payment (then as entered).
// Its figures come from one walk of the plan's schedule with every event (core's walkSchedule),
// against the walk without any; its texts are made here, in the user's language, so the window
// and selvane-cli show the same.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "core/currency.h"
#include "core/extra_payments.h"
#include "core/user_text.h"

namespace selvane {

struct TimelineEvent {
    enum class Kind { Rate, Extra, Lump, Holiday };
    Kind kind = Kind::Extra;
    double amount = 0;        // rate: the APR in percent; extra and lump: the amount
    std::int64_t from = 1;    // the first payment; a lump's payment
    std::int64_t until = 0;   // extra: the last payment it may come with, 0 to the end
    std::int64_t every = 1;   // extra: every so many payments
    std::int64_t count = 1;   // holiday: payments not made
    bool skip = true;         // holiday: nothing paid (interest added) or the interest only
    bool keepEndDate = false; // rate and holiday: `term`; otherwise `payment`
    bool operator==(const TimelineEvent&) const = default;
};

// An event from the words that name it: "rate 4.5 61 payment", "extra 200 13", "extra 5000 12
// 360 12", "lump 10000 24", "holiday 30 3 skip term". Numbers are read as a field reads them.
// Returns the event, or why the words are refused (a sentence to translate).
std::variant<TimelineEvent, std::string> readEvent(const std::vector<std::string>& words);
// The words of an event, which readEvent reads back as the same event.
std::vector<std::string> eventWords(const TimelineEvent& e);

// An event as an editor shows it: its kind, up to four numbers as typed (rate: APR, from; extra:
// amount, from, until, every; lump: amount, at; holiday: from, count) and two choices. The words
// drop an empty until or every, and the inputs of an event read back as it.
struct EventInputs {
    TimelineEvent::Kind kind = TimelineEvent::Kind::Extra;
    std::array<std::string, 4> numbers;
    bool skip = true, keepEndDate = false;
};
std::vector<std::string> eventWords(const EventInputs& in);
EventInputs eventInputs(const TimelineEvent& e);

class Timeline {
  public:
    const std::vector<TimelineEvent>& events() const { return m_events; }
    bool empty() const { return m_events.empty(); }
    // Adds an event in its place; a rate event replaces one at the same payment.
    void add(const TimelineEvent& e);
    // Replaces or removes event i (from 0); false where there is none.
    bool replace(std::size_t i, const TimelineEvent& e);
    bool remove(std::size_t i);
    void clear() { m_events.clear(); }
    // After a payment with an extra or a one-time amount: a lower payment to the same end
    // (true), or the payment kept and a shorter plan (false, the default).
    bool lower = false;
    bool operator==(const Timeline&) const = default;

  private:
    std::vector<TimelineEvent> m_events;
};

// The plan a calculation solved, with what the timeline needs beside it: the APR it was solved at
// and the periods that turn an APR into a rate per payment.
struct SolvedPlan {
    Plan plan;
    double apr = 0;
    double compoundMonths = 1;
};

struct TimelineStretch {
    std::int64_t from = 1;
    double apr = 0, payment = 0;
};
struct TimelineShock {
    double points = 0, apr = 0, payment = 0, totalInterest = 0;
};

// The schedule with the timeline's events, against the plan's own (without any). Where the
// schedule has no figures, `message` says why and only `neverEnds` may be set.
struct TimelineFigures {
    std::int64_t payments = 0;
    double lastPayment = 0, totalPaid = 0, totalInterest = 0;
    double interestChange = 0;       // total interest beyond the plan's
    std::int64_t paymentsChange = 0; // payments beyond the plan's
    std::vector<TimelineStretch> stretches;
    bool moreStretches = false;
    // +1, +2 and +3 points on every rate from the first rate event on (from payment 1 without
    // one), the end date kept; none where a shocked schedule has no figures.
    std::optional<std::array<TimelineShock, 3>> shock;
    std::string message;
    bool neverEnds = false;
};

// The events as the schedule walks them, or why an event's APR gives no rate per payment.
std::variant<ScheduleEvents, std::string> scheduleEvents(const SolvedPlan& p, const Timeline& t);

// The figures of a plan that has a schedule (scheduleProblem is nullopt). Amounts in messages are
// written in `currency`; `say` translates.
TimelineFigures timelineFigures(const SolvedPlan& p, const Timeline& t,
                                const CurrencyFormat& currency, const Translate& say);

// The first payment of the rate shocks: the first rate event's, or 1.
std::int64_t shockFrom(const Timeline& t);

// The texts the What If window shows of the timeline.
struct TimelineTexts {
    std::vector<std::string> events; // one line an event, as the list shows it
    std::string overpay;
    std::string message;                // instead of figures
    std::array<std::string, 6> figures; // payments needed, last payment, total paid, total
                                        // interest, interest change, payments change
    std::vector<std::string> stretches; // "From payment 61: 5.250 %, 1,234.56"
    std::array<std::array<std::string, 3>, 3> shock;
};
TimelineTexts timelineTexts(const Timeline& t, const TimelineFigures& f, double paymentsPerMonth,
                            const CurrencyFormat& currency, const Translate& say);
// One event as the list shows it: "Rate 5.250 % from payment 61, payment kept".
std::string eventLine(const TimelineEvent& e, const CurrencyFormat& currency, const Translate& say);

} // namespace selvane
