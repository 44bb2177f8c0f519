// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmreb88.h"

#include "section80.h"

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

// Section 80C on the left, the other sections on the right, each under its heading.
using Texts = Section80Texts;
using Line = FieldLine<frmreb88, Texts, Section80Results>;
constexpr Line item80C(const char *name, AmountField *frmreb88::*member, const char *labelName, const char *caption,
                       int row, std::string Texts::*text)
{
    return {name, member, {labelName, caption, leftLabelX}, {leftFieldX, rowY(row)}, text};
}
constexpr Line item(const char *name, AmountField *frmreb88::*member, const char *labelName, const char *caption,
                    int row, std::string Texts::*text)
{
    return {name, member, {labelName, caption, rightLabelX}, {rightFieldX, rowY(row)}, text};
}
constexpr Line fields[] = {
    item80C("txtgpf", &frmreb88::txtgpf, "lblgpf", "GPF :-", 1, &Texts::txtgpf),
    item80C("txtgis", &frmreb88::txtgis, "lblgis", "CGEGIS :-", 2, &Texts::txtgis),
    item80C("txthba", &frmreb88::txthba, "lblhba", "House Building Advance :-", 3, &Texts::txthba),
    item80C("txtlic", &frmreb88::txtlic, "lbllic", "Life Insurance Premium :-", 4, &Texts::txtlic),
    item80C("txtppf", &frmreb88::txtppf, "lblppf", "PPF :-", 5, &Texts::txtppf),
    item80C("txtnsc", &frmreb88::txtnsc, "lblnsc", "National Savings Certificate : -", 6, &Texts::txtnsc),
    item80C("txtnsci", &frmreb88::txtnsci, "lblnsci", "Interest on NSC :-", 7, &Texts::txtnsci),
    item80C("txttf1", &frmreb88::txttf1, "lblchld1", "Child I :-", 9, &Texts::txttf1),
    item80C("txttf2", &frmreb88::txttf2, "lblchld2", "Child II :-", 10, &Texts::txttf2),
    item80C("txtinf", &frmreb88::txtinf, "lblinf", "Infrastructure Bonds :-", 11, &Texts::txtinf),
    item80C("txtos", &frmreb88::txtos, "lbloth", "Other Savings :-", 12, &Texts::txtos),
    {"txt80c", &frmreb88::txt80c, {"lbltot1", "Total :-", leftLabelX}, {leftFieldX, rowY(13)}, &Texts::txt80c,
     &Section80Results::txt80c},
    item("txt80ccc", &frmreb88::txt80ccc, "Label2", "Jeevan Suraksha :-", 1, &Texts::txt80ccc),
    item("txt80ccdec", &frmreb88::txt80ccdec, "Label4", "New Pen. Sch. (Emp.Cont.) :-", 3, &Texts::txt80ccdec),
    item("txt80ccdgc", &frmreb88::txt80ccdgc, "Label14", "New Pen. Sch. (Gov.Cont.) :-", 4, &Texts::txt80ccdgc),
    {"txttot1", &frmreb88::txttot1, {"Label5", "Total - 80C+80CCC+80CCD :-", rightLabelX}, {rightFieldX, rowY(5)},
     &Texts::txttot1, &Section80Results::txttot1},
    // Written back as the bonds figure that counts, a text without a working of its own.
    item("txt80ccf", &frmreb88::txt80ccf, "Label13", "Infra. Bonds :-", 7, &Texts::txt80ccf),
    item("txt80d", &frmreb88::txt80d, "Label7", "Mediclaim/CGHS :-", 9, &Texts::txt80d),
    item("txt80g", &frmreb88::txt80g, "Label9", "Donations :-", 11, &Texts::txt80g),
    item("txtoth", &frmreb88::txtoth, "Label10", "Other Deductions :-", 12, &Texts::txtoth),
    {"txtgt80", &frmreb88::txtgt80, {"Label11", "GRAND TOTAL :-", rightLabelX}, {rightFieldX, rowY(13)},
     &Texts::txtgt80, &Section80Results::txtgt80},
};

} // namespace

QStringList frmreb88::fieldNames()
{
    return pelmora::fieldNames(fields);
}

Section80Texts frmreb88::texts() const
{
    return textsOf(*this, fields);
}

frmreb88::frmreb88(MainWindowHost &main)
    : FormWindow(QStringLiteral("Pelmora - Deductions Under Section 80"),
                 {pixels(rightEdge + leftLabelX), pixels(buttonsY + placement::buttonHeight + 240)})
    , m_main(main)
{
    setObjectName(QStringLiteral("frmreb88"));
    buildFields(*this, fields);
    buildHeadings();
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

void frmreb88::buildHeadings()
{
    using namespace placement;
    const auto heading = [this](const char *name, const char *caption, int row) {
        return label(this, name, QString::fromUtf8(caption), rightLabelX, rowY(row));
    };
    const QLabel *section = label(this, "lblgrs", QStringLiteral("Section - 80C :-"), leftLabelX, rowY(0));
    const QLabel *tuitionFee = label(this, "lbltut", QStringLiteral("Tution Fee : -"), leftLabelX, rowY(8));
    heading("Label1", "Section - 80CCC :-", 0);
    heading("Label3", "Section - 80CCD :-", 2);
    heading("Label12", "Section - 80CCF :-", 6);
    heading("Label6", "Section - 80D :-", 8);
    heading("Label8", "Section - 80G :-", 10);
    // Alone, "Child I" and "Total" would not say what they hold.
    for (QWidget *child : {txttf1, txttf2})
        nameUnder(child, tuitionFee->text(), child->accessibleName());
    nameUnder(txt80c, section->text(), txt80c->accessibleName());
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
    const auto outcome = computeSection80(texts());
    const auto *results = resultsOrMessage(outcome, m_main.platform(), this);
    if (!results)
        return;
    writeResults(*this, fields, *results);
    writeText(txt80ccf, results->txt80ccf);
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
