#include "cli/state_json.h"

#include <array>
#include <cstdio>
#include <vector>

#include "engine/number_text.h"

namespace selvane {

namespace {

// For each byte: 0 when it stands as it is, else the letter after the backslash ('u' for the
// \u00XX form).
constexpr std::array<char, 256> kEscapes = [] {
    std::array<char, 256> t{};
    for (int c = 0; c < 0x20; ++c) t[static_cast<size_t>(c)] = 'u';
    t['"'] = '"';
    t['\\'] = '\\';
    t['\r'] = 'r';
    t['\n'] = 'n';
    t['\t'] = 't';
    t['\b'] = 'b';
    t['\f'] = 'f';
    return t;
}();

// Writes s as the inside of a JSON string; dst must have room for 6 bytes per byte of s. A
// long report is escaped at memory speed this way, with no growth checks per character.
char* escapeInto(char* dst, std::string_view s) {
    static constexpr char kHex[] = "0123456789abcdef";
    for (char c : s) {
        const auto u = static_cast<unsigned char>(c);
        const char e = kEscapes[u];
        // Written without a branch on the common escapes: a report has a tab every few
        // characters, and a mispredicted branch on each would cost more than the copying.
        dst[0] = e != 0 ? '\\' : c;
        dst[1] = e;
        dst += e != 0 ? 2 : 1;
        if (e == 'u') [[unlikely]] {
            *dst++ = '0';
            *dst++ = '0';
            *dst++ = kHex[u >> 4];
            *dst++ = kHex[u & 15];
        }
    }
    return dst;
}

void jsonString(std::ostream& out, std::string_view s) {
    std::string e(s.size() * 6 + 2, '\0');
    char* end = escapeInto(e.data() + 1, s);
    e[0] = '"';
    *end++ = '"';
    out.write(e.data(), end - e.data());
}

void jsonNumber(std::ostream& out, const std::optional<double>& v) {
    if (v) out << roundTripText(*v);
    else out << "null";
}

std::string colour(std::uint32_t rgb) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "#%06X", static_cast<unsigned>(rgb & 0xFFFFFF));
    return buf;
}

} // namespace

void writeStateJson(std::ostream& out, const FinCalc& c) {
    out << "{\"caption\":";
    jsonString(out, c.caption);
    out << ",\"mode\":";
    jsonString(out, c.CalculatorMode);
    out << ",\"results\":[";
    for (size_t i = 0; i < c.cmResult.entries.size(); ++i) {
        if (i) out << ',';
        jsonString(out, c.cmResult.entries[i]);
    }
    out << "],\"resultType\":" << c.cmResult.selected << ",\"compound\":" << c.cmCompound.selected
        << ",\"period\":" << c.cmPeriod.selected << ",\"compoundMonths\":";
    jsonNumber(out, c.CompoundMonths);
    out << ",\"paymentsPerMonth\":";
    jsonNumber(out, c.PaymentsPerMonth);
    out << ",\"details\":" << (c.detailsChecked ? "true" : "false") << ",\"scenarioFile\":";
    jsonString(out, c.ScenarioFileName);
    out << ",\"helpTopic\":";
    jsonString(out, c.HelpTopic);
    out << ",\"comments\":";
    jsonString(out, c.comments);
    out << ",\"fields\":[";
    for (size_t i = 0; i < c.fields.size(); ++i) {
        const ParameterField& f = c.fields[i];
        if (i) out << ',';
        out << "{\"caption\":";
        jsonString(out, f.caption);
        out << ",\"text\":";
        jsonString(out, f.text);
        out << ",\"back\":\"" << colour(f.back) << "\",\"locked\":" << (f.locked ? "true" : "false")
            << ",\"enabled\":" << (f.enabled ? "true" : "false") << '}';
    }
    const StoredValues& s = c.stored;
    const std::pair<const char*, const Stored*> stored[] = {
        {"APR", &s.APR},     {"INFL", &s.INFL},   {"DEPR", &s.DEPR},   {"RAPR", &s.RAPR},
        {"PERS", &s.PERS},   {"SBAL", &s.SBAL},   {"DPMT", &s.DPMT},   {"FBAL", &s.FBAL},
        {"PMT", &s.PMT},     {"AFTER", &s.AFTER}, {"BAL", &s.BAL},     {"PPAID", &s.PPAID},
        {"IPAID", &s.IPAID}, {"VALUE", &s.VALUE}, {"TAX", &s.TAX},     {"PCOST", &s.PCOST},
        {"PeriodRate", &s.PeriodRate}, {"PrincipalPart", &s.PrincipalPart},
        {"InterestPart", &s.InterestPart}};
    out << "],\"stored\":{";
    bool first = true;
    for (const auto& [name, value] : stored) {
        if (!first) out << ',';
        first = false;
        out << '"' << name << "\":";
        jsonNumber(out, *value);
    }
    out << "},\"report\":\"";
    // The report can be millions of lines: its rows are streamed in pieces of many thousand.
    // Rows hold only digits, signs, points and blanks besides their breaks, so written with
    // escaped breaks they need no escaping pass of their own.
    const auto& summary = c.report.summaryLines();
    for (size_t i = 0; i < summary.size(); ++i) {
        if (i > 0) out << "\\r\\n";
        std::string e(summary[i].size() * 6, '\0');
        out.write(e.data(), escapeInto(e.data(), summary[i]) - e.data());
    }
    c.report.writeRowsText(
        [&](std::string_view piece) {
            out.write(piece.data(), static_cast<std::streamsize>(piece.size()));
        },
        {"\\r\\n", "\\t"});
    out << "\"}\n";
}

} // namespace selvane
