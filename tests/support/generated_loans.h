#pragma once
// Loans and mortgages as households have them, generated for the What If tests, and calculated
// through the state as the user would.

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <random>

#include "calculator/fincalc.h"
#include "calculator/mode_menu.h"
#include "core/number_text.h"

namespace selvane::testing {

// A loan or mortgage as a household might have one, solved for its payment or, from a payment,
// for its number of payments (which then has decimals), with extras at the first, a middle, the
// last or a later payment.
struct Loan {
    Mode mode;
    int compound, period, result;
    double pers, sbal, dpmt, fbal, tax, apr, pmt;
    double extra, lump;
    std::int64_t from, at;
};

inline Loan generate(std::mt19937& gen) {
    auto uniform = [&](double a, double b) { return std::uniform_real_distribution<>(a, b)(gen); };
    auto chance = [&](double p) { return uniform(0, 1) < p; };
    auto cents = [](double v) { return std::round(v * 100) / 100; };
    Loan l{};
    l.mode = chance(0.5) ? Mode::PersonalLoan : Mode::Mortgage;
    l.compound = std::uniform_int_distribution<>(0, 3)(gen);
    l.period = std::uniform_int_distribution<>(0, 2)(gen);
    l.result = chance(0.7) ? 0 : 2;
    l.pers = std::ceil(std::exp(uniform(std::log(13), std::log(10000))));
    if (chance(0.2))
        l.pers = cents(l.pers * uniform(0.5, 1)); // a number of payments with decimals
    l.sbal = cents(std::exp(uniform(std::log(500), std::log(2e6))));
    l.dpmt = chance(0.3) ? cents(l.sbal * uniform(0, 0.4)) : 0;
    l.tax = chance(0.4) ? cents(uniform(0, 10)) : 0;
    const double balloon = uniform(0, 1);
    l.fbal = balloon < 0.6    ? 0
             : balloon < 0.85 ? cents(l.sbal * uniform(0, 0.6))
             : balloon < 0.93 ? -cents(l.sbal * uniform(0, 0.3))
                              : cents(l.sbal * uniform(0.9, 1.5)); // at or above the amount
    const double rate = uniform(0, 1);
    l.apr = rate < 0.1   ? 0
            : rate < 0.2 ? cents(uniform(-5, 0))
                         : std::round(uniform(0, 30) * 1000) / 1000;
    // Solving for the number of payments: a payment from a little under to well over the one
    // the typed term would need.
    const double r = l.apr / 1200, n = l.pers, financed = l.sbal - l.dpmt;
    const double level = r == 0 ? financed / n : financed * r / -std::expm1(-n * std::log1p(r));
    l.pmt = cents(level * uniform(0.97, 2));
    const double last = std::max(1.0, std::ceil(n));
    const std::int64_t places[] = {1, static_cast<std::int64_t>(last / 2) + 1,
                                   static_cast<std::int64_t>(last),
                                   static_cast<std::int64_t>(last) + 5};
    auto place = [&] { return places[std::uniform_int_distribution<>(0, 3)(gen)]; };
    l.extra = chance(0.6) ? cents(level * uniform(0, 0.5)) : 0;
    l.lump = chance(0.5) ? cents(financed * uniform(0, 0.5)) : 0;
    l.from = place();
    l.at = place();
    return l;
}

inline void calculate(FinCalc& c, const Loan& l) {
    runModeSwitch(c, l.mode);
    c.chooseCompound(l.compound);
    c.choosePeriod(l.period);
    c.chooseResult(l.result);
    const std::pair<int, double> inputs[] = {
        {field::PERS, l.pers}, {field::SBAL, l.sbal}, {field::DPMT, l.dpmt}, {field::FBAL, l.fbal},
        {field::TAX, l.tax},   {field::APR, l.apr},   {field::PMT, l.pmt}};
    for (const auto& [i, v] : inputs)
        c.fields[static_cast<size_t>(i)].text = roundTripText(v);
    c.Calculate();
}

} // namespace selvane::testing
