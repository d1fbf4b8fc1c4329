// The report view: painting the lines on screen, scrolling, and the keys and mouse. What is
// selected and how it is copied is in report_selection.cpp.

#include "desktop/report_view.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollBar>
#include <QTimerEvent>
#include <algorithm>
#include <climits>
#include <cmath>
#include <memory>

#include "core/details_text.h"
#include "print/report_font.h"

namespace selvane {

namespace {
constexpr int kAutoScrollMs = 50;
// Rows sampled up front to size the horizontal scroll bar; painted lines can still widen it.
constexpr std::int64_t kWidthSamples = 16;

bool isBlank(QChar c) {
    return c == u' ' || c == u'\t';
}
} // namespace

namespace {

// What a screen reader finds in the report: a read-only text of several lines, the lines in view
// (a report can run to millions of lines; the reader follows the view as it scrolls).
class ReportAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
  public:
    explicit ReportAccessible(ReportView* view)
        : QAccessibleWidget(view, QAccessible::EditableText) {}
    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::TextInterface ? static_cast<QAccessibleTextInterface*>(this)
                                                  : QAccessibleWidget::interface_cast(type);
    }
    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.readOnly = true;
        s.multiLine = true;
        return s;
    }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? shown() : QAccessibleWidget::text(t);
    }
    // The text interface, over the lines in view; nothing in it is selected for the reader.
    QString text(int start, int end) const override { return shown().mid(start, end - start); }
    int characterCount() const override { return static_cast<int>(shown().size()); }
    void selection(int, int* start, int* end) const override { *start = *end = 0; }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* start, int* end) const override {
        *start = *end = 0;
        return {};
    }

  private:
    QString shown() const { return static_cast<const ReportView*>(widget())->visibleText(); }
};

QAccessibleInterface* reportAccessible(const QString& className, QObject* object) {
    auto* view = qobject_cast<ReportView*>(object);
    return view && className == QLatin1String("selvane::ReportView") ? new ReportAccessible(view)
                                                                     : nullptr;
}

} // namespace

ReportView::ReportView(QWidget* parent) : QAbstractScrollArea(parent), m_metrics(font()) {
    static const bool factory = (QAccessible::installFactory(reportAccessible), true);
    (void)factory;
    setFont(reportFont(9.0));

    // The report reads as a printed sheet whatever the desktop theme.
    QPalette pal = palette();
    pal.setColor(QPalette::Base, Qt::white);
    pal.setColor(QPalette::Text, Qt::black);
    setPalette(pal);
    viewport()->setBackgroundRole(QPalette::Base);
    viewport()->setAutoFillBackground(true);
    viewport()->setCursor(Qt::IBeamCursor);

    setFocusPolicy(Qt::StrongFocus);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

ReportView::~ReportView() = default;

void ReportView::setReport(const DetailsReport* report) {
    const bool hadSelection = hasSelection();
    m_report = report;
    m_dragging = false;
    m_autoScroll.stop();
    m_anchor = m_cursor = {};
    m_contentWidth = 0;
    measureContentWidth();
    updateScrollBars();
    verticalScrollBar()->setValue(0);
    horizontalScrollBar()->setValue(0);
    viewport()->update();
    tellReader();
    if (hadSelection)
        emit copyAvailable(false);
}

std::int64_t ReportView::lineCount() const {
    return m_report ? m_report->lineCount() : 0;
}

QString ReportView::lineText(std::int64_t index) const {
    return m_report ? QString::fromStdString(m_report->line(index)) : QString();
}

RunAdvance ReportView::runAdvance() const {
    return [this](QStringView run) { return m_metrics.horizontalAdvance(run.toString()); };
}

double ReportView::xOrigin() const {
    return kTextMargin - horizontalScrollBar()->value();
}

void ReportView::ensureMetrics() const {
    if (!m_measured)
        const_cast<ReportView*>(this)->updateMetrics();
}

int ReportView::lineHeight() const {
    ensureMetrics();
    return m_lineHeight;
}

void ReportView::updateMetrics() {
    m_measured = true;
    m_metrics = QFontMetricsF(font());
    const QFontMetrics whole(font());
    // Whole pixels vertically, so every line sits on the same pixel grid however far down it is.
    m_lineHeight = std::max(1, whole.lineSpacing());
    m_ascent = whole.ascent();
    m_cellWidth = std::max(1.0, m_metrics.horizontalAdvance(QLatin1Char(' ')));
    m_contentWidth = 0;
    measureContentWidth();
    updateScrollBars();
}

void ReportView::measureContentWidth() {
    if (!m_report || !m_measured)
        return;
    const RunAdvance advance = runAdvance();
    for (const std::string& line : m_report->summaryLines())
        growContentWidth(expandedWidth(QString::fromStdString(line), advance));
    // Balance, principal and cumulative interest move steadily from the first row to the last,
    // so their widest figures sit at the ends; a few rows in between cover the rare turn.
    const std::int64_t rows = m_report->rowCount();
    const std::int64_t summary = m_report->lineCount() - rows;
    for (std::int64_t s = 0; s <= kWidthSamples && rows > 0; ++s) {
        const std::int64_t k = std::max<std::int64_t>(1, rows * s / kWidthSamples);
        growContentWidth(
            expandedWidth(QString::fromStdString(m_report->line(summary + k - 1)), advance));
    }
}

void ReportView::growContentWidth(double width) {
    if (width <= m_contentWidth + 0.5)
        return;
    m_contentWidth = width;
    // Called from paintEvent too, where changing the scroll bars (and so the viewport) must wait.
    if (m_scrollBarsQueued)
        return;
    m_scrollBarsQueued = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_scrollBarsQueued = false;
            updateScrollBars();
        },
        Qt::QueuedConnection);
}

int ReportView::visibleLineCount() const {
    return std::max(1, viewport()->height() / lineHeight());
}

void ReportView::updateScrollBars() {
    // Scrolling is counted in lines, never in pixels: ten million lines fit an int, their height
    // in pixels does not. lineCount is bounded by the report's pass limit, far below INT_MAX.
    if (!m_measured)
        return; // set with the measures
    const int page = visibleLineCount();
    const std::int64_t top = std::max<std::int64_t>(0, lineCount() - page);
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, static_cast<int>(std::min<std::int64_t>(top, INT_MAX)));
    v->setSingleStep(1);
    v->setPageStep(page);

    const double content = std::min(m_contentWidth + 2 * kTextMargin, 1e7);
    const int width = viewport()->width();
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, static_cast<int>(std::ceil(content)) - width));
    h->setSingleStep(std::max(1, static_cast<int>(std::lround(m_cellWidth))));
    h->setPageStep(std::max(1, width));
}

QString ReportView::visibleText() const {
    if (m_report == nullptr)
        return {};
    QStringList lines;
    for (const std::string& line : m_report->lines(firstVisibleLine(), visibleLineCount()))
        lines << QString::fromStdString(line);
    return lines.join(QLatin1Char('\n'));
}

void ReportView::tellReader() {
    // Only a running reader hears it, and only then is the text worth making.
    if (!QAccessible::isActive())
        return;
    QString now = visibleText();
    if (now == m_spoken)
        return;
    QAccessibleTextUpdateEvent told(this, 0, m_spoken, now);
    m_spoken = std::move(now);
    QAccessible::updateAccessibility(&told);
}

std::int64_t ReportView::firstVisibleLine() const {
    return verticalScrollBar()->value();
}

void ReportView::scrollToLine(std::int64_t line) {
    ensureMetrics(); // the range is in lines that fit
    QScrollBar* v = verticalScrollBar();
    v->setValue(static_cast<int>(std::clamp<std::int64_t>(line, v->minimum(), v->maximum())));
}

// ---- Events -----------------------------------------------------------------------------------

bool ReportView::event(QEvent* event) {
    // Whatever the user does with the view (in sight or reached by Tab) needs the measures.
    if (event->isInputEvent() || event->type() == QEvent::FocusIn)
        ensureMetrics();
    // A window-wide Copy or Select All shortcut must not take these keys while the report has
    // the focus.
    if (event->type() == QEvent::ShortcutOverride) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->matches(QKeySequence::Copy) || key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QAbstractScrollArea::event(event);
}

void ReportView::paintEvent(QPaintEvent* event) {
    ensureMetrics();
    if (!m_report || lineCount() == 0)
        return;
    QPainter painter(viewport());
    painter.setFont(font());
    const QPalette& pal = palette();

    const QRect area = event->rect();
    const int rowBegin = std::max(0, area.top() / m_lineHeight);
    const int rowEnd = area.bottom() / m_lineHeight + 1;
    const std::int64_t first = firstVisibleLine() + rowBegin;
    const std::vector<std::string> lines = m_report->lines(first, rowEnd - rowBegin);

    const RunAdvance advance = runAdvance();
    const double origin = xOrigin();
    const double right = viewport()->width();
    const auto [from, to] = selection();
    const bool selecting = hasSelection();

    for (size_t j = 0; j < lines.size(); ++j) {
        const std::int64_t index = first + static_cast<std::int64_t>(j);
        const int top = (rowBegin + static_cast<int>(j)) * m_lineHeight;
        const double baseline = top + m_ascent;
        const QString text = QString::fromStdString(lines[j]);
        const std::vector<TextRun> runs = layoutRuns(text, advance);
        const TextRun& last = runs.back();
        const double width = last.length > 0
                                 ? last.x + advance(QStringView(text).mid(last.start, last.length))
                                 : last.x;
        growContentWidth(width);

        const auto drawRuns = [&] {
            for (const TextRun& run : runs) {
                if (run.length == 0 || origin + run.x > right)
                    continue;
                painter.drawText(QPointF(origin + run.x, baseline),
                                 text.mid(run.start, run.length));
            }
        };
        painter.setPen(pal.color(QPalette::Text));
        drawRuns();

        if (!selecting || index < from.line || index > to.line)
            continue;
        const qsizetype a = index == from.line ? std::min(from.column, text.size()) : 0;
        const qsizetype b = index == to.line ? std::min(to.column, text.size()) : text.size();
        double x1 = 0, x2 = width;
        if (a > 0 || b < text.size()) {
            const std::vector<double> edges = characterEdges(text, advance);
            x1 = edges[static_cast<size_t>(a)];
            x2 = edges[static_cast<size_t>(b)];
        }
        if (index < to.line)
            x2 += m_cellWidth; // the line break is part of the selection
        if (x2 <= x1)
            continue;
        // Highlight over the plain text, then the text again in the highlight colour, clipped.
        const QRectF band(origin + x1, top, x2 - x1, m_lineHeight);
        painter.fillRect(band, pal.brush(QPalette::Highlight));
        painter.save();
        painter.setClipRect(band);
        painter.setPen(pal.color(QPalette::HighlightedText));
        drawRuns();
        painter.restore();
    }
}

void ReportView::resizeEvent(QResizeEvent* event) {
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
}

void ReportView::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange && m_measured) {
        updateMetrics();
        viewport()->update();
    }
}

void ReportView::keyPressEvent(QKeyEvent* event) {
    if (event->matches(QKeySequence::Copy)) {
        copy();
    } else if (event->matches(QKeySequence::SelectAll)) {
        selectAll();
    } else if (event->key() == Qt::Key_Home) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
        horizontalScrollBar()->triggerAction(QAbstractSlider::SliderToMinimum);
    } else if (event->key() == Qt::Key_End) {
        verticalScrollBar()->triggerAction(QAbstractSlider::SliderToMaximum);
    } else {
        QAbstractScrollArea::keyPressEvent(event);
        return;
    }
    event->accept();
}

void ReportView::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || lineCount() == 0) {
        QAbstractScrollArea::mousePressEvent(event);
        return;
    }
    const QPoint pos = event->position().toPoint();
    moveCursor(positionAt(pos), event->modifiers().testFlag(Qt::ShiftModifier));
    m_dragging = true;
    m_dragPos = pos;
    event->accept();
}

void ReportView::dragTo(QPoint viewportPos) {
    m_dragPos = viewportPos;
    moveCursor(positionAt(viewportPos), true);
}

void ReportView::mouseMoveEvent(QMouseEvent* event) {
    if (!m_dragging || !event->buttons().testFlag(Qt::LeftButton)) {
        QAbstractScrollArea::mouseMoveEvent(event);
        return;
    }
    dragTo(event->position().toPoint());
    if (viewport()->rect().contains(m_dragPos))
        m_autoScroll.stop();
    else if (!m_autoScroll.isActive())
        m_autoScroll.start(kAutoScrollMs, this);
    event->accept();
}

void ReportView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_dragging) {
        QAbstractScrollArea::mouseReleaseEvent(event);
        return;
    }
    m_dragging = false;
    m_autoScroll.stop();
    event->accept();
}

void ReportView::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || lineCount() == 0) {
        QAbstractScrollArea::mouseDoubleClickEvent(event);
        return;
    }
    // A double click takes the word (a figure, a label) under the pointer.
    const ReportPosition at = positionAt(event->position().toPoint());
    const QString text = lineText(at.line);
    qsizetype begin = at.column, end = at.column;
    while (begin > 0 && !isBlank(text[begin - 1]))
        --begin;
    while (end < text.size() && !isBlank(text[end]))
        ++end;
    if (begin < end)
        setSelection({at.line, begin}, {at.line, end});
    m_dragging = false;
    event->accept();
}

void ReportView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_autoScroll.timerId()) {
        QAbstractScrollArea::timerEvent(event);
        return;
    }
    // Dragging past an edge scrolls, faster the further the pointer is beyond it.
    const QRect r = viewport()->rect();
    QScrollBar* v = verticalScrollBar();
    QScrollBar* h = horizontalScrollBar();
    if (m_dragPos.y() < r.top())
        v->setValue(v->value() - 1 - (r.top() - m_dragPos.y()) / m_lineHeight);
    else if (m_dragPos.y() > r.bottom())
        v->setValue(v->value() + 1 + (m_dragPos.y() - r.bottom()) / m_lineHeight);
    if (m_dragPos.x() < r.left())
        h->setValue(h->value() - h->singleStep() * (1 + (r.left() - m_dragPos.x()) / 8));
    else if (m_dragPos.x() > r.right())
        h->setValue(h->value() + h->singleStep() * (1 + (m_dragPos.x() - r.right()) / 8));
    dragTo(m_dragPos);
}

void ReportView::contextMenuEvent(QContextMenuEvent* event) {
    const std::unique_ptr<QMenu> menu(createContextMenu(this));
    menu->exec(event->globalPos());
    event->accept();
}

void ReportView::scrollContentsBy(int, int) {
    // Lines are painted from the report on demand; a repaint of one screen is cheap.
    viewport()->update();
    tellReader();
}

} // namespace selvane
