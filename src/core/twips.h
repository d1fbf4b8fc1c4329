#pragma once
// Twips, 1/1440 inch: the unit every size and position of the window is given in. The layout was
// drawn for a 96 dpi screen, where a logical pixel is 15 twips; both front ends count with that.

namespace selvane {

inline constexpr int kTwipsPerPixel = 15;

// Twips to logical pixels: every position in the layout is a whole number of pixels at 96 dpi.
constexpr int twipsToPixels(int twips) {
    return twips / kTwipsPerPixel;
}

} // namespace selvane
