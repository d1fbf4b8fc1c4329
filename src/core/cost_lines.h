#pragma once
// What the cost chart of Compare Offers draws: a named line an offer, of what it has cost by each
// time, with the axes' titles in the user's language. The chart knows no offers, only these.

#include <string>
#include <utility>
#include <vector>

namespace selvane {

struct CostChartLine {
    std::string name;
    std::vector<std::pair<double, double>> points; // (years, cost by then), steps as corners
    bool operator==(const CostChartLine&) const = default;
};

struct CostChartData {
    std::vector<CostChartLine> lines;
    std::string yearsTitle, costTitle;
    bool operator==(const CostChartData&) const = default;
};

} // namespace selvane
