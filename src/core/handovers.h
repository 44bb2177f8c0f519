// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What each worksheet's Back hands the main window: figures as texts, by the main window's
// names for them. The main window alone decides which of its fields each one fills and where
// the focus goes next.

#include <string>
#include <variant>

namespace pelmora {

// The salary statement's totals: the gross salary, the exempt transport allowance, and the
// year's pay that the HRA and section 80 worksheets work from.
struct SalaryHandOver {
    std::string txtgs;  // gross salary: the grand total
    std::string txttp;  // exempt transport allowance
    std::string txtbp;  // basic pay of the year
    std::string txtda;  // dearness allowance of the year
    std::string txthrr; // house rent allowance received
    std::string txtnpa; // grade pay of the year
    std::string txtmgc; // matching pension contribution of the year
    std::string txtarr; // the arrears rows' totals, Jan 13 and Feb 13, for the relief u/s 89(1)
};

struct HraHandOver {
    std::string txthra; // the exempt house rent allowance
};

struct HousePropertyHandOver {
    std::string txthp; // income from house property
};

struct Section80HandOver {
    std::string txtded80; // the deductions' grand total
};

struct Relief89HandOver {
    std::string txtrel89; // the relief under section 89(1)
};

using HandOver =
    std::variant<SalaryHandOver, HraHandOver, HousePropertyHandOver, Section80HandOver, Relief89HandOver>;

} // namespace pelmora
