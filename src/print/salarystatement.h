// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The salary statement: the year's pay month by month on one landscape page, with the
// arrears of the two months before March 2013 added up on a row of their own.

#include "statement.h"

#include <array>
#include <string>

namespace pelmora {

// The texts of the salary window's fields and month captions, arrays indexed by month row
// (0 "Jan 13" to 13 "Feb 14").
struct SalaryStatementTexts {
    using MonthTexts = std::array<std::string, 14>;

    std::string txtnam;
    MonthTexts Label1; // the month captions
    MonthTexts txtbp, txtgp, txtda, txthra, txtmgc, txttpa2, txtttl;
    std::string txtbpt, txtgpt, txtdat, txthrat, txtmgct, txttpat, txtttlt;
    std::array<std::string, 6> txtoth;
    std::string txtgtotal;
};

// The file or job name of the statement.
inline constexpr const char *salaryStatementName = "Salary statement 2013-14";

// Every heading, row, rule and figure of the statement, in print order. Rows 0 and 1 appear
// only in the arrears row, whose four figures are the only ones worked out; the statement is
// refused when one of them is too large.
Calculation<Statement> salaryStatement(const SalaryStatementTexts &texts);

} // namespace pelmora
