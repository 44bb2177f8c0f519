// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printbuttons.h"

#include "print/form10e.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"

#include "frmmain.h"
#include "salary/form1.h"
#include "widgets/amountfield.h"
#include "widgets/datefield.h"
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

TaxStatementTexts taxStatementTexts(const frmmain &m, const Form4 &h, const frmreb88 &d)
{
    return {
        .frmmain = {.txtname = textOf(m.txtname),
                    .txtgs = textOf(m.txtgs),
                    .txttp = textOf(m.txttp),
                    .txthra = textOf(m.txthra),
                    .txtexall = textOf(m.txtexall),
                    .txtnsal = textOf(m.txtnsal),
                    .txtos = textOf(m.txtos),
                    .txtgti = textOf(m.txtgti),
                    .txtnti = textOf(m.txtnti),
                    .txtgtax = textOf(m.txtgtax),
                    .txtrel87A = textOf(m.txtrel87A),
                    .txtrel89 = textOf(m.txtrel89),
                    .txtntax = textOf(m.txtntax),
                    .txtcess = textOf(m.txtcess),
                    .txtttax = textOf(m.txtttax),
                    .txtdedtax = textOf(m.txtdedtax),
                    .txtbaltax = textOf(m.txtbaltax),
                    .txtdob = textOf(m.txtdob)},
        .form4 = {.txtarv = textOf(h.txtarv),
                  .txtptax = textOf(h.txtptax),
                  .txtghi = textOf(h.txtghi),
                  .txtrep = textOf(h.txtrep),
                  .txtintt = textOf(h.txtintt),
                  .txtoth = textOf(h.txtoth),
                  .txttd = textOf(h.txttd),
                  .txtihp = textOf(h.txtihp)},
        .frmreb88 = {.txtgpf = textOf(d.txtgpf),
                     .txtgis = textOf(d.txtgis),
                     .txthba = textOf(d.txthba),
                     .txtlic = textOf(d.txtlic),
                     .txtppf = textOf(d.txtppf),
                     .txtnsc = textOf(d.txtnsc),
                     .txtnsci = textOf(d.txtnsci),
                     .txttf1 = textOf(d.txttf1),
                     .txttf2 = textOf(d.txttf2),
                     .txtinf = textOf(d.txtinf),
                     .txtos = textOf(d.txtos),
                     .txt80c = textOf(d.txt80c),
                     .txt80ccc = textOf(d.txt80ccc),
                     .txt80ccdec = textOf(d.txt80ccdec),
                     .txt80ccdgc = textOf(d.txt80ccdgc),
                     .txttot1 = textOf(d.txttot1),
                     .txt80ccf = textOf(d.txt80ccf),
                     .txt80d = textOf(d.txt80d),
                     .txt80g = textOf(d.txt80g),
                     .txtoth = textOf(d.txtoth),
                     .txtgt80 = textOf(d.txtgt80)},
    };
}

} // namespace

void printTaxStatement(frmmain &main)
{
    const auto outcome = taxStatement(taxStatementTexts(main, *main.form4.window(), *main.reb88.window()));
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
