// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Form 10E on one portrait page: the employee's particulars, Annexure I and Table A of the relief
// under section 89(1) worksheet, and the verification. Long texts wrap inside their column.

#include "statement.h"

#include "core/windowtexts.h"

namespace pelmora {

inline constexpr const char *form10EName = "Form 10E 2013-14";

// The rows whose arrears read as 0 take no part and are not printed.
Calculation<Statement> form10E(const Form10ETexts &texts);

} // namespace pelmora
