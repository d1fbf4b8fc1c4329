#include "core/tab_layout.h"

#include "core/twips.h"

namespace selvane {

namespace {
constexpr int kTabStepTwips = 1250;
constexpr int kLastTabStopTwips = 5000;
constexpr double kTabStepPixels = kTabStepTwips / static_cast<double>(kTwipsPerPixel);
} // namespace

double tabStopAfter(double x) {
    // Stops are computed from whole twips the same way every time, so a run that ends exactly on
    // a stop compares equal to it and the tab goes on to the next one.
    for (int twips = kTabStepTwips; twips <= kLastTabStopTwips; twips += kTabStepTwips) {
        const double stop = twips / static_cast<double>(kTwipsPerPixel);
        if (stop > x)
            return stop;
    }
    // Past the last stop there is nothing to align to: the tab just advances one more step.
    return x + kTabStepPixels;
}

std::vector<TextRun> layoutRuns(QStringView line, const RunAdvance& advance) {
    std::vector<TextRun> runs;
    double x = 0;
    qsizetype start = 0;
    for (;;) {
        const qsizetype tab = line.indexOf(u'\t', start);
        const qsizetype end = tab < 0 ? line.size() : tab;
        runs.push_back({start, end - start, x});
        if (tab < 0)
            break;
        x = tabStopAfter(x + advance(line.mid(start, end - start))); // an empty run adds nothing
        start = tab + 1;
    }
    return runs;
}

double expandedWidth(QStringView line, const RunAdvance& advance) {
    const TextRun last = layoutRuns(line, advance).back();
    return last.x + advance(line.mid(last.start, last.length));
}

std::vector<double> characterEdges(QStringView line, const RunAdvance& advance) {
    std::vector<double> edges(static_cast<size_t>(line.size()) + 1, 0.0);
    // Each run's boundaries are measured as prefixes of the run, the way the run is drawn, so
    // hit testing and highlighting agree with the glyphs on screen; the edge after a tab is the
    // start of the next run.
    for (const TextRun& run : layoutRuns(line, advance)) {
        for (qsizetype i = 0; i <= run.length; ++i) {
            edges[static_cast<size_t>(run.start + i)] =
                i == 0 ? run.x : run.x + advance(line.mid(run.start, i));
        }
    }
    return edges;
}

qsizetype characterAt(QStringView line, double x, const RunAdvance& advance) {
    const std::vector<double> edges = characterEdges(line, advance);
    for (qsizetype i = 0; i < line.size(); ++i) {
        const auto k = static_cast<size_t>(i);
        if (x < (edges[k] + edges[k + 1]) / 2)
            return i;
    }
    return line.size();
}

} // namespace selvane
