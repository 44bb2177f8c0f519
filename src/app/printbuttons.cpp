// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printbuttons.h"

#include "print/form10e.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"

#include "frmmain.h"
#include "salary/form1.h"
#include "widgets/namefield.h"
#include "widgets/resultfield.h"
#include "widgets/fieldtexts.h"
#include "widgets/platform.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"
#include "worksheets/frmrel89.h"

#include <QLabel>
#include <QLineEdit>

namespace pelmora {

namespace {

SalaryStatementTexts salaryStatementTexts(const Form1 &s)
{
    SalaryStatementTexts texts{
        .txtnam = textOf(s.txtnam),
        .Label1 = {},
        .txtbp = textsOf(s.txtbp),
        .txtgp = textsOf(s.txtgp),
        .txtda = textsOf(s.txtda),
        .txthra = textsOf(s.txthra),
        .txtmgc = textsOf(s.txtmgc),
        .txttpa2 = textsOf(s.txttpa2),
        .txtttl = textsOf(s.txtttl),
        .txtbpt = textOf(s.txtbpt),
        .txtgpt = textOf(s.txtgpt),
        .txtdat = textOf(s.txtdat),
        .txthrat = textOf(s.txthrat),
        .txtmgct = textOf(s.txtmgct),
        .txttpat = textOf(s.txttpat),
        .txtttlt = textOf(s.txtttlt),
        .txtoth = textsOf(s.txtoth),
        .txtgtotal = textOf(s.txtgtotal),
    };
    // The month captions are the first members of the window's caption array.
    for (std::size_t row = 0; row < texts.Label1.size(); ++row) {
        const auto *caption = s.findChild<const QLabel *>(QStringLiteral("Label1(%1)").arg(row));
        texts.Label1[row] = caption ? caption->text().toStdString() : std::string();
    }
    return texts;
}

} // namespace

void printTaxStatement(frmmain &main)
{
    const auto outcome = taxStatement({main.texts(), main.form4.window()->texts(), main.reb88.window()->texts()});
    if (const Statement *statement = resultsOrMessage(outcome, main.platform(), &main))
        main.platform().print(&main, QString::fromUtf8(taxStatementName), *statement);
}

void printForm10E(frmrel89 &relief, Platform &platform)
{
    Form10ETexts texts;
    texts.txtnam = textOf(relief.txtnam);
    texts.txtadd = textOf(relief.txtadd);
    texts.txtpan = textOf(relief.txtpan);
    for (int row = 0; row < earlierYears; ++row)
        texts.years[row] = std::string(earlierYearName(row));
    texts.txtinc = textsOf(relief.txtinc);
    texts.txtarr = textsOf(relief.txtarr);
    texts.txtincarr = textsOf(relief.txtincarr);
    texts.txttax1 = textsOf(relief.txttax1);
    texts.txttax2 = textsOf(relief.txttax2);
    texts.txtdif = textsOf(relief.txtdif);
    const std::pair<std::string *, ResultField *> items[] = {
        {&texts.txtitem1, relief.txtitem1}, {&texts.txtitem2, relief.txtitem2}, {&texts.txtitem4, relief.txtitem4},
        {&texts.txtitem5, relief.txtitem5}, {&texts.txtitem6, relief.txtitem6}, {&texts.txtitem7, relief.txtitem7},
        {&texts.txtitem8, relief.txtitem8}};
    for (const auto &[text, field] : items)
        *text = textOf(field);
    texts.txtitem3 = textOf(relief.txtitem3);
    const auto outcome = form10E(texts);
    if (const Statement *statement = resultsOrMessage(outcome, platform, &relief))
        platform.print(&relief, QString::fromUtf8(form10EName), *statement);
}

void printSalaryStatement(Form1 &salary, Platform &platform)
{
    const auto outcome = salaryStatement(salaryStatementTexts(salary));
    if (const Statement *statement = resultsOrMessage(outcome, platform, &salary))
        platform.print(&salary, QString::fromUtf8(salaryStatementName), *statement);
}

} // namespace pelmora
