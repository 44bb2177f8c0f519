// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Income tax for 2013-14 on the main window's figures: income from salary, gross total and
// net taxable income, the tax by the rate bands of the payer's age, relief under section 87A, education cess and the
// balance still payable.

#include "core/agecategory.h"

#include "core/calculation.h"
#include "core/windowtexts.h"
#include "core/working.h"

#include <string>

namespace pelmora {

// The figures written into the main window's result fields, in the order they are written.
struct TaxResults {
    Figure txtexall;  // exempt allowances
    Figure txtnsal;   // income from salary
    Figure txtgti;    // gross total income
    Figure txtnti;    // net taxable income
    Figure txtgtax;   // gross tax
    Figure txtrel87A; // relief under section 87A
    Figure txtntax;   // net tax
    Figure txtcess;   // education cess
    Figure txtttax;   // total tax
    Figure txtbaltax; // balance tax
};

// From the main window's gross salary, exempt allowances, income from house property and other
// sources, deductions, relief u/s 89, tax deducted and date of birth. Each step reads the figures as the earlier steps wrote them, so the results equal what the
// fields show. Fails when the date of birth is not a date, or a figure leaves the range of a
// double.
Calculation<TaxResults> computeTax(const MainWindowTexts &inputs);

// Gross tax on a net taxable income, by the bands of 2013-14 for the payer's age.
double grossTax(double netTaxableIncome, AgeCategory category = AgeCategory::BelowSixty);

} // namespace pelmora
