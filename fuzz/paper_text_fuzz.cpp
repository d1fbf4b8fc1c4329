// The text after `paper ` on a script line, through the script reader to the page writer: the
// line must be taken exactly when it names A4, Letter or Legal and a plain decimal margin of at
// most 50 mm (read here by strtod, apart from the reader), the printout must get that very
// sheet and margin, and every sheet taken must leave a printable area that a page fits into.

#include <QMarginsF>
#include <QPageLayout>
#include <QRectF>
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "cli/script.h"
#include "core/paper.h"
#include "core/printed_pages.h"
#include "fuzz_check.h"
#include "print/print_painter.h"

namespace selvane {
namespace {

// What the documented form asks for: "SIZE MARGIN" after the blank that ends `paper`, a CR
// ending the line aside; the margin digits with at most one period.
std::optional<Paper> expectedPaper(std::string_view arg) {
    if (!arg.empty() && arg.back() == '\r')
        arg.remove_suffix(1);
    const size_t blank = arg.find(' ');
    if (blank == std::string_view::npos)
        return std::nullopt;
    const std::string_view size = arg.substr(0, blank);
    const std::string margin(arg.substr(blank + 1));
    Paper paper;
    if (size == "A4")
        paper.size = PaperSize::A4;
    else if (size == "Letter")
        paper.size = PaperSize::Letter;
    else if (size == "Legal")
        paper.size = PaperSize::Legal;
    else
        return std::nullopt;
    if (margin.find_first_not_of("0123456789.") != std::string::npos ||
        margin.find_first_of("0123456789") == std::string::npos ||
        std::count(margin.begin(), margin.end(), '.') > 1)
        return std::nullopt;
    char* end = nullptr;
    paper.marginMm = std::strtod(margin.c_str(), &end);
    FUZZ_CHECK(end == margin.c_str() + margin.size());
    if (!(paper.marginMm <= 50))
        return std::nullopt;
    return paper;
}

// A page of 50 rows of up to 110 characters at the printer font's natural size, in points:
// wider and taller than most sheets leave once the margins are taken.
void checkPageFits(const QRectF& printable) {
    std::vector<double> widths;
    for (int row = 0; row < PrintedPages::kRowsPerPage; ++row)
        widths.push_back(6.0 * (60 + row));
    const double lineHeight = 11.7;
    const double scale = fitScale(widths, lineHeight, printable.size());
    FUZZ_CHECK(std::isfinite(scale) && scale > 0 && scale <= 1);
    const double slack = 1 + 1e-12;
    FUZZ_CHECK(widths.back() * scale <= printable.width() * slack);
    FUZZ_CHECK(static_cast<double>(widths.size()) * lineHeight * scale <=
               printable.height() * slack);
}

} // namespace
} // namespace selvane

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    using namespace selvane;
    const std::string arg(reinterpret_cast<const char*>(data), size);
    if (arg.find('\n') != std::string::npos)
        return -1; // one script line

    // The line as a script gives it, then a printout, whose writer records the sheet it gets.
    std::istringstream script("paper " + arg + "\nprint p\n");
    std::ostringstream out;
    std::optional<Paper> printedOn;
    const PageWriter writer = [&printedOn](const PrintedPages&, const std::string& path,
                                           const Paper& paper) {
        printedOn = paper;
        return WriteOutcome{path, true, {}};
    };
    const std::optional<ScriptError> error = runScript(script, out, writer);
    const std::optional<Paper> expected = expectedPaper(arg);

    FUZZ_CHECK(error.has_value() == !expected.has_value());
    if (!expected) {
        FUZZ_CHECK(error->line == 1 && !printedOn);
        return 0;
    }
    FUZZ_CHECK(printedOn.has_value());
    FUZZ_CHECK(printedOn->size == expected->size);
    FUZZ_CHECK(printedOn->marginMm == expected->marginMm && printedOn->marginMm >= 0);

    // The sheet keeps the margin asked for on all four sides, and leaves room inside it.
    const QPageLayout layout = pageLayout(*printedOn);
    FUZZ_CHECK(layout.isValid());
    const QMarginsF m = layout.margins(QPageLayout::Millimeter);
    FUZZ_CHECK(m.left() == printedOn->marginMm && m.right() == printedOn->marginMm &&
               m.top() == printedOn->marginMm && m.bottom() == printedOn->marginMm);
    const QRectF printable = layout.paintRect(QPageLayout::Point);
    FUZZ_CHECK(printable.width() > 0 && printable.height() > 0);
    checkPageFits(printable);
    return 0;
}
