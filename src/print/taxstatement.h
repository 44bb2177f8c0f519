// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The tax computation statement: the whole computation of the main window on one portrait
// page, with the house property and section 80 worksheets' figures item by item.

#include "statement.h"

#include <string>

namespace pelmora {

// The texts of the fields the statement prints, by window and field name.
struct TaxStatementTexts {
    struct MainWindow {
        std::string txtname, txtgs, txttp, txthra, txtexall, txtnsal, txtos, txtgti, txtnti, txtgtax, txtrel87A,
            txtrel89, txtntax, txtcess, txtttax, txtdedtax, txtbaltax, txtdob;
    } frmmain;
    struct HouseProperty {
        std::string txtarv, txtptax, txtghi, txtrep, txtintt, txtoth, txttd, txtihp;
    } form4;
    struct Section80 {
        std::string txtgpf, txtgis, txthba, txtlic, txtppf, txtnsc, txtnsci, txttf1, txttf2, txtinf, txtos, txt80c,
            txt80ccc, txt80ccdec, txt80ccdgc, txttot1, txt80ccf, txt80d, txt80g, txtoth, txtgt80;
    } frmreb88;
};

// The file or job name of the statement.
inline constexpr const char *taxStatementName = "Tax computation 2013-14";

// Every label, figure and rule of the statement, in print order. Figures are the fields'
// texts as they stand; the only figure worked out is the pension scheme's two contributions
// added up, and the statement is refused when that figure is too large.
Calculation<Statement> taxStatement(const TaxStatementTexts &texts);

} // namespace pelmora
