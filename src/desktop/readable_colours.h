#pragma once
// Colours that stay readable whatever palette the desktop gives the window: the light fields
// keep dark text on a dark palette, and a dark palette for people who want one.

#include <QColor>
#include <QPalette>

class QWidget;

namespace selvane {

// Relative luminance of a colour (0 black .. 1 white), and the contrast ratio of two colours
// (1 .. 21) as the accessibility guidelines define them.
double relativeLuminance(const QColor& colour);
double contrastRatio(const QColor& a, const QColor& b);

// Gives a field its background. Where the palette's text would not read on that background (the
// light text of a dark palette on a pale field) the text turns dark with it; the text of a light
// palette is left alone.
void setFieldBackground(QWidget* field, const QColor& back);

// Dark red for a warning on `back`, or a light red where the background is too dark for it.
QColor warningColour(const QColor& back);

// A dark palette for the Fusion style: light text on dark grey, every text at least 4.5:1.
QPalette darkPalette();

// Fusion with darkPalette(), for the whole application.
void useDarkLook();

} // namespace selvane
