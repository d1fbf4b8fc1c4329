// Results: the loan family's write-back of the stored values into the fields, and the
// investment family's own write-back.

#include "calculator/fincalc.h"
#include "core/number_text.h"
#include "core/solver.h"

namespace selvane {

// An unset stored value (possible only for PCOST, when its first computation fails) is shown as
// an empty field: nothing was computed, so nothing is shown.
void FinCalc::writeStored(int i, int decimals) {
    const Stored* v = storedFor(stored, i);
    fields[static_cast<size_t>(i)].text = v && *v ? formatFixed(**v, decimals) : std::string();
}

void FinCalc::Results() {
    StoredValues& s = stored;
    const bool lease = mode() == Mode::Lease;
    writeStored(field::APR, 3);
    writeStored(field::INFL, 2);
    writeStored(field::DEPR, 2);
    writeStored(field::RAPR, 3);
    for (int i : {field::PERS, field::SBAL, field::DPMT, field::FBAL})
        writeStored(i, 2);
    if (lease) {
        // The field shows the payment with sales tax; the stored PMT stays without it.
        const Num shown = val(s.PMT) * taxFactor(val(s.TAX));
        if (!shown.ok())
            return;
        fields[field::PMT].text = format00(shown.v);
        // The payment cost considering inflation, with the tax included.
        const Num cost = declined(val(s.PMT), val(s.INFL), val(s.AFTER)) * taxFactor(val(s.TAX));
        if (!cost.ok())
            return;
        s.PCOST = cost.v;
    } else {
        writeStored(field::PMT, 2);
    }
    for (int i = field::BAL; i <= field::PCOST; ++i)
        writeStored(i, 2);
}

void FinCalc::writeInvestmentResults() {
    writeStored(field::APR, 3);
    writeStored(field::RAPR, 3);
    for (int i = field::PERS; i <= field::PMT; ++i)
        writeStored(i, 2);
    for (int i = field::BAL; i <= field::PCOST; ++i)
        writeStored(i, 2);
}

} // namespace selvane
