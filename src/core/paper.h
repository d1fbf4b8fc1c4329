#pragma once
// The sheet a printout to PDF is laid out on, as the command-line driver names it: a paper size
// and one margin for all four sides.

#include <optional>
#include <string_view>

namespace selvane {

enum class PaperSize { A4, Letter, Legal };

struct Paper {
    PaperSize size = PaperSize::A4;
    double marginMm = 10.0;
};

// The widest margin accepted: wider ones leave too little of the sheet for a readable page.
inline constexpr double kMaxMarginMm = 50.0;

// "A4", "Letter" or "Legal" and a margin in millimetres written as a decimal number (digits with
// at most one period, no sign or exponent) from 0 to kMaxMarginMm; nullopt for anything else.
std::optional<Paper> parsePaper(std::string_view size, std::string_view marginMm);

} // namespace selvane
