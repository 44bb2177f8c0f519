// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmrel89.h"

#include "widgets/amountfield.h"
#include "widgets/controlplacement.h"
#include "widgets/fieldtexts.h"
#include "widgets/mainwindowhost.h"
#include "widgets/namefield.h"
#include "widgets/fonts.h"
#include "widgets/platform.h"
#include "widgets/readingmark.h"
#include "widgets/resultfield.h"
#include "widgets/wholetext.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>

namespace pelmora {

namespace {

// Layout, in twips: the employee's particulars, Table A's columns, Annexure I below it.
constexpr int leftX = 240;
constexpr int columnX[] = {1440, 2760, 4080, 5400, 6720, 8040};
constexpr int rightEdge = columnX[5] + placement::fieldWidth;
constexpr int particularsY = 120;
constexpr int headingY = 600;
constexpr int rowStep = 330;
constexpr int tableY = 900;
constexpr int rowY(int row) { return tableY + row * rowStep; }
constexpr int annexureY = rowY(earlierYears) + 180;
constexpr int itemY(int item) { return annexureY + (item - 1) * rowStep; }
constexpr int noteY = itemY(9);
constexpr int buttonsY = noteY + 300;

const char *const headings[] = {"Total income", "Arrears", "Increased", "Tax before", "Tax after", "Difference"};

// A PAN: five letters, four digits and a letter.
bool isPan(const QString &text)
{
    static const QRegularExpression pan(QStringLiteral("^[A-Z]{5}[0-9]{4}[A-Z]$"));
    return pan.match(text).hasMatch();
}

} // namespace

QStringList frmrel89::fieldNames()
{
    QStringList names{QStringLiteral("txtnam"), QStringLiteral("txtadd"), QStringLiteral("txtpan")};
    for (const char *array : {"txtinc", "txtarr", "txtincarr", "txttax1", "txttax2", "txtdif"})
        names += placement::memberNames(array, 0, earlierYears - 1);
    for (int item = 1; item <= 8; ++item)
        names.append(QStringLiteral("txtitem%1").arg(item));
    return names;
}

frmrel89::frmrel89(MainWindowHost &main)
    : FormWindow(QStringLiteral("Pelmora - Relief u/s 89(1)"),
                 {pixels(rightEdge + leftX), pixels(buttonsY + placement::buttonHeight + 240)})
    , m_main(main)
{
    setObjectName(QStringLiteral("frmrel89"));
    using namespace placement;
    txtnam = labelledRow<NameField>(this, "lblnam", QStringLiteral("Name"), leftX, "txtnam", columnX[0], particularsY,
                                    2 * fieldWidth + 105);
    txtadd = labelledRow<NameField>(this, "lbladd", QStringLiteral("Address"), columnX[2] + 120, "txtadd",
                                    columnX[3] - 240, particularsY, 2 * fieldWidth - 480);
    txtpan = labelledRow<NameField>(this, "lblpan", QStringLiteral("PAN"), columnX[5] - 600, "txtpan", columnX[5],
                                    particularsY);
    chkwoman = new QCheckBox(QStringLiteral("Woman"), this);
    chkwoman->setObjectName(QStringLiteral("chkwoman"));
    chkwoman->setGeometry(twipsRect(leftX, buttonsY, 2 * fieldWidth, buttonHeight));
    // The PAN is printed as typed, but a text that is not one is marked.
    m_panMark = std::make_unique<ReadingMark>(txtpan);
    auto *wholePan = new WholeText(txtpan); // the mark hides no character
    connect(txtpan, &QLineEdit::textChanged, this, [this, wholePan](const QString &text) {
        m_panMark->show(text.isEmpty() || isPan(text) ? QString()
                                                      : QStringLiteral("Not a PAN: five letters, four digits and a letter"));
        wholePan->setMarkRoom(m_panMark->room());
        txtpan->setAccessibleDescription(m_panMark->hint());
    });
    buildTable();
    buildAnnexure();

    lblother = label(this, "lblother", QString(), leftX, noteY);
    cmdcalc = button(this, "cmdcalc", QStringLiteral("&Calculate"), rightEdge - 3 * buttonWidth - 480, buttonsY);
    cmdprint = button(this, "cmdprint", QStringLiteral("&Print"), rightEdge - 2 * buttonWidth - 240, buttonsY);
    cmdbk = button(this, "cmdbk", QStringLiteral("&Back"), rightEdge - buttonWidth, buttonsY);
    setDefaultButton(cmdcalc);

    QList<EntryField *> amounts;
    QList<QWidget *> order;
    for (int row = 0; row < earlierYears; ++row) {
        amounts << txtinc[row] << txtarr[row];
        order << txtinc[row] << txtarr[row];
    }
    amounts << txtitem3;
    order << txtitem3 << txtnam << txtadd << txtpan << chkwoman << cmdcalc << cmdprint << cmdbk;
    chainTabOrder(order);
    m_commit.add(cmdprint);
    m_commit.add(cmdbk);
    m_commit.watch(amounts);
    connect(chkwoman, &QCheckBox::toggled, this, [this] { m_commit.disable(); });

    connect(cmdcalc, &QPushButton::clicked, this, &frmrel89::calculate);
    connect(cmdbk, &QPushButton::clicked, this, &frmrel89::back);
}

frmrel89::~frmrel89() = default;

void frmrel89::buildTable()
{
    using namespace placement;
    label(this, "lblyear", QStringLiteral("Year"), leftX, headingY);
    for (int column = 0; column < 6; ++column) {
        QLabel *heading = label(this, QStringLiteral("lblcol%1").arg(column + 1).toLatin1().constData(),
                                QString::fromLatin1(headings[column]), columnX[column], headingY);
        // Smaller than the other captions, so that each stays over its own column.
        heading->setFont(fonts::arial(8.25, true));
        heading->adjustSize();
    }
    for (int row = 0; row < earlierYears; ++row) {
        const std::string_view year = earlierYearName(row);
        const QString name = QString::fromLatin1(year.data(), qsizetype(year.size()));
        label(this, QStringLiteral("lblyear(%1)").arg(row).toLatin1().constData(), name, leftX, rowY(row));
        const auto cell = [&]<typename Field>(Field *&created, const char *array, int column, const char *caption) {
            created = field<Field>(this, memberName(array, row),
                                   FormWindow::twipsRect(columnX[column], rowY(row), fieldWidth, fieldHeight));
            nameUnder(created, QString::fromLatin1(caption), name);
        };
        cell(txtinc[row], "txtinc", 0, "Total income");
        cell(txtarr[row], "txtarr", 1, "Arrears");
        cell(txtincarr[row], "txtincarr", 2, "Total income as increased");
        cell(txttax1[row], "txttax1", 3, "Tax on total income");
        cell(txttax2[row], "txttax2", 4, "Tax on total income as increased");
        cell(txtdif[row], "txtdif", 5, "Difference in tax");
    }
}

void frmrel89::buildAnnexure()
{
    using namespace placement;
    const auto item = [this]<typename Field>(Field *&created, int number, const char *caption) {
        const QString text = QStringLiteral("%1. %2").arg(number).arg(QString::fromUtf8(caption));
        created = labelledRow<Field>(this, QStringLiteral("lblitem%1").arg(number).toLatin1().constData(), text, leftX,
                                     QStringLiteral("txtitem%1").arg(number).toLatin1().constData(), columnX[5],
                                     itemY(number));
    };
    item(txtitem1, 1, "Total income (excluding salary received in arrears or advance)");
    item(txtitem2, 2, "Salary received in arrears or advance");
    item(txtitem3, 3, "Total income (as increased by salary received in arrears or advance)");
    item(txtitem4, 4, "Tax on total income [as per item 3]");
    item(txtitem5, 5, "Tax on total income [as per item 1]");
    item(txtitem6, 6, "Tax on salary received in arrears or advance [item 4 − item 5]");
    item(txtitem7, 7, "Tax computed in accordance with Table \"A\"");
    item(txtitem8, 8, "Relief under section 89(1) [item 6 − item 7]");
}

void frmrel89::open(const Relief89Opening &opening)
{
    txtnam->setText(QString::fromStdString(opening.txtname));
    writeText(txtitem3, opening.txtnti);
    writeText(txtarr[0], opening.txtarr);
    m_dob = opening.txtdob;
    lblother->setText(opening.otherArrears.empty() || opening.otherArrears == "0"
                          ? QString()
                          : QStringLiteral("Other arrears in the salary statement: %1. Enter them against the years "
                                           "they relate to.")
                                .arg(QString::fromStdString(opening.otherArrears)));
    lblother->adjustSize();
    txtinc[0]->setFocus();
}

void frmrel89::calculate()
{
    Relief89Inputs inputs{.txtdob = m_dob, .woman = chkwoman->isChecked(), .txtinc = textsOf(txtinc),
                          .txtarr = textsOf(txtarr), .txtitem3 = textOf(txtitem3)};
    const auto outcome = computeRelief89(inputs);
    const auto *results = resultsOrMessage(outcome, m_main.platform(), this);
    if (!results)
        return;
    const auto &why = results->workings;
    for (int row = 0; row < earlierYears; ++row) {
        writeFigure(txtincarr[row], results->txtincarr[row], why.txtincarr[row]);
        writeFigure(txttax1[row], results->txttax1[row], why.txttax1[row]);
        writeFigure(txttax2[row], results->txttax2[row], why.txttax2[row]);
        writeFigure(txtdif[row], results->txtdif[row], why.txtdif[row]);
    }
    const std::tuple<ResultField *, const std::string &, const Working &> items[] = {
        {txtitem1, results->txtitem1, why.txtitem1}, {txtitem2, results->txtitem2, why.txtitem2},
        {txtitem4, results->txtitem4, why.txtitem4}, {txtitem5, results->txtitem5, why.txtitem5},
        {txtitem6, results->txtitem6, why.txtitem6}, {txtitem7, results->txtitem7, why.txtitem7},
        {txtitem8, results->txtitem8, why.txtitem8},
    };
    for (const auto &[field, figure, working] : items)
        writeFigure(field, figure, working);
    m_commit.enable();
}

void frmrel89::back()
{
    const auto outcome = relief89ToHandOver(textOf(txtitem8));
    const auto *figure = resultsOrMessage(outcome, m_main.platform(), this);
    if (!figure)
        return;
    hide();
    m_main.receive(Relief89HandOver{*figure});
}

} // namespace pelmora
