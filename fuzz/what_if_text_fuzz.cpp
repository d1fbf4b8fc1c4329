// The What If window's four inputs, and the text after `extra` and `lump` on a script line, given
// any texts, before and after a calculation of any field texts. A text must be taken exactly
// when it is a plain decimal number in range (read here by strtod, apart from the window's own
// reader), a refused one must leave the extras as they were, the extras shown must read back as
// themselves, and the window's texts must be valid UTF-8: finite figures, or a sentence.
//
// Input: byte 0 chooses the mode, payment period and result type; then one text a line: the four
// inputs (extra, from, one-time amount, at) before any calculation; the texts of the APR, number
// of payments, amount, end amount and payment fields, then Calculate; the four inputs again; and
// every further line after `extra` and `lump` in turn.

#include <QLocale>
#include <array>
#include <bit>
#include <cerrno>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "calculator/fincalc.h"
#include "calculator/mode_menu.h"
#include "cli/commands.h"
#include "core/fields.h"
#include "fuzz_check.h"

namespace selvane {
namespace {

constexpr double kMaxPaymentNumber = 10000000;

struct Decimal {
    double value;
    bool tiny; // below the normal doubles: readers may round or refuse it
};

// A text of the window as a number: blanks and tabs around it and one leading plus aside, digits
// with a sign, a point and an exponent, all of it read by strtod.
std::optional<Decimal> decimalText(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t'))
        t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t'))
        t.remove_suffix(1);
    if (!t.empty() && t.front() == '+')
        t.remove_prefix(1);
    if (t.empty() || t.find_first_not_of("0123456789.eE+-") != std::string_view::npos ||
        std::string_view("-0123456789.").find(t.front()) == std::string_view::npos)
        return std::nullopt;
    const std::string s(t);
    char* end = nullptr;
    errno = 0;
    const double v = std::strtod(s.c_str(), &end);
    if (end != s.c_str() + s.size() || !std::isfinite(v))
        return std::nullopt;
    return Decimal{v, errno == ERANGE};
}

bool amountOk(const std::optional<Decimal>& d) {
    return d && d->value >= 0;
}
bool numberOk(const std::optional<Decimal>& d) {
    return d && d->value >= 1 && d->value <= kMaxPaymentNumber && d->value == std::floor(d->value);
}
bool tiny(const std::optional<Decimal>& d) {
    return d && d->tiny;
}

bool sameBits(double a, double b) {
    return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b);
}
bool sameExtras(const Extras& a, const Extras& b) {
    return sameBits(a.extra, b.extra) && a.from == b.from && sameBits(a.lump, b.lump) &&
           a.at == b.at;
}

// One amount and payment number as taken: what strtod reads.
void checkPair(double amount, std::int64_t number, const std::optional<Decimal>& a,
               const std::optional<Decimal>& n) {
    FUZZ_CHECK(amountOk(a) && numberOk(n));
    FUZZ_CHECK(sameBits(amount, a->value));
    FUZZ_CHECK(static_cast<double>(number) == n->value);
}

// The extras in use, shown in the four inputs, are taken again as the very same extras.
void checkShownExtrasReadBack(FinCalc& calc) {
    const Extras before = calc.plan.extras;
    const std::array<std::string, 4> shown = calc.plan.extrasTexts();
    FUZZ_CHECK(calc.setExtras(shown[0], shown[1], shown[2], shown[3]));
    FUZZ_CHECK(sameExtras(calc.plan.extras, before));
}

void setInputs(FinCalc& calc, const std::array<std::string, 4>& texts) {
    const Extras before = calc.plan.extras;
    const bool taken = calc.setExtras(texts[0], texts[1], texts[2], texts[3]);
    FUZZ_CHECK(taken == calc.plan.extrasMessage.empty());
    std::array<std::optional<Decimal>, 4> d;
    for (size_t i = 0; i < 4; ++i)
        d[i] = decimalText(texts[i]);
    if (!taken) {
        FUZZ_CHECK(sameExtras(calc.plan.extras, before));
        FUZZ_CHECK(fuzz::validUtf8(calc.plan.extrasMessage));
        // Texts in range are refused only where the reader may refuse a number below the
        // normal doubles.
        const bool inRange = amountOk(d[0]) && numberOk(d[1]) && amountOk(d[2]) && numberOk(d[3]);
        FUZZ_CHECK(!inRange || tiny(d[0]) || tiny(d[2]));
        return;
    }
    checkPair(calc.plan.extras.extra, calc.plan.extras.from, d[0], d[1]);
    checkPair(calc.plan.extras.lump, calc.plan.extras.at, d[2], d[3]);
    checkShownExtrasReadBack(calc);
}

// `extra AMOUNT FROM` or `lump AMOUNT AT`: two words of the rest of the line, separated by
// blanks; the other pair stays as it is.
void runExtrasLine(ScriptSession& session, bool extra, std::string_view rest) {
    FinCalc& calc = session.calc;
    std::vector<std::string_view> words;
    for (size_t pos = 0; pos < rest.size();) {
        const size_t start = rest.find_first_not_of(' ', pos);
        if (start == std::string_view::npos)
            break;
        const size_t end = std::min(rest.find(' ', start), rest.size());
        words.push_back(rest.substr(start, end - start));
        pos = end;
    }
    const Extras before = calc.plan.extras;
    const auto problem = runCommand(session, extra ? "extra" : "lump", rest);
    if (problem) {
        FUZZ_CHECK(!problem->empty() && fuzz::validUtf8(*problem));
        FUZZ_CHECK(sameExtras(calc.plan.extras, before));
        if (words.size() == 2) {
            const auto a = decimalText(words[0]), n = decimalText(words[1]);
            FUZZ_CHECK(!(amountOk(a) && numberOk(n)) || tiny(a));
        }
        return;
    }
    FUZZ_CHECK(words.size() == 2);
    const auto a = decimalText(words[0]), n = decimalText(words[1]);
    if (extra) {
        checkPair(calc.plan.extras.extra, calc.plan.extras.from, a, n);
        FUZZ_CHECK(sameBits(calc.plan.extras.lump, before.lump) &&
                   calc.plan.extras.at == before.at);
    } else {
        checkPair(calc.plan.extras.lump, calc.plan.extras.at, a, n);
        FUZZ_CHECK(sameBits(calc.plan.extras.extra, before.extra) &&
                   calc.plan.extras.from == before.from);
    }
}

// The window's texts: a sentence where there are no figures, else finite figures.
void checkWindow(const FinCalc& calc) {
    const WhatIfTexts t = calc.plan.whatIfTexts();
    const std::string noFigure = "\u2013";
    FUZZ_CHECK(fuzz::validUtf8(t.unavailable) && fuzz::validUtf8(t.refused) &&
               fuzz::validUtf8(t.note));
    for (const std::string& f : t.figures)
        FUZZ_CHECK(!f.empty() && fuzz::validUtf8(f));
    // Where extras apply, a refused text is told instead of figures.
    FUZZ_CHECK(calc.plan.extrasUnavailable() || t.refused == calc.plan.extrasMessage);
    if (!t.refused.empty()) {
        for (const std::string& f : t.figures)
            FUZZ_CHECK(f == noFigure);
        return;
    }

    const std::optional<WhatIfFigures> w = calc.plan.whatIf();
    if (!w) {
        FUZZ_CHECK(!t.unavailable.empty());
        for (const std::string& f : t.figures)
            FUZZ_CHECK(f == noFigure);
        return;
    }
    FUZZ_CHECK(t.unavailable.empty() && !calc.plan.extrasUnavailable());
    for (const std::string& f : t.figures)
        FUZZ_CHECK(f != noFigure);
    FUZZ_CHECK(sameExtras(w->extras, calc.plan.extras));
    for (const double f :
         {w->lastPayment, w->totalPaid, w->totalInterest, w->interestSaved, w->yearsSaved})
        FUZZ_CHECK(std::isfinite(f));
    // Paying more never takes more payments; paying nothing more saves nothing.
    FUZZ_CHECK(calc.plan.solved && w->payments >= 1 && w->payments <= calc.plan.solved->payments);
    FUZZ_CHECK(w->paymentsSaved >= 0);
    if (calc.plan.extras.extra == 0 && calc.plan.extras.lump == 0)
        FUZZ_CHECK(w->paymentsSaved == 0 && w->interestSaved == 0);
}

} // namespace
} // namespace selvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace selvane;
    if (size == 0)
        return -1;
    const std::string_view input(reinterpret_cast<const char*>(data) + 1, size - 1);
    std::vector<std::string> lines;
    for (size_t pos = 0; pos <= input.size();) {
        const size_t end = std::min(input.find('\n', pos), input.size());
        lines.emplace_back(input.substr(pos, end - pos));
        pos = end + 1;
    }
    auto line = [&lines](size_t i) { return i < lines.size() ? lines[i] : std::string(); };
    auto inputs = [&](size_t first) {
        return std::array<std::string, 4>{line(first), line(first + 1), line(first + 2),
                                          line(first + 3)};
    };

    const PageWriter writer = writePlainTextPages;
    ScriptHost host(writer);
    FinCalc calc(host, CurrencyFormat(QLocale(QLocale::English, QLocale::UnitedStates)));
    std::ostringstream dumps;
    ScriptSession session{calc, host, dumps};
    calc.Form_Load();
    runModeSwitch(calc, static_cast<Mode>(data[0] % kModeCount));
    calc.choosePeriod(data[0] / kModeCount % 4);
    calc.chooseResult(data[0] / (kModeCount * 4) % 4);
    checkWindow(calc);

    setInputs(calc, inputs(0));
    checkWindow(calc);

    const int planFields[] = {field::APR, field::PERS, field::SBAL, field::FBAL, field::PMT};
    for (size_t i = 0; i < std::size(planFields) && 4 + i < lines.size(); ++i)
        calc.fields[static_cast<size_t>(planFields[i])].text = lines[4 + i];
    calc.btnCalculate_Click();
    checkWindow(calc);

    setInputs(calc, inputs(9));
    checkWindow(calc);

    for (size_t i = 13; i < lines.size(); ++i) {
        runExtrasLine(session, i % 2 == 1, lines[i]);
        checkWindow(calc);
    }
    return 0;
}
