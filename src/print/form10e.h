// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Form 10E on one portrait page: the employee's particulars, Annexure I and Table A of the relief
// under section 89(1) worksheet, and the verification. Long texts wrap inside their column.

#include "statement.h"

#include <array>
#include <string>

namespace pelmora {

inline constexpr int form10EYears = 8;

// The texts of the worksheet's fields; Table A's rows newest year first.
struct Form10ETexts {
    std::string txtnam, txtadd, txtpan;
    std::array<std::string, form10EYears> years; // "2012-13" and so on
    std::array<std::string, form10EYears> txtinc, txtarr, txtincarr, txttax1, txttax2, txtdif;
    std::string txtitem1, txtitem2, txtitem3, txtitem4, txtitem5, txtitem6, txtitem7, txtitem8;
};

inline constexpr const char *form10EName = "Form 10E 2013-14";

// The rows whose arrears read as 0 take no part and are not printed.
Calculation<Statement> form10E(const Form10ETexts &texts);

} // namespace pelmora
