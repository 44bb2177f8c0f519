// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxcomputation.h"

#include "core/figures.h"

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

namespace {

// The gross tax in words, by the band that the net taxable income falls in. The income is a
// multiple of ten, so no band's share needs rounding.
Working grossTaxWorking(double n, double tax)
{
    if (n <= 200000)
        return {"{} is 200000 or less: no tax", {n}};
    if (n <= 500000)
        return {"10 % of ({} − 200000) = {}", {n, tax}};
    if (n <= 1000000)
        return {"30000 + 20 % of ({} − 500000) = {}", {n, tax}};
    return {"130000 + 30 % of ({} − 1000000) = {}", {n, tax}};
}

} // namespace

Calculation<TaxResults> computeTax(const TaxInputs &in)
{
    return calculate([&] {
        const auto f = lenientFigure;
        TaxResults out;
        auto &why = out.workings;
        // Each figure is written as text and read back as its field shows it, for the later steps.
        const auto write = [&](std::string &field, double value) {
            field = figureText(value);
            return f(field);
        };

        const double hra = f(in.txthra), transport = f(in.txttp);
        const double exempt = write(out.txtexall, hra + transport);
        why.txtexall = {"House rent allowance {} + transport allowance {} = {}", {hra, transport, exempt}};

        const double grossSalary = f(in.txtgs);
        const double salary = write(out.txtnsal, grossSalary - exempt);
        why.txtnsal = {"Gross salary {} − exempt allowances {} = {}", {grossSalary, exempt, salary}};

        const double houseProperty = f(in.txthp), otherSources = f(in.txtos);
        const double grossTotal = write(out.txtgti, salary + houseProperty + otherSources);
        why.txtgti = {"Salary {} + house property {} + other sources {} = {}",
                      {salary, houseProperty, otherSources, grossTotal}};

        const double deductions = f(in.txtded80);
        const double n = write(out.txtnti, roundHalfEven((grossTotal - deductions) / 10) * 10);
        why.txtnti = {"{} − {} = {}, rounded to tens (a half to the even ten): {}",
                      {grossTotal, deductions, grossTotal - deductions, n}};

        const double tax = write(out.txtgtax, grossTax(n));
        why.txtgtax = grossTaxWorking(n, tax);

        // The relief is the gross tax, at most 2000, and only up to the income limit.
        const double relief = write(out.txtrel87A, n <= reliefIncomeLimit87A ? std::min(tax, reliefLimit87A) : 0);
        if (n <= reliefIncomeLimit87A)
            why.txtrel87A = {"Gross tax {}, at most 2000: {}", {tax, relief}};
        else
            why.txtrel87A = {"Net taxable income {} is above 500000: no relief", {n}};

        const double relief89 = f(in.txtrel89);
        const double taxLessReliefs = tax - (relief + relief89);
        const double netTax = write(out.txtntax, taxLessReliefs < 0 ? 0 : taxLessReliefs);
        if (taxLessReliefs < 0)
            why.txtntax = {"{} − ({} + {}) = {}, below 0: 0", {tax, relief, relief89, taxLessReliefs}};
        else
            why.txtntax = {"{} − ({} + {}) = {}", {tax, relief, relief89, netTax}};

        const double cess = write(out.txtcess, roundHalfEven(netTax * cessRate));
        why.txtcess = {"3 % of {} = {}", {netTax, Rounded{netTax * cessRate, cess}}};

        const double totalTax = write(out.txtttax, netTax + cess);
        why.txtttax = {"Net tax {} + cess {} = {}", {netTax, cess, totalTax}};

        const double deducted = f(in.txtdedtax);
        const double balance = write(out.txtbaltax, totalTax - deducted);
        why.txtbaltax = {"Total tax {} − tax deducted {} = {}", {totalTax, deducted, balance}};
        return out;
    });
}

} // namespace pelmora
