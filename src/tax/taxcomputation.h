// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Income tax for 2013-14 on the main window's figures: income from salary, gross total and
// net taxable income, the tax by the rate bands of the payer's age, relief under section 87A, education cess and the
// balance still payable.

#include "core/agecategory.h"

#include "core/calculation.h"
#include "core/working.h"

#include <string>

namespace pelmora {

// The texts of the main window's fields that the tax is worked out from.
struct TaxInputs {
    std::string txtgs;     // gross salary
    std::string txthra;    // exempt house rent allowance
    std::string txttp;     // exempt transport allowance
    std::string txthp;     // income from house property
    std::string txtos;     // income from other sources
    std::string txtded80;  // deductions under section 80
    std::string txtrel89;  // relief under section 89
    std::string txtdedtax; // tax deducted
    std::string txtdob;    // date of birth; empty for a payer below 60
};

// The texts written into the main window's result fields, in the order they are written.
struct TaxResults {
    std::string txtexall;  // exempt allowances
    std::string txtnsal;   // income from salary
    std::string txtgti;    // gross total income
    std::string txtnti;    // net taxable income
    std::string txtgtax;   // gross tax
    std::string txtrel87A; // relief under section 87A
    std::string txtntax;   // net tax
    std::string txtcess;   // education cess
    std::string txtttax;   // total tax
    std::string txtbaltax; // balance tax

    // How each figure above was worked out, by the same names.
    struct Workings {
        Working txtexall, txtnsal, txtgti, txtnti, txtgtax, txtrel87A, txtntax, txtcess, txtttax, txtbaltax;
    } workings;
};

// Each step reads the figures as the earlier steps wrote them, so the results equal what the
// fields show. Fails when the date of birth is not a date, or a figure leaves the range of a
// double.
Calculation<TaxResults> computeTax(const TaxInputs &inputs);

// Gross tax on a net taxable income, by the bands of 2013-14 for the payer's age.
double grossTax(double netTaxableIncome, AgeCategory category = AgeCategory::BelowSixty);

} // namespace pelmora
