#include "core/annuity.h"

#include "core/checked.h"

namespace selvane {
namespace {

std::optional<double> answer(Num r) {
    if (!r.ok())
        return std::nullopt;
    return r.v;
}

// Any payment number strictly between 0 and nper + 1 is accepted, fractional ones included.
bool validPaymentNumber(double per, double nper) {
    const Num upper = Num(nper) + 1.0;
    return upper.ok() && per > 0.0 && per < upper.v;
}

} // namespace

std::optional<double> PV(double rate, double nper, double pmt, double fv) {
    if (rate == 0.0)
        return answer(-(Num(fv) + Num(pmt) * nper));
    const Num g = power(Num(1.0) + rate, nper);
    return answer(-(Num(fv) + Num(pmt) * (g - 1.0) / rate) / g);
}

std::optional<double> FV(double rate, double nper, double pmt, double pv) {
    if (rate == 0.0)
        return answer(-(Num(pv) + Num(pmt) * nper));
    const Num g = power(Num(1.0) + rate, nper);
    return answer(-(Num(pv) * g + Num(pmt) * (g - 1.0) / rate));
}

std::optional<double> Pmt(double rate, double nper, double pv, double fv) {
    if (nper == 0.0)
        return std::nullopt;
    if (rate == 0.0)
        return answer(-(Num(fv) + pv) / nper);
    const Num g = power(Num(1.0) + rate, nper);
    return answer(-(Num(fv) + Num(pv) * g) * rate / (g - 1.0));
}

std::optional<double> IPmt(double rate, double per, double nper, double pv, double fv) {
    if (!validPaymentNumber(per, nper))
        return std::nullopt;
    const auto p = Pmt(rate, nper, pv, fv);
    if (!p)
        return std::nullopt;
    const Num before = Num(per) - 1.0;
    if (!before.ok())
        return std::nullopt;
    return answer(Num(rate) * fromResult(FV(rate, before.v, *p, pv)));
}

std::optional<double> PPmt(double rate, double per, double nper, double pv, double fv) {
    if (!validPaymentNumber(per, nper))
        return std::nullopt;
    return answer(fromResult(Pmt(rate, nper, pv, fv)) - fromResult(IPmt(rate, per, nper, pv, fv)));
}

std::optional<double> NPer(double rate, double pmt, double pv, double fv) {
    if (rate <= -1.0)
        return std::nullopt;
    if (rate == 0.0) {
        if (pmt == 0.0)
            return std::nullopt;
        return answer(-(Num(pv) + fv) / pmt);
    }
    const Num a = Num(pmt) / rate;
    Num x = a - fv;
    Num y = a + pv;
    if (!x.ok() || !y.ok())
        return std::nullopt;
    if (x.v < 0.0 && y.v < 0.0) {
        x = -x;
        y = -y;
    }
    if (x.v <= 0.0 || y.v <= 0.0)
        return std::nullopt;
    return answer((naturalLog(x) - naturalLog(y)) / naturalLog(Num(1.0) + rate));
}

} // namespace selvane
