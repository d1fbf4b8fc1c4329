// The five mode switches: re-label and re-arm the whole window for a mode, then select its
// first result type, which sets up and runs the first calculation.

#include "calculator/fincalc.h"
#include "calculator/mode_menu.h"
#include "core/mode_tables.h"
#include "core/number_text.h"

namespace selvane {

void FinCalc::switchMode(Mode m) {
    const size_t mi = tableIndex(m);
    const ModeInfo& info = kModes[mi];
    CalculatorMode = std::string(info.calculatorMode);
    caption = std::string(info.caption);

    StoredValues& s = stored;
    if (m == Mode::Lease) {
        s.SBAL = 30000;
        s.DEPR = 20;
        s.PERS = 48; // the buy-back amount is the result set-up's residual value of these
    } else if (m == Mode::Mortgage) {
        s.FBAL = 0; // the end amount it starts with; its other stored values come from its fields
    }

    cmResult.entries.clear();
    cmResult.selected = -1;
    for (int i = 0; i < info.resultCount; ++i)
        cmResult.entries.emplace_back(info.results[static_cast<size_t>(i)]);

    const FieldRoles roles = kFieldRoles[mi];
    for (int i = 0; i < kFieldCount; ++i) {
        ParameterField& f = fields[static_cast<size_t>(i)];
        const std::uint32_t bit = 1u << i;
        const std::string_view text = kSwitchTexts[mi][static_cast<size_t>(i)];
        f.caption = std::string(kFieldCaptions[mi][static_cast<size_t>(i)]);
        f.enabled = (roles.disabled & bit) == 0;
        f.text = text == kFromStored ? numberText(val(*storedFor(s, i)).v) : std::string(text);
        f.back = (kWhiteFields & bit) ? kWhite : kPaleYellow;
        f.locked = (roles.locked & bit) != 0;
    }

    selectCompound(info.compoundIndex);
    selectResult(0);
}

void FinCalc::mnPersonalLoan_Click() {
    switchMode(Mode::PersonalLoan);
}
void FinCalc::mnMortgage_Click() {
    switchMode(Mode::Mortgage);
}
void FinCalc::mnLease_Click() {
    switchMode(Mode::Lease);
}
void FinCalc::mnIncome_Click() {
    switchMode(Mode::Income);
}
void FinCalc::mnInvestment_Click() {
    switchMode(Mode::Investment);
}

void runModeSwitch(FinCalc& calc, Mode mode) {
    switch (mode) {
    case Mode::PersonalLoan:
        calc.mnPersonalLoan_Click();
        break;
    case Mode::Mortgage:
        calc.mnMortgage_Click();
        break;
    case Mode::Lease:
        calc.mnLease_Click();
        break;
    case Mode::Income:
        calc.mnIncome_Click();
        break;
    case Mode::Investment:
        calc.mnInvestment_Click();
        break;
    }
}

void FinCalc::cmResult_Click() {
    // The set-up routine of the mode; a mode of no known name has none.
    const std::optional<Mode> m = mode();
    if (!m)
        return;
    switch (*m) {
    case Mode::PersonalLoan:
        PersonalLoan();
        break;
    case Mode::Mortgage:
        Mortgage();
        break;
    case Mode::Lease:
        AutoLease();
        break;
    case Mode::Income:
        Income();
        break;
    case Mode::Investment:
        Investment();
        break;
    }
}

} // namespace selvane
