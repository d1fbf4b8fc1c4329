// The report view's selection: where a click lands, what is selected, and the selected text as
// Copy puts it on the clipboard, written from the report a chunk of lines at a time.

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeySequence>
#include <QMenu>
#include <QMimeData>
#include <algorithm>
#include <string_view>

#include "core/details_text.h"
#include "desktop/report_view.h"

namespace selvane {

namespace {
// A selection of more bytes than this takes long enough to copy to deserve a wait cursor.
constexpr std::int64_t kBusyCopyBytes = 1'000'000;
} // namespace

ReportPosition ReportView::clamped(ReportPosition position) const {
    const std::int64_t n = lineCount();
    if (n == 0)
        return {};
    position.line = std::clamp<std::int64_t>(position.line, 0, n - 1);
    position.column = std::clamp<qsizetype>(position.column, 0, lineText(position.line).size());
    return position;
}

void ReportView::moveCursor(ReportPosition position, bool keepAnchor) {
    const bool had = hasSelection();
    const ReportPosition anchor = keepAnchor ? m_anchor : position;
    if (anchor == m_anchor && position == m_cursor)
        return;
    m_anchor = anchor;
    m_cursor = position;
    viewport()->update();
    if (had != hasSelection())
        emit copyAvailable(hasSelection());
}

void ReportView::setSelection(ReportPosition anchor, ReportPosition cursor) {
    const bool had = hasSelection();
    m_anchor = clamped(anchor);
    m_cursor = clamped(cursor);
    viewport()->update();
    if (had != hasSelection())
        emit copyAvailable(hasSelection());
}

std::pair<ReportPosition, ReportPosition> ReportView::selection() const {
    return std::minmax(m_anchor, m_cursor);
}

void ReportView::selectAll() {
    const std::int64_t n = lineCount();
    if (n == 0)
        return;
    setSelection({0, 0}, {n - 1, lineText(n - 1).size()});
}

void ReportView::clearSelection() {
    moveCursor(m_cursor, false);
}

// A selection's ends in the report's bytes: the view counts columns in UTF-16, the report in
// UTF-8.
DetailsReport::Place ReportView::place(ReportPosition p) const {
    return {p.line, static_cast<std::size_t>(lineText(p.line).left(p.column).toUtf8().size())};
}

template <class Sink> void ReportView::writeSelection(Sink&& sink) const {
    if (!m_report || !hasSelection())
        return;
    const auto [from, to] = selection();
    m_report->writeStretch(sink, place(from), place(to));
}

std::int64_t ReportView::selectionBytes(std::int64_t stopAbove) const {
    if (!m_report || !hasSelection())
        return 0;
    const auto [from, to] = selection();
    return m_report->stretchSize(place(from), place(to), stopAbove);
}

QString ReportView::selectedText() const {
    if (!m_report || !hasSelection())
        return {};
    QString out;
    out.reserve(static_cast<qsizetype>(selectionBytes())); // at least one byte per character
    std::string buffer;
    const auto flush = [&] {
        out += QString::fromUtf8(buffer.data(), static_cast<qsizetype>(buffer.size()));
        buffer.clear();
    };
    writeSelection([&](std::string_view piece) {
        buffer += piece;
        if (buffer.size() >= 1 << 20)
            flush();
    });
    flush();
    return out;
}

void ReportView::copy() {
    if (!m_report || !hasSelection())
        return;
    const std::int64_t size = selectionBytes(kMaxCopyBytes);
    if (size > kMaxCopyBytes) {
        emit copyRefused(size);
        return;
    }
    const bool busy = size > kBusyCopyBytes;
    if (busy)
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    // The clipboard gets UTF-8 bytes rather than a QString: half the memory for a large report,
    // and the platform converts only when something is pasted.
    QByteArray bytes;
    bytes.reserve(static_cast<qsizetype>(size));
    writeSelection([&bytes](std::string_view piece) {
        bytes.append(piece.data(), static_cast<qsizetype>(piece.size()));
    });
    auto* mime = new QMimeData;
    mime->setData(QStringLiteral("text/plain"), bytes);
    QGuiApplication::clipboard()->setMimeData(mime);
    if (busy)
        QGuiApplication::restoreOverrideCursor();
}

ReportPosition ReportView::positionAt(QPoint viewportPos) const {
    const std::int64_t n = lineCount();
    if (n == 0)
        return {};
    const int y = viewportPos.y();
    const int height = lineHeight();
    const int row = y >= 0 ? y / height : -((height - 1 - y) / height);
    const std::int64_t line = firstVisibleLine() + row;
    if (line < 0)
        return {0, 0};
    if (line >= n)
        return {n - 1, lineText(n - 1).size()};
    return {line, characterAt(lineText(line), viewportPos.x() - xOrigin(), runAdvance())};
}

QMenu* ReportView::createContextMenu(QWidget* parent) {
    auto* menu = new QMenu(parent);
    QAction* copyAction = menu->addAction(tr("&Copy"), this, &ReportView::copy);
    copyAction->setShortcut(QKeySequence::Copy);
    copyAction->setEnabled(hasSelection());
    QAction* allAction = menu->addAction(tr("Select &All"), this, &ReportView::selectAll);
    allAction->setShortcut(QKeySequence::SelectAll);
    allAction->setEnabled(lineCount() > 0);
    return menu;
}

} // namespace selvane
