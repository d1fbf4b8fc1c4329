// Field entry: Enter calculates, and in lease mode a key released in the depreciation, purchase
// or buy-back field recomputes the field that depends on it.

#include "calculator/fincalc.h"
#include "core/number_text.h"
#include "core/solver.h"

namespace selvane {

void FinCalc::txtSL_KeyPress(int /*index*/, int& keyAscii) {
    planChanged(); // a key in a field: a rate found before is for other inputs
    if (keyAscii == '\r') {
        Calculate();
        keyAscii = 0; // the field never receives the Enter
    } else if (keyAscii == ',' && keysFollowLocale && m_currency.decimalComma()) {
        keyAscii = '.'; // habit types 7,5 where the field reads 7.5
    }
}

void FinCalc::fieldEdited(int index, std::string text) {
    if (keysFollowLocale && m_currency.decimalComma())
        text = decimalCommaAsPoint(std::move(text));
    fields[static_cast<size_t>(index)].text = std::move(text);
}

void FinCalc::txtSL_KeyUp(int index) {
    planChanged(); // Delete reaches a field without a key press
    if (mode() != Mode::Lease)
        return;
    StoredValues& s = stored;
    auto read = [this](int i, Stored& target) {
        if (auto v = fieldValue(fields[static_cast<size_t>(i)].text))
            target = *v;
    };
    if (index == field::DEPR || index == field::SBAL) {
        read(field::DEPR, s.DEPR);
        read(field::SBAL, s.SBAL);
        // A depreciation above 100 % has no real monthly factor for a fractional term, and an
        // extreme input can overflow: then the buy-back amount and its field stay as they were.
        if (step(s.FBAL,
                 [&] { return residual(val(s.SBAL), val(s.DEPR), val(s.PERS), Spelling::Yearly); }))
            fields[field::FBAL].text = format00(*s.FBAL);
    } else if (index == field::FBAL) {
        read(field::SBAL, s.SBAL);
        read(field::FBAL, s.FBAL);
        step(s.DEPR,
             [&] { return depreciation(val(s.SBAL), val(s.FBAL), val(s.PERS), Spelling::Yearly); });
        fields[field::DEPR].text = format00(val(s.DEPR).v);
    }
}

} // namespace selvane
