// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Income from one house property: gross income (rental value less property taxes), less the
// deductions under section 24 (30 % of gross income for repairs, the interest on borrowed
// capital, others). For a self-occupied house the interest counts only up to a limit set by
// the date of the housing loan. Every figure is read strictly.

#include "core/calculation.h"
#include "core/windowtexts.h"
#include "core/working.h"

#include <string>

namespace pelmora {

// Interest a self-occupied house may count, by the date of its loan.
constexpr double interestLimitLoanBefore1999 = 30000;
constexpr double interestLimitLoanAfter1999 = 150000;

// The figures written into its result fields, in the order they are written.
struct HousePropertyResults {
    Figure txtghi; // gross income
    Figure txtrep; // repairs and maintenance
    Figure txttd;  // total deductions
    Figure txtihp; // income from house property; negative for a loss
};

// What the gross income and repairs fields show when the house is made self-occupied.
inline constexpr std::string_view selfOccupiedGrossIncome = "Self Occupied: no rental value, so 0";
inline constexpr std::string_view selfOccupiedRepairs = "Self Occupied: no gross income, so no repairs: 0";
// Where the main window's figure comes from.
inline constexpr std::string_view housePropertyNotHandedOver = "0 until the house property worksheet's Back hands its "
                                                               "income over";
inline constexpr std::string_view housePropertyHandedOver = "From the house property worksheet's Back: its Income "
                                                            "from House Property";

// From the worksheet's choices and its amount fields: rental value, property taxes, interest, others.
Calculation<HousePropertyResults> computeHouseProperty(const HousePropertyTexts &inputs);

// The figure Back hands to the main window, read strictly from the income field.
Calculation<std::string> housePropertyIncomeToHandOver(const std::string &txtihp);

} // namespace pelmora
