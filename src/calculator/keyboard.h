#pragma once
// What a single-line text box does with the keys a user presses, expressed as handler calls on
// the state: the key-press handler (which may swallow the key), the edit itself unless the field
// is read-only, then the key-release handler. A disabled field, and the hidden PER field, cannot
// take the focus and so receive nothing.

#include <string_view>

#include "calculator/fincalc.h"

namespace selvane {

bool fieldTakesFocus(const FinCalc& calc, int fieldIndex);
void typeText(FinCalc& calc, int fieldIndex, std::string_view utf8Text);
void pressBackspace(FinCalc& calc, int fieldIndex);
void selectAllAndDelete(FinCalc& calc, int fieldIndex);
void pressEnter(FinCalc& calc, int fieldIndex);

} // namespace selvane
