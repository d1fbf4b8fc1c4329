#pragma once
// A read-only view of the details report that paints only the lines on screen, so a report of
// millions of rows shows at once and costs little more memory than the report itself.

#include <QAbstractScrollArea>
#include <QBasicTimer>
#include <QFont>
#include <QFontMetricsF>
#include <QPoint>
#include <QString>
#include <QStringView>
#include <climits>
#include <compare>
#include <cstdint>
#include <functional>
#include <utility>
#include <vector>

#include "core/details_text.h"
#include "core/tab_layout.h"

class QMenu;

namespace selvane {

// ---- The view ---------------------------------------------------------------------------------

// A place between two characters of the report: line index and UTF-16 index within that line.
struct ReportPosition {
    std::int64_t line = 0;
    qsizetype column = 0;
    auto operator<=>(const ReportPosition&) const = default;
};

class ReportView : public QAbstractScrollArea {
    Q_OBJECT

  public:
    // Gap between the viewport's left edge and the text, as a text box leaves one.
    static constexpr int kTextMargin = 2;

    explicit ReportView(QWidget* parent = nullptr);
    ~ReportView() override;

    // Shows a report (nullptr shows nothing), back at the top with nothing selected. The view only
    // reads the report, and does so on every paint: the report must outlive the view or be
    // replaced first, and a report changed in place must be set again.
    void setReport(const DetailsReport* report);
    const DetailsReport* report() const { return m_report; }

    bool hasSelection() const { return m_anchor != m_cursor; }
    // The selected text, lines joined by CR LF, tabs kept, exactly as Copy puts it on the
    // clipboard (but with no limit on its length).
    QString selectedText() const;
    // Selects from `anchor` to `cursor` (either order); positions are clamped to the report.
    void setSelection(ReportPosition anchor, ReportPosition cursor);
    std::pair<ReportPosition, ReportPosition> selection() const; // ordered: first <= second
    void selectAll();
    void clearSelection();
    // Bytes of the selection as Copy puts it on the clipboard (UTF-8), counted without building
    // it; the count stops as soon as it is past `stopAbove`.
    std::int64_t selectionBytes(std::int64_t stopAbove = INT64_MAX) const;
    // Selected text to the clipboard (nothing happens without a selection), held as UTF-8: a
    // million ordinary rows take about 45 MB. A selection of more than kMaxCopyBytes is not
    // copied, so that no copy can take seconds or hundreds of megabytes: copyRefused says why
    // instead. The limit is in bytes, not lines: a row of huge figures is a kilobyte long.
    void copy();
    static constexpr std::int64_t kMaxCopyBytes = 100'000'000;

    // The lines in view, joined by line feeds: what a screen reader reads of the report.
    QString visibleText() const;
    std::int64_t firstVisibleLine() const;
    int visibleLineCount() const; // lines that fit whole in the viewport, at least 1
    int lineHeight() const;
    void scrollToLine(std::int64_t line); // makes `line` the top line, as far as the range allows

    // The report position a click at these viewport coordinates lands on, tabs expanded.
    ReportPosition positionAt(QPoint viewportPos) const;

    // Copy / Select All; the caller owns the menu.
    QMenu* createContextMenu(QWidget* parent = nullptr);

  signals:
    void copyAvailable(bool yes);
    // Copy of more than kMaxCopyBytes; `bytes` is how far the count went, past the limit.
    void copyRefused(std::int64_t bytes);

  protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void timerEvent(QTimerEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

  private:
    std::int64_t lineCount() const;
    QString lineText(std::int64_t index) const;
    RunAdvance runAdvance() const;
    double xOrigin() const; // viewport x of the start of every line
    // The font's measures are taken the first time the report is painted or measured, not when
    // the view is made: at start-up the report is out of sight, and its fixed-pitch font would
    // only slow the first paint of the window.
    void ensureMetrics() const;
    void updateMetrics();
    void measureContentWidth();
    void growContentWidth(double width);
    void updateScrollBars();
    ReportPosition clamped(ReportPosition position) const;
    void moveCursor(ReportPosition position, bool keepAnchor);
    void dragTo(QPoint viewportPos);
    // Calls sink(std::string_view) with the selection as UTF-8, in order, a chunk of lines at a
    // time.
    template <class Sink> void writeSelection(Sink&& sink) const;
    DetailsReport::Place place(ReportPosition position) const;

    const DetailsReport* m_report = nullptr;
    QFontMetricsF m_metrics;
    bool m_measured = false; // the fields below are for the current font
    int m_lineHeight = 1;
    double m_ascent = 0;
    double m_cellWidth = 1;
    double m_contentWidth = 0; // widest line seen so far, in pixels
    bool m_scrollBarsQueued = false;

    ReportPosition m_anchor, m_cursor;
    bool m_dragging = false;
    QPoint m_dragPos;
    QBasicTimer m_autoScroll;
    QString m_spoken; // the text a screen reader was last told of
    void tellReader();
};

} // namespace selvane
