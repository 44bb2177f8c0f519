// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The salary statement: the year's pay month by month on one landscape page, with the
// arrears of the two months before March 2013 added up on a row of their own.

#include "statement.h"

#include "core/windowtexts.h"

namespace pelmora {

// The file or job name of the statement.
inline constexpr const char *salaryStatementName = "Salary statement 2013-14";

// Every heading, row, rule and figure of the statement, in print order. Rows 0 and 1 appear
// only in the arrears row, whose four figures are the only ones worked out; the statement is
// refused when one of them is too large.
Calculation<Statement> salaryStatement(const SalaryStatementTexts &texts);

} // namespace pelmora
