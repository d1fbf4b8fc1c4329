#include "reports/print_painter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QString>

#include "reports/printed_pages.h"

namespace selvane {

bool paintPages(const PrintedPages& pages, QPagedPaintDevice& device,
                const PrintProgress& progress) {
    QPainter painter;
    if (!painter.begin(&device)) return false;
    QFont font("Courier New");
    font.setPointSizeF(10.0);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    painter.setFont(font);
    const QFontMetricsF metrics(font, &device);
    const double cell = metrics.horizontalAdvance(QLatin1Char('0'));
    const double lineHeight = metrics.lineSpacing();
    const double pageHeight = painter.viewport().height();

    double y = 0;
    for (std::int64_t p = 0; p < pages.pageCount(); ++p) {
        if (p > 0) {
            device.newPage();
            y = 0;
        }
        for (const PrintLine& line : pages.page(p)) {
            // A page longer than the paper continues on the next sheet, as a printer would.
            if (y + lineHeight > pageHeight && y > 0) {
                device.newPage();
                y = 0;
            }
            for (const PrintItem& item : line) {
                QString text = QString::fromStdString(item.text);
                text.replace(QLatin1Char('\t'), QLatin1Char(' '));
                painter.drawText(QPointF((item.column - 1) * cell, y + metrics.ascent()), text);
            }
            y += lineHeight;
        }
        if (progress && !progress(p + 1, pages.pageCount())) {
            painter.end();
            return false;
        }
    }
    return painter.end();
}

} // namespace selvane
