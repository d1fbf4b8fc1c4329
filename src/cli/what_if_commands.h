#pragma once
// The What If window's commands of a script: extra payments, Find the Rate, Use This Rate, and
// Keep for Comparison.

#include <optional>
#include <string>
#include <string_view>

#include "calculator/fincalc.h"

namespace selvane {

bool isWhatIfCommand(std::string_view word);

// Runs one of them with the text after the word (nullopt when there is none); returns why the
// line is not of the command's form, or nullopt when it ran.
std::optional<std::string> runWhatIfCommand(FinCalc& calc, std::string_view word,
                                            std::optional<std::string_view> rest);

} // namespace selvane
