// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printbuttons.h"

#include "print/form10e.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"

#include "frmmain.h"
#include "salary/form1.h"
#include "widgets/fieldtexts.h"
#include "widgets/platform.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"
#include "worksheets/frmrel89.h"

namespace pelmora {

void printTaxStatement(frmmain &main)
{
    const auto outcome = taxStatement({main.texts(), main.form4.window()->texts(), main.reb88.window()->texts()});
    if (const Statement *statement = resultsOrMessage(outcome, main.platform(), &main))
        main.platform().print(&main, QString::fromUtf8(taxStatementName), *statement);
}

void printForm10E(frmrel89 &relief, Platform &platform)
{
    const auto outcome = form10E(relief.texts());
    if (const Statement *statement = resultsOrMessage(outcome, platform, &relief))
        platform.print(&relief, QString::fromUtf8(form10EName), *statement);
}

void printSalaryStatement(Form1 &salary, Platform &platform)
{
    const auto outcome = salaryStatement(salary.texts());
    if (const Statement *statement = resultsOrMessage(outcome, platform, &salary))
        platform.print(&salary, QString::fromUtf8(salaryStatementName), *statement);
}

} // namespace pelmora
