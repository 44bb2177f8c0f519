// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form4.h"

#include "houseproperty.h"
#include "optiongroup.h"

#include "widgets/amountfield.h"
#include "widgets/resultfield.h"
#include "widgets/controlplacement.h"
#include "widgets/fieldtexts.h"
#include "widgets/mainwindowhost.h"
#include "widgets/platform.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace pelmora {

namespace {

// Layout, in twips: deduction items in an inner column, main figures in an outer one.
constexpr int labelX = 240;
constexpr int indentedLabelX = 480;
constexpr int innerColumnX = 3840;
constexpr int outerColumnX = 5280;
constexpr int rightEdge = outerColumnX + placement::fieldWidth;
constexpr int rowStep = 420;
constexpr int firstRowY = 960;
constexpr int rowY(int row) { return firstRowY + row * rowStep; }
constexpr int loanFrameY = rowY(4) + 360;
constexpr int afterLoanFrameY = loanFrameY + 735;
constexpr int rowBelowFrame(int row) { return afterLoanFrameY + row * rowStep; }
constexpr int buttonsY = rowBelowFrame(3) + 60;

} // namespace

Form4::Form4(MainWindowHost &main)
    : FormWindow(QStringLiteral("Pelmora - Income from House Property"),
                 {pixels(rightEdge + labelX), pixels(buttonsY + placement::buttonHeight + 300)})
    , m_main(main)
{
    setObjectName(QStringLiteral("Form4"));
    buildPropertyFigures();
    buildDeductions();
    using namespace placement;
    cmdbk = button(this, "cmdbk", QStringLiteral("&Back"), rightEdge - buttonWidth, buttonsY);
    cmdtot = button(this, "cmdtot", QStringLiteral("&Calculate"), rightEdge - 2 * buttonWidth - 240, buttonsY);
    setDefaultButton(cmdtot);

    m_back.add(cmdbk);
    m_back.watch({txtarv, txtptax, txtintt, txtoth});
    // Calculate reads every figure of this window strictly.
    for (AmountField *amount : {txtarv, txtptax, txtintt, txtoth})
        amount->setReading(Reading::Strict);

    const QList<QWidget *> order{optso, optrent, txtarv, txtptax, txtintt, txtoth, cmdtot, cmdbk, optb499, opta499};
    chainTabOrder(order);

    connect(m_kind, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *option, bool selected) {
        if (!selected)
            return;
        if (option == optrent)
            chooseRentedOut();
        else
            chooseSelfOccupied();
    });
    connect(m_loan, &QButtonGroup::buttonToggled, this, [this](QAbstractButton *, bool selected) {
        if (selected)
            m_back.disable();
    });
    connect(cmdtot, &QPushButton::clicked, this, &Form4::calculate);
    connect(cmdbk, &QPushButton::clicked, this, &Form4::back);
}

void Form4::buildPropertyFigures()
{
    using namespace placement;
    frmask = frame(this, "frmask", QStringLiteral("Please Specify"), {labelX, 120, 4575, 615});
    optso = option(frmask, "optso", QStringLiteral("Self Occupied"), {120, 270, 2040, 285});
    optrent = option(frmask, "optrent", QStringLiteral("Rented Out"), {2400, 270, 2040, 285});
    optrent->setChecked(true);
    m_kind = new OptionGroup(this);
    m_kind->addOption(optso);
    m_kind->addOption(optrent);

    lblrent = label(this, "lblrent", QStringLiteral("Annual Rental Value "), labelX, rowY(0));
    txtarv = labelledField<AmountField>(lblrent, "txtarv", outerColumnX, rowY(0));
    lblptax = label(this, "lblptax", QStringLiteral("Less:- Property Taxes"), labelX, rowY(1));
    txtptax = labelledField<AmountField>(lblptax, "txtptax", outerColumnX, rowY(1));
    lblghi = label(this, "lblghi", QStringLiteral("Gross Income"), labelX, rowY(2));
    txtghi = labelledField<ResultField>(lblghi, "txtghi", outerColumnX, rowY(2));
}

void Form4::buildDeductions()
{
    using namespace placement;
    lbldeduction = label(this, "lbldeduction", QStringLiteral("Less Deductions u/s 24 : -"), labelX, rowY(3));
    // The "&" of this caption keeps the label from being the field's buddy.
    lblrep = label(this, "lblrep", QStringLiteral("Repairs & Maintainance"), indentedLabelX, rowY(4));
    txtrep = labelledField<ResultField>(lblrep, "txtrep", innerColumnX, rowY(4));

    framintt = frame(this, "framintt", QStringLiteral("Date of Housing Loan"), {indentedLabelX, loanFrameY, 4575, 615});
    optb499 = option(framintt, "optb499", QStringLiteral("Before 1-4-99"), {120, 270, 2040, 285});
    opta499 = option(framintt, "opta499", QStringLiteral("After 1-4-99"), {2400, 270, 2040, 285});
    opta499->setChecked(true);
    m_loan = new OptionGroup(this);
    m_loan->addOption(optb499);
    m_loan->addOption(opta499);
    for (QWidget *control : {static_cast<QWidget *>(framintt), static_cast<QWidget *>(optb499),
                             static_cast<QWidget *>(opta499)})
        control->setEnabled(false);

    lblintt = label(this, "lblintt", QStringLiteral("Interest on Borrowed Capital"), indentedLabelX, rowBelowFrame(0));
    txtintt = labelledField<AmountField>(lblintt, "txtintt", innerColumnX, rowBelowFrame(0));
    lbloth = label(this, "lbloth", QStringLiteral("Others"), indentedLabelX, rowBelowFrame(1));
    txtoth = labelledField<AmountField>(lbloth, "txtoth", innerColumnX, rowBelowFrame(1));
    txttd = field<ResultField>(this, "txttd", outerColumnX, rowBelowFrame(1));
    nameAsTotal(txttd, lbldeduction->text());
    lblihp = label(this, "lblihp", QStringLiteral("Income from House Property"), labelX, rowBelowFrame(2));
    txtihp = labelledField<ResultField>(lblihp, "txtihp", outerColumnX, rowBelowFrame(2));
}

QList<QWidget *> Form4::rentedOutControls() const
{
    return {lblrent, txtarv, lblptax, txtptax, lblghi, txtghi, lblrep, txtrep, lbloth, txtoth};
}

void Form4::chooseRentedOut()
{
    for (QWidget *control : rentedOutControls())
        control->setEnabled(true);
    // The loan date keeps its choice for when the house is self-occupied again.
    framintt->setEnabled(false);
    optb499->setEnabled(false);
    opta499->setEnabled(false);
    m_back.disable();
}

void Form4::chooseSelfOccupied()
{
    for (QWidget *control : rentedOutControls()) {
        if (auto *field = qobject_cast<QLineEdit *>(control))
            field->setText(QStringLiteral("0"));
        control->setEnabled(false);
    }
    writeFigure(txtghi, "0", selfOccupiedGrossIncome);
    writeFigure(txtrep, "0", selfOccupiedRepairs);
    m_back.disable();
    framintt->setEnabled(true);
    optb499->setEnabled(true);
    opta499->setEnabled(true);
}

void Form4::calculate()
{
    const auto outcome = computeHouseProperty({
        .kind = optso->isChecked() ? PropertyKind::SelfOccupied : PropertyKind::RentedOut,
        .loan = optb499->isChecked() ? HousingLoan::Before1April1999 : HousingLoan::After1April1999,
        .txtarv = textOf(txtarv),
        .txtptax = textOf(txtptax),
        .txtintt = textOf(txtintt),
        .txtoth = textOf(txtoth),
    });
    const auto *results = resultsOrMessage(outcome, m_main.platform(), this);
    if (!results)
        return;
    const auto &why = results->workings;
    writeFigure(txtghi, results->txtghi, why.txtghi);
    writeFigure(txtrep, results->txtrep, why.txtrep);
    writeFigure(txttd, results->txttd, why.txttd);
    writeFigure(txtihp, results->txtihp, why.txtihp);
    m_back.enable();
}

void Form4::back()
{
    const auto outcome = housePropertyIncomeToHandOver(textOf(txtihp));
    const auto *figure = resultsOrMessage(outcome, m_main.platform(), this);
    if (!figure)
        return;
    hide();
    m_main.receive(HousePropertyHandOver{*figure});
}

} // namespace pelmora
