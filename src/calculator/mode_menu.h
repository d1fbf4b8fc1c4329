#pragma once
// The Function menu as a value: runs the switch handler of a mode, for front ends that name
// the mode rather than click an entry.

#include "core/mode_tables.h"

namespace selvane {

class FinCalc;
void runModeSwitch(FinCalc& calc, Mode mode);

} // namespace selvane
