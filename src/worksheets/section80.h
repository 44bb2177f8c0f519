// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Deductions under section 80: the section 80C items, the combined limit on 80C + 80CCC + the
// employee's pension contribution with the government's contribution added on top, the limit
// on 80CCF infrastructure bonds, and Mediclaim, donations and other deductions. Figures are
// read leniently, the Mediclaim limit's check too.

#include "core/calculation.h"
#include "core/windowtexts.h"
#include "core/working.h"

#include <string>
#include <string_view>

namespace pelmora {

constexpr double section80CombinedLimit = 100000; // 80C + 80CCC + 80CCD (employee's contribution)
constexpr double section80CcfLimit = 20000;
constexpr double mediclaimLimit = 30000;

// Shown when Mediclaim is typed above its limit; the closing parenthesis is missing in the
// program's wording and stays so.
constexpr std::string_view mediclaimLimitMessage =
    "Deduction for Mediclaim Restricted to Rs.30,000/- only (Rs. 15,000/- for self and dependents and "
    "Rs. 15,000/- for parents";

// What Calculate writes, in the order it writes it. txt80ccf is the bonds figure as it counts:
// "20000" above the limit, otherwise the field's own text; the grand total's working explains it.
struct Section80Results {
    Figure txt80c;
    Figure txttot1;
    std::string txt80ccf;
    Figure txtgt80;
};

// Where the main window's deductions figure comes from.
inline constexpr std::string_view section80NotHandedOver = "0 until the section 80 worksheet's Back hands its "
                                                           "grand total over";
inline constexpr std::string_view section80HandedOver = "From the section 80 worksheet's Back: its GRAND TOTAL";

// Fails only when a figure leaves the range of a double.
// From the worksheet's amount fields; the totals' fields are not read.
Calculation<Section80Results> computeSection80(const Section80Texts &inputs);

// Whether the Mediclaim field's text is above the limit. Text that is not a number (a lone
// sign while typing, letters) is not above it.
bool mediclaimAboveLimit(std::string_view txt80d);

// The figure Back hands to the main window, read leniently from the grand total.
Calculation<std::string> section80TotalToHandOver(const std::string &txtgt80);

// The main window's pension-scheme figure as written into both pension fields on opening.
Calculation<std::string> pensionContributionOnOpening(const std::string &txtmgc);

} // namespace pelmora
