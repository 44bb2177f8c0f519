// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form4.h"

#include "houseproperty.h"
#include "optiongroup.h"

#include "widgets/amountfield.h"
#include "widgets/resultfield.h"
#include "widgets/controlplacement.h"
#include "widgets/fieldtable.h"
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

// Calculate reads every figure of this window strictly. The labels are kept: Self Occupied
// disables the figures of a let house with their captions.
constexpr Reading strict = Reading::Strict;
using Texts = HousePropertyTexts;
constexpr FieldLine<Form4, Texts, HousePropertyResults> fields[] = {
    {"txtarv", &Form4::txtarv, {"lblrent", "Annual Rental Value ", labelX, &Form4::lblrent}, {outerColumnX, rowY(0)}, &Texts::txtarv,
     nullptr, strict},
    {"txtptax", &Form4::txtptax, {"lblptax", "Less:- Property Taxes", labelX, &Form4::lblptax}, {outerColumnX, rowY(1)}, &Texts::txtptax,
     nullptr, strict},
    {"txtghi", &Form4::txtghi, {"lblghi", "Gross Income", labelX, &Form4::lblghi}, {outerColumnX, rowY(2)}, &Texts::txtghi,
     &HousePropertyResults::txtghi},
    // The "&" of this caption keeps the label from being the field's buddy.
    {"txtrep", &Form4::txtrep, {"lblrep", "Repairs & Maintainance", indentedLabelX, &Form4::lblrep}, {innerColumnX, rowY(4)},
     &Texts::txtrep, &HousePropertyResults::txtrep},
    {"txtintt", &Form4::txtintt, {"lblintt", "Interest on Borrowed Capital", indentedLabelX, &Form4::lblintt},
     {innerColumnX, rowBelowFrame(0)}, &Texts::txtintt, nullptr, strict},
    {"txtoth", &Form4::txtoth, {"lbloth", "Others", indentedLabelX, &Form4::lbloth}, {innerColumnX, rowBelowFrame(1)}, &Texts::txtoth,
     nullptr, strict},
    {"txttd", &Form4::txttd, {}, {outerColumnX, rowBelowFrame(1)}, &Texts::txttd, &HousePropertyResults::txttd},
    {"txtihp", &Form4::txtihp, {"lblihp", "Income from House Property", labelX, &Form4::lblihp}, {outerColumnX, rowBelowFrame(2)},
     &Texts::txtihp, &HousePropertyResults::txtihp},
};

} // namespace

QStringList Form4::fieldNames()
{
    return pelmora::fieldNames(fields);
}

HousePropertyTexts Form4::texts() const
{
    HousePropertyTexts texts = textsOf(*this, fields);
    texts.kind = optso->isChecked() ? PropertyKind::SelfOccupied : PropertyKind::RentedOut;
    texts.loan = optb499->isChecked() ? HousingLoan::Before1April1999 : HousingLoan::After1April1999;
    return texts;
}

Form4::Form4(MainWindowHost &main)
    : FormWindow(QStringLiteral("Pelmora - Income from House Property"),
                 {pixels(rightEdge + labelX), pixels(buttonsY + placement::buttonHeight + 300)})
    , m_main(main)
{
    setObjectName(QStringLiteral("Form4"));
    buildChoices();
    buildFields(*this, fields);
    placement::nameAsTotal(txttd, lbldeduction->text());
    using namespace placement;
    cmdbk = button(this, "cmdbk", QStringLiteral("&Back"), rightEdge - buttonWidth, buttonsY);
    cmdtot = button(this, "cmdtot", QStringLiteral("&Calculate"), rightEdge - 2 * buttonWidth - 240, buttonsY);
    setDefaultButton(cmdtot);

    m_back.add(cmdbk);
    m_back.watch({txtarv, txtptax, txtintt, txtoth});

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

void Form4::buildChoices()
{
    using namespace placement;
    frmask = frame(this, "frmask", QStringLiteral("Please Specify"), {labelX, 120, 4575, 615});
    optso = option(frmask, "optso", QStringLiteral("Self Occupied"), {120, 270, 2040, 285});
    optrent = option(frmask, "optrent", QStringLiteral("Rented Out"), {2400, 270, 2040, 285});
    optrent->setChecked(true);
    m_kind = new OptionGroup(this);
    m_kind->addOption(optso);
    m_kind->addOption(optrent);

    lbldeduction = label(this, "lbldeduction", QStringLiteral("Less Deductions u/s 24 : -"), labelX, rowY(3));
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
    const auto outcome = computeHouseProperty(texts());
    const auto *results = resultsOrMessage(outcome, m_main.platform(), this);
    if (!results)
        return;
    writeResults(*this, fields, *results);
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
