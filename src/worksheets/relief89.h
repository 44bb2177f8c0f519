// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Relief under section 89(1) for salary received in arrears (Form 10E, Annexure I and Table A).
// The arrears are taxed this year with the rest of the income; the relief is the tax they cost
// this year less the tax they would have cost in the years they belong to, each year by its own
// slabs for the payer's category in that year. Every tax is rounded once to the rupee, after the
// cess; total incomes are taken as typed. Figures are read leniently.

#include "core/calculation.h"
#include "core/working.h"

#include <array>
#include <string>
#include <string_view>

namespace pelmora {

// Table A's rows, newest first: FY 2012-13 down to FY 2005-06.
inline constexpr int earlierYears = 8;
// "2012-13", and so on down the rows.
std::string_view earlierYearName(int row);

using YearTexts = std::array<std::string, earlierYears>;

struct Relief89Inputs {
    std::string txtdob; // the main window's date of birth; empty for below the senior age
    bool woman = false; // counts only in the years with a women's slab
    YearTexts txtinc;   // each year's total income, without these arrears
    YearTexts txtarr;   // the arrears received this year that belong to it
    std::string txtitem3; // this year's total income, the arrears included
};

using EarlierYearFigures = std::array<Figure, earlierYears>;

struct Relief89Results {
    // A row whose arrears are 0 takes no part: its four figures are 0.
    EarlierYearFigures txtincarr, txttax1, txttax2, txtdif;
    Figure txtitem1, txtitem2, txtitem4, txtitem5, txtitem6, txtitem7, txtitem8;
    std::array<bool, earlierYears> takesPart{};
};

// The tax of an earlier year's total income, in whole rupees, and its working.
struct YearTax {
    double tax;
    Working working;
};
// row as Table A's; born as the date of birth's text, already known to be a date or empty.
YearTax earlierYearTax(int row, double income, std::string_view born, bool woman);
// This year's tax without relief under section 89: the slabs by age, less the 87A relief, plus cess.
YearTax thisYearTax(double income, std::string_view born);

// Refused when the date of birth is not a date, when the arrears are more than the total income,
// and when a figure leaves the range of a double.
Calculation<Relief89Results> computeRelief89(const Relief89Inputs &inputs);

// Where the main window's Relief u/s 89 comes from after Back.
inline constexpr std::string_view relief89HandedOver = "From the relief u/s 89(1) worksheet's Back: its item 8";

// The figure Back hands to the main window.
Calculation<std::string> relief89ToHandOver(const std::string &txtitem8);

} // namespace pelmora
