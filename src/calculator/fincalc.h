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
#include "plan/offers.h"
#include "plan/plan_over_time.h"
#include "plan/statement.h"

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

class FinCalc {
  public:
    explicit FinCalc(Host& host, CurrencyFormat currency = CurrencyFormat());
    // The plan object asks this one for the window's facts: it stays where it was made.
    FinCalc(const FinCalc&) = delete;
    FinCalc& operator=(const FinCalc&) = delete;

    // ----- state shown by the front ends
    std::array<ParameterField, kFieldCount> fields;
    ComboList cmCompound, cmPeriod, cmResult;
    std::string caption;
    std::string CalculatorMode; // any text (a scenario file sets it); rules ask mode()
    std::optional<double> CompoundMonths, PaymentsPerMonth;
    StoredValues stored;
    std::string ScenarioFileName;
    std::string HelpTopic;
    std::string comments;             // txtComments
    DetailsReport report;             // rtDetails
    std::uint64_t reportRevision = 0; // bumped whenever the report is replaced
    bool detailsChecked = false;      // View > Details
    bool chartOpen = false;           // View > Chart's window is shown
    bool whatIfOpen = false;          // Tools > What If's window is shown
    bool scheduleOpen = false;        // Tools > Schedule's window is shown
    bool compareOffersOpen = false;   // Tools > Compare Offers' window is shown
    bool statementOpen = false;       // Tools > Check a Lender's Statement's window is shown
    // The plan the last calculation solved, and what the What If window does with it over time.
    PlanOverTime plan;
    // The offers of Compare Offers and the file they were last opened from or saved to.
    OfferBook offers;
    std::string OffersFileName;
    // The lender's statement of Check a Lender's Statement, and its comparison with the plan.
    StatementCheck statement;
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
    // By calendar year where the plan has dates.
    YearlySummary yearlySummary() const {
        return YearlySummary(report, paymentsPerYear(), reportDates());
    }
    // The dates of the report's rows: the plan's dates for the payment period chosen.
    std::optional<PaymentDates> reportDates() const {
        return plan.paymentDates(PaymentsPerMonth.value_or(1.0));
    }
    ChartSource chartSource() const;
    CsvStyle csvStyle() const; // the style Export Report writes CSV files in

    // ----- what if (what_if.cpp): extra payments, a rate change, the timeline of events, the
    // rate behind a payment, a kept plan to compare with. The handlers change the plan object's
    // inputs; its figures and texts are read from it. None of them changes a field, the report or
    // a file, except Use This Rate, which types the found APR into its field and calculates.
    void mnWhatIf_Click();
    void whatIfClosed(); // the user closed the What If window; a refused text goes with it
    // The extras as typed: amounts of at least 0, whole payment numbers from 1. Anything else
    // keeps the extras as they were and says why; returns whether they were taken.
    bool setExtras(const std::string& extra, const std::string& from, const std::string& lump,
                   const std::string& at) {
        return plan.setExtras(extra, from, lump, at);
    }
    // A rate change as typed: an APR above -100 and a whole payment number from 1.
    bool setRateChange(const std::string& apr, const std::string& from, bool keepEndDate) {
        return plan.setRateChange(apr, from, keepEndDate);
    }
    void clearRateChange() { plan.clearRateChange(); }
    // The timeline: an event added (its words as typed), edited in place or removed (i from 0),
    // all cleared, and the overpayment choice.
    bool addEvent(const std::vector<std::string>& words) { return plan.addEvent(words); }
    bool editEvent(std::size_t i, const std::vector<std::string>& words) {
        return plan.replaceEvent(i, words);
    }
    bool removeEvent(std::size_t i) { return plan.removeEvent(i); }
    void clearEvents();
    void chooseOverpay(bool lower);
    void mnFindRate_Click(); // opens the What If window, which shows the answer
    void mnUseRate_Click();  // nothing to do unless the plan's rateUsable()
    void mnKeep_Click();
    void mnClearKept_Click() { plan.kept.reset(); }

    // ----- the calendar (what_if.cpp): Tools > Schedule..., the plan's dates and the lender's day
    // count. Dates are YYYY-MM-DD; one refused keeps the dates as they were and says why.
    void mnSchedule_Click();
    void scheduleClosed(); // a refused date goes with the Schedule window
    bool setStartDate(const std::string& iso) { return plan.setStart(iso); }
    bool setFirstPaymentDate(const std::string& iso) { return plan.setFirst(iso); }
    void chooseBasis(DayCount basis) { plan.setBasis(basis); }
    void chooseRounding(bool cents) { plan.setRounding(cents); }
    void datesOff() { plan.datesOff(); }

    // ----- a lender's statement (statement.cpp): read from a file or pasted, its conventions
    // found against the plan's APR, and where it departs from them. The handlers change the
    // statement; none changes a field, the report or the plan.
    void mnCheckStatement_Click();
    void statementClosed(); // a refusal goes with the window
    void mnOpenStatement_Click();
    bool openStatement(const std::string& path); // a refused file keeps the statement in use
    bool pasteStatement(const std::string& text);
    void statementOff() { statement.off(); }
    // The comparison saved as CSV or a workbook (the dialog's type decides).
    void mnSaveComparison_Click();
    // What the plan gives the comparison: nullopt without a solved plan.
    std::optional<StatementPlan> statementPlan() const;
    StatementTexts statementTexts(bool rows = true) const; // rows: the table's too

    // ----- compare offers (offers.cpp): offers side by side, and switching the plan to one. The
    // handlers change the offer book; none changes a field, the report or the plan.
    void mnCompareOffers_Click();
    void compareOffersClosed(); // a refused text goes with the window
    // An offer as selvane-cli's words (readOffer): added, or replacing the one of its name.
    bool putOffer(const std::vector<std::string>& words);
    // The calculator's plan as it stands as an offer named `name`: the amount financed, the
    // APR, the number of payments, both periods and the end amount, without fees.
    bool offerFromPlan(const std::string& name);
    // A new offer with a name of its own, the current plan's figures where there is one.
    bool addOffer();
    bool editOffer(std::size_t i, OfferColumn c, const std::string& text) {
        return offers.edit(i, c, text);
    }
    bool duplicateOffer(std::size_t i) { return offers.duplicate(i); }
    bool removeOffer(std::size_t i) { return offers.remove(i); }
    bool removeOffer(const std::string& name) { return offers.remove(name); }
    void clearOffers() { offers.clear(); }
    bool setSwitch(const std::string& offer, const std::string& at, const std::string& erc,
                   const std::string& costs) {
        return offers.setSwitch(offer, at, erc, costs);
    }
    void switchOff() { offers.switchOff(); }
    // The plan a switch starts from: the last calculation's, where it solved one.
    std::optional<SwitchPlan> switchPlan() const;
    OffersTexts offersTexts() const { return offers.texts(); }
    SwitchTexts switchTexts() const { return offers.switchTexts(switchPlan()); }
    // Offers files: File dialogs of their own (".offers"), the same recent files as scenarios.
    void mnOpenOffers_Click();
    void openOffers(const std::string& path); // also from Recent Files and the command line
    void mnSaveOffers_Click();
    void mnSaveOffersAs_Click();
    // The offers table printed, and exported as CSV or a workbook (the dialog's type decides).
    void mnPrintOffers_Click();
    void mnExportOffers_Click();
    // The offers table as the printout lays it out, and as CSV.
    std::vector<std::string> offersPrintLines() const;
    std::string offersCsv() const;

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
    void calculateLoan(Mode mode, LoanResult result);
    void calculateInvestment(InvestmentResult result);
    void writeInvestmentResults();
    void writeStored(int fieldIndex, int decimals);
    void switchMode(Mode mode);
    void setupResult(Mode mode);
    bool writeScenario(const std::string& path); // false when the file was not written
    bool writeOffers(const std::string& path);   // likewise
    // Kept as lastWrite when it was aimed at a file; a failure is told in the notice, as `failed`
    // ("Could not save %1: %2") with the path and the reason. Its ok.
    bool noteWrite(WriteOutcome outcome, const char* failed);
    void planChanged() { plan.forgetFoundRate(); } // a rate found before is for other inputs
    void keepPlan(std::optional<Plan> solved);     // the plan a branch solved; none when it failed
    PaymentQuestion paymentQuestion() const;       // the inputs a rate is found for
    double typedPayment() const;
    PlanContext planContext();

    Host& m_host;
    CurrencyFormat m_currency;
};

} // namespace selvane
