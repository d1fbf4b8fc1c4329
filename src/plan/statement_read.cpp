// Reading a lender's statement: a payment table as a CSV file or as text copied out of a PDF or
// a web page. The header names the columns in English, German or French; numbers come in either
// style, dates in the ISO, German or slashed forms, and the separator is whatever the header
// uses. Everything is checked before anything is kept: a table that cannot be read is refused
// whole, with the line that stopped it.

#include <algorithm>
#include <charconv>
#include <cmath>
#include <utility>

#include "core/codepage.h"
#include "core/utf8.h"
#include "plan/statement.h"

namespace selvane {

namespace {

// ----- text

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// UTF-16 after its byte-order mark (spreadsheets save "Unicode text" so); a lone surrogate is
// U+FFFD.
std::string utf8FromUtf16(std::string_view b, bool little) {
    std::string out;
    out.reserve(b.size() / 2);
    const auto unit = [&](std::size_t i) -> char32_t {
        const auto lo = static_cast<unsigned char>(b[little ? i : i + 1]);
        const auto hi = static_cast<unsigned char>(b[little ? i + 1 : i]);
        return static_cast<char32_t>(hi << 8 | lo);
    };
    for (std::size_t i = 0; i + 1 < b.size(); i += 2) {
        char32_t c = unit(i);
        if (c >= 0xD800 && c <= 0xDBFF && i + 3 < b.size() && unit(i + 2) >= 0xDC00 &&
            unit(i + 2) <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
            i += 2;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = kReplacementCharacter;
        }
        appendUtf8(out, c);
    }
    return out;
}

bool validUtf8(std::string_view s) {
    for (std::size_t i = 0; i < s.size();) {
        const Utf8Char c = decodeUtf8(s, i);
        if (!c.valid)
            return false;
        i += c.length;
    }
    return true;
}

// The text as UTF-8 without its byte-order mark: a file that is not UTF-8 is Windows-1252, as
// spreadsheets on Windows write CSV files.
std::string decoded(std::string_view b) {
    if (b.starts_with("\xEF\xBB\xBF"))
        return std::string(b.substr(3));
    if (b.starts_with("\xFF\xFE"))
        return utf8FromUtf16(b.substr(2), true);
    if (b.starts_with("\xFE\xFF"))
        return utf8FromUtf16(b.substr(2), false);
    return validUtf8(b) ? std::string(b) : utf8FromCp1252(b);
}

// Lower case without accents, for the header's words: "Intérêts" is "interets", "Fälligkeit"
// "falligkeit", "Straße" "strasse".
std::string folded(std::string_view s) {
    std::string out;
    for (std::size_t i = 0; i < s.size();) {
        const Utf8Char c = decodeUtf8(s, i);
        i += c.length;
        const char32_t p = c.codePoint;
        if (p < 0x80) {
            out += static_cast<char>(p >= 'A' && p <= 'Z' ? p - 'A' + 'a' : p);
            continue;
        }
        static constexpr std::pair<char32_t, const char*> kFolds[] = {
            {U'à', "a"},  {U'á', "a"}, {U'â', "a"}, {U'ä', "a"}, {U'À', "a"}, {U'Â', "a"},
            {U'Ä', "a"},  {U'ç', "c"}, {U'Ç', "c"}, {U'è', "e"}, {U'é', "e"}, {U'ê', "e"},
            {U'ë', "e"},  {U'È', "e"}, {U'É', "e"}, {U'Ê', "e"}, {U'î', "i"}, {U'ï', "i"},
            {U'Î', "i"},  {U'ô', "o"}, {U'ö', "o"}, {U'Ô', "o"}, {U'Ö', "o"}, {U'ù', "u"},
            {U'û', "u"},  {U'ü', "u"}, {U'Ù', "u"}, {U'Û', "u"}, {U'Ü', "u"}, {U'ß', "ss"},
            {U'œ', "oe"}, {U'Œ', "oe"}};
        const auto* f = std::find_if(std::begin(kFolds), std::end(kFolds),
                                     [&](const auto& k) { return k.first == p; });
        out += f != std::end(kFolds) ? f->second : " ";
    }
    return out;
}

std::string_view trimmed(std::string_view s) {
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    while (!s.empty() && blank(s.front()))
        s.remove_prefix(1);
    while (!s.empty() && blank(s.back()))
        s.remove_suffix(1);
    return s;
}

// ----- lines and fields

// The separator a header line uses: the most frequent of tab, semicolon and comma outside quotes
// (tab first, then semicolon, on a tie), or 0 for runs of two or more blanks, as text copied out
// of a PDF has them.
char separatorOf(std::string_view line) {
    std::size_t tabs = 0, semicolons = 0, commas = 0;
    bool quoted = false;
    for (char c : line) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && c == '\t')
            ++tabs;
        else if (!quoted && c == ';')
            ++semicolons;
        else if (!quoted && c == ',')
            ++commas;
    }
    if (tabs == 0 && semicolons == 0 && commas == 0)
        return 0;
    if (tabs >= semicolons && tabs >= commas)
        return '\t';
    return semicolons >= commas ? ';' : ',';
}

enum class Split { Ok, TooMany, OpenQuote };

// A field is kept to its first bytes: no date or amount is longer, and a text of megabytes in
// one cell must not be copied whole.
constexpr std::size_t kMaxField = 64;
void keep(std::string& field, char c) {
    if (field.size() <= kMaxField)
        field += c;
}

// The fields of a line; a quoted field may hold separators and doubled quotes. Without a
// separator, fields are parted by tabs or runs of two or more blanks. Stops past
// kMaxStatementColumns fields.
Split fieldsOf(std::string_view line, char sep, std::vector<std::string>& out) {
    out.clear();
    std::size_t i = 0;
    if (sep == 0) {
        while (true) {
            while (i < line.size() && (line[i] == ' ' || line[i] == '\t'))
                ++i;
            if (i == line.size())
                return Split::Ok;
            if (out.size() == kMaxStatementColumns)
                return Split::TooMany;
            const std::size_t from = i;
            while (i < line.size() && line[i] != '\t' &&
                   !(line[i] == ' ' && i + 1 < line.size() && line[i + 1] == ' '))
                ++i;
            out.emplace_back(trimmed(line.substr(from, std::min(i - from, kMaxField + 1))));
        }
    }
    while (true) {
        if (out.size() == kMaxStatementColumns)
            return Split::TooMany;
        std::string field;
        while (i < line.size() && line[i] == ' ')
            ++i;
        if (i < line.size() && line[i] == '"') {
            for (++i;; ++i) {
                if (i >= line.size())
                    return Split::OpenQuote;
                if (line[i] == '"' && (i + 1 == line.size() || line[i + 1] != '"'))
                    break;
                if (line[i] == '"')
                    ++i; // a doubled quote
                keep(field, line[i]);
            }
            ++i; // the closing quote
        }
        while (i < line.size() && line[i] != sep)
            keep(field, line[i++]);
        out.emplace_back(trimmed(field));
        if (i == line.size())
            return Split::Ok;
        ++i; // the separator
    }
}

// ----- the header

enum class Kind { Date, Interest, Principal, Balance, Payment, Other };

bool hasWord(const std::string& text, std::string_view word) {
    for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
        const auto letter = [](char c) { return (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9'); };
        const bool before = at == 0 || !letter(text[at - 1]);
        const bool after = at + word.size() == text.size() || !letter(text[at + word.size()]);
        if (before && after)
            return true;
    }
    return false;
}

bool startsWord(const std::string& text, std::string_view prefix) {
    for (std::size_t at = text.find(prefix); at != std::string::npos;
         at = text.find(prefix, at + 1))
        if (at == 0 || !(text[at - 1] >= 'a' && text[at - 1] <= 'z'))
            return true;
    return false;
}

// What a header cell names. Words are looked for in an order that settles the overlaps:
// "Date d'échéance" is a date, "Échéance" a payment; "Principal balance" a balance,
// "Zinssatz" and "Interest rate" no figure at all; an opening balance is not the balance after
// the payment.
Kind kindOf(std::string_view cell) {
    const std::string t = folded(cell);
    const auto any = [&](std::initializer_list<std::string_view> words) {
        return std::any_of(words.begin(), words.end(),
                           [&](std::string_view w) { return hasWord(t, w); });
    };
    const auto anyStart = [&](std::initializer_list<std::string_view> words) {
        return std::any_of(words.begin(), words.end(),
                           [&](std::string_view w) { return startsWord(t, w); });
    };
    if (any({"date", "datum", "day", "jour"}) ||
        anyStart({"falligkeit", "faelligkeit", "zahltag", "valuta", "buchungstag"}))
        return Kind::Date;
    if (any({"interest rate", "rate of interest", "taux", "apr", "percent"}) ||
        anyStart({"zinssatz", "sollzinssatz", "effektivzins"}) || t.find('%') != std::string::npos)
        return Kind::Other;
    // "Payment No.", "Nr.", "N°", "#": the payment's number, not an amount.
    if (any({"no", "nr", "number", "num", "nummer", "numero", "n"}) ||
        t.find('#') != std::string::npos)
        return Kind::Other;
    if (any({"opening", "beginning", "starting", "initial", "previous", "debut", "anfang"}) ||
        anyStart({"anfangs", "vortrag"}))
        return Kind::Other;
    if (any({"balance", "solde", "saldo", "outstanding", "remaining", "restant", "restant du",
             "capital du", "crd"}) ||
        anyStart({"restschuld", "restkapital", "restbetrag", "restdarlehen", "darlehensstand",
                  "schuldenstand"}))
        return Kind::Balance;
    if (any({"interest", "interets", "interet", "int"}) || anyStart({"zins"}))
        return Kind::Interest;
    if (any({"principal", "capital", "amortissement", "amorti", "repayment", "redemption"}) ||
        anyStart({"tilgung"}))
        return Kind::Principal;
    if (any({"payment", "installment", "instalment", "amount", "total", "rate", "echeance",
             "mensualite", "versement", "annuite", "montant", "zahlung", "betrag"}) ||
        anyStart({"annuitat", "monatsrate", "rate", "zahlbetrag"}))
        return Kind::Payment;
    return Kind::Other;
}

// A row that is not a payment: a total under the table.
bool totalsWord(std::string_view cell) {
    const std::string t = folded(cell);
    for (std::string_view w :
         {"total", "totals", "sum", "summe", "gesamt", "insgesamt", "totaux", "cumul"})
        if (startsWord(t, w))
            return true;
    return false;
}

// ----- dates

struct DateParts {
    int a = 0, b = 0, year = 0;
    enum Form { Iso, Dots, Slashes } form = Iso;
};

std::optional<int> digitsOf(std::string_view s, std::size_t minLen, std::size_t maxLen) {
    if (s.size() < minLen || s.size() > maxLen)
        return std::nullopt;
    int v = 0;
    for (char c : s) {
        if (c < '0' || c > '9')
            return std::nullopt;
        v = v * 10 + (c - '0');
    }
    return v;
}

// The three numbers of a date as written, before the order of a slashed one is known.
std::optional<DateParts> datePartsOf(std::string_view s) {
    s = trimmed(s);
    const std::size_t cut = s.find_first_of(" T"); // a time after the date
    if (cut != std::string_view::npos)
        s = s.substr(0, cut);
    const char sep = s.find('-') != std::string_view::npos   ? '-'
                     : s.find('.') != std::string_view::npos ? '.'
                                                             : '/';
    const std::size_t p1 = s.find(sep);
    const std::size_t p2 = p1 == std::string_view::npos ? p1 : s.find(sep, p1 + 1);
    if (p2 == std::string_view::npos)
        return std::nullopt;
    const std::string_view x = s.substr(0, p1), y = s.substr(p1 + 1, p2 - p1 - 1);
    std::string_view z = s.substr(p2 + 1);
    if (sep == '.' && z.ends_with('.'))
        z.remove_suffix(1);
    DateParts d;
    if (sep == '-' || (sep == '/' && x.size() == 4)) {
        const auto yy = digitsOf(x, 4, 4), m = digitsOf(y, 1, 2), dd = digitsOf(z, 1, 2);
        if (!yy || !m || !dd)
            return std::nullopt;
        return DateParts{*m, *dd, *yy, DateParts::Iso};
    }
    const auto a = digitsOf(x, 1, 2), b = digitsOf(y, 1, 2), yy = digitsOf(z, 2, 4);
    if (!a || !b || !yy || z.size() == 3)
        return std::nullopt;
    d.a = *a;
    d.b = *b;
    // Two-digit years are this century's up to 69, the last century's from 70.
    d.year = z.size() == 2 ? (*yy < 70 ? 2000 + *yy : 1900 + *yy) : *yy;
    d.form = sep == '.' ? DateParts::Dots : DateParts::Slashes;
    return d;
}

std::optional<CivilDate> civil(int year, int month, int day) {
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 ||
        day > daysInMonth(year, month))
        return std::nullopt;
    return CivilDate{year, month, day};
}

// The date of parts written day first (or month first, for slashes read the American way).
std::optional<CivilDate> dateOf(const DateParts& d, bool monthFirst) {
    switch (d.form) {
    case DateParts::Iso:
        return civil(d.year, d.a, d.b);
    case DateParts::Dots:
        return civil(d.year, d.b, d.a);
    case DateParts::Slashes:
        break;
    }
    return monthFirst ? civil(d.year, d.a, d.b) : civil(d.year, d.b, d.a);
}

// How regular a run of dates is: the gaps between neighbours that a loan's payments have (14
// days, half a month, a month, a quarter, half a year, a year), counted.
int regularity(const std::vector<CivilDate>& dates) {
    int regular = 0;
    for (std::size_t i = 1; i < dates.size(); ++i) {
        const std::int64_t g = dayNumber(dates[i]) - dayNumber(dates[i - 1]);
        if (g == 7 || g == 14 || (g >= 13 && g <= 17) || (g >= 28 && g <= 31) ||
            (g >= 89 && g <= 92) || (g >= 181 && g <= 184) || (g >= 365 && g <= 366))
            ++regular;
    }
    return regular;
}

// ----- amounts

// The decimal mark a number shows on its own: both marks (the last is the decimal one), a mark
// written twice (grouping), or one not followed by exactly three digits. 0 where it does not.
char decimalMarkShown(std::string_view s) {
    const std::size_t lastPoint = s.rfind('.'), lastComma = s.rfind(',');
    if (lastPoint != std::string_view::npos && lastComma != std::string_view::npos)
        return lastPoint > lastComma ? '.' : ',';
    const std::size_t at = lastPoint != std::string_view::npos ? lastPoint : lastComma;
    if (at == std::string_view::npos)
        return 0;
    const char mark = s[at];
    if (s.find(mark) != at)
        return mark == '.' ? ',' : '.';
    std::size_t digits = 0;
    while (at + 1 + digits < s.size() && s[at + 1 + digits] >= '0' && s[at + 1 + digits] <= '9')
        ++digits;
    return digits == 3 ? 0 : mark;
}

// A cell without its currency, blanks and grouping apostrophes; minus signs made plain.
std::string bareNumber(std::string_view cell) {
    std::string s;
    for (std::size_t i = 0; i < cell.size();) {
        const Utf8Char c = decodeUtf8(cell, i);
        i += c.length;
        const char32_t p = c.codePoint;
        if (p == U'−' || p == U'–')
            s += '-';
        else if (p == ' ' || p == 0xA0 || p == 0x202F || p == 0x2009 || p == '\'' || p == U'’' ||
                 p == U'€' || p == U'$' || p == U'£' || p == U'¥')
            continue;
        else if (p < 0x80)
            s += static_cast<char>(p);
        else
            s += '?';
    }
    for (std::string_view code : {"EUR", "USD", "GBP", "CHF", "CAD", "AUD", "SFr.", "Fr.", "Fr"})
        if (const auto at = s.find(code); at != std::string::npos)
            s.erase(at, code.size());
    return s;
}

enum class Amount { Ok, None, NotAmount, TooLarge };

// The amount in a cell, under the statement's decimal mark. Negative amounts may have a leading
// or trailing minus or parentheses. Amounts of 10^13 and more are not a household's.
Amount amountOf(std::string_view cell, char mark, double& out) {
    std::string s = bareNumber(cell);
    if (s.empty() || s == "-" || s == "--")
        return Amount::None;
    bool negative = false;
    if (s.size() >= 2 && s.front() == '(' && s.back() == ')') {
        negative = true;
        s = s.substr(1, s.size() - 2);
    }
    if (!s.empty() && (s.front() == '-' || s.front() == '+')) {
        negative = negative || s.front() == '-';
        s.erase(0, 1);
    } else if (!s.empty() && s.back() == '-') {
        negative = true;
        s.pop_back();
    }
    if (s.size() > 40)
        return Amount::TooLarge;
    std::string plain;
    bool seenMark = false;
    std::size_t whole = 0; // digits before the mark, leading zeros aside
    for (char c : s) {
        if (c >= '0' && c <= '9') {
            plain += c;
            whole += seenMark || (whole == 0 && c == '0') ? 0 : 1;
        } else if (c == mark && !seenMark) {
            seenMark = true;
            plain += '.';
        } else if (c != (mark == '.' ? ',' : '.')) {
            return Amount::NotAmount;
        }
    }
    if (plain.empty() || plain == ".")
        return Amount::NotAmount;
    if (whole > 13)
        return Amount::TooLarge;
    double v = 0;
    const auto r = std::from_chars(plain.data(), plain.data() + plain.size(), v);
    if (r.ec != std::errc() || r.ptr != plain.data() + plain.size())
        return Amount::NotAmount;
    if (v >= 1e13)
        return Amount::TooLarge;
    out = negative ? -v : v;
    return Amount::Ok;
}

Kind kindOfColumn(StatementColumn c) {
    switch (c) {
    case StatementColumn::Interest:
        return Kind::Interest;
    case StatementColumn::Principal:
        return Kind::Principal;
    case StatementColumn::Balance:
        return Kind::Balance;
    case StatementColumn::Payment:
        break;
    }
    return Kind::Payment;
}

// One period before the first payment: the gap between the first two payments, in months where
// both fall on one payment day (the 30th falls on 28 February, the 31st on every month's last),
// else in days; a month for a single payment.
CivilDate periodBefore(const std::vector<StatementRow>& rows) {
    const CivilDate d1 = rows[0].date;
    const auto monthEnd = [](CivilDate d) { return d.day == daysInMonth(d.year, d.month); };
    if (rows.size() >= 2) {
        const CivilDate d2 = rows[1].date;
        const std::int64_t months = (d2.year - d1.year) * 12 + (d2.month - d1.month);
        int day = 0; // the payment day, where the two share one
        if (d1.day == d2.day)
            day = d1.day;
        else if (monthEnd(d1) && monthEnd(d2))
            day = 31;
        else if (monthEnd(d2) && d2.day < d1.day)
            day = d1.day;
        else if (monthEnd(d1) && d1.day < d2.day)
            day = d2.day;
        if (months >= 1 && months <= 12 && day > 0 && CivilDate{1, 12, 31} < d1) {
            CivilDate s = addMonths({d1.year, d1.month, 1}, -months);
            s.day = std::min(day, daysInMonth(s.year, s.month));
            return s;
        }
        const std::int64_t before = 2 * dayNumber(d1) - dayNumber(d2);
        return before >= dayNumber(kFirstDate) ? dateOfDay(before) : d1;
    }
    return d1 < CivilDate{1, 2, 1} ? d1 : addMonths(d1, -1);
}

} // namespace

std::optional<Statement> readStatement(std::string_view bytes, std::string& why,
                                       const Translate& say) {
    why.clear();
    const auto refuse = [&](std::int64_t line, const char* text,
                            std::initializer_list<std::string_view> more = {}) {
        const std::string filled = fillIn(say(text), more);
        why =
            fillIn(say(UI_TEXT("selvane::FinCalc", "line %1: %2")), {std::to_string(line), filled});
        return std::nullopt;
    };
    const auto caption = [&](StatementColumn c) { return say(statementColumnCaption(c)); };
    const std::string dateCaption = say(UI_TEXT("selvane::FinCalc", "Date"));
    if (bytes.size() > kMaxStatementBytes)
        return refuse(1, UI_TEXT("selvane::FinCalc", "the text is larger than 8 MB"));
    const std::string text = decoded(bytes);

    // The lines, broken at CR LF, LF or CR.
    std::int64_t lineNo = 0;
    std::size_t at = 0;
    std::string_view line;
    const auto nextLine = [&]() {
        if (at >= text.size())
            return false;
        const std::size_t end = text.find_first_of("\r\n", at);
        const std::size_t stop = end == std::string::npos ? text.size() : end;
        line = std::string_view(text).substr(at, stop - at);
        at = stop;
        if (at < text.size())
            at += text[at] == '\r' && at + 1 < text.size() && text[at + 1] == '\n' ? 2 : 1;
        ++lineNo;
        return true;
    };
    const auto binary = [](std::string_view l) {
        return std::any_of(l.begin(), l.end(), [](char c) {
            const auto u = static_cast<unsigned char>(c);
            return u < 0x20 && c != '\t';
        });
    };

    // The header: the first line naming a date and an interest or balance column; title lines
    // above it are passed over.
    std::vector<std::string> cells;
    char sep = 0;
    std::array<int, 5> column{-1, -1, -1, -1, -1}; // by Kind, up to Payment
    std::int64_t header = 0, dateOnly = 0;
    while (header == 0 && nextLine()) {
        if (binary(line))
            return refuse(lineNo, UI_TEXT("selvane::FinCalc", "this is not text"));
        if (trimmed(line).empty())
            continue;
        if (lineNo > 50)
            break;
        sep = separatorOf(line);
        const Split split = fieldsOf(line, sep, cells);
        if (split == Split::TooMany)
            return refuse(lineNo, UI_TEXT("selvane::FinCalc", "more than 64 columns"));
        if (split == Split::OpenQuote)
            continue;
        column.fill(-1);
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const auto k = static_cast<std::size_t>(kindOf(cells[i]));
            if (k < column.size() && column[k] < 0)
                column[k] = static_cast<int>(i);
        }
        if (column[0] < 0)
            continue;
        if (column[1] < 0 && column[3] < 0) {
            if (dateOnly == 0)
                dateOnly = lineNo;
            continue;
        }
        header = lineNo;
    }
    if (header == 0) {
        if (lineNo == 0)
            return refuse(1, UI_TEXT("selvane::FinCalc", "the text is empty"));
        if (dateOnly != 0)
            return refuse(dateOnly,
                          UI_TEXT("selvane::FinCalc", "the header names neither an Interest nor a "
                                                      "Balance column"));
        return refuse(1, UI_TEXT("selvane::FinCalc",
                                 "no header naming a Date column and an Interest or Balance "
                                 "column"));
    }
    const std::size_t headerCells = cells.size();

    // The rows, read twice: once for the decimal mark the figures show, then for the figures.
    // Only the figures are kept, so a table of many rows costs little more than its rows.
    const std::size_t bodyAt = at;
    const std::int64_t bodyLine = lineNo;
    std::size_t points = 0, commas = 0;
    const auto figureCell = [&](StatementColumn c) -> std::string_view {
        const int i = column[static_cast<std::size_t>(kindOfColumn(c))];
        return i >= 0 && static_cast<std::size_t>(i) < cells.size() ? cells[i] : std::string_view();
    };
    // The next row's fields, or false at the end; rows of no date and no figure, and totals, are
    // passed over. `why` is set where a line is refused.
    const auto nextRow = [&]() -> bool {
        while (nextLine()) {
            if (binary(line)) {
                refuse(lineNo, UI_TEXT("selvane::FinCalc", "this is not text"));
                return false;
            }
            if (trimmed(line).empty())
                continue;
            const Split split = fieldsOf(line, sep, cells);
            if (split != Split::Ok) {
                refuse(lineNo, split == Split::TooMany
                                   ? UI_TEXT("selvane::FinCalc", "more than 64 columns")
                                   : UI_TEXT("selvane::FinCalc", "a quote is not closed"));
                return false;
            }
            while (cells.size() > headerCells && cells.back().empty())
                cells.pop_back();
            if (cells.size() > headerCells) {
                refuse(lineNo, UI_TEXT("selvane::FinCalc", "%1 fields where the header has %2"),
                       {std::to_string(cells.size()), std::to_string(headerCells)});
                return false;
            }
            const std::string_view date = column[0] < static_cast<int>(cells.size())
                                              ? std::string_view(cells[column[0]])
                                              : std::string_view();
            bool any = !date.empty();
            for (std::size_t c = 0; c < kStatementColumns; ++c)
                any = any || !figureCell(static_cast<StatementColumn>(c)).empty();
            if (any && !totalsWord(date))
                return true; // else a row of other columns only, or the table's total
        }
        return false;
    };
    std::size_t count = 0;
    while (nextRow()) {
        // One more than the most payments: the first row may be the payout.
        if (++count > kMaxStatementRows + 1)
            return refuse(lineNo, UI_TEXT("selvane::FinCalc", "more than 100,000 payments"));
        for (std::size_t c = 0; c < kStatementColumns; ++c)
            if (const char m =
                    decimalMarkShown(bareNumber(figureCell(static_cast<StatementColumn>(c)))))
                (m == '.' ? points : commas) += 1;
    }
    if (!why.empty())
        return std::nullopt;
    const char mark = commas > points ? ',' : '.';

    at = bodyAt;
    lineNo = bodyLine;
    std::vector<StatementRow> rows;
    std::vector<DateParts> parts;
    rows.reserve(count);
    parts.reserve(count);
    bool slashes = false;
    while (nextRow()) {
        StatementRow row;
        row.line = lineNo;
        const auto d = datePartsOf(column[0] < static_cast<int>(cells.size())
                                       ? std::string_view(cells[column[0]])
                                       : std::string_view());
        if (!d)
            return refuse(lineNo, UI_TEXT("selvane::FinCalc", "no date in the %1 column"),
                          {dateCaption});
        bool any = false;
        for (std::size_t c = 0; c < kStatementColumns; ++c) {
            double v = 0;
            switch (amountOf(figureCell(static_cast<StatementColumn>(c)), mark, v)) {
            case Amount::Ok:
                row.figures[c] = v;
                any = true;
                break;
            case Amount::None:
                break;
            case Amount::NotAmount:
                return refuse(lineNo, UI_TEXT("selvane::FinCalc", "no amount in the %1 column"),
                              {caption(static_cast<StatementColumn>(c))});
            case Amount::TooLarge:
                return refuse(lineNo,
                              UI_TEXT("selvane::FinCalc", "the amount in the %1 column is too "
                                                          "large"),
                              {caption(static_cast<StatementColumn>(c))});
            }
        }
        if (!any)
            continue; // a date without a figure is no payment (a note, a change of rate)
        slashes = slashes || d->form == DateParts::Slashes;
        rows.push_back(row);
        parts.push_back(*d);
    }
    if (!why.empty())
        return std::nullopt;

    // The dates: a slashed date is read day first or month first, whichever makes every date
    // one and the run the more regular (day first on a tie).
    bool monthFirst = false;
    if (slashes) {
        std::array<std::vector<CivilDate>, 2> readings;
        std::array<std::int64_t, 2> badLine{0, 0};
        for (int order = 0; order < 2; ++order)
            for (std::size_t i = 0; i < parts.size() && badLine[order] == 0; ++i) {
                if (const auto d = dateOf(parts[i], order == 1))
                    readings[order].push_back(*d);
                else
                    badLine[order] = rows[i].line;
            }
        if (badLine[0] != 0 && badLine[1] != 0)
            return refuse(std::max(badLine[0], badLine[1]),
                          UI_TEXT("selvane::FinCalc", "no date in the %1 column"), {dateCaption});
        monthFirst = badLine[0] != 0 ||
                     (badLine[1] == 0 && regularity(readings[1]) > regularity(readings[0]));
    }

    Statement s;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const auto d = dateOf(parts[i], monthFirst);
        if (!d)
            return refuse(rows[i].line, UI_TEXT("selvane::FinCalc", "no date in the %1 column"),
                          {dateCaption});
        rows[i].date = *d;
        if (i > 0 && !(rows[i - 1].date < rows[i].date))
            return refuse(rows[i].line,
                          UI_TEXT("selvane::FinCalc", "the date is not after the one above it"));
    }
    for (std::size_t c = 0; c < kStatementColumns; ++c)
        s.columns[c] =
            column[static_cast<std::size_t>(kindOfColumn(static_cast<StatementColumn>(c)))] >= 0;

    // A first row with a balance and no payment, interest or principal (or a negative one, the
    // money paid out) is the payout.
    if (!rows.empty()) {
        const StatementRow& r = rows.front();
        const auto nothing = [&](StatementColumn c) { return !r[c] || *r[c] <= 0; };
        if (r[StatementColumn::Balance] && nothing(StatementColumn::Payment) &&
            nothing(StatementColumn::Interest) && nothing(StatementColumn::Principal)) {
            s.start = r.date;
            s.startGiven = true;
            s.amount = *r[StatementColumn::Balance];
            rows.erase(rows.begin());
        }
    }
    if (rows.empty())
        return refuse(header, UI_TEXT("selvane::FinCalc", "no payments below the header"));
    if (rows.size() > kMaxStatementRows)
        return refuse(rows[kMaxStatementRows].line,
                      UI_TEXT("selvane::FinCalc", "more than 100,000 payments"));
    s.rows = std::move(rows);
    if (!s.startGiven) {
        s.start = periodBefore(s.rows);
        // The balance before the first payment: its balance with its principal added back.
        const StatementRow& r = s.rows.front();
        const auto b = r[StatementColumn::Balance], p = r[StatementColumn::Principal];
        const auto pay = r[StatementColumn::Payment], i = r[StatementColumn::Interest];
        if (b && p)
            s.amount = *b + *p;
        else if (b && pay && i)
            s.amount = *b + *pay - *i;
    }
    why.clear();
    return s;
}

} // namespace selvane
