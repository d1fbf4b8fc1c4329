#pragma once
// The state as one line of JSON, as the command-line driver's `dump` prints it.

#include <ostream>

#include "calculator/fincalc.h"

namespace selvane {

// whatIf.rateChange and whatIf.shock are written only when rateChangeMembers is set (once a script
// has used `ratechange`), and timeline only when timelineMembers is (once it has used `event` or
// `events`), so that the dumps of scripts from before them read as they did.
void writeStateJson(std::ostream& out, const FinCalc& calc, bool rateChangeMembers = false,
                    bool timelineMembers = false, bool calendarMembers = false,
                    bool offerMembers = false, bool statementMembers = false);

} // namespace selvane
