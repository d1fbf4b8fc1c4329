#pragma once
// The report's typeface, on paper and on screen alike: "Courier New", fixed pitch, with
// Liberation Mono (the same metrics) where Courier New is not installed. The report's columns
// line up by character cell, so both front ends must measure with the same face.

#include <QFont>

namespace selvane {

QFont reportFont(double pointSize);

} // namespace selvane
