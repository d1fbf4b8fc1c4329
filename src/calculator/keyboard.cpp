#include "calculator/keyboard.h"

#include "core/utf8.h"

namespace selvane {

namespace {
// Removes the last whole character of a UTF-8 text.
void dropLastCharacter(std::string& s) {
    s.resize(s.size() - utf8LastLength(s));
}
} // namespace

bool fieldTakesFocus(const FinCalc& calc, int i) {
    return i >= 0 && i < kFieldCount && i != field::PER &&
           calc.fields[static_cast<size_t>(i)].enabled;
}

void typeText(FinCalc& calc, int i, std::string_view text) {
    if (!fieldTakesFocus(calc, i))
        return;
    for (size_t pos = 0; pos < text.size();) {
        const Utf8Char decoded = decodeUtf8(text, pos);
        const std::string_view ch = text.substr(pos, decoded.length);
        pos += decoded.length;
        int key = static_cast<int>(decoded.codePoint);
        calc.txtSL_KeyPress(i, key);
        ParameterField& f = calc.fields[static_cast<size_t>(i)];
        if (key != 0 && !f.locked)
            f.text += ch;
        calc.txtSL_KeyUp(i);
    }
}

void pressBackspace(FinCalc& calc, int i) {
    if (!fieldTakesFocus(calc, i))
        return;
    int key = '\b'; // the handler swallows Enter only: Backspace always reaches the field
    calc.txtSL_KeyPress(i, key);
    ParameterField& f = calc.fields[static_cast<size_t>(i)];
    if (!f.locked)
        dropLastCharacter(f.text);
    calc.txtSL_KeyUp(i);
}

void selectAllAndDelete(FinCalc& calc, int i) {
    if (!fieldTakesFocus(calc, i))
        return;
    ParameterField& f = calc.fields[static_cast<size_t>(i)];
    if (!f.locked)
        f.text.clear();
    calc.txtSL_KeyUp(i);
}

void pressEnter(FinCalc& calc, int i) {
    if (!fieldTakesFocus(calc, i))
        return;
    int key = '\r';
    calc.txtSL_KeyPress(i, key);
    calc.txtSL_KeyUp(i);
}

} // namespace selvane
