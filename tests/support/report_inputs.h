#pragma once
// Report inputs for the tests of the report, its printout, chart and exports, in dollars.

#include <QLocale>

#include "core/details_text.h"

namespace selvane::testing {

inline const CurrencyFormat kUsd{QLocale(QLocale::English, QLocale::UnitedStates)};

// PERS payments of PMT on SBAL at a rate per period; the APR is the rate over twelve months.
inline ReportInputs reportInputs(double pers, double sbal, double pmt, double periodRate) {
    ReportInputs in;
    in.PERS = pers;
    in.SBAL = sbal;
    in.PMT = pmt;
    in.PeriodRate = periodRate;
    in.APR = periodRate * 1200;
    return in;
}

} // namespace selvane::testing
