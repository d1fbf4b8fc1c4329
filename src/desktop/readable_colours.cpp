#include "desktop/readable_colours.h"

#include <QApplication>
#include <QStyleFactory>
#include <QWidget>
#include <cmath>

namespace selvane {

namespace {

double linear(double channel) {
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

// Dark text for a pale field: black, and for a field that is switched off a grey that still
// reads on white and pale yellow (about 6:1) yet looks off beside black.
const QColor kFieldText(0x00, 0x00, 0x00);
const QColor kFieldTextDisabled(0x60, 0x60, 0x60);

} // namespace

double relativeLuminance(const QColor& colour) {
    const QColor c = colour.toRgb();
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrastRatio(const QColor& a, const QColor& b) {
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

void setFieldBackground(QWidget* field, const QColor& back) {
    QPalette p = field->palette();
    // The palette's own text is compared, not the one set here before: a field whose
    // background turns dark again gets the palette's text back.
    const QPalette own = QApplication::palette(field);
    const bool unreadable = contrastRatio(own.color(QPalette::Active, QPalette::Text), back) < 4.5;
    const QColor text = unreadable ? kFieldText : own.color(QPalette::Active, QPalette::Text);
    const QColor off =
        unreadable ? kFieldTextDisabled : own.color(QPalette::Disabled, QPalette::Text);
    if (p.color(QPalette::Base) == back && p.color(QPalette::Active, QPalette::Text) == text &&
        p.color(QPalette::Disabled, QPalette::Text) == off)
        return;
    p.setColor(QPalette::Base, back); // all colour groups: a disabled field keeps its colour
    if (unreadable || p.color(QPalette::Active, QPalette::Text) != text) {
        p.setColor(QPalette::Active, QPalette::Text, text);
        p.setColor(QPalette::Inactive, QPalette::Text, text);
        p.setColor(QPalette::Disabled, QPalette::Text, off);
    }
    field->setPalette(p);
}

QColor warningColour(const QColor& back) {
    const QColor dark(0x99, 0x00, 0x00), light(0xff, 0x8a, 0x80);
    return contrastRatio(dark, back) >= 4.5 ? dark : light;
}

QPalette darkPalette() {
    const QColor window(0x35, 0x35, 0x35), base(0x2a, 0x2a, 0x2a), text(0xf0, 0xf0, 0xf0);
    const QColor off(0xa8, 0xa8, 0xa8), highlight(0x2a, 0x82, 0xda);
    QPalette p;
    for (const QPalette::ColorGroup g :
         {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        const bool on = g != QPalette::Disabled;
        p.setColor(g, QPalette::Window, window);
        p.setColor(g, QPalette::WindowText, on ? text : off);
        p.setColor(g, QPalette::Base, base);
        p.setColor(g, QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
        p.setColor(g, QPalette::Text, on ? text : off);
        p.setColor(g, QPalette::PlaceholderText, off);
        p.setColor(g, QPalette::Button, window);
        p.setColor(g, QPalette::ButtonText, on ? text : off);
        p.setColor(g, QPalette::BrightText, QColor(0xff, 0x80, 0x80));
        p.setColor(g, QPalette::Light, QColor(0x50, 0x50, 0x50));
        p.setColor(g, QPalette::Midlight, QColor(0x45, 0x45, 0x45));
        p.setColor(g, QPalette::Mid, QColor(0x25, 0x25, 0x25));
        p.setColor(g, QPalette::Dark, QColor(0x1a, 0x1a, 0x1a));
        p.setColor(g, QPalette::Shadow, QColor(0x10, 0x10, 0x10));
        p.setColor(g, QPalette::Highlight, on ? highlight : QColor(0x50, 0x50, 0x50));
        p.setColor(g, QPalette::HighlightedText, on ? QColor(Qt::black) : off);
        p.setColor(g, QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
        p.setColor(g, QPalette::ToolTipText, text);
        p.setColor(g, QPalette::Link, QColor(0x6c, 0xb4, 0xff));
        p.setColor(g, QPalette::LinkVisited, QColor(0xc0, 0x9c, 0xff));
    }
    return p;
}

void useDarkLook() {
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setPalette(darkPalette());
}

} // namespace selvane
