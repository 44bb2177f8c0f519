// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmrel89.h"

#include "widgets/controlplacement.h"
#include "widgets/fieldtable.h"
#include "widgets/fonts.h"
#include "widgets/mainwindowhost.h"
#include "widgets/platform.h"
#include "widgets/readingmark.h"
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

using Texts = Form10ETexts;
using Results = Relief89Results;
static_assert(form10EYears == earlierYears);

// The employee's particulars and Annexure I's items, each item right of its caption.
const FieldLine<frmrel89, Texts, Results> fields[] = {
    {"txtnam", &frmrel89::txtnam, {"lblnam", "Name", leftX}, {columnX[0], particularsY, 2 * placement::fieldWidth + 105},
     &Texts::txtnam},
    {"txtadd", &frmrel89::txtadd, {"lbladd", "Address", columnX[2] + 120},
     {columnX[3] - 240, particularsY, 2 * placement::fieldWidth - 480}, &Texts::txtadd},
    {"txtpan", &frmrel89::txtpan, {"lblpan", "PAN", columnX[5] - 600}, {columnX[5], particularsY}, &Texts::txtpan},
    {"txtitem1", &frmrel89::txtitem1,
     {"lblitem1", "1. Total income (excluding salary received in arrears or advance)", leftX}, {columnX[5], itemY(1)},
     &Texts::txtitem1, &Results::txtitem1},
    {"txtitem2", &frmrel89::txtitem2, {"lblitem2", "2. Salary received in arrears or advance", leftX},
     {columnX[5], itemY(2)}, &Texts::txtitem2, &Results::txtitem2},
    {"txtitem3", &frmrel89::txtitem3,
     {"lblitem3", "3. Total income (as increased by salary received in arrears or advance)", leftX},
     {columnX[5], itemY(3)}, &Texts::txtitem3},
    {"txtitem4", &frmrel89::txtitem4, {"lblitem4", "4. Tax on total income [as per item 3]", leftX},
     {columnX[5], itemY(4)}, &Texts::txtitem4, &Results::txtitem4},
    {"txtitem5", &frmrel89::txtitem5, {"lblitem5", "5. Tax on total income [as per item 1]", leftX},
     {columnX[5], itemY(5)}, &Texts::txtitem5, &Results::txtitem5},
    {"txtitem6", &frmrel89::txtitem6,
     {"lblitem6", "6. Tax on salary received in arrears or advance [item 4 − item 5]", leftX}, {columnX[5], itemY(6)},
     &Texts::txtitem6, &Results::txtitem6},
    {"txtitem7", &frmrel89::txtitem7, {"lblitem7", "7. Tax computed in accordance with Table \"A\"", leftX},
     {columnX[5], itemY(7)}, &Texts::txtitem7, &Results::txtitem7},
    {"txtitem8", &frmrel89::txtitem8, {"lblitem8", "8. Relief under section 89(1) [item 6 − item 7]", leftX},
     {columnX[5], itemY(8)}, &Texts::txtitem8, &Results::txtitem8},
};

// Table A's columns, left to right, each named for a screen reader in full.
const ColumnLine<frmrel89, Texts, Results, earlierYears> tableA[] = {
    {"txtinc", &frmrel89::txtinc, 0, "Total income", &Texts::txtinc},
    {"txtarr", &frmrel89::txtarr, 1, "Arrears", &Texts::txtarr},
    {"txtincarr", &frmrel89::txtincarr, 2, "Total income as increased", &Texts::txtincarr, &Results::txtincarr},
    {"txttax1", &frmrel89::txttax1, 3, "Tax on total income", &Texts::txttax1, &Results::txttax1},
    {"txttax2", &frmrel89::txttax2, 4, "Tax on total income as increased", &Texts::txttax2, &Results::txttax2},
    {"txtdif", &frmrel89::txtdif, 5, "Difference in tax", &Texts::txtdif, &Results::txtdif},
};

// A PAN: five letters, four digits and a letter.
bool isPan(const QString &text)
{
    static const QRegularExpression pan(QStringLiteral("^[A-Z]{5}[0-9]{4}[A-Z]$"));
    return pan.match(text).hasMatch();
}

} // namespace

QStringList frmrel89::fieldNames()
{
    return pelmora::fieldNames(fields) + pelmora::fieldNames(tableA);
}

Form10ETexts frmrel89::texts() const
{
    Texts texts;
    for (int row = 0; row < earlierYears; ++row)
        texts.years[row] = earlierYearName(row);
    readTexts(texts, *this, fields);
    readTexts(texts, *this, tableA);
    return texts;
}

frmrel89::frmrel89(MainWindowHost &main)
    : FormWindow(QStringLiteral("Pelmora - Relief u/s 89(1)"),
                 {pixels(rightEdge + leftX), pixels(buttonsY + placement::buttonHeight + 240)})
    , m_main(main)
{
    setObjectName(QStringLiteral("frmrel89"));
    using namespace placement;
    buildFields(*this, fields);
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
        buildRow(*this, tableA, row, name, [](int column, int row) {
            return FormWindow::twipsRect(columnX[column], rowY(row), placement::fieldWidth, placement::fieldHeight);
        });
    }
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
    const Texts typed = texts();
    const Relief89Inputs inputs{.txtdob = m_dob, .woman = chkwoman->isChecked(), .txtinc = typed.txtinc,
                                .txtarr = typed.txtarr, .txtitem3 = typed.txtitem3};
    const auto outcome = computeRelief89(inputs);
    const auto *results = resultsOrMessage(outcome, m_main.platform(), this);
    if (!results)
        return;
    writeResults(*this, tableA, *results);
    writeResults(*this, fields, *results);
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
