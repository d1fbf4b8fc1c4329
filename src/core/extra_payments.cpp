#include "core/extra_payments.h"

#include <cmath>

namespace selvane {

std::optional<std::string> extrasProblem(double extra, double from, double lump, double at) {
    if (!(extra >= 0) || !std::isfinite(extra))
        return "The extra amount must be a number of at least 0.";
    if (!(lump >= 0) || !std::isfinite(lump))
        return "The one-time amount must be a number of at least 0.";
    if (!(from >= 1) || from != std::floor(from) || from > static_cast<double>(kMaxPasses))
        return "Extra payments start at a whole payment number from 1.";
    if (!(at >= 1) || at != std::floor(at) || at > static_cast<double>(kMaxPasses))
        return "The one-time amount goes with a whole payment number from 1.";
    return std::nullopt;
}

} // namespace selvane
