#pragma once
// The state as one line of JSON, as the command-line driver's `dump` prints it.

#include <ostream>

#include "calculator/fincalc.h"

namespace selvane {

void writeStateJson(std::ostream& out, const FinCalc& calc);

} // namespace selvane
