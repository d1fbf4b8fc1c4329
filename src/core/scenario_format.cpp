#include "core/scenario_format.h"

#include <algorithm>
#include <cmath>

#include "core/codepage.h"
#include "core/number_text.h"

namespace selvane {

std::string scenarioText(std::string_view calculatorMode, int resultType,
                         const std::array<std::string, kScenarioFieldCount>& fieldTexts) {
    std::string s;
    auto quoted = [&s](std::string_view t) {
        s += '"';
        s += cp1252FromUtf8(t);
        s += "\"\r\n";
    };
    quoted(calculatorMode);
    s += std::to_string(resultType);
    s += "\r\n";
    for (const auto& t : fieldTexts)
        quoted(t);
    return s;
}

namespace {
bool lineEnd(char c) {
    return c == '\r' || c == '\n';
}
bool blank(char c) {
    return c == ' ' || c == '\t';
}
} // namespace

std::optional<std::string> ItemReader::next() {
    const std::string_view b = m_bytes;
    size_t i = m_pos;
    while (i < b.size() && blank(b[i]))
        ++i;
    if (i >= b.size()) {
        m_pos = i;
        return std::nullopt;
    }
    std::string item;
    if (b[i] == '"') {
        const size_t close = b.find('"', i + 1);
        const size_t end = close == std::string_view::npos ? b.size() : close;
        item = std::string(b.substr(i + 1, end - i - 1));
        i = end == b.size() ? end : end + 1;
        while (i < b.size() && b[i] != ',' && !lineEnd(b[i]))
            ++i;
    } else {
        size_t end = i;
        while (end < b.size() && b[end] != ',' && !lineEnd(b[end]))
            ++end;
        size_t last = end;
        while (last > i && blank(b[last - 1]))
            --last;
        item = std::string(b.substr(i, last - i));
        i = end;
    }
    // Consume the delimiter: a comma, or one line end (CR LF counts as one).
    m_pos = std::min(i + (b.substr(i).starts_with("\r\n") ? 2 : 1), b.size());
    return item;
}

std::optional<int> wholeNumberItem(std::string_view item) {
    const LeadingNumber n = scanLeadingNumber(item);
    if (item.find_first_not_of(" \t") == std::string_view::npos)
        return 0;
    if (!n.found || n.overflow)
        return std::nullopt;
    const double r = std::nearbyint(n.value); // to nearest, ties to even
    if (r < -2147483648.0 || r > 2147483647.0)
        return std::nullopt;
    return static_cast<int>(r);
}

std::optional<float> singleItem(std::string_view item) {
    if (item.find_first_not_of(" \t") == std::string_view::npos)
        return 0.0f;
    const LeadingNumber n = scanLeadingNumber(item);
    if (!n.found)
        return std::nullopt;
    return singleValue(n);
}

ScenarioRead readScenario(std::string_view bytes) {
    ScenarioRead r;
    ItemReader items(bytes);
    auto mode = items.next();
    if (!mode)
        return r;
    r.mode = utf8FromCp1252(*mode);
    auto type = items.next();
    if (!type)
        return r;
    r.resultType = wholeNumberItem(*type);
    if (!r.resultType)
        return r;
    while (static_cast<int>(r.values.size()) < kScenarioFieldCount) {
        auto item = items.next();
        if (!item)
            break; // a short file: the fields without a value keep their text
        auto v = singleItem(*item);
        if (!v)
            return r;
        r.values.push_back(*v);
    }
    r.complete = true;
    return r;
}

} // namespace selvane
