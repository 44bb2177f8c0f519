// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tax computation statement: the whole computation of the main window on one portrait
// page, with the house property and section 80 worksheets' figures item by item.

#include "statement.h"

#include "core/windowtexts.h"

#include <string>

namespace pelmora {

// The texts of the fields the statement prints, by window and field name.
struct TaxStatementTexts {
    MainWindowTexts frmmain;
    HousePropertyTexts form4;
    Section80Texts frmreb88;
};

// The file or job name of the statement.
inline constexpr const char *taxStatementName = "Tax computation 2013-14";

// Every label, figure and rule of the statement, in print order. Figures are the fields'
// texts as they stand; the only figure worked out is the pension scheme's two contributions
// added up, and the statement is refused when that figure is too large.
Calculation<Statement> taxStatement(const TaxStatementTexts &texts);

} // namespace pelmora
