#include "print/print_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QString>
#include <algorithm>

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
    const double cell = metrics.horizontalAdvance(QLatin1Char('0'));
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
        const double scale = fitScale(widths, lineHeight, printable);
        if (scale < 1.0) {
            painter.save();
            painter.scale(scale, scale);
        }
        double y = 0;
        for (const PrintLine& line : lines) {
            for (const PrintItem& item : line) {
                QString text = QString::fromStdString(item.text);
                text.replace(QLatin1Char('\t'), QLatin1Char(' '));
                painter.drawText(QPointF((item.column - 1) * cell, y + metrics.ascent()), text);
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
