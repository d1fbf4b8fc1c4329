#pragma once
// Where the pieces of a report line stand once its tabs are expanded. The report box has tab
// stops at 0, 1250, 2500, 3750 and 5000 twips; layout works in logical pixels measured from the
// start of the line, and the width of a piece of text comes from the caller, who knows the font.

#include <QStringView>
#include <functional>
#include <vector>

namespace selvane {

// Where a tab that starts at x ends: the first stop strictly to the right of x, or, once the text
// is at or past the last stop, x plus one more 1250-twip step.
double tabStopAfter(double x);

// Width in pixels of a piece of text that holds no tab.
using RunAdvance = std::function<double(QStringView)>;

// A stretch of a line between tabs and the x at which it starts once the tabs are expanded.
struct TextRun {
    qsizetype start = 0;
    qsizetype length = 0;
    double x = 0;
    bool operator==(const TextRun&) const = default;
};

// The runs of a line, one more than it has tabs (empty runs included, so each tab is accounted).
std::vector<TextRun> layoutRuns(QStringView line, const RunAdvance& advance);
// Width of the whole line once tabs are expanded.
double expandedWidth(QStringView line, const RunAdvance& advance);
// edges[i] is the x of the boundary before character i; edges[size] is the end of the line.
std::vector<double> characterEdges(QStringView line, const RunAdvance& advance);
// The character boundary nearest to x (0 .. size), as a caret would land on a click.
qsizetype characterAt(QStringView line, double x, const RunAdvance& advance);

} // namespace selvane
