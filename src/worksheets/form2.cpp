// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form2.h"

#include "hraexemption.h"

#include "widgets/amountfield.h"
#include "widgets/entryfield.h"
#include "widgets/resultfield.h"
#include "widgets/controlplacement.h"
#include "widgets/fieldtable.h"
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

// Calculate reads every figure of this window strictly.
constexpr FieldLine<Form2, HraWorksheetTexts, HraResults> fields[] = {
    {"txtbp", &Form2::txtbp, {"gsallbl", "Basic Pay", labelX}, {fieldX, rowY(0)}, &HraWorksheetTexts::txtbp, nullptr, Reading::Strict},
    {"txtnpa", &Form2::txtnpa, {"Label2", "Grade Pay", labelX}, {fieldX, rowY(1)}, &HraWorksheetTexts::txtnpa, nullptr, Reading::Strict},
    {"txtda", &Form2::txtda, {"lblda", "Dearness Allow.", labelX}, {fieldX, rowY(2)}, &HraWorksheetTexts::txtda, nullptr, Reading::Strict},
    {"txtns", &Form2::txtns, {"lblns", "Total Salary", labelX}, {fieldX, rowY(3)}, &HraWorksheetTexts::txtns, &HraResults::txtns},
    {"txthra", &Form2::txthra, {"lblhra", "HRA Drawn", labelX}, {fieldX, rowY(4)}, &HraWorksheetTexts::txthra, nullptr, Reading::Strict},
    {"txtRP", &Form2::txtRP, {"lblRP", "Rent Paid (Annual)", labelX}, {fieldX, rowY(5)}, &HraWorksheetTexts::txtRP, nullptr, Reading::Strict},
    {"txthrx", &Form2::txthrx, {"lblhrx", "HRA Exemption", labelX}, {fieldX, rowY(6)}, &HraWorksheetTexts::txthrx, &HraResults::txthrx},
};

} // namespace

QStringList Form2::fieldNames()
{
    return pelmora::fieldNames(fields);
}

Form2::Form2(MainWindowHost &main)
    : FormWindow(QStringLiteral("Pelmora - HRA Exemption"),
                 {pixels(fieldX + placement::fieldWidth + labelX), pixels(buttonsY + placement::buttonHeight + 300)})
    , m_main(main)
{
    setObjectName(QStringLiteral("Form2"));
    using namespace placement;
    buildFields(*this, fields);

    cmdcal = button(this, "cmdcal", QStringLiteral("&CALCULATE"), labelX, buttonsY);
    cmdback = button(this, "cmdback", QStringLiteral("&BACK"), fieldX + fieldWidth - buttonWidth, buttonsY);
    setDefaultButton(cmdcal);

    // Grade pay behaves like the pay fields beside it: a change of it must not leave an
    // exemption worked out from the old figure ready to be handed back.
    const QList<EntryField *> amounts{txtbp, txtnpa, txtda, txthra, txtRP};
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
    const auto outcome = computeHraExemption(textsOf(*this, fields));
    const auto *results = resultsOrMessage(outcome, m_main.platform(), this);
    if (!results)
        return;
    writeResults(*this, fields, *results);
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
