// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

#include "hraexemption.h"

#include "widgets/amountfield.h"
#include "widgets/entryfield.h"
#include "widgets/resultfield.h"
#include "widgets/controlplacement.h"
#include "widgets/fieldtexts.h"
#include "widgets/mainwindowhost.h"
#include "widgets/platform.h"

#include <QLabel>
#include <QPushButton>

namespace pelmora {

namespace {

// Layout, in twips.
constexpr int labelX = 240;
constexpr int fieldX = 2520;
constexpr int firstRowY = 240;
constexpr int rowStep = 420;
constexpr int rowY(int row) { return firstRowY + row * rowStep; }
constexpr int buttonsY = rowY(7) + 120;

constexpr int typingLimit = 10;

} // namespace

Form2::Form2(MainWindowHost &main)
    : FormWindow(QStringLiteral("Pelmora - HRA Exemption"),
                 {pixels(fieldX + placement::fieldWidth + labelX), pixels(buttonsY + placement::buttonHeight + 300)})
    , m_main(main)
{
    setObjectName(QStringLiteral("Form2"));
    using namespace placement;

    txtbp = labelledRow<AmountField>(this, "gsallbl", QStringLiteral("Basic Pay"), labelX, "txtbp", fieldX, rowY(0));
    txtnpa = labelledRow<AmountField>(this, "Label2", QStringLiteral("Grade Pay"), labelX, "txtnpa", fieldX, rowY(1));
    txtda = labelledRow<AmountField>(this, "lblda", QStringLiteral("Dearness Allow."), labelX, "txtda", fieldX, rowY(2));
    txtns = labelledRow<ResultField>(this, "lblns", QStringLiteral("Total Salary"), labelX, "txtns", fieldX, rowY(3));
    txthra = labelledRow<AmountField>(this, "lblhra", QStringLiteral("HRA Drawn"), labelX, "txthra", fieldX, rowY(4));
    txtRP = labelledRow<AmountField>(this, "lblRP", QStringLiteral("Rent Paid (Annual)"), labelX, "txtRP", fieldX, rowY(5));
    txthrx = labelledRow<ResultField>(this, "lblhrx", QStringLiteral("HRA Exemption"), labelX, "txthrx", fieldX, rowY(6));

    cmdcal = button(this, "cmdcal", QStringLiteral("&CALCULATE"), labelX, buttonsY);
    cmdback = button(this, "cmdback", QStringLiteral("&BACK"), fieldX + fieldWidth - buttonWidth, buttonsY);
    setDefaultButton(cmdcal);

    // Grade pay behaves like the pay fields beside it: a change of it must not leave an
    // exemption worked out from the old figure ready to be handed back.
    const QList<EntryField *> amounts{txtbp, txtnpa, txtda, txthra, txtRP};
    // Calculate reads every figure of this window strictly.
    for (AmountField *amount : {txtbp, txtnpa, txtda, txthra, txtRP})
        amount->setReading(Reading::Strict);
    for (EntryField *amount : amounts)
        amount->setTypingLimit(typingLimit);
    m_back.add(cmdback);
    m_back.watch(amounts);

    const QList<QWidget *> order{txtbp, txtda, txthra, txtRP, cmdcal, cmdback, txtnpa};
    chainTabOrder(order);

    connect(cmdcal, &QPushButton::clicked, this, &Form2::calculate);
    connect(cmdback, &QPushButton::clicked, this, &Form2::back);
}

void Form2::calculate()
{
    const auto outcome = computeHraExemption({
        .txtbp = textOf(txtbp),
        .txtda = textOf(txtda),
        .txtnpa = textOf(txtnpa),
        .txthra = textOf(txthra),
        .txtRP = textOf(txtRP),
    });
    const auto *results = resultsOrMessage(outcome, m_main.platform(), this);
    if (!results)
        return;
    writeFigure(txtns, results->txtns, results->workings.txtns);
    writeFigure(txthrx, results->txthrx, results->workings.txthrx);
    m_back.enable();
}

void Form2::back()
{
    const auto outcome = hraExemptionToHandOver(textOf(txthrx));
    const auto *figure = resultsOrMessage(outcome, m_main.platform(), this);
    if (!figure)
        return;
    hide();
    m_main.receive(HraHandOver{*figure});
}

void Form2::open(const HraPayFigures &figures)
{
    writeText(txtbp, figures.txtbp);
    writeText(txtnpa, figures.txtnpa);
    writeText(txtda, figures.txtda);
    writeText(txthra, figures.txthra);
    txtRP->setFocus();
}

} // namespace pelmora
