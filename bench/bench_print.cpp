// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The printed statements: the time from Print to the finished PDF for each statement, and the
// program's peak memory once both have been printed.

#include "benchmark.h"
#include "silentplatform.h"

#include "app/frmmain.h"
#include "print/printers.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"
#include "salary/form1.h"
#include "widgets/amountfield.h"
#include "widgets/choicebox.h"
#include "widgets/namefield.h"
#include "widgets/resultfield.h"

#include <QElapsedTimer>
#include <QFile>
#include <QPushButton>
#include <QString>
#include <QTemporaryDir>

#include <cstdio>
#include <string>

namespace {

pelmora::TaxStatementTexts taxTexts()
{
    pelmora::TaxStatementTexts t;
    t.frmmain = {.txtname = "Anand Kumar Verma", .txtgs = "654321", .txttp = "9600", .txthra = "31250",
                 .txtexall = "40850", .txtnsal = "613471", .txtos = "1200", .txtgti = "464671", .txtnti = "314671",
                 .txtgtax = "11467", .txtrel87A = "0", .txtrel89 = "0", .txtntax = "11467", .txtcess = "344",
                 .txtttax = "11811", .txtdedtax = "10000", .txtbaltax = "1811", .txtdob = ""};
    t.form4 = {.txtarv = "0", .txtptax = "0", .txtghi = "0", .txtrep = "0", .txtintt = "150000", .txtoth = "0",
               .txttd = "150000", .txtihp = "-150000"};
    t.frmreb88.txtgpf = "72000";
    t.frmreb88.txt80ccdgc = "25000";
    t.frmreb88.txt80ccdec = "25000";
    t.frmreb88.txtgt80 = "150000";
    return t;
}

pelmora::SalaryStatementTexts salaryTexts()
{
    pelmora::SalaryStatementTexts t;
    t.txtnam = "Anand Kumar Verma";
    const char *months[] = {"Jan 13", "Feb 13", "Mar 13", "Apr 13", "May 13", "Jun 13", "Jul 13",
                            "Aug 13", "Sep 13", "Oct 13", "Nov 13", "Dec 13", "Jan 14", "Feb 14"};
    for (int i = 0; i < 14; ++i) {
        t.Label1[i] = months[i];
        t.txtbp[i] = "15600";
        t.txtgp[i] = "5400";
        t.txtda[i] = "16800";
        t.txthra[i] = "6300";
        t.txtmgc[i] = "2100";
        t.txttpa2[i] = "7360";
        t.txtttl[i] = "53560";
    }
    t.txtgtotal = "642720";
    return t;
}

// The high-water mark of the process's resident memory, in megabytes.
double peakMemoryMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return 0;
    for (const QByteArray &line : status.readAll().split('\n'))
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024;
    return 0;
}

} // namespace

PELMORA_BENCHMARK("print")
{
    QTemporaryDir folder;
    const QString taxName = QString::fromUtf8(pelmora::taxStatementName);
    const QString salaryName = QString::fromUtf8(pelmora::salaryStatementName);
    const auto printTax = [&] {
        const auto printer = pelmora::openPdfFilePrinter(folder.path(), taxName);
        pelmora::printStatement(std::get<pelmora::Statement>(pelmora::taxStatement(taxTexts())), *printer);
    };
    const auto printSalary = [&] {
        const auto printer = pelmora::openPdfFilePrinter(folder.path(), salaryName);
        pelmora::printStatement(std::get<pelmora::Statement>(pelmora::salaryStatement(salaryTexts())), *printer);
    };
    // The first statement of a run also loads and embeds the font.
    QElapsedTimer first;
    first.start();
    printTax();
    bench::report("print: first tax statement of the run, to finished PDF", first.nsecsElapsed() / 1e6, "ms",
                  "under 100 ms");
    bench::report("print: tax computation statement, Print to finished PDF",
                  bench::medianMicroseconds(printTax, 21) / 1000, "ms", "under 100 ms");

    bench::SilentPlatform platform;
    pelmora::frmmain window(platform);
    window.show();
    window.txtname->setText(QStringLiteral("Anand Kumar Verma"));
    window.txtgs->setText(QStringLiteral("654321"));
    window.cmdcalc->click();
    const auto clickPrint = [&] { window.cmdprint->click(); };
    bench::report("print: main window's Print click to finished PDF", bench::medianMicroseconds(clickPrint, 21) / 1000,
                  "ms", "under 100 ms");
    bench::report("print: salary statement, Print to finished PDF", bench::medianMicroseconds(printSalary, 21) / 1000,
                  "ms", "under 100 ms");

    window.cmdcalgs->click();
    pelmora::Form1 *salary = window.form1.window();
    salary->cbonps->setCurrentText(QStringLiteral("Y"));
    salary->txtbp[0]->setText(QStringLiteral("25000"));
    salary->txtgp[0]->setText(QStringLiteral("4600"));
    salary->cmdcal->click();
    if (salary->cmdprn->isEnabled()) {
        const auto clickSalaryPrint = [&] { salary->cmdprn->click(); };
        bench::report("print: salary window's Print click to finished PDF",
                      bench::medianMicroseconds(clickSalaryPrint, 21) / 1000, "ms", "under 100 ms");
    } else {
        std::puts("print: the salary window's Print could not be enabled; its click was not measured");
    }
    bench::report("print: peak memory after printing both statements", peakMemoryMegabytes(), "MB", "under 80 MB");
}
