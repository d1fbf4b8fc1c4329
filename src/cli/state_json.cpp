#include "cli/state_json.h"

#include <cstdio>

#include "engine/number_text.h"

namespace selvane {

namespace {

void appendEscaped(std::string& out, std::string_view s) {
    for (char c : s) {
        switch (c) {
        case '"': out += "\\\""; break;
        case '\\': out += "\\\\"; break;
        case '\r': out += "\\r"; break;
        case '\n': out += "\\n"; break;
        case '\t': out += "\\t"; break;
        case '\b': out += "\\b"; break;
        case '\f': out += "\\f"; break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char buf[8];
                std::snprintf(buf, sizeof buf, "\\u%04x", static_cast<unsigned>(c));
                out += buf;
            } else {
                out += c;
            }
        }
    }
}

void jsonString(std::ostream& out, std::string_view s) {
    std::string e = "\"";
    appendEscaped(e, s);
    e += '"';
    out << e;
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
    // The report can be millions of lines: it is streamed, never held whole.
    std::string buf;
    c.report.writeText([&](std::string_view piece) {
        appendEscaped(buf, piece);
        if (buf.size() > (1u << 16)) {
            out << buf;
            buf.clear();
        }
    });
    out << buf;
    out << "\"}\n";
}

} // namespace selvane
