#include "core/paper.h"

#include <charconv>

namespace selvane {

std::optional<Paper> parsePaper(std::string_view size, std::string_view marginMm) {
    Paper paper;
    if (size == "A4")
        paper.size = PaperSize::A4;
    else if (size == "Letter")
        paper.size = PaperSize::Letter;
    else if (size == "Legal")
        paper.size = PaperSize::Legal;
    else
        return std::nullopt;

    // from_chars would also take a sign, an exponent, "inf" and "nan": only digits and a period.
    if (marginMm.empty() || marginMm.find_first_not_of("0123456789.") != std::string_view::npos ||
        marginMm.find_first_of("0123456789") == std::string_view::npos ||
        marginMm.find('.') != marginMm.rfind('.'))
        return std::nullopt;
    const char* end = marginMm.data() + marginMm.size();
    const auto [ptr, ec] = std::from_chars(marginMm.data(), end, paper.marginMm);
    if (ec != std::errc() || ptr != end || paper.marginMm > kMaxMarginMm)
        return std::nullopt;
    return paper;
}

} // namespace selvane
