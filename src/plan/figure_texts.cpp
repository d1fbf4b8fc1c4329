#include "plan/figure_texts.h"

#include <cmath>

#include "core/number_text.h"

namespace selvane {

std::string yearsAndMonthsText(double months, const Translate& say) {
    if (!std::isfinite(months))
        return kNoFigure;
    const long long total = std::llround(std::fabs(months));
    const long long y = total / 12, m = total % 12;
    const std::string years = fillIn(y == 1 ? say(UI_TEXT("selvane::FinCalc", "%1 year"))
                                            : say(UI_TEXT("selvane::FinCalc", "%1 years")),
                                     {std::to_string(y)});
    const std::string monthsText = fillIn(m == 1 ? say(UI_TEXT("selvane::FinCalc", "%1 month"))
                                                 : say(UI_TEXT("selvane::FinCalc", "%1 months")),
                                          {std::to_string(m)});
    const std::string text = y == 0 ? monthsText : m == 0 ? years : years + " " + monthsText;
    return (months < 0 && total != 0 ? "-" : "") + text;
}

std::string changeText(const CurrencyFormat& currency, double v) {
    const std::string text = currency.amount(v);
    return v > 0 && text != currency.amount(0) ? "+" + text : text;
}

std::string paymentsChangeText(std::int64_t more, double paymentsPerMonth, const Translate& say) {
    const double years = static_cast<double>(more) / (12 * paymentsPerMonth);
    return fillIn(more == 1 || more == -1 ? say(UI_TEXT("selvane::FinCalc", "%1 payment"))
                                          : say(UI_TEXT("selvane::FinCalc", "%1 payments")),
                  {(more > 0 ? "+" : "") + std::to_string(more)}) +
           (more == 0 ? "" : " (" + yearsAndMonthsText(years * 12, say) + ")");
}

std::string shockLabel(double points, double apr, const Translate& say) {
    return fillIn(points == 1 ? say(UI_TEXT("selvane::FinCalc", "+%1 point (%2 %)"))
                              : say(UI_TEXT("selvane::FinCalc", "+%1 points (%2 %)")),
                  {formatFixed(points, 0), formatFixed(apr, 3)});
}

} // namespace selvane
