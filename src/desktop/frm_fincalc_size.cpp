// The window's size: what the calculator sets, what the user widens it to, and the controls
// stretched across the width.

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QResizeEvent>
#include <QScreen>
#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <algorithm>
#include <cmath>

#include "desktop/field_layout.h"
#include "desktop/frm_fincalc.h"
#include "desktop/report_view.h"

namespace selvane {

namespace {

// The sizes the calculator sets are outer sizes of a classic window: borders of 4 pixels, a
// caption of 22 and a menu bar of 20 around the client area. The client area is sized to match,
// so the window shows the same controls whatever frame the window manager draws around it.
constexpr int kClassicBorders = 2 * 4, kClassicCaption = 22, kClassicMenuBar = 20;

} // namespace

// A label is at least as wide as its caption, so no caption a mode gives it is ever cut off.
int captionWidth(const QLabel* label, int tableWidth) {
    return std::max(tableWidth, label->fontMetrics().horizontalAdvance(label->text()) + 1);
}

// The window's size follows the details view: collapsed, it shows the fields and the comments;
// with the details it takes most of the screen's height, measured as the view opens, and the
// report box runs down to near its foot (the box keeps that height when the view closes, and the
// window cuts it off). The user can make the window wider, not narrower or taller. The size is
// never below what shows every control of the current view whole, however small the screen.
void frmFinCalc::showWindowSize() {
    const QScreen* s = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!m_placed) {
        m_placed = true;
        move((s ? s->geometry().topLeft() : QPoint()) + QPoint(50, 50));
    }
    if (m_setWidth > 0 && m_calc.detailsChecked == m_shownDetails)
        return;
    m_shownDetails = m_calc.detailsChecked;
    int setHeight = kCollapsedHeight;
    if (m_shownDetails) {
        const int screenPixels = m_screenHeight > 0 ? m_screenHeight
                                 : s                ? s->availableGeometry().height()
                                                    : 768;
        setHeight = static_cast<int>(kDetailsScreenShare * screenPixels * kTwipsPerPixel);
        // A few lines of the report at least, with the frame and the horizontal scroll bar. The
        // height is set when the report comes into sight: out of sight, its least height would
        // take the measures of its font before the first paint.
        const int least = 4 * m_rtDetails->lineHeight() + 2 * m_rtDetails->frameWidth() +
                          m_rtDetails->horizontalScrollBar()->sizeHint().height();
        const int box = setHeight - kReportTop - kReportBottomMargin;
        m_rtDetails->resize(m_rtDetails->width(), std::max(twipsToPixels(box), least));
    }

    // The controls of the view whole, at the width the calculator sets: a few pixels below the
    // comments box, which the frames end with, and the report right down to the bottom, where
    // the details view puts its end.
    QRect controls =
        toPixels(place(Control::Frame1).rect) | toPixels(place(Control::txtComments).rect);
    for (const FramePlace& frame : kFrames)
        controls |= toPixels(frame.rect);
    QSize least(controls.right() + 1 + 4, controls.bottom() + 1 + 4);
    const QRect report(toPixels(place(Control::rtDetails).rect).topLeft(), m_rtDetails->size());
    if (m_shownDetails)
        least = least.expandedTo(QSize(report.right() + 1 + 4, report.bottom() + 1));
    const int client =
        twipsToPixels(setHeight) - kClassicCaption - kClassicBorders - kClassicMenuBar;
    m_setWidth = std::max(twipsToPixels(kWindowWidth) - kClassicBorders, least.width());
    const int height = menuBar()->sizeHint().height() + std::max(client, least.height());
    // A width the user chose, within the screen it is on now.
    int width = m_setWidth;
    if (m_chosenWidth > m_setWidth) {
        const int frame = isVisible() ? frameGeometry().width() - this->width() : kClassicBorders;
        width = s ? std::clamp(s->availableGeometry().width() - frame, m_setWidth, m_chosenWidth)
                  : m_setWidth;
    }
    setMinimumSize(m_setWidth, height);
    setMaximumSize(QWIDGETSIZE_MAX, height);
    resize(width, height);
}

void frmFinCalc::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    // The comments box lays its lines out as it paints them, and sets its scroll bar again after
    // the paint. With the lines in sight laid out now, at its width, it is painted once, its
    // scroll bar right. (Only those: a topic can be a megabyte.)
    QTextDocument* text = m_txtComments->document();
    const qreal inSight = m_txtComments->viewport()->height();
    qreal y = 0;
    for (QTextBlock block = text->begin(); block.isValid() && y <= inSight; block = block.next())
        y += text->documentLayout()->blockBoundingRect(block).height();
}

void frmFinCalc::resizeEvent(QResizeEvent* event) {
    QMainWindow::resizeEvent(event);
    if (m_setWidth <= 0)
        return;
    placeNotice();
    m_chosenWidth = width() > m_setWidth ? width() : 0;
    const double across = std::max(1.0, static_cast<double>(width()) / m_setWidth);
    if (across == m_across)
        return;
    m_across = across;
    stretchAcross();
    for (int i = 0; i < kFieldCount; ++i)
        showField(i); // a text may fit now, or no longer: its tooltip follows
}

QWidget* frmFinCalc::stretched(QWidget* widget, Stretch how) {
    m_stretched.push_back({widget, widget->geometry(), how});
    return widget;
}

QRect frmFinCalc::across(const QRect& place) const {
    if (m_across == 1.0)
        return place;
    const auto at = [this](int x) { return static_cast<int>(std::lround(x * m_across)); };
    const int left = at(place.left());
    return QRect(left, place.top(), at(place.left() + place.width()) - left, place.height());
}

// Only the left edges and widths change: the calculator sets the heights.
void frmFinCalc::stretchAcross() {
    for (const Stretched& s : m_stretched) {
        QRect r = across(s.place);
        if (s.how == Stretch::KeepWidth)
            r.setWidth(s.place.width());
        else if (s.how == Stretch::Caption)
            r.setWidth(captionWidth(static_cast<QLabel*>(s.widget), r.width()));
        s.widget->setGeometry(r.left(), s.widget->y(), r.width(), s.widget->height());
    }
}

} // namespace selvane
