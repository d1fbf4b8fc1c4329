#pragma once
// The state as one line of JSON, as the command-line driver's `dump` prints it.

#include <ostream>

#include "calculator/fincalc.h"

namespace selvane {

// whatIf.rateChange and whatIf.shock are written only when rateChangeMembers is set (once a script
// has used `ratechange`), so that the dumps of scripts from before them read as they did.
void writeStateJson(std::ostream& out, const FinCalc& calc, bool rateChangeMembers = false);

} // namespace selvane
