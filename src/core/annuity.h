#pragma once
// Time-value-of-money functions the engine solves with. Payments fall at the end of each period;
// money paid out is negative. A call that has no answer returns nullopt, never NaN or infinity.

#include <optional>

namespace selvane {

std::optional<double> PV(double rate, double nper, double pmt, double fv);
std::optional<double> FV(double rate, double nper, double pmt, double pv);
std::optional<double> Pmt(double rate, double nper, double pv, double fv);
std::optional<double> NPer(double rate, double pmt, double pv, double fv);
std::optional<double> IPmt(double rate, double per, double nper, double pv, double fv);
std::optional<double> PPmt(double rate, double per, double nper, double pv, double fv);

} // namespace selvane
