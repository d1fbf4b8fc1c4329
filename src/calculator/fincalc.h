#pragma once
// FinCalc: the main window's whole state and every handler, without pixels.
//
// Data flow: a front end turns a user's action into one handler call below (a key in a field,
// a list choice, a menu entry) and then shows the state. Handlers read the field texts, run the
// calculation, write texts back and rebuild the report. The members are implemented beside this
// header, one file a subject (calculate, results, live_update, mode_switch, result_setup, details,
// scenario, help, startup, lists), over the pure functions of core/.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "calculator/host.h"
#include "core/chart_data.h"
#include "core/checked.h"
#include "core/currency.h"
#include "core/details_text.h"
#include "core/extra_payments.h"
#include "core/fields.h"
#include "core/mode_tables.h"
#include "core/rate_search.h"
#include "core/report_export.h"
#include "core/user_text.h"
#include "core/yearly_summary.h"

namespace selvane {

inline constexpr std::uint32_t kPaleYellow = 0xFFFFDF; // red 255, green 255, blue 223
inline constexpr std::uint32_t kWhite = 0xFFFFFF;

struct ParameterField {
    std::string caption; // lblSL(i)
    std::string text;    // txtSL(i): the field's only store of its value
    std::uint32_t back = kWhite;
    bool locked = false; // read-only
    bool enabled = true; // label and text box alike
};

struct ComboList {
    std::vector<std::string> entries;
    int selected = -1;
    std::uint32_t back = kWhite;
    bool valid(int i) const { return i >= 0 && i < static_cast<int>(entries.size()); }
};

// The engine's stored values, one per field except PER, plus its working values.
struct StoredValues {
    Stored APR, INFL, DEPR, RAPR, PERS, SBAL, DPMT, FBAL, PMT, AFTER, BAL, PPAID, IPAID, VALUE, TAX,
        PCOST;
    Stored PeriodRate, PrincipalPart, InterestPart;
};

// Every stored value: its name (as the state dump gives it), its member, and the field it is read
// from (none for the three the engine works out for itself), in the dump's order.
struct StoredEntry {
    const char* name;
    Stored StoredValues::*member;
    int field; // -1 for none
};
inline constexpr StoredEntry kStoredEntries[] = {
    {"APR", &StoredValues::APR, field::APR},
    {"INFL", &StoredValues::INFL, field::INFL},
    {"DEPR", &StoredValues::DEPR, field::DEPR},
    {"RAPR", &StoredValues::RAPR, field::RAPR},
    {"PERS", &StoredValues::PERS, field::PERS},
    {"SBAL", &StoredValues::SBAL, field::SBAL},
    {"DPMT", &StoredValues::DPMT, field::DPMT},
    {"FBAL", &StoredValues::FBAL, field::FBAL},
    {"PMT", &StoredValues::PMT, field::PMT},
    {"AFTER", &StoredValues::AFTER, field::AFTER},
    {"BAL", &StoredValues::BAL, field::BAL},
    {"PPAID", &StoredValues::PPAID, field::PPAID},
    {"IPAID", &StoredValues::IPAID, field::IPAID},
    {"VALUE", &StoredValues::VALUE, field::VALUE},
    {"TAX", &StoredValues::TAX, field::TAX},
    {"PCOST", &StoredValues::PCOST, field::PCOST},
    {"PeriodRate", &StoredValues::PeriodRate, -1},
    {"PrincipalPart", &StoredValues::PrincipalPart, -1},
    {"InterestPart", &StoredValues::InterestPart, -1},
};

// The stored value that belongs to a field; nullptr for PER, which the engine never reads.
Stored* storedFor(StoredValues& s, int fieldIndex);

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
// earn), with the What If window's rate change where one is set. The totals are unknown where the
// plan has no schedule; payments and years too where the change's schedule never ends.
struct PlanFigures {
    std::string mode; // CalculatorMode
    double payment = 0, payments = 0, years = 0;
    std::optional<double> totalPaid, totalInterest;
};

// The texts the What If window shows, made here so the window and selvane-cli agree.
struct WhatIfTexts {
    std::string unavailable;            // why extras cannot be used now; empty when they can
    std::string refused;                // why the last extras typed were refused; empty when taken
    std::string note;                   // extras that are not used
    std::array<std::string, 7> figures; // payments needed, last payment, total paid, total
                                        // interest, interest saved, payments saved, years saved
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
};
struct RateTexts {
    std::string apr, realApr, message, note;
    bool usable = false; // Use This Rate can be clicked
};
// Compare: one row a figure (payment, number of payments, total paid, total interest, end of the
// plan), columns kept, now and now less kept.
using CompareTexts = std::array<std::array<std::string, 3>, 5>;

class FinCalc {
  public:
    explicit FinCalc(Host& host, CurrencyFormat currency = CurrencyFormat());

    // ----- state shown by the front ends
    std::array<ParameterField, kFieldCount> fields;
    ComboList cmCompound, cmPeriod, cmResult;
    std::string caption;
    std::string CalculatorMode; // any text (a scenario file sets it); rules ask mode()
    std::optional<double> CompoundMonths, PaymentsPerMonth;
    StoredValues stored;
    std::string ScenarioFileName;
    std::string HelpTopic;
    std::string comments;               // txtComments
    DetailsReport report;               // rtDetails
    std::uint64_t reportRevision = 0;   // bumped whenever the report is replaced
    bool detailsChecked = false;        // View > Details
    bool chartOpen = false;             // View > Chart's window is shown
    bool whatIfOpen = false;            // Tools > What If's window is shown
    Extras extras;                      // the What If window's extra payments
    std::string extrasMessage;          // why the last extras typed were refused; empty when taken
    std::optional<FoundRate> foundRate; // Find the Rate's answer, until the plan changes
    std::string rateNote;               // after Use This Rate: what the rounded APR field gives
    std::optional<RateChangeInput> rateChange;  // the What If window's rate change, if any
    std::string rateChangeMessage;              // why the last rate change typed was refused
    std::optional<Plan> plan;                   // the loan the last calculation solved
    double planCompoundMonths = 1, planApr = 0; // and the compound period and APR it was solved at
    std::string noPlan;                         // why there is none, while plan is empty
    std::uint64_t planRevision = 0;             // bumped by every calculation
    std::optional<PlanFigures> kept;            // Keep for Comparison, until cleared
    // The last write to a file (Save, Save As, a printout to a file, an export, a chart) and how
    // it ended; writeCount counts them, so a driver can tell that a command wrote.
    std::optional<WriteOutcome> lastWrite;
    std::uint64_t writeCount = 0;
    // A file the user asked for that was not written, and the system's reason, in the user's
    // language ("Could not save /home/ann/loan.fin: Permission denied"): the window shows it in a
    // line of its own, with no dialog to dismiss, until the next action. Empty when all went well.
    std::string notice;
    // Every user action starts here, before its handler: the last action's notice is gone.
    void actionStarted() { notice.clear(); }
    // CSV files in the style of the locale (semicolons and decimal commas where it writes a
    // decimal comma), as the window writes them; off, every locale gets commas and periods.
    bool csvFollowsLocale = false;
    // A keyboard in the user's locale, as the window has: where the locale writes a decimal comma,
    // the comma key types the decimal point, and a text edited into a field reads its one comma as
    // one (fieldEdited), since a field reads a period only. Off, every key types as it is.
    bool keysFollowLocale = false;

    // ----- start-up and shut-down (startup.cpp)
    void Form_Load();
    void Form_Unload();

    // ----- lists (lists.cpp). Selecting from code runs the click handler at once, but
    // only when the index changes; a user's choice always runs it.
    void selectCompound(int index);
    bool selectResult(int index); // false when index is not an entry
    void selectPeriod(int index);
    void chooseCompound(int index); // the user's choice
    void choosePeriod(int index);
    void chooseResult(int index);
    void cmCompound_Click();
    void cmPeriod_Click();
    void cmResult_Click();

    // ----- modes (mode_switch.cpp, result_setup.cpp)
    void mnPersonalLoan_Click();
    void mnMortgage_Click();
    void mnLease_Click();
    void mnIncome_Click();
    void mnInvestment_Click();
    // The set-up routines of the five modes, which the result-type list's click runs.
    void PersonalLoan();
    void Mortgage();
    void AutoLease();
    void Income();
    void Investment();

    // ----- engine (calculate.cpp, results.cpp, live_update.cpp)
    void Calculate();
    void calculateResults(); // Calculate without its last step, the report's rebuild
    void Results();
    void btnCalculate_Click() { Calculate(); }
    // A key pressed in field i hands over the character it types ('\r' for Enter, '\b' for
    // Backspace); the handler may swallow it (0) or type another. Any key released in field i,
    // whatever it was, calls txtSL_KeyUp.
    void txtSL_KeyPress(int index, int& keyAscii);
    void txtSL_KeyUp(int index);
    // The text of field i as the user edited it in place (a paste, a cut): kept as it is, but for
    // a lone decimal comma under keysFollowLocale.
    void fieldEdited(int index, std::string text);

    // ----- reports (details.cpp)
    void ShowDetails();
    void mnTable_Click();
    void btnDetails_Click() { mnTable_Click(); }
    ReportInputs reportInputs() const;
    void mnPrint_Click();
    void btnPrint_Click() { mnPrint_Click(); }

    // ----- the report seen other ways (money_views.cpp): chart, yearly summary, print preview
    // and spreadsheet export. All of them read the details report; none changes it.
    void mnChart_Click();
    void chartClosed(); // the user closed the chart window
    void mnSaveChart_Click();
    void mnPrintPreview_Click();
    void mnExport_Click();
    std::int64_t paymentsPerYear() const;
    YearlySummary yearlySummary() const { return YearlySummary(report, paymentsPerYear()); }
    ChartSource chartSource() const;
    CsvStyle csvStyle() const; // the style Export Report writes CSV files in

    // ----- what if (what_if.cpp): extra payments, the rate behind a payment, a kept plan to
    // compare with. None of them changes a field, the report or a file, except Use This Rate,
    // which types the found APR into its field and calculates.
    void mnWhatIf_Click();
    void whatIfClosed(); // the user closed the What If window; a refused text goes with it
    // The extras as typed: amounts of at least 0, whole payment numbers from 1. Anything else
    // keeps the extras as they were and says why in extrasMessage; returns whether they were taken.
    bool setExtras(const std::string& extra, const std::string& from, const std::string& lump,
                   const std::string& at);
    // The extras in use as the four inputs show them: amounts in plain decimals that read back
    // as the same numbers, whole payment numbers.
    std::array<std::string, 4> extrasTexts() const;
    // Why extra payments do not apply to the current mode; nullopt where they do.
    std::optional<std::string> extrasUnavailable() const;
    // Why the plan has no schedule for extras to shorten: a failed calculation, or a plan that does
    // not pay down to its end amount; nullopt where it has one.
    std::optional<std::string> noSchedule() const;
    // The schedule with the extras against the plan's; nullopt wherever one of the two above says
    // why not.
    std::optional<WhatIfFigures> whatIf() const;
    // Why whatIf() has no figures where extras apply: noSchedule(), or payments beyond the range
    // of numbers.
    std::string noFigures() const;
    // A rate change as typed: an APR above -100 and a whole payment number from 1. Anything else
    // keeps the change as it was and says why in rateChangeMessage; returns whether it was taken.
    bool setRateChange(const std::string& apr, const std::string& from, bool keepEndDate);
    void clearRateChange();
    // Why a rate change has no figures for the plan as it stands, or nullopt: as for the extras.
    std::optional<std::string> rateChangeUnavailable() const;
    std::optional<RateChangeFigures> rateChangeFigures() const; // nullopt without a change
    std::optional<std::array<ShockFigures, 3>> shock() const;   // +1, +2 and +3 points
    RateChangeTexts rateChangeTexts() const;
    void mnFindRate_Click(); // opens the What If window, which shows the answer
    void mnUseRate_Click();  // nothing to do unless rateUsable()
    bool rateUsable() const; // a rate was found for the plan as it stands
    void mnKeep_Click();
    void mnClearKept_Click();
    PlanFigures planFigures() const; // the plan as it stands now
    PaymentQuestion paymentQuestion() const;
    double typedPayment() const;
    WhatIfTexts whatIfTexts() const;
    RateTexts rateTexts() const;
    CompareTexts compareTexts() const;

    // ----- scenario files (scenario.cpp)
    void mnOpen_Click();
    // The steps of Open after the dialog, for the path chosen: also run for a path given on the
    // command line, a file dropped on the window and an entry of File > Recent Files.
    void openScenario(const std::string& path);
    void mnSave_Click();
    void mnSaveAs_Click();
    void btnOpen_Click() { mnOpen_Click(); }
    void btnSave_Click() { mnSave_Click(); }

    // ----- help (help.cpp)
    void OpenHelpFile();
    void Label1_Click();
    void Label2_Click();
    void lblResult_Click();
    void lblSL_Click(int index);
    void mnTopics_Click();
    void mnAbout_Click() { m_host.showWindow(Window::About); }

    const CurrencyFormat& currency() const { return m_currency; }

    // The mode CalculatorMode names, which every rule of a mode asks; none for a text that is
    // no mode's name: it is stored and shown, sets nothing up and solves for nothing.
    std::optional<Mode> mode() const { return modeOf(CalculatorMode); }

  private:
    // A sentence of the state in the user's language (see Host::translate); Qt's lupdate finds
    // each text given here under "selvane::FinCalc".
    std::string tr(const char* text) const { return m_host.translate(text); }
    std::string yearsAndMonths(double months) const; // "2 years 3 months", "-1 year"
    void calculateLoan(Mode mode, LoanResult result);
    void calculateInvestment(InvestmentResult result);
    void writeInvestmentResults();
    void writeStored(int fieldIndex, int decimals);
    void switchMode(Mode mode);
    void setupResult(Mode mode);
    bool writeScenario(const std::string& path); // false when the file was not written
    // Kept as lastWrite when it was aimed at a file; a failure is told in the notice, as `failed`
    // ("Could not save %1: %2") with the path and the reason. Its ok.
    bool noteWrite(WriteOutcome outcome, const char* failed);
    void planChanged();                         // forgets the found rate and its note
    void keepPlan(std::optional<Plan> solved);  // the plan a branch solved; none when it failed
    const ScheduleTotals* planSchedule() const; // the plan's schedule without extras
    // The rate change as the schedule walks it, where it has figures for the plan as it stands.
    std::optional<RateChange> changeInUse() const;
    std::optional<RateChangeFigures> workOutChange() const;
    std::optional<std::array<ShockFigures, 3>> workOutShock() const;
    std::int64_t shockFrom() const; // the first payment of the shocks

    Host& m_host;
    CurrencyFormat m_currency;
    // The plan's schedule without extras, worked out once a calculation, when first asked for.
    mutable std::optional<ScheduleTotals> m_planSchedule;
    mutable std::uint64_t m_planScheduleRevision = 0;
    mutable std::optional<ScheduleTotals> m_extrasSchedule; // the extras', likewise
    mutable std::pair<std::uint64_t, Extras> m_extrasScheduleKey;
    // The rate change's figures, the shocks and the plan with the change, likewise: the window
    // asks after every handler, and a long plan takes a while to walk.
    struct ChangeKey {
        std::uint64_t plan = 0;
        Extras extras;
        std::optional<RateChangeInput> change;
        bool operator==(const ChangeKey&) const = default;
    };
    ChangeKey changeKey() const { return {planRevision, extras, rateChange}; }
    mutable std::optional<std::pair<ChangeKey, std::optional<RateChangeFigures>>> m_changeFigures;
    mutable std::optional<std::pair<ChangeKey, std::optional<std::array<ShockFigures, 3>>>> m_shock;
    mutable std::optional<std::pair<ChangeKey, ScheduleTotals>> m_changedPlan; // without extras
    // What the found rate was found for: the mode, the question and the payment typed.
    struct RateAsked {
        std::string mode;
        PaymentQuestion question;
        double payment = 0;
        bool operator==(const RateAsked&) const = default;
    };
    RateAsked rateAskedNow() const;
    std::optional<RateAsked> m_rateAsked;
};

} // namespace selvane
