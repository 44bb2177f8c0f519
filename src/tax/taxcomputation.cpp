// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxcomputation.h"

#include "core/figures.h"
#include "core/taxslabs.h"

#include <algorithm>
#include <span>

namespace pelmora {

namespace {

// The tax of the bands below bands[band] at its start: whole rupees, as the rates give them.
double taxBelow(std::span<const Band> bands, std::size_t band)
{
    double tax = 0;
    for (std::size_t below = 0; below < band; ++below)
        tax += roundHalfEven((bands[below + 1].from - bands[below].from) * bands[below].rate);
    return tax;
}

// The band a net taxable income falls in: a band's start belongs to the band below it.
std::size_t bandOf(std::span<const Band> bands, double n)
{
    std::size_t band = 0;
    while (band + 1 < bands.size() && n > bands[band + 1].from)
        ++band;
    return band;
}

} // namespace

double grossTax(double n, AgeCategory category)
{
    const std::span<const Band> bands = slabsOf(category).bands;
    const std::size_t band = bandOf(bands, n);
    if (band == 0)
        return 0;
    return roundHalfEven((n - bands[band].from) * bands[band].rate) + taxBelow(bands, band);
}

namespace {

// The gross tax in words, by the band that the net taxable income falls in, after the payer's
// category where it is not below 60. The income is a multiple of ten, so no band's share needs
// rounding.
Working grossTaxWorking(double n, double tax, AgeCategory category)
{
    const auto [bands, named] = slabsOf(category);
    const std::size_t band = bandOf(bands, n);
    const Band &in = bands[band];
    if (band == 0)
        return {"{}{} is {} or less: no tax", {named, n, bands[1].from}};
    if (taxBelow(bands, band) == 0)
        return {"{}{} of ({} − {}) = {}", {named, in.percent, n, in.from, tax}};
    return {"{}{} + {} of ({} − {}) = {}", {named, taxBelow(bands, band), in.percent, n, in.from, tax}};
}

} // namespace

Calculation<TaxResults> computeTax(const MainWindowTexts &in)
{
    return calculate([&] {
        const auto f = lenientFigure;
        const std::optional<AgeCategory> known = ageCategoryOf(in.txtdob);
        if (!known)
            throw CalculationError::notADate("Date of Birth");
        const AgeCategory category = *known;
        TaxResults out;
        // Each figure is written as text and read back as its field shows it, for the later steps.
        const auto write = [&](std::string &field, double value, std::string_view caption) {
            field = figureText(value, caption);
            return f(field, caption);
        };

        const double hra = f(in.txthra, "House Rent Allowance"), transport = f(in.txttp, "Transport Allowance");
        const double exempt = write(out.txtexall.text, hra + transport, "Allowances Exempt u/s 10");
        out.txtexall.working = {"House rent allowance {} + transport allowance {} = {}", {hra, transport, exempt}};

        const double grossSalary = f(in.txtgs, "Gross Salary");
        const double salary = write(out.txtnsal.text, grossSalary - exempt, "Income from Salary");
        out.txtnsal.working = {"Gross salary {} − exempt allowances {} = {}", {grossSalary, exempt, salary}};

        const double houseProperty = f(in.txthp, "Income from House Property"), otherSources = f(in.txtos, "Income from Other Sources");
        const double grossTotal = write(out.txtgti.text, salary + houseProperty + otherSources, "Gross Total Income");
        out.txtgti.working = {"Salary {} + house property {} + other sources {} = {}",
                              {salary, houseProperty, otherSources, grossTotal}};

        const double deductions = f(in.txtded80, "Deductions u/s 80");
        const double n = write(out.txtnti.text, roundHalfEven((grossTotal - deductions) / 10) * 10, "Net Taxable Income");
        out.txtnti.working = {"{} − {} = {}, rounded to tens (a half to the even ten): {}",
                              {grossTotal, deductions, grossTotal - deductions, n}};

        const double tax = write(out.txtgtax.text, grossTax(n, category), "Gross Tax");
        out.txtgtax.working = grossTaxWorking(n, tax, category);

        // The relief is the gross tax, at most 2000, and only up to the income limit.
        const double relief = write(out.txtrel87A.text, n <= reliefIncomeLimit87A ? std::min(tax, reliefLimit87A) : 0, "Relief u/s 87A");
        if (n <= reliefIncomeLimit87A)
            out.txtrel87A.working = {"Net taxable income {} is {} or less: the gross tax {}, at most {}: {}",
                                     {n, reliefIncomeLimit87A, tax, reliefLimit87A, relief}};
        else
            out.txtrel87A.working = {"Net taxable income {} is above {}: no relief", {n, reliefIncomeLimit87A}};

        const double relief89 = f(in.txtrel89, "Relief u/s 89");
        const double taxLessReliefs = tax - (relief + relief89);
        const double netTax = write(out.txtntax.text, taxLessReliefs < 0 ? 0 : taxLessReliefs, "Net Tax");
        if (taxLessReliefs < 0)
            out.txtntax.working = {"Gross tax {} − (relief u/s 87A {} + relief u/s 89 {}) = {}, below 0: 0",
                                   {tax, relief, relief89, taxLessReliefs}};
        else
            out.txtntax.working = {"Gross tax {} − (relief u/s 87A {} + relief u/s 89 {}) = {}", {tax, relief, relief89, netTax}};

        const double cess = write(out.txtcess.text, roundHalfEven(netTax * cessRate), "Education Cess");
        out.txtcess.working = {"3 % of net tax {} = {}", {netTax, Rounded{netTax * cessRate, cess}}};

        const double totalTax = write(out.txtttax.text, netTax + cess, "Total Tax");
        out.txtttax.working = {"Net tax {} + cess {} = {}", {netTax, cess, totalTax}};

        const double deducted = f(in.txtdedtax, "Tax Deducted");
        const double balance = write(out.txtbaltax.text, totalTax - deducted, "Balance Tax");
        if (balance < 0)
            out.txtbaltax.working = {"Total tax {} − tax deducted {} = {}: a refund of {}", {totalTax, deducted, balance, -balance}};
        else
            out.txtbaltax.working = {"Total tax {} − tax deducted {} = {}", {totalTax, deducted, balance}};
        return out;
    });
}

} // namespace pelmora
