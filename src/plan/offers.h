#pragma once
// Offers side by side: the loans a household is offered, each with its fees, worked out by the
// calculator's own payment rule; the two rates lenders state (the APRC of the EU's consumer and
// mortgage credit directives, the APR of the US Regulation Z, appendix J, actuarial method); the
// cheapest marked; the cost of each over time and when one becomes cheaper for good; and what
// moving the calculator's plan to one of them saves.
//
// Every amount is unrounded; texts round to the cent. Costs are compared to the half cent: an
// offer is cheaper than another only where it costs at least half a cent less.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/calendar.h"
#include "core/currency.h"
#include "core/extra_payments.h"
#include "core/printed_pages.h"
#include "core/report_export.h"
#include "core/table_sheet.h"
#include "core/user_text.h"

namespace selvane {

// The compound periods of the calculator's list, in its order.
enum class CompoundPeriod { Daily, Monthly, SixMonths, Yearly };

struct Offer {
    std::string name;  // a word without blanks
    double amount = 0; // borrowed: what the borrower receives, before up-front fees
    double apr = 0;    // percent, as the calculator's APR field
    std::int64_t payments = 0;
    PaymentPeriod period = PaymentPeriod::Monthly;
    CompoundPeriod compound = CompoundPeriod::Monthly;
    double balloon = 0; // the end amount, paid with the last payment
    double upfront = 0; // fees paid at the start, out of the amount
    double added = 0;   // fees added to the loan, borrowed with the amount
    double fee = 0;     // a fee paid with every payment
    bool operator==(const Offer&) const = default;
};

// The factors the calculator's lists set: months per compounding (a day is 12/365.25 of a month)
// and payments per month (a payment every 14 days is 365.25/168 a month).
double compoundMonthsOf(CompoundPeriod c);
double paymentsPerMonthOf(PaymentPeriod p);
// The list entry of a factor, nullopt for one no entry sets.
std::optional<CompoundPeriod> compoundPeriodOf(double compoundMonths);

// The rates' calendar: unit periods a year for the APR (12, 24, 26), and the time between two
// payments for the APRC in 1/8760 of a year (730: a twelfth; 365: a twenty-fourth; 336: 14 days
// of a 365-day year). Whole units, so payment times of any two offers compare exactly.
inline constexpr std::int64_t kYearUnits = 8760;
int unitPeriodsPerYear(PaymentPeriod p);
std::int64_t periodUnits(PaymentPeriod p);

// The words of the lists and files: "monthly", "semi-monthly", "biweekly"; "daily", "monthly",
// "6months", "yearly".
std::string periodWord(PaymentPeriod p);
std::string compoundWord(CompoundPeriod c);
std::optional<PaymentPeriod> readPeriodWord(const std::string& w);
std::optional<CompoundPeriod> readCompoundWord(const std::string& w);

// Why an offer cannot be worked out as it stands, or nullopt: a name, an amount above 0, an APR
// above -100, 1 to kMaxOfferPayments whole payments, no amount below 0. A thousand years of
// monthly payments is more than any offer has, and keeps comparing offers over time quick.
inline constexpr std::int64_t kMaxOfferPayments = 12'000;
std::optional<std::string> offerProblem(const Offer& o, const Translate& say = asWritten);

// An offer as words: its name, then key=value for amount, apr and payments (required), period,
// compound, balloon, upfront, added and fee (monthly, monthly and 0 unless given). The same words
// make a line of selvane-cli's `offer` command and of an offers file.
std::optional<Offer> readOffer(const std::vector<std::string>& words, std::string& why);
std::string offerWords(const Offer& o); // every key, each number read back exactly

struct OfferFigures {
    double payment = 0; // by the calculator's rule, for amount + added fees; the fee not in it
    std::int64_t payments = 0;
    double totalInterest = 0;        // payments + balloon - (amount + added)
    double fees = 0;                 // up front + added + fee x payments
    double costOfCredit = 0;         // interest and fees
    double totalPayable = 0;         // amount + cost of credit
    std::optional<double> aprc, apr; // percent, unrounded; none where no rate exists
    std::string rateMessage;         // why there are no rates
};

// An offer's figures, or nullopt where it has none: offerProblem, or a payment the calculator
// cannot work out (`why` says which).
std::optional<OfferFigures> workOutOffer(const Offer& o, std::string* why = nullptr,
                                         const Translate& say = asWritten);

// The rate per unit of time at which `received` at time 0 equals payments of `each` at times
// 1, 2, ..., n units of `step` and `last` more with the n-th, discounted by (1 + rate)^-t; as a
// fraction (0.05), found to the last bits of a double. Nullopt where no rate above -1 does, or
// where more than one could.
std::optional<double> levelFlowRate(double received, double each, std::int64_t n, double last,
                                    double step);

// What an offer costs by a time (payments and fees so far), as steps: the up-front fees at time
// 0, payment + fee at every payment, the balloon with the last.
struct CostSteps {
    std::int64_t step = 730; // time between payments, in 1/8760 year
    std::int64_t payments = 0;
    double upfront = 0, each = 0, last = 0;
    // The cost after payment k (0: the start), k past the last counting as the last.
    double after(std::int64_t k) const;
    // The cost by time t (in 1/8760 year), payments at t included.
    double by(std::int64_t t) const;
};
CostSteps costSteps(const Offer& o, const OfferFigures& f);

// The payment of `a` (counted on a's own payment dates, past its last as if it went on) after
// which `a` costs less than `b` for good; 0 where it does from the start, nullopt where it never
// does.
std::optional<std::int64_t> evenAfter(const CostSteps& a, const CostSteps& b);

// Switching the calculator's plan to an offer after payment `at` of the plan: the balance left
// becomes the offer's amount; an early-repayment charge (percent of that balance), the switching
// costs and the offer's up-front fees are paid at the switch.
struct SwitchInput {
    std::string offer;
    std::int64_t at = 0;
    double erc = 0, costs = 0;
    bool operator==(const SwitchInput&) const = default;
};

struct SwitchFigures {
    double balance = 0;          // the plan's balance after payment `at`, moved to the offer
    double costs = 0;            // charge + switching costs + up-front fees
    double payment = 0;          // the offer's payment for the balance (the fee not in it)
    double savingPerPayment = 0; // the plan's payment less the offer's payment and fee, per
                                 // payment of the plan (scaled by payments a year if they differ)
    // The first payment of the plan's (counted from the switch, on the plan's dates, past its
    // last as if it went on) after which the savings so far exceed the costs; nullopt: never.
    std::optional<std::int64_t> breakEven;
    // What staying pays from the switch to the end of the plan's term, less what switching pays by
    // then (costs, the offer's payments and fees) and the offer's balance still owed then.
    double netSaving = 0;
};

// The solved plan a switch starts from: its schedule, payments a month, and whether it is a loan.
struct SwitchPlan {
    Plan plan;
    bool loan = true;
};

// The switch's figures, or nullopt with `why` set.
std::optional<SwitchFigures> workOutSwitch(const SwitchPlan& from, const Offer& to,
                                           const SwitchInput& in, std::string& why,
                                           const Translate& say = asWritten);

// The columns of the offers table: the inputs, edited in place, then the figures.
enum class OfferColumn {
    Name,
    Amount,
    Apr,
    Payments,
    Period,
    Compound,
    Balloon,
    Upfront,
    Added,
    Fee
};
inline constexpr std::size_t kOfferInputColumns = 10;
inline constexpr std::size_t kOfferFigureColumns = 8; // payment, total interest, fees, cost of
// credit, total payable, APRC, APR, against the cheapest

// What Compare Offers shows, made here so the window, its printout, its exports and selvane-cli
// agree. Money in the locale's currency, rates to two decimals, inputs as they read back.
struct OffersTexts {
    std::array<std::string, kOfferInputColumns + kOfferFigureColumns> headers;
    std::array<std::string, 3> periods;   // the payment periods' names, in PaymentPeriod's order
    std::array<std::string, 4> compounds; // the compound periods', in CompoundPeriod's order
    std::vector<std::array<std::string, kOfferInputColumns>> inputs;
    std::vector<std::array<std::string, kOfferFigureColumns>> figures; // dashes where none
    std::vector<bool> cheapest, lowestAprc;
    std::vector<std::string> notes; // per offer: why it has no figures, or no rates; or empty
    std::string refused;            // why the last change was refused
    std::string marks;              // what the marks mean: "* lowest cost of credit, + lowest APRC"
};

// Switching as the window shows it: the inputs as they stand (or as last typed, while refused),
// and the figures or why there are none.
struct SwitchTexts {
    bool on = false;
    std::string offer, at, erc, costs;
    std::string unavailable; // why there are no figures (no plan, no such offer, ...)
    std::string refused;     // why the last inputs typed were refused
    std::string never;       // the sentence that the switch never pays, where it does not
    // balance moved, costs at the switch, new payment, saving per payment, break-even, net saving
    std::array<std::string, 6> figures;
    std::array<std::string, 6> labels;
};

// The offers of Compare Offers with their figures, worked out once for a change.
class OfferBook {
  public:
    explicit OfferBook(Translate say = asWritten, CurrencyFormat currency = CurrencyFormat());

    const std::vector<Offer>& offers() const { return m_offers; }
    // An offer with the same name is replaced in place; a new one goes last. Refused (nothing
    // changes, `message` says why) where offerProblem.
    bool put(const Offer& o);
    bool replace(std::size_t i, const Offer& o); // a renamed offer keeps its place
    // Cell i, c edited in place: the text read as readOffer reads its value (a period or compound
    // period by its word or its name in the user's language).
    bool edit(std::size_t i, OfferColumn c, const std::string& text);
    bool duplicate(std::size_t i); // a copy, named anew, after it
    bool remove(std::size_t i);
    bool remove(const std::string& name);
    void clear();
    std::optional<std::size_t> find(const std::string& name) const;
    std::string message; // why the last change was refused; empty when taken

    // Per offer: figures, or why there are none.
    struct Row {
        std::optional<OfferFigures> figures;
        std::string why;
        bool cheapest = false;       // lowest cost of credit (ties all marked)
        bool lowestAprc = false;     // lowest APRC
        double moreThanCheapest = 0; // cost of credit above the cheapest's
    };
    const std::vector<Row>& rows() const;
    // evenAfter of offers i and j (i != j), where both have figures.
    std::optional<std::int64_t> evenAfter(std::size_t i, std::size_t j) const;

    // "B costs less than A for good after payment 37 of B." and the like, for offers i and j.
    std::string evenAfterText(std::size_t i, std::size_t j) const;
    OffersTexts texts() const;
    // The offers as the file holds them, and read back (a list that does not read keeps the book
    // as it was and says why in `message`).
    std::string fileText() const;
    bool readFile(const std::string& text);

    // The documents, in English as every document is: the table as a sheet (the inputs, then the
    // figures as real numbers), as CSV in a style, and as printed lines (the table in blocks
    // that fit a page's width, when each offer costs less than another for good, the switch).
    TableSheet sheet() const;
    std::string csv(CsvStyle style) const;
    std::vector<PrintLine> printLines(const std::optional<SwitchPlan>& from) const;

    // The cost of each offer with figures over time, for the chart.
    struct CostLine {
        std::string name;
        std::vector<std::pair<double, double>> points; // (years, cost by then), steps as corners
    };
    std::vector<CostLine> costLines() const;

    // ----- switching
    std::optional<SwitchInput> switching;
    std::string switchMessage; // why the last switch typed was refused
    // A switch as typed: an offer's name, a whole payment number from 0, a charge in percent and
    // costs of at least 0. Refused: kept as it was, switchMessage says why.
    bool setSwitch(const std::string& offer, const std::string& at, const std::string& erc,
                   const std::string& costs);
    void switchOff();
    std::optional<SwitchFigures> switchFigures(const std::optional<SwitchPlan>& from,
                                               std::string& why) const;
    SwitchTexts switchTexts(const std::optional<SwitchPlan>& from) const;

  private:
    void changed() { m_rows.reset(); }
    Translate m_say;
    CurrencyFormat m_currency;
    std::vector<Offer> m_offers;
    mutable std::optional<std::vector<Row>> m_rows;
};

} // namespace selvane
