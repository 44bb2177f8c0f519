// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxcomputation.h"

#include "app/figures.h"

#include <algorithm>

namespace pelmora {

namespace {
constexpr double reliefLimit87A = 2000;
constexpr double reliefIncomeLimit87A = 500000;
constexpr double cessRate = 0.03;
} // namespace

double grossTax(double n)
{
    // Each band's fixed amount is the tax of the bands below it at its lower bound.
    if (n <= 200000)
        return 0;
    if (n <= 500000)
        return roundHalfEven((n - 200000) * 0.1);
    if (n <= 1000000)
        return roundHalfEven((n - 500000) * 0.2) + 30000;
    return roundHalfEven((n - 1000000) * 0.3) + 130000;
}

Calculation<TaxResults> computeTax(const TaxInputs &in)
{
    return calculate([&] {
        const auto f = lenientFigure;
        TaxResults out;
        out.txtexall = figureText(f(in.txthra) + f(in.txttp));
        out.txtnsal = figureText(f(in.txtgs) - f(out.txtexall));
        out.txtgti = figureText(f(out.txtnsal) + f(in.txthp) + f(in.txtos));
        out.txtnti = figureText(roundHalfEven((f(out.txtgti) - f(in.txtded80)) / 10) * 10);

        const double n = f(out.txtnti);
        out.txtgtax = figureText(grossTax(n));

        // The relief is the gross tax, at most 2000, and only up to the income limit.
        const double relief = n <= reliefIncomeLimit87A ? std::min(f(out.txtgtax), reliefLimit87A) : 0;
        out.txtrel87A = figureText(relief);

        double netTax = f(out.txtgtax) - (f(out.txtrel87A) + f(in.txtrel89));
        if (netTax < 0)
            netTax = 0;
        out.txtntax = figureText(netTax);
        out.txtcess = figureText(roundHalfEven(f(out.txtntax) * cessRate));
        out.txtttax = figureText(f(out.txtntax) + f(out.txtcess));
        out.txtbaltax = figureText(f(out.txtttax) - f(in.txtdedtax));
        return out;
    });
}

} // namespace pelmora
