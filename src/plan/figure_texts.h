#pragma once
// The texts of a plan's figures that more than one window group shows: a length of time in years
// and months, a change against a plan, a rate shock's label.

#include <cstdint>
#include <string>

#include "core/currency.h"
#include "core/user_text.h"

namespace selvane {

inline const std::string kNoFigure = "\u2013"; // an en dash: a figure that cannot be shown

// A length of time in whole months, as years and months: "2 years 3 months", "-1 year".
std::string yearsAndMonthsText(double months, const Translate& say);
// A change against a plan: a plus before an amount that adds.
std::string changeText(const CurrencyFormat& currency, double v);
// "+3 payments (3 months)", "-1 payment (1 month)", "0 payments".
std::string paymentsChangeText(std::int64_t more, double paymentsPerMonth, const Translate& say);
// "+1 point (5.500 %)".
std::string shockLabel(double points, double apr, const Translate& say);

} // namespace selvane
