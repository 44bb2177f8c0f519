// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The exempt part of the house rent allowance: the smaller of the HRA drawn and the rent paid
// in excess of one tenth of the salary (basic pay + dearness allowance + grade pay), never
// below 0. Every figure is read strictly: text that is not a number stops the computation.

#include "core/calculation.h"
#include "core/windowtexts.h"
#include "core/working.h"

#include <string>

namespace pelmora {

// The figures written into its result fields, in the order they are written.
struct HraResults {
    Figure txtns;  // total salary
    Figure txthrx; // exemption
};

// From the worksheet's amount fields: basic pay, dearness allowance, grade pay, HRA drawn, rent paid.
Calculation<HraResults> computeHraExemption(const HraWorksheetTexts &inputs);

// The main window's carrier fields that the HRA worksheet is opened with.
struct HraCarriers {
    std::string txtbp;  // basic pay
    std::string txtda;  // dearness allowance
    std::string txthrr; // HRA received
    std::string txtnpa; // grade pay
};

// The texts the opening writes into the worksheet's pay fields, in this order.
struct HraPayFigures {
    std::string txtbp;
    std::string txtnpa;
    std::string txtda;
    std::string txthra;
};

// The carriers only ever hold figures the program wrote, but they are read strictly all the same.
Calculation<HraPayFigures> hraOpeningFigures(const HraCarriers &carriers);

// The figure Back hands to the main window, read strictly from the exemption field.
Calculation<std::string> hraExemptionToHandOver(const std::string &txthrx);

} // namespace pelmora
