#include "print/print_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QHash>
#include <QIODevice>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <algorithm>
#include <array>
#include <cmath>

#include "core/file_io.h"
#include "print/report_font.h"

namespace selvane {

double fitScale(const std::vector<double>& lineWidths, double lineHeight, QSizeF printable) {
    double scale = 1.0;
    const double height = static_cast<double>(lineWidths.size()) * lineHeight;
    if (height > printable.height())
        scale = printable.height() / height;
    const double width =
        lineWidths.empty() ? 0.0 : *std::max_element(lineWidths.begin(), lineWidths.end());
    if (width > printable.width())
        scale = std::min(scale, printable.width() / width);
    return scale;
}

namespace {

// The printout puts each character in a cell of its own, one column wide, as the text printout
// does. The report font's characters fill their cells exactly; one it lacks comes from a fallback
// font at that font's width (a yen sign of a Japanese font is nearly two cells wide), and is
// squeezed across into its cell, so that the characters after it, and the line's end, stay in
// their columns. A narrower one stands at its cell's left edge.
class CellPainter {
  public:
    CellPainter(QPainter& painter, const QFontMetricsF& metrics)
        : m_painter(painter), m_metrics(metrics),
          m_cell(metrics.horizontalAdvance(QLatin1Char('0'))) {
        // Only the printable ones: asking for a control character sends the font machinery
        // looking through every fallback font for a glyph no report ever has.
        for (char32_t c = kFirstPrintable; c <= kLastPrintable; ++c)
            m_ascii[c] = advanceOf(c);
    }
    double cell() const { return m_cell; }

    // Draws text with its first character's cell at x, on the baseline y.
    void draw(double x, double y, const QString& text) {
        const QList<uint> chars = text.toUcs4();
        bool fits = true;
        for (const uint c : chars)
            fits = fits && fillsCell(advance(c));
        if (fits) {
            m_painter.drawText(QPointF(x, y), text);
            return;
        }
        for (qsizetype i = 0; i < chars.size(); ++i) {
            const auto c = static_cast<char32_t>(chars[i]);
            const QString one = QString::fromUcs4(&c, 1);
            const double at = x + static_cast<double>(i) * m_cell, wide = advance(c);
            if (wide <= m_cell * (1 + kSlack)) {
                m_painter.drawText(QPointF(at, y), one);
                continue;
            }
            m_painter.save();
            m_painter.translate(at, y);
            m_painter.scale(m_cell / wide, 1.0);
            m_painter.drawText(QPointF(0, 0), one);
            m_painter.restore();
        }
    }

  private:
    static constexpr double kSlack = 1e-3; // rounding in the font's advances
    static constexpr char32_t kFirstPrintable = 0x20, kLastPrintable = 0x7e;
    bool fillsCell(double advance) const { return std::abs(advance - m_cell) <= m_cell * kSlack; }
    double advanceOf(char32_t c) const {
        return m_metrics.horizontalAdvance(QString::fromUcs4(&c, 1));
    }
    double advance(uint c) {
        if (c >= kFirstPrintable && c <= kLastPrintable)
            return m_ascii[c];
        const auto found = m_others.constFind(c);
        if (found != m_others.constEnd())
            return *found;
        return *m_others.insert(c, advanceOf(static_cast<char32_t>(c)));
    }

    QPainter& m_painter;
    const QFontMetricsF& m_metrics;
    double m_cell;
    std::array<double, kLastPrintable + 1> m_ascii{};
    QHash<uint, double> m_others;
};

} // namespace

constexpr double kPrintableShare = 0.995;

bool paintPages(const PrintedPages& pages, QPagedPaintDevice& device, const PrintProgress& progress,
                PageRange range) {
    const std::int64_t first = std::max<std::int64_t>(range.from, 1);
    const std::int64_t last =
        range.to > 0 ? std::min(range.to, pages.pageCount()) : pages.pageCount();
    if (first > last)
        return false;

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    QFont font = reportFont(10.0);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    CellPainter cells(painter, metrics);
    const double cell = cells.cell();
    const double lineHeight = metrics.lineSpacing();
    const QSizeF printable = painter.viewport().size();

    std::vector<double> widths;
    for (std::int64_t p = first; p <= last; ++p) {
        if (p > first)
            device.newPage();
        const std::vector<PrintLine> lines = pages.page(p - 1);
        widths.clear();
        // A fixed-pitch font: each character takes one cell.
        for (const PrintLine& line : lines)
            widths.push_back(
                line.empty() ? 0.0 : (line.back().column - 1 + columnsOf(line.back().text)) * cell);
        // A hair inside the printable area: the PDF places glyphs by the font's own advances,
        // which come out up to about a tenth of a percent wider than the metrics measure.
        const double scale = fitScale(widths, lineHeight, printable * kPrintableShare);
        if (scale < 1.0) {
            painter.save();
            painter.scale(scale, scale);
        }
        double y = 0;
        for (const PrintLine& line : lines) {
            for (const PrintItem& item : line) {
                QString text = QString::fromStdString(item.text);
                text.replace(QLatin1Char('\t'), QLatin1Char(' '));
                cells.draw((item.column - 1) * cell, y + metrics.ascent(), text);
            }
            y += lineHeight;
        }
        if (scale < 1.0)
            painter.restore();
        if (progress && !progress(p - first + 1, last - first + 1)) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

QPageLayout pageLayout(const Paper& paper) {
    const QPageSize::PageSizeId id = paper.size == PaperSize::Letter  ? QPageSize::Letter
                                     : paper.size == PaperSize::Legal ? QPageSize::Legal
                                                                      : QPageSize::A4;
    const double m = paper.marginMm;
    return QPageLayout(QPageSize(id), QPageLayout::Portrait, QMarginsF(m, m, m, m),
                       QPageLayout::Millimeter);
}

QPageSize defaultPaper(QLocale::Territory territory,
                       const std::optional<QPageSize>& printerDefault) {
    if (printerDefault && printerDefault->isValid())
        return *printerDefault;
    const bool letter = territory == QLocale::UnitedStates || territory == QLocale::Canada;
    return QPageSize(letter ? QPageSize::Letter : QPageSize::A4);
}

namespace {
// Hands everything the PDF writer writes to the file being produced.
class PieceDevice : public QIODevice {
  public:
    explicit PieceDevice(const WritePiece& write) : m_write(write) {}
    bool isSequential() const override { return true; }
    // The file took no more: the document being painted is lost.
    bool failed() const { return m_failed; }

  protected:
    qint64 readData(char*, qint64) override { return -1; }
    qint64 writeData(const char* data, qint64 size) override {
        if (m_failed || !m_write(std::string_view(data, static_cast<size_t>(size)))) {
            m_failed = true;
            return -1;
        }
        return size;
    }

  private:
    const WritePiece& m_write;
    bool m_failed = false;
};
} // namespace

WriteOutcome writePdf(const PrintedPages& pages, const std::string& path, const QPageLayout& layout,
                      const PrintProgress& progress, PageRange range, int resolution) {
    if (!pages.complete())
        return {path, false, kNoReportToPrint};
    return replaceFileWith(path, [&](const WritePiece& write) {
        PieceDevice device(write);
        if (!device.open(QIODevice::WriteOnly))
            return false;
        // A page is painted only while the file takes what came before it: a full disk stops a
        // printout of thousands of pages at once, not after laying out all of them.
        const PrintProgress goOn = [&](std::int64_t done, std::int64_t total) {
            return !device.failed() && (!progress || progress(done, total));
        };
        bool painted = false;
        {
            // The writer finishes the document when it goes: before the device is closed.
            QPdfWriter writer(&device);
            writer.setResolution(resolution);
            writer.setPageLayout(layout);
            writer.setTitle(QStringLiteral("Selvane report"));
            writer.setCreator(QStringLiteral("Selvane"));
            painted = paintPages(pages, writer, goOn, range);
        }
        device.close();
        return painted && !device.failed();
    });
}

} // namespace selvane
