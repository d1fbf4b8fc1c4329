// The result-type set-up of each mode: make the field solved for the result field, write the
// mode's defaults into the other solvable fields, and calculate.

#include "calculator/fincalc.h"
#include "core/mode_tables.h"
#include "core/number_text.h"
#include "core/solver.h"

namespace selvane {

void FinCalc::setupResult(Mode m) {
    const SetupTable& t = kSetups[tableIndex(m)];
    const int rt = cmResult.selected;
    if (rt >= 0 && rt < t.rowCount) {
        const auto& row = t.rows[static_cast<size_t>(rt)];
        auto fieldAt = [&](int j) -> ParameterField& {
            return fields[static_cast<size_t>(t.fields[static_cast<size_t>(j)])];
        };
        auto isResult = [&](int j) { return row[static_cast<size_t>(j)] == kResult; };
        for (int j = 0; j < t.fieldCount; ++j)
            fieldAt(j).text =
                isResult(j) ? std::string() : std::string(row[static_cast<size_t>(j)]);

        const std::string_view fbal = t.fbalText[static_cast<size_t>(rt)];
        if (fbal == kResidual) {
            // The lease's residual value, from the defaults just written and the stored
            // depreciation. Above 100 % depreciation there is no real monthly factor: the
            // buy-back amount and its field then stay as they were.
            const auto S = fieldValue(fields[field::SBAL].text);
            const auto N = fieldValue(fields[field::PERS].text);
            if (S && N && step(stored.FBAL, [&] {
                    return residual(*S, val(stored.DEPR), *N, Spelling::Monthly);
                }))
                fields[field::FBAL].text = numberText(*stored.FBAL);
        } else if (!fbal.empty() && fbal != kUnchanged) {
            fields[field::FBAL].text = std::string(fbal);
        }
        for (int j = 0; j < t.fieldCount; ++j)
            fieldAt(j).back = isResult(j) ? kWhite : kPaleYellow;
        for (int j = 0; j < t.fieldCount; ++j)
            fieldAt(j).locked = isResult(j);
    }
    Calculate();
}

void FinCalc::PersonalLoan() {
    setupResult(Mode::PersonalLoan);
}
void FinCalc::Mortgage() {
    setupResult(Mode::Mortgage);
}
void FinCalc::AutoLease() {
    setupResult(Mode::Lease);
}
void FinCalc::Income() {
    setupResult(Mode::Income);
}
void FinCalc::Investment() {
    setupResult(Mode::Investment);
}

} // namespace selvane
