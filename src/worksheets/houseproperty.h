// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Income from one house property: gross income (rental value less property taxes), less the
// deductions under section 24 (30 % of gross income for repairs, the interest on borrowed
// capital, others). For a self-occupied house the interest counts only up to a limit set by
// the date of the housing loan. Every figure is read strictly.

#include "core/calculation.h"
#include "core/working.h"

#include <string>

namespace pelmora {

enum class PropertyKind { RentedOut, SelfOccupied };
enum class HousingLoan { Before1April1999, After1April1999 };

// Interest a self-occupied house may count, by the date of its loan.
constexpr double interestLimitLoanBefore1999 = 30000;
constexpr double interestLimitLoanAfter1999 = 150000;

// The choices and the texts of the house-property worksheet's amount fields.
struct HousePropertyInputs {
    PropertyKind kind = PropertyKind::RentedOut;
    HousingLoan loan = HousingLoan::After1April1999;
    std::string txtarv;  // annual rental value
    std::string txtptax; // property taxes
    std::string txtintt; // interest on borrowed capital, as entered
    std::string txtoth;  // other deductions
};

// The texts written into its result fields, in the order they are written.
struct HousePropertyResults {
    std::string txtghi; // gross income
    std::string txtrep; // repairs and maintenance
    std::string txttd;  // total deductions
    std::string txtihp; // income from house property; negative for a loss

    // How each figure above was worked out, by the same names.
    struct Workings {
        Working txtghi, txtrep, txttd, txtihp;
    } workings;
};

// What the gross income and repairs fields show when the house is made self-occupied.
inline constexpr std::string_view selfOccupiedGrossIncome = "Self Occupied: no rental value, so 0";
inline constexpr std::string_view selfOccupiedRepairs = "Self Occupied: no gross income, so no repairs: 0";
// Where the main window's figure comes from.
inline constexpr std::string_view housePropertyNotHandedOver = "0 until the house property worksheet's Back hands its "
                                                               "income over";
inline constexpr std::string_view housePropertyHandedOver = "From the house property worksheet's Back: its Income "
                                                            "from House Property";

Calculation<HousePropertyResults> computeHouseProperty(const HousePropertyInputs &inputs);

// The figure Back hands to the main window, read strictly from the income field.
Calculation<std::string> housePropertyIncomeToHandOver(const std::string &txtihp);

} // namespace pelmora
