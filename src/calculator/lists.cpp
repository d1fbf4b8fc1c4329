// The three lists of the top strip and the period factors they set.

#include "calculator/fincalc.h"

namespace selvane {

namespace {
// A selection from code runs the click handler at once, and only when the index changes.
template <class Handler> bool selectFromCode(ComboList& list, int index, Handler&& click) {
    if (!list.valid(index))
        return false;
    if (list.selected != index) {
        list.selected = index;
        click();
    }
    return true;
}
// A user's choice always runs the handler, even for the entry already selected.
template <class Handler> void userChoice(ComboList& list, int index, Handler&& click) {
    if (!list.valid(index))
        return;
    list.selected = index;
    click();
}
} // namespace

void FinCalc::selectCompound(int i) {
    selectFromCode(cmCompound, i, [this] { cmCompound_Click(); });
}
void FinCalc::selectPeriod(int i) {
    selectFromCode(cmPeriod, i, [this] { cmPeriod_Click(); });
}
bool FinCalc::selectResult(int i) {
    return selectFromCode(cmResult, i, [this] { cmResult_Click(); });
}
void FinCalc::chooseCompound(int i) {
    userChoice(cmCompound, i, [this] { cmCompound_Click(); });
}
void FinCalc::choosePeriod(int i) {
    userChoice(cmPeriod, i, [this] { cmPeriod_Click(); });
}
void FinCalc::chooseResult(int i) {
    userChoice(cmResult, i, [this] { cmResult_Click(); });
}

void FinCalc::cmCompound_Click() {
    planChanged();
    switch (cmCompound.selected) {
    case 0:
        CompoundMonths = 12 / 365.25;
        break; // one day as a fraction of a month
    case 1:
        CompoundMonths = 1;
        break;
    case 2:
        CompoundMonths = 6;
        break;
    case 3:
        CompoundMonths = 12;
        break;
    default:
        break;
    }
}

void FinCalc::cmPeriod_Click() {
    planChanged();
    switch (cmPeriod.selected) {
    case 0:
        PaymentsPerMonth = 365.25 / 168;
        break; // a payment every 14 days
    case 1:
        PaymentsPerMonth = 2;
        break;
    case 2:
        PaymentsPerMonth = 1;
        break;
    default:
        break;
    }
}

} // namespace selvane
