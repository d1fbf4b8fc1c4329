#include "cli/commands.h"

#include <algorithm>
#include <charconv>
#include <limits>
#include <memory>
#include <vector>

#include "calculator/keyboard.h"
#include "calculator/mode_menu.h"
#include "chart/money_chart.h"
#include "cli/pdf_pages.h"
#include "cli/state_json.h"
#include "core/fields.h"
#include "core/workbook_export.h"

namespace selvane {

WriteOutcome ScriptHost::printPages(const PrintedPages& pages) {
    if (!answer)
        return {};
    return m_writer(pages, *answer, paper);
}

std::optional<Host::SaveChoice> ScriptHost::chooseSavePathAndType(const FileDialogRequest&) {
    if (!answer)
        return std::nullopt;
    return SaveChoice{*answer, typeAnswer};
}

WriteOutcome ScriptHost::saveChart(const std::string& path, const ChartSource& source) {
    ensureGuiApplication();
    return writeChartImage(source, path, kChartImageSize);
}

WriteOutcome ScriptHost::writeWorkbook(const std::string& path, const DetailsReport& report,
                                       const YearlySummary& years, bool investment,
                                       const CurrencyFormat& currency,
                                       const WorkProgress& progress) {
    return selvane::writeWorkbook(path, report, years, investment, currency, progress);
}

WriteOutcome ScriptHost::writeTableWorkbook(const std::string& path, const TableSheet& table,
                                            const CurrencyFormat& currency) {
    return selvane::writeTableWorkbook(path, table, currency);
}

std::pair<std::string_view, std::optional<std::string_view>> splitWord(std::string_view s) {
    const size_t blank = s.find(' ');
    if (blank == std::string_view::npos)
        return {s, std::nullopt};
    return {s.substr(0, blank), s.substr(blank + 1)};
}

namespace {

// A whole decimal number; values beyond int are kept as "outside any list".
std::optional<int> integerArgument(std::string_view s) {
    if (s.empty())
        return std::nullopt;
    long long v = 0;
    const char* first = s.data();
    const auto [ptr, ec] = std::from_chars(first, std::to_address(s.end()), v);
    if (ptr != std::to_address(s.end()))
        return std::nullopt;
    if (ec == std::errc::result_out_of_range || v != static_cast<int>(v))
        return std::numeric_limits<int>::min();
    if (ec != std::errc())
        return std::nullopt;
    return static_cast<int>(v);
}

std::optional<int> fieldArgument(std::string_view s) {
    if (s.empty() || s.size() > 2 || s.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    const int v = std::stoi(std::string(s));
    if (v < 0 || v >= kFieldCount)
        return std::nullopt;
    return v;
}

// "AMOUNT NUMBER": the two words between any blanks, or nullopt when there are not exactly two.
std::optional<std::pair<std::string, std::string>> twoWords(std::string_view s) {
    auto next = [&s]() {
        const size_t start = s.find_first_not_of(' ');
        if (start == std::string_view::npos)
            return std::string_view();
        s.remove_prefix(start);
        const size_t end = std::min(s.find(' '), s.size());
        const std::string_view w = s.substr(0, end);
        s.remove_prefix(end);
        return w;
    };
    const std::string_view a = next(), b = next();
    if (a.empty() || b.empty() || !next().empty())
        return std::nullopt;
    return std::make_pair(std::string(a), std::string(b));
}

// What follows a command's word.
enum class Form {
    Nothing,          // trailing blanks are forgiven
    WholeNumber,      // a list entry, from 0
    Field,            // a field index
    FieldAndText,     // a field index, a blank, and the text to type
    ModeName,         // PersonalLoan, Mortgage, ...
    HelpTarget,       // a label's name or a field index
    PaperAndMargin,   // A4 10
    FileName,         // any text but blanks alone
    Path,             // any text, also none: a dialog answered with it
    AmountAndPayment, // two words
    RateChange,       // APR FROM payment|term, or off
    Words,            // one or more words
    CsvStyle,         // locale or plain
};

struct Args {
    std::string_view text; // everything after the word's blank
    int number = 0;        // the list entry or the field
    std::string_view typed;
    Mode mode{};
    Paper paper;
    std::pair<std::string, std::string> pair;
    std::vector<std::string> words;
};

std::optional<Args> read(Form form, std::optional<std::string_view> rest) {
    Args a;
    a.text = rest.value_or(std::string_view());
    switch (form) {
    case Form::Nothing:
        return a.text.find_first_not_of(' ') == std::string_view::npos ? std::optional(a)
                                                                       : std::nullopt;
    case Form::WholeNumber:
    case Form::Field: {
        const auto n = form == Form::Field ? fieldArgument(a.text) : integerArgument(a.text);
        if (!n)
            return std::nullopt;
        a.number = *n;
        return a;
    }
    case Form::FieldAndText: {
        const auto [index, text] = splitWord(a.text);
        const auto i = fieldArgument(index);
        if (!i)
            return std::nullopt;
        a.number = *i;
        a.typed = text.value_or(std::string_view());
        return a;
    }
    case Form::ModeName: {
        const std::optional<Mode> m = modeOfCliName(a.text);
        if (!m)
            return std::nullopt;
        a.mode = *m;
        return a;
    }
    case Form::PaperAndMargin: {
        const auto [size, margin] = splitWord(a.text);
        const auto paper = margin ? parsePaper(size, *margin) : std::nullopt;
        if (!paper)
            return std::nullopt;
        a.paper = *paper;
        return a;
    }
    case Form::FileName:
        return a.text.find_first_not_of(' ') == std::string_view::npos ? std::nullopt
                                                                       : std::optional(a);
    case Form::AmountAndPayment: {
        const auto words = twoWords(a.text);
        if (!words)
            return std::nullopt;
        a.pair = *words;
        return a;
    }
    case Form::RateChange: {
        for (size_t i = a.text.find_first_not_of(' '); i < a.text.size();
             i = a.text.find_first_not_of(' ', i)) {
            const size_t end = std::min(a.text.find(' ', i), a.text.size());
            a.words.emplace_back(a.text.substr(i, end - i));
            i = end;
        }
        const bool off = a.words.size() == 1 && a.words[0] == "off";
        const bool change =
            a.words.size() == 3 && (a.words[2] == "payment" || a.words[2] == "term");
        return off || change ? std::optional(a) : std::nullopt;
    }
    case Form::Words:
        for (size_t i = a.text.find_first_not_of(' '); i < a.text.size();
             i = a.text.find_first_not_of(' ', i)) {
            const size_t end = std::min(a.text.find(' ', i), a.text.size());
            a.words.emplace_back(a.text.substr(i, end - i));
            i = end;
        }
        return a.words.empty() ? std::nullopt : std::optional(a);
    case Form::CsvStyle:
        return a.text == "locale" || a.text == "plain" ? std::optional(a) : std::nullopt;
    case Form::HelpTarget: // the handler knows the targets
    case Form::Path:
        return a;
    }
    return std::nullopt;
}

// Why a line of the command `word` is not of the command's form.
std::string refusal(Form form, std::string_view word, std::string_view text) {
    const std::string w(word);
    switch (form) {
    case Form::Nothing:
        return w + " takes no argument";
    case Form::WholeNumber:
        return w + " needs a whole number";
    case Form::Field:
    case Form::FieldAndText:
        return w + " needs a field index 0 to " + std::to_string(kFieldCount - 1);
    case Form::ModeName:
        return "unknown mode '" + std::string(text) + "'";
    case Form::HelpTarget:
        return "unknown help target '" + std::string(text) + "'";
    case Form::PaperAndMargin:
        return w + " needs A4, Letter or Legal and a margin of 0 to 50 millimetres";
    case Form::FileName:
        return w + " needs a file name";
    case Form::AmountAndPayment:
        return w + " needs an amount of at least 0 and a whole payment number from 1";
    case Form::RateChange:
        return w + " needs an APR above -100, a whole payment number from 1 and payment or term, "
                   "or off";
    case Form::CsvStyle:
        return w + " needs locale or plain";
    case Form::Words:
        if (w == "basis")
            return "basis needs periodic, 30/360, actual/365, actual/360 or actual/actual";
        if (w == "rounding")
            return "rounding needs none or cents";
        if (w == "dates")
            return "dates needs off";
        if (w == "offer")
            return "offer needs NAME amount=A apr=R payments=N [period=..] [compound=..] "
                   "[balloon=B] [upfront=F] [added=G] [fee=M], NAME current or remove NAME";
        if (w == "offers")
            return "offers needs clear";
        if (w == "switch")
            return "switch needs NAME at=K [erc=PERCENT] [costs=C], or off";
        if (w == "start" || w == "first")
            return w + " needs a date YYYY-MM-DD";
        return w == "events" ? "events needs clear"
                             : "event needs rate, extra, lump, holiday, overpay or remove and "
                               "their arguments";
    case Form::Path:
        break;
    }
    return w + " cannot be run";
}

// A handler runs the command; false refuses it after all (a text the state does not take).
using Handler = bool (*)(ScriptSession&, const Args&);

template <void (FinCalc::*Click)()> bool click(ScriptSession& s, const Args&) {
    (s.calc.*Click)();
    return true;
}

// A menu entry whose file dialog the line's text answers (with the file type `type` of a save).
template <void (FinCalc::*Click)(), int type = 1> bool answered(ScriptSession& s, const Args& a) {
    s.host.answer = std::string(a.text);
    s.host.typeAnswer = type;
    (s.calc.*Click)();
    s.host.answer.reset();
    s.host.typeAnswer = 1;
    return true;
}

template <void (*Key)(FinCalc&, int)> bool key(ScriptSession& s, const Args& a) {
    Key(s.calc, a.number);
    return true;
}

template <void (FinCalc::*Choose)(int)> bool choose(ScriptSession& s, const Args& a) {
    (s.calc.*Choose)(a.number);
    return true;
}

bool help(ScriptSession& s, const Args& a) {
    FinCalc& calc = s.calc;
    if (a.text == "Label1")
        calc.Label1_Click();
    else if (a.text == "Label2")
        calc.Label2_Click();
    else if (a.text == "lblResult")
        calc.lblResult_Click();
    else if (a.text == "General")
        calc.mnTopics_Click();
    else if (auto i = fieldArgument(a.text))
        calc.lblSL_Click(*i);
    else
        return false;
    return true;
}

// The What If window's extras: one pair of its inputs, the other pair as it is.
template <bool lump> bool extras(ScriptSession& s, const Args& a) {
    const std::array<std::string, 4> now = s.calc.plan.extrasTexts();
    return lump ? s.calc.setExtras(now[0], now[1], a.pair.first, a.pair.second)
                : s.calc.setExtras(a.pair.first, a.pair.second, now[2], now[3]);
}

// The What If window's rate change, or none ("off"). From here on the dumps show its figures.
bool rateChange(ScriptSession& s, const Args& a) {
    s.rateChangeMembers = true;
    if (a.words.size() == 1) {
        s.calc.clearRateChange();
        return true;
    }
    return s.calc.setRateChange(a.words[0], a.words[1], a.words[2] == "term");
}

// The timeline: an event added, one removed (numbered from 1 in the list's order), or the
// overpayment choice. From here on the dumps show the timeline.
bool event(ScriptSession& s, const Args& a) {
    s.timelineMembers = true;
    s.calc.plan.timelineMessage.clear(); // a sentence left from an earlier line is not this one's
    const std::vector<std::string>& w = a.words;
    if (w[0] == "overpay") {
        if (w.size() != 2 || (w[1] != "shorter" && w[1] != "lower"))
            return false;
        s.calc.chooseOverpay(w[1] == "lower");
        return true;
    }
    if (w[0] == "remove") {
        const auto n = w.size() == 2 ? integerArgument(w[1]) : std::nullopt;
        return n && *n >= 1 && s.calc.removeEvent(static_cast<std::size_t>(*n - 1));
    }
    return s.calc.addEvent(w);
}

bool events(ScriptSession& s, const Args& a) {
    s.timelineMembers = true;
    if (a.words.size() != 1 || a.words[0] != "clear")
        return false;
    s.calc.clearEvents();
    return true;
}

// The calendar: the start and first payment dates (YYYY-MM-DD; `first default` is one period
// after the start), the day count, the rounding, and `dates off`. From here on the dumps show the
// calendar.
template <int what> bool calendar(ScriptSession& s, const Args& a) {
    s.calendarMembers = true;
    s.calc.plan.calendarMessage.clear();
    if (a.words.size() != 1)
        return false;
    const std::string& w = a.words[0];
    switch (what) {
    case 0:
        return s.calc.setStartDate(w);
    case 1:
        return s.calc.setFirstPaymentDate(w == "default" ? std::string() : w);
    case 2:
        if (const std::optional<DayCount> basis = readDayCount(w)) {
            s.calc.chooseBasis(*basis);
            return true;
        }
        return false;
    case 3:
        if (w != "none" && w != "cents")
            return false;
        s.calc.chooseRounding(w == "cents");
        return true;
    default:
        if (w != "off")
            return false;
        s.calc.datesOff();
        return true;
    }
}

// Compare Offers: an offer put (its words as an offers file has them), made from the plan, or
// removed; all cleared; the switch set or off. From here on the dumps show the offers.
bool offer(ScriptSession& s, const Args& a) {
    s.offerMembers = true;
    s.calc.offers.message.clear();
    const std::vector<std::string>& w = a.words;
    if (w.size() == 2 && w[0] == "remove")
        return s.calc.removeOffer(w[1]);
    if (w.size() == 2 && w[1] == "current")
        return s.calc.offerFromPlan(w[0]);
    return s.calc.putOffer(w);
}

bool offersCommand(ScriptSession& s, const Args& a) {
    s.offerMembers = true;
    if (a.words.size() != 1 || a.words[0] != "clear")
        return false;
    s.calc.clearOffers();
    return true;
}

bool switchCommand(ScriptSession& s, const Args& a) {
    s.offerMembers = true;
    s.calc.offers.switchMessage.clear();
    const std::vector<std::string>& w = a.words;
    if (w.size() == 1 && w[0] == "off") {
        s.calc.switchOff();
        return true;
    }
    std::optional<std::string> at;
    std::string erc = "0", costs = "0";
    for (std::size_t i = 1; i < w.size(); ++i) {
        const auto eq = w[i].find('=');
        const std::string key = w[i].substr(0, eq);
        const std::string value = eq == std::string::npos ? std::string() : w[i].substr(eq + 1);
        if (eq == std::string::npos || (key != "at" && key != "erc" && key != "costs"))
            return false;
        (key == "at" ? at.emplace() : key == "erc" ? erc : costs) = value;
    }
    return at && s.calc.setSwitch(w[0], *at, erc, costs);
}

// Check a Lender's Statement: a statement file read (through the Open dialog, which the line's
// path answers), or none. A refused file is no error of the script: the dump says why.
bool statementCommand(ScriptSession& s, const Args& a) {
    s.statementMembers = true;
    if (a.text == "off") {
        s.calc.statementOff();
        return true;
    }
    return answered<&FinCalc::mnOpenStatement_Click>(s, a);
}

struct Command {
    std::string_view word;
    Form form;
    Handler run;
};

constexpr Command kCommands[] = {
    {"dump", Form::Nothing,
     [](ScriptSession& s, const Args&) {
         writeStateJson(s.out, s.calc, s.rateChangeMembers, s.timelineMembers, s.calendarMembers,
                        s.offerMembers, s.statementMembers);
         return true;
     }},
    {"calculate", Form::Nothing, click<&FinCalc::btnCalculate_Click>},
    {"details", Form::Nothing, click<&FinCalc::mnTable_Click>},
    {"mode", Form::ModeName,
     [](ScriptSession& s, const Args& a) {
         runModeSwitch(s.calc, a.mode);
         return true;
     }},
    {"result", Form::WholeNumber, choose<&FinCalc::chooseResult>},
    {"compound", Form::WholeNumber, choose<&FinCalc::chooseCompound>},
    {"period", Form::WholeNumber, choose<&FinCalc::choosePeriod>},
    {"type", Form::FieldAndText,
     [](ScriptSession& s, const Args& a) {
         typeText(s.calc, a.number, a.typed);
         return true;
     }},
    {"erase", Form::Field, key<pressBackspace>},
    {"clear", Form::Field, key<selectAllAndDelete>},
    {"enter", Form::Field, key<pressEnter>},
    {"help", Form::HelpTarget, help},
    {"paper", Form::PaperAndMargin,
     [](ScriptSession& s, const Args& a) {
         s.host.paper = a.paper;
         return true;
     }},
    {"chart", Form::FileName, answered<&FinCalc::mnSaveChart_Click>},
    {"export", Form::FileName, answered<&FinCalc::mnExport_Click>},
    {"export-yearly", Form::FileName, answered<&FinCalc::mnExport_Click, 2>},
    {"extra", Form::AmountAndPayment, extras<false>},
    {"lump", Form::AmountAndPayment, extras<true>},
    {"ratechange", Form::RateChange, rateChange},
    {"event", Form::Words, event},
    {"events", Form::Words, events},
    {"start", Form::Words, calendar<0>},
    {"first", Form::Words, calendar<1>},
    {"basis", Form::Words, calendar<2>},
    {"rounding", Form::Words, calendar<3>},
    {"dates", Form::Words, calendar<4>},
    {"offer", Form::Words, offer},
    {"offers", Form::Words, offersCommand},
    {"switch", Form::Words, switchCommand},
    {"saveoffers", Form::Path, answered<&FinCalc::mnSaveOffersAs_Click>},
    {"openoffers", Form::Path, answered<&FinCalc::mnOpenOffers_Click>},
    {"exportoffers", Form::FileName, answered<&FinCalc::mnExportOffers_Click>},
    {"printoffers", Form::Path, answered<&FinCalc::mnPrintOffers_Click>},
    {"statement", Form::Path, statementCommand},
    {"savecomparison", Form::FileName, answered<&FinCalc::mnSaveComparison_Click>},
    {"csv", Form::CsvStyle,
     [](ScriptSession& s, const Args& a) {
         s.calc.csvFollowsLocale = a.text == "locale";
         return true;
     }},
    {"findrate", Form::Nothing, click<&FinCalc::mnFindRate_Click>},
    {"userate", Form::Nothing, click<&FinCalc::mnUseRate_Click>},
    {"keep", Form::Nothing, click<&FinCalc::mnKeep_Click>},
    {"unkeep", Form::Nothing, click<&FinCalc::mnClearKept_Click>},
    {"open", Form::Path, answered<&FinCalc::mnOpen_Click>},
    {"save", Form::Path, answered<&FinCalc::mnSave_Click>},
    {"saveas", Form::Path, answered<&FinCalc::mnSaveAs_Click>},
    {"print", Form::Path, answered<&FinCalc::mnPrint_Click>},
};

} // namespace

std::optional<std::string> runCommand(ScriptSession& session, std::string_view word,
                                      std::optional<std::string_view> rest) {
    for (const Command& c : kCommands) {
        if (c.word != word)
            continue;
        const std::optional<Args> args = read(c.form, rest);
        if (args && c.run(session, *args))
            return std::nullopt;
        // An event the timeline refused: its own sentence says why.
        if (args && word == "event" && !session.calc.plan.timelineMessage.empty())
            return "event: " + session.calc.plan.timelineMessage;
        // An offer or a switch refused: its sentence says why.
        if (args && word == "offer" && !session.calc.offers.message.empty())
            return "offer: " + session.calc.offers.message;
        if (args && word == "switch" && !session.calc.offers.switchMessage.empty())
            return "switch: " + session.calc.offers.switchMessage;
        // A date refused: the calendar's sentence says why.
        if (args && !session.calc.plan.calendarMessage.empty())
            return std::string(word) + ": " + session.calc.plan.calendarMessage;
        return refusal(c.form, word, rest.value_or(std::string_view()));
    }
    return "unknown command '" + std::string(word) + "'";
}

} // namespace selvane
