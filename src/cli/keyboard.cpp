#include "cli/keyboard.h"

namespace selvane {

namespace {
size_t utf8Length(std::string_view s, size_t i) {
    const auto b = static_cast<unsigned char>(s[i]);
    size_t n = b < 0x80 ? 1 : (b >> 5) == 6 ? 2 : (b >> 4) == 14 ? 3 : (b >> 3) == 30 ? 4 : 1;
    return i + n <= s.size() ? n : 1;
}
std::uint32_t codePoint(std::string_view c) {
    const auto b0 = static_cast<unsigned char>(c[0]);
    if (c.size() == 1)
        return b0;
    std::uint32_t cp = b0 & (0x7F >> c.size());
    for (size_t k = 1; k < c.size(); ++k)
        cp = (cp << 6) | (static_cast<unsigned char>(c[k]) & 0x3F);
    return cp;
}
// Removes the last whole character of a UTF-8 text.
void dropLastCharacter(std::string& s) {
    size_t i = s.size();
    while (i > 0 && (static_cast<unsigned char>(s[i - 1]) & 0xC0) == 0x80)
        --i;
    s.resize(i > 0 ? i - 1 : 0);
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
        const size_t len = utf8Length(text, pos);
        const std::string_view ch = text.substr(pos, len);
        pos += len;
        int key = static_cast<int>(codePoint(ch));
        calc.txtSL_KeyPress(i, key);
        ParameterField& f = calc.fields[static_cast<size_t>(i)];
        if (key != 0 && !f.locked)
            f.text += ch;
        calc.txtSL_KeyUp(i, key, 0);
    }
}

void pressBackspace(FinCalc& calc, int i) {
    if (!fieldTakesFocus(calc, i))
        return;
    int key = kKeyBack;
    calc.txtSL_KeyPress(i, key);
    ParameterField& f = calc.fields[static_cast<size_t>(i)];
    if (key != 0 && !f.locked)
        dropLastCharacter(f.text);
    calc.txtSL_KeyUp(i, kKeyBack, 0);
}

void selectAllAndDelete(FinCalc& calc, int i) {
    if (!fieldTakesFocus(calc, i))
        return;
    ParameterField& f = calc.fields[static_cast<size_t>(i)];
    if (!f.locked)
        f.text.clear();
    calc.txtSL_KeyUp(i, kKeyDelete, 0);
}

void pressEnter(FinCalc& calc, int i) {
    if (!fieldTakesFocus(calc, i))
        return;
    int key = kKeyReturn;
    calc.txtSL_KeyPress(i, key);
    calc.txtSL_KeyUp(i, kKeyReturn, 0);
}

} // namespace selvane
