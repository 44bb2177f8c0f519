// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The salary statement: one computation in the rules, one Calculate through the window, and
// one keystroke in "Jan 13" that fills the 13 rows below it.

#include "benchmark.h"
#include "silentplatform.h"

#include "app/frmmain.h"
#include "salary/form1.h"
#include "salary/salarycomputation.h"
#include "widgets/amountfield.h"
#include "widgets/platform.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPushButton>

namespace {

pelmora::salary::SalarySheet workedExample()
{
    const auto every = [](const char *text) {
        pelmora::salary::MonthTexts texts;
        texts.fill(text);
        return texts;
    };
    return {
        .txtbp = every("25000"),
        .txtgp = every("4600"),
        .cbonps = "Y",
        .txtoth = {"0", "0", "0", "0", "0", "0"},
    };
}

void typeKey(QWidget *field, Qt::Key key, const QString &text)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, text);
    QApplication::sendEvent(field, &release);
}

} // namespace

PELMORA_BENCHMARK("salary")
{
    const auto sheet = workedExample();
    const double compute = bench::medianMicroseconds(
        [&] {
            const auto results = pelmora::salary::computeSalary(sheet);
            if (results.index() != 0)
                std::abort();
        },
        31, 200);
    bench::report("salary computation (rules, worked example)", compute, "us", "under 20 us");

    bench::SilentPlatform platform;
    pelmora::frmmain main(platform);
    main.cmdcalgs->click();
    pelmora::Form1 *form = main.form1.window();
    form->txtbp[0]->setText(QStringLiteral("25000"));
    form->txtgp[0]->setText(QStringLiteral("4600"));

    const double click = bench::medianMicroseconds([&] { form->cmdcal->click(); }, 31, 10);
    bench::report("salary Calculate click (window, with the July fill-down)", click, "us", "under 2000 us");

    // Each keystroke replaces the whole figure of "Jan 13" by another one, so every row changes.
    pelmora::AmountField *january = form->txtbp[0];
    bool odd = false;
    const double keystroke = bench::medianMicroseconds(
        [&] {
            january->selectAll();
            odd = !odd;
            typeKey(january, odd ? Qt::Key_1 : Qt::Key_2, odd ? QStringLiteral("1") : QStringLiteral("2"));
            if (form->txtbp[13]->text() != january->text())
                std::abort();
        },
        31, 10);
    bench::report("salary keystroke in Jan 13 filling 13 rows", keystroke, "us", "under 1000 us");
}
