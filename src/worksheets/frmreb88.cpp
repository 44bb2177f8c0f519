// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmreb88.h"

#include "section80.h"

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

// Layout, in twips: two columns of labelled fields, headings as labels without a field.
constexpr int leftLabelX = 240;
constexpr int leftFieldX = 3240;
constexpr int rightLabelX = 4800;
constexpr int rightFieldX = 7920;
constexpr int rightEdge = rightFieldX + placement::fieldWidth;
constexpr int firstRowY = 120;
constexpr int rowStep = 360;
constexpr int rowY(int row) { return firstRowY + row * rowStep; }
constexpr int buttonsY = rowY(14) + 120;

} // namespace

frmreb88::frmreb88(MainWindowHost &main)
    : FormWindow(QStringLiteral("Pelmora - Deductions Under Section 80"),
                 {pixels(rightEdge + leftLabelX), pixels(buttonsY + placement::buttonHeight + 240)})
    , m_main(main)
{
    setObjectName(QStringLiteral("frmreb88"));
    buildSection80C();
    buildOtherSections();
    using namespace placement;
    cmdbk = button(this, "cmdbk", QStringLiteral("&Back"), rightEdge - buttonWidth, buttonsY);
    cmdtot = button(this, "cmdtot", QStringLiteral("&Calculate"), rightEdge - 2 * buttonWidth - 240, buttonsY);
    setDefaultButton(cmdtot);

    const QList<EntryField *> amounts{txtgpf, txtgis,   txthba,     txtlic,     txtppf,   txtnsc,
                                      txtnsci, txttf1,  txttf2,     txtinf,     txtos,    txt80ccc,
                                      txt80ccdec, txt80ccdgc, txt80ccf, txt80d, txt80g, txtoth};
    m_back.add(cmdbk);
    m_back.watch(amounts);

    QList<QWidget *> order(amounts.begin(), amounts.end());
    order << cmdtot << cmdbk;
    chainTabOrder(order);

    // Held to its limit as the user edits it, not as a file is restored: a file's figures come
    // back as saved, and the limit applies at the next edit or Calculate.
    connect(txt80d, &QLineEdit::textEdited, this, [this] {
        if (holdMediclaimToLimit())
            txt80g->setFocus();
    });
    connect(cmdtot, &QPushButton::clicked, this, &frmreb88::calculate);
    connect(cmdbk, &QPushButton::clicked, this, &frmreb88::back);
}

void frmreb88::buildSection80C()
{
    using namespace placement;
    const auto item = [this](const char *labelName, const char *caption, const char *fieldName, int row) {
        return labelledRow<AmountField>(this, labelName, QString::fromUtf8(caption), leftLabelX, fieldName, leftFieldX, rowY(row));
    };
    const QLabel *section = label(this, "lblgrs", QStringLiteral("Section - 80C :-"), leftLabelX, rowY(0));
    txtgpf = item("lblgpf", "GPF :-", "txtgpf", 1);
    txtgis = item("lblgis", "CGEGIS :-", "txtgis", 2);
    txthba = item("lblhba", "House Building Advance :-", "txthba", 3);
    txtlic = item("lbllic", "Life Insurance Premium :-", "txtlic", 4);
    txtppf = item("lblppf", "PPF :-", "txtppf", 5);
    txtnsc = item("lblnsc", "National Savings Certificate : -", "txtnsc", 6);
    txtnsci = item("lblnsci", "Interest on NSC :-", "txtnsci", 7);
    const QLabel *tuitionFee = label(this, "lbltut", QStringLiteral("Tution Fee : -"), leftLabelX, rowY(8));
    txttf1 = item("lblchld1", "Child I :-", "txttf1", 9);
    txttf2 = item("lblchld2", "Child II :-", "txttf2", 10);
    txtinf = item("lblinf", "Infrastructure Bonds :-", "txtinf", 11);
    txtos = item("lbloth", "Other Savings :-", "txtos", 12);
    txt80c = labelledRow<ResultField>(this, "lbltot1", QStringLiteral("Total :-"), leftLabelX, "txt80c", leftFieldX, rowY(13));
    // Alone, "Child I" and "Total" would not say what they hold.
    for (QWidget *child : {txttf1, txttf2})
        nameUnder(child, tuitionFee->text(), child->accessibleName());
    nameUnder(txt80c, section->text(), txt80c->accessibleName());
}

void frmreb88::buildOtherSections()
{
    using namespace placement;
    const auto item = [this](const char *labelName, const char *caption, const char *fieldName, int row) {
        return labelledRow<AmountField>(this, labelName, QString::fromUtf8(caption), rightLabelX, fieldName, rightFieldX, rowY(row));
    };
    const auto heading = [this](const char *name, const char *caption, int row) {
        label(this, name, QString::fromUtf8(caption), rightLabelX, rowY(row));
    };
    heading("Label1", "Section - 80CCC :-", 0);
    txt80ccc = item("Label2", "Jeevan Suraksha :-", "txt80ccc", 1);
    heading("Label3", "Section - 80CCD :-", 2);
    txt80ccdec = item("Label4", "New Pen. Sch. (Emp.Cont.) :-", "txt80ccdec", 3);
    txt80ccdgc = item("Label14", "New Pen. Sch. (Gov.Cont.) :-", "txt80ccdgc", 4);
    txttot1 = labelledRow<ResultField>(this, "Label5", QStringLiteral("Total - 80C+80CCC+80CCD :-"), rightLabelX, "txttot1",
                                       rightFieldX, rowY(5));
    heading("Label12", "Section - 80CCF :-", 6);
    txt80ccf = item("Label13", "Infra. Bonds :-", "txt80ccf", 7);
    heading("Label6", "Section - 80D :-", 8);
    txt80d = item("Label7", "Mediclaim/CGHS :-", "txt80d", 9);
    heading("Label8", "Section - 80G :-", 10);
    txt80g = item("Label9", "Donations :-", "txt80g", 11);
    txtoth = item("Label10", "Other Deductions :-", "txtoth", 12);
    txtgt80 = labelledRow<ResultField>(this, "Label11", QStringLiteral("GRAND TOTAL :-"), rightLabelX, "txtgt80", rightFieldX,
                                       rowY(13));
}

bool frmreb88::holdMediclaimToLimit()
{
    if (!mediclaimAboveLimit(textOf(txt80d)))
        return false;
    m_main.platform().showMessage(this, QString::fromUtf8(mediclaimLimitMessage.data(), mediclaimLimitMessage.size()));
    txt80d->setText(QStringLiteral("30000"));
    return true;
}

void frmreb88::calculate()
{
    holdMediclaimToLimit();
    const auto outcome = computeSection80({
        .txtgpf = textOf(txtgpf),
        .txtgis = textOf(txtgis),
        .txthba = textOf(txthba),
        .txtlic = textOf(txtlic),
        .txtppf = textOf(txtppf),
        .txtnsc = textOf(txtnsc),
        .txtnsci = textOf(txtnsci),
        .txttf1 = textOf(txttf1),
        .txttf2 = textOf(txttf2),
        .txtinf = textOf(txtinf),
        .txtos = textOf(txtos),
        .txt80ccc = textOf(txt80ccc),
        .txt80ccdec = textOf(txt80ccdec),
        .txt80ccdgc = textOf(txt80ccdgc),
        .txt80ccf = textOf(txt80ccf),
        .txt80d = textOf(txt80d),
        .txt80g = textOf(txt80g),
        .txtoth = textOf(txtoth),
    });
    const auto *results = resultsOrMessage(outcome, m_main.platform(), this);
    if (!results)
        return;
    writeFigure(txt80c, results->txt80c, results->workings.txt80c);
    writeFigure(txttot1, results->txttot1, results->workings.txttot1);
    writeText(txt80ccf, results->txt80ccf);
    writeFigure(txtgt80, results->txtgt80, results->workings.txtgt80);
    m_back.enable();
}

void frmreb88::back()
{
    const auto outcome = section80TotalToHandOver(textOf(txtgt80));
    const auto *figure = resultsOrMessage(outcome, m_main.platform(), this);
    if (!figure)
        return;
    hide();
    m_main.receive(Section80HandOver{*figure});
}

void frmreb88::open(const std::string &pensionContribution)
{
    const QString contribution = QString::fromStdString(pensionContribution);
    txt80ccdec->setText(contribution);
    txt80ccdgc->setText(contribution);
}

} // namespace pelmora
