// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// One Calculate click in each of the HRA exemption, house property and section 80 worksheets,
// opened through the main window with the figures of their worked cases.

#include "benchmark.h"
#include "silentplatform.h"

#include "app/frmmain.h"
#include "widgets/amountfield.h"
#include "widgets/carrierfield.h"
#include "widgets/namefield.h"
#include "widgets/platform.h"
#include "widgets/resultfield.h"
#include "worksheets/form2.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"

#include <QPushButton>

namespace {

// Each click follows a new figure in the input field, so that it writes new results as a real
// click does (a write of unchanged text costs next to nothing); the figure's write is included.
void reportClick(const char *what, QLineEdit *input, QPushButton *calculate)
{
    const QString figures[] = {input->text(), input->text() + QLatin1Char('1')};
    int turn = 0;
    const double click = bench::medianMicroseconds(
        [&] {
            input->setText(figures[++turn % 2]);
            calculate->click();
        },
        101, 20);
    bench::report(what, click, "us", "under 200 us");
}

} // namespace

PELMORA_BENCHMARK("worksheets")
{
    bench::SilentPlatform platform;
    pelmora::frmmain main(platform);
    main.show();

    main.txtbp->setText(QStringLiteral("10000"));
    main.txtnpa->setText(QStringLiteral("2345"));
    main.txthrr->setText(QStringLiteral("50000"));
    main.cmdcalhr->click();
    pelmora::Form2 *hra = main.form2.window();
    hra->txtRP->setText(QStringLiteral("20000"));
    reportClick("worksheets: one Calculate click in the HRA exemption", hra->txtRP, hra->cmdcal);

    main.cmdcalhp->click();
    pelmora::Form4 *house = main.form4.window();
    house->txtarv->setText(QStringLiteral("120000"));
    house->txtptax->setText(QStringLiteral("12000"));
    house->txtintt->setText(QStringLiteral("200000"));
    reportClick("worksheets: one Calculate click in the house property", house->txtarv, house->cmdtot);

    main.txtmgc->setText(QStringLiteral("10000"));
    main.cmdcalded80->click();
    pelmora::frmreb88 *deductions = main.reb88.window();
    deductions->txtgpf->setText(QStringLiteral("100000"));
    deductions->txt80ccf->setText(QStringLiteral("25000"));
    deductions->txt80d->setText(QStringLiteral("30000"));
    deductions->txt80g->setText(QStringLiteral("5000"));
    reportClick("worksheets: one Calculate click in the section 80", deductions->txtgpf, deductions->cmdtot);
}
