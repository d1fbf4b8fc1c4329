#include "cli/what_if_commands.h"

#include <array>

namespace selvane {

namespace {

bool blank(std::optional<std::string_view> rest) {
    return !rest || rest->find_first_not_of(' ') == std::string_view::npos;
}

// "AMOUNT NUMBER": the two words, or nullopt when there are not exactly two.
std::optional<std::pair<std::string, std::string>> twoWords(std::optional<std::string_view> rest) {
    if (!rest)
        return std::nullopt;
    std::string_view s = *rest;
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

} // namespace

bool isWhatIfCommand(std::string_view word) {
    return word == "extra" || word == "lump" || word == "findrate" || word == "userate" ||
           word == "keep" || word == "unkeep";
}

std::optional<std::string> runWhatIfCommand(FinCalc& calc, std::string_view word,
                                            std::optional<std::string_view> rest) {
    const std::string name(word);
    if (word == "extra" || word == "lump") {
        const auto args = twoWords(rest);
        // The other pair of the window's inputs stays as it is.
        const std::array<std::string, 4> now = calc.extrasTexts();
        const bool taken =
            args && (word == "extra" ? calc.setExtras(args->first, args->second, now[2], now[3])
                                     : calc.setExtras(now[0], now[1], args->first, args->second));
        if (!taken)
            return name + " needs an amount of at least 0 and a whole payment number from 1";
        return std::nullopt;
    }
    if (!blank(rest))
        return name + " takes no argument";
    if (word == "findrate")
        calc.mnFindRate_Click();
    else if (word == "userate")
        calc.mnUseRate_Click();
    else if (word == "keep")
        calc.mnKeep_Click();
    else
        calc.mnClearKept_Click();
    return std::nullopt;
}

} // namespace selvane
