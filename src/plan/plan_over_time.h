#pragma once
// PlanOverTime: the loan the last calculation solved, and what the What If window asks of it:
// extra payments, a rate change and its shocks, the timeline of events, the rate behind a payment
// and a kept plan to compare with. It holds the figures and texts both front ends show, and works
// each schedule out once for a change of plan or inputs: the window asks after every handler.
//
// It knows nothing of the window: the few facts of the calculator it needs (its mode, the payment
// its field shows, the inputs a rate is found for) it asks through PlanContext.

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "core/chart_data.h"
#include "core/currency.h"
#include "core/extra_payments.h"
#include "core/mode_tables.h"
#include "core/rate_search.h"
#include "core/user_text.h"
#include "plan/dated_schedule.h"
#include "plan/figure_texts.h"
#include "plan/timeline.h"

namespace selvane {

// The What If window's extra payments against the plan: the schedule with them, and what they
// save against the plan's own schedule (without extras).
struct WhatIfFigures {
    Extras extras;
    std::int64_t payments = 0;
    double lastPayment = 0, totalPaid = 0, totalInterest = 0;
    double interestSaved = 0;
    std::int64_t paymentsSaved = 0;
    double yearsSaved = 0;
    std::string note; // extras that come after the last payment and so are not used
};

// The What If window's rate change: the new APR, the first payment charged at it, and how the
// lender answers, keeping the payment (the number of payments follows) or the end date (the
// payment is worked out again at the change).
struct RateChangeInput {
    double apr = 0;
    std::int64_t from = 1;
    bool keepEndDate = false;
    bool operator==(const RateChangeInput&) const = default;
};

// The schedule with the rate change and the extras, against the schedule with the extras alone.
// Where the kept payment does not pay the balance down at the new rate, only `message` is set:
// why, and the payment that would still end the plan on time.
struct RateChangeFigures {
    RateChangeInput input;
    double payment = 0; // from the change on
    std::int64_t payments = 0;
    double lastPayment = 0, totalPaid = 0, totalInterest = 0;
    double extraInterest = 0;        // interest beyond the schedule without the change
    std::int64_t paymentsChange = 0; // payments beyond it
    double yearsChange = 0;          // paymentsChange / (12 x payments per month)
    std::string message;
};

// A rate shock: the plan's APR so many points higher from the change (from the first payment
// without one, or where it comes after the plan's last payment), the end date kept, with the
// extras.
struct ShockFigures {
    double points = 0, payment = 0, totalInterest = 0;
};

// A plan's headline figures, for Keep for Comparison: the payment as the payment field shows it,
// and the plan's schedule without extras (for an investment, the deposits and the interest they
// earn): with the What If window's timeline where it has events, else with its rate change where
// one is set. The totals are unknown where the plan has no schedule; payments and years too where
// that schedule never ends.
struct PlanFigures {
    std::string mode; // CalculatorMode
    double payment = 0, payments = 0, years = 0;
    std::optional<CivilDate> payoff; // where the plan has dates
    std::optional<double> totalPaid, totalInterest;
};

// The texts the What If window shows, made here so the window and selvane-cli agree.
struct WhatIfTexts {
    std::string unavailable;            // why extras cannot be used now; empty when they can
    std::string refused;                // why the last extras typed were refused; empty when taken
    std::string note;                   // extras that are not used
    std::array<std::string, 7> figures; // payments needed, last payment, total paid, total
                                        // interest, interest saved, payments saved, years saved
    std::string payoff; // "Paid off in March 2049, 4 years 2 months sooner": with dates only
};
// The rate change group and the shock line. The inputs are the change in use, or the plan's APR
// from payment 1 while there is none; `on` stays set while a text typed for the change is refused.
struct RateChangeTexts {
    std::string apr, from;
    bool on = false, keepEndDate = false;
    std::string unavailable, refused, message;
    std::array<std::string, 7> figures; // payment from the change, payments needed, last payment,
                                        // total paid, total interest, interest and term change
    std::string shockFrom;              // where the shocks start
    std::array<std::array<std::string, 3>, 3> shock; // a row a shock: APR, payment, interest
    std::string payoff;                              // as WhatIfTexts'
};
struct RateTexts {
    std::string apr, realApr, message, note;
    bool usable = false; // Use This Rate can be clicked
};
// Compare: one row a figure (payment, number of payments, total paid, total interest, end of the
// plan), columns kept, now and now less kept.
using CompareTexts = std::array<std::array<std::string, 3>, 5>;

// The timeline group: its list and figures, or why there are none.
struct TimelineGroupTexts {
    std::string unavailable; // why events cannot be used now
    std::string refused;     // why the last event typed was refused
    TimelineTexts timeline;
    std::string shockFrom;
    std::string payoff; // as WhatIfTexts'
};

// The Schedule window: the dates and day count in use, and the dated schedule's figures.
struct CalendarTexts {
    std::string start, first; // as YYYY-MM-DD; empty where none is set
    std::string firstInUse;   // the first payment's date, set or by default, in the locale's form
    std::string unavailable;  // why there is no dated schedule
    std::string refused;      // why the last date typed was refused
    std::string payoff;       // "Paid off on 3/31/2049, payment 300"
    std::array<std::string, 4> figures; // payments, last payment, total paid, total interest
    std::vector<std::array<std::string, 6>> years; // year, payments, paid, principal, interest,
                                                   // balance; then the Total row
    std::string basisNote; // under a day count: the lender's reckoning, not the report's
};

// What the plan asks of the calculator it belongs to.
struct PlanContext {
    std::function<std::optional<Mode>()> mode;
    std::function<std::string()> modeName; // any text a scenario gave
    std::function<double()> payment;       // as the payment field shows it
    // What a rate would be found for now: the mode, the question and the payment typed.
    std::function<std::tuple<std::string, PaymentQuestion, double>()> rateAsked;
};

class PlanOverTime {
  public:
    PlanOverTime(PlanContext context, Translate say, CurrencyFormat currency);

    // ----- the plan the last calculation solved
    std::optional<Plan> solved;         // none while the last calculation failed
    double compoundMonths = 1, apr = 0; // its compound period and APR
    std::string noPlan;                 // why there is none, while solved is empty
    std::uint64_t revision = 0;         // bumped by every calculation
    // A calculation starts: nothing of the last plan holds. `why` says so until one is solved.
    void calculationStarted(std::string why);
    // The plan a calculation solved (its payments counted as whole payments), or none: failed.
    void solvedPlan(std::optional<Plan> plan, double storedPayments, double perMonth,
                    double compoundMonths, double apr);

    // ----- the What If window's inputs, each kept until replaced
    Extras extras;
    std::string extrasMessage; // why the last extras typed were refused; empty when taken
    std::optional<RateChangeInput> rateChange;
    std::string rateChangeMessage;
    Timeline timeline;
    std::string timelineMessage;        // why the last event typed was refused
    std::optional<FoundRate> foundRate; // Find the Rate's answer, until the plan changes
    std::string rateNote;               // after Use This Rate: what the rounded APR field gives
    std::optional<PlanFigures> kept;    // Keep for Comparison, until cleared
    void forgetFoundRate();             // the inputs changed
    void rateFound(FoundRate rate);     // for the inputs as they stand now

    bool setExtras(const std::string& extra, const std::string& from, const std::string& lump,
                   const std::string& at);
    bool setRateChange(const std::string& apr, const std::string& from, bool keepEndDate);
    void clearRateChange();
    // An event as typed (readEvent's words), added, or replacing event i; anything refused keeps
    // the list as it was and says why in timelineMessage. Returns whether it was taken.
    bool addEvent(const std::vector<std::string>& words);
    bool replaceEvent(std::size_t i, const std::vector<std::string>& words);
    bool removeEvent(std::size_t i);
    void windowClosed(); // a refused text goes with the What If window

    // ----- the calendar
    CalendarInput calendar;
    std::string calendarMessage; // why the last date typed was refused
    // A date as YYYY-MM-DD; an empty first payment is one payment period after the start.
    // Anything refused keeps the dates as they were and says why in calendarMessage.
    bool setStart(const std::string& iso);
    bool setFirst(const std::string& iso);
    void setBasis(DayCount basis);
    void setRounding(bool cents);
    void datesOff();
    // The payment dates for a payment period (payments per month), where a start is set.
    std::optional<PaymentDates> paymentDates(double paymentsPerMonth) const;
    // The dated schedule of the plan, worked out once a plan and calendar; nullptr where there is
    // none, and calendarUnavailable says why.
    const DatedSchedule* datedSchedule() const;
    std::optional<std::string> calendarUnavailable() const;
    // The date of the plan's payment n, where the plan has dates that reach it.
    std::optional<CivilDate> dateOf(std::int64_t n) const;
    CalendarTexts calendarTexts() const;
    std::array<std::string, 6> datedRowTexts(const DatedRow& r) const;
    // The payoff of a schedule of `payments` payments, against the plan's own payoff.
    std::string payoffLine(std::int64_t payments) const;
    std::array<std::string, 3> comparePayoff() const; // kept, now and the change

    // ----- figures and texts
    std::array<std::string, 4> extrasTexts() const;
    std::optional<std::string> extrasUnavailable() const;
    std::optional<std::string> noSchedule() const;
    std::optional<WhatIfFigures> whatIf() const;
    std::string noFigures() const;
    std::optional<std::string> rateChangeUnavailable() const;
    std::optional<RateChangeFigures> rateChangeFigures() const; // nullopt without a change
    std::optional<std::array<ShockFigures, 3>> shock() const;   // +1, +2 and +3 points
    // The schedule with the timeline's events; nullopt where events do not apply or the plan has
    // no schedule (timelineUnavailable says why).
    std::optional<TimelineFigures> timelineFigures() const;
    std::optional<std::string> timelineUnavailable() const;
    bool rateUsable() const;         // a rate was found for the inputs as they stand
    PlanFigures planFigures() const; // the plan as it stands now
    // The rate change in use as the schedule walks it, where it has figures for the plan now.
    std::optional<RateChange> changeInUse() const;
    // The timeline as the schedule walks it, where it has events and figures.
    std::optional<ScheduleEvents> timelineInUse() const;
    WhatIfTexts whatIfTexts() const;
    RateChangeTexts rateChangeTexts() const;
    TimelineGroupTexts timelineTexts() const;
    RateTexts rateTexts() const;
    CompareTexts compareTexts() const;
    std::string yearsAndMonths(double months) const { return yearsAndMonthsText(months, m_say); }

  private:
    std::string say(const char* text) const { return m_say(text); }
    const ScheduleTotals* planSchedule() const;       // the plan's schedule without extras
    bool setDate(const std::string& iso, bool start); // setStart or setFirst
    std::optional<RateChangeFigures> workOutChange() const;
    std::optional<std::array<ShockFigures, 3>> workOutShock() const;
    std::int64_t shockFrom() const; // the first payment of the shocks
    SolvedPlan solvedPlan() const;

    PlanContext m_context;
    Translate m_say;
    CurrencyFormat m_currency;
    // The plan's schedule without extras, worked out once a calculation, when first asked for.
    mutable std::optional<ScheduleTotals> m_planSchedule;
    mutable std::uint64_t m_planScheduleRevision = 0;
    mutable std::optional<ScheduleTotals> m_extrasSchedule; // the extras', likewise
    mutable std::pair<std::uint64_t, Extras> m_extrasScheduleKey;
    // The rate change's figures, the shocks and the plan with the change, likewise.
    struct ChangeKey {
        std::uint64_t plan = 0;
        Extras extras;
        std::optional<RateChangeInput> change;
        bool operator==(const ChangeKey&) const = default;
    };
    ChangeKey changeKey() const { return {revision, extras, rateChange}; }
    mutable std::optional<std::pair<ChangeKey, std::optional<RateChangeFigures>>> m_changeFigures;
    mutable std::optional<std::pair<ChangeKey, std::optional<std::array<ShockFigures, 3>>>> m_shock;
    mutable std::optional<std::pair<ChangeKey, ScheduleTotals>> m_changedPlan; // without extras
    mutable std::optional<std::pair<std::pair<std::uint64_t, Timeline>, TimelineFigures>>
        m_timeline;
    mutable std::optional<
        std::pair<std::tuple<std::uint64_t, CalendarInput, double>, std::optional<DatedSchedule>>>
        m_dated;
    // What the found rate was found for: the mode, the question and the payment typed.
    std::optional<std::tuple<std::string, PaymentQuestion, double>> m_rateAsked;
};

} // namespace selvane
