// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form1.h"

#include "widgets/choicebox.h"
#include "filldowncolumn.h"
#include "salarycomputation.h"

#include "widgets/controlplacement.h"
#include "widgets/fieldtable.h"
#include "widgets/fonts.h"
#include "widgets/mainwindowhost.h"
#include "widgets/platform.h"

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>

#include <optional>

using namespace Qt::StringLiterals;

namespace pelmora {

namespace {

static_assert(Form1::monthRows == salary::monthRows && Form1::extras == salary::extras);
static_assert(FillDownColumn::rows == salary::monthRows);

// Layout, in pixels.
constexpr QSize clientSize(718, 479);
constexpr int monthCaptionX = 8;
constexpr int firstColumnX = 62;
constexpr int columnStep = 64;
constexpr int columnWidth = 62;
constexpr int headingY = 40;
constexpr int choiceRowY = 58;
constexpr int firstRowY = 84;
constexpr int rowStep = 20;
constexpr int fieldHeight = 19;
constexpr int totalsRowY = firstRowY + salary::monthRows * rowStep + 6;
constexpr int panelX = 524;
constexpr int extrasFieldX = 606;
constexpr int extrasFieldWidth = 96;
constexpr int extrasY = 232;
constexpr int extrasStep = 22;
constexpr int buttonsY = 420;

// The seven money columns, left to right.
enum Column { BasicPay, GradePay, Da, Hra, Tpa, Mgc, Total };

constexpr int columnX(Column column)
{
    return firstColumnX + column * columnStep;
}

constexpr int rowY(int row)
{
    return firstRowY + row * rowStep;
}

using Texts = SalaryStatementTexts;
using Results = salary::SalaryResults;
static_assert(std::tuple_size_v<Texts::MonthTexts> == salary::monthRows);

// The month rows' columns, left to right; each heading is the caption over its column.
constexpr ColumnLine<Form1, Texts, Results, salary::monthRows> monthColumns[] = {
    {"txtbp", &Form1::txtbp, BasicPay, "B.PAY", &Texts::txtbp},
    {"txtgp", &Form1::txtgp, GradePay, "G.PAY", &Texts::txtgp},
    {"txtda", &Form1::txtda, Da, "DA", &Texts::txtda, &Results::txtda},
    {"txthra", &Form1::txthra, Hra, "HRA", &Texts::txthra, &Results::txthra, salary::firstYearRow},
    {"txttpa2", &Form1::txttpa2, Tpa, "TPA", &Texts::txttpa2, &Results::txttpa2},
    {"txtmgc", &Form1::txtmgc, Mgc, "MGC", &Texts::txtmgc, &Results::txtmgc},
    {"txtttl", &Form1::txtttl, Total, "TOTAL", &Texts::txtttl, &Results::txtttl},
};
static_assert(std::size(monthColumns) == Total + 1 && monthColumns[Total].column == Total);

// The members of the caption array Label1 that head the columns.
constexpr int headingCaptions[] = {14, 15, 17, 20, 21, 22, 23};

QString headingOf(Column column)
{
    return QString::fromLatin1(monthColumns[column].heading);
}

// The fields outside the month rows. Each column's total stands under it; the name and the
// grand total have places of their own.
struct SingleLine {
    const char *name;
    std::variant<NameField *Form1::*, ResultField *Form1::*> member;
    std::optional<Column> totalOf;
    std::string Texts::*text;
    const Figure Results::*result = nullptr;
};

const SingleLine singleFields[] = {
    {"txtnam", &Form1::txtnam, {}, &Texts::txtnam},
    {"txtbpt", &Form1::txtbpt, BasicPay, &Texts::txtbpt, &Results::txtbpt},
    {"txtgpt", &Form1::txtgpt, GradePay, &Texts::txtgpt, &Results::txtgpt},
    {"txtdat", &Form1::txtdat, Da, &Texts::txtdat, &Results::txtdat},
    {"txthrat", &Form1::txthrat, Hra, &Texts::txthrat, &Results::txthrat},
    {"txttpat", &Form1::txttpat, Tpa, &Texts::txttpat, &Results::txttpat},
    {"txtmgct", &Form1::txtmgct, Mgc, &Texts::txtmgct, &Results::txtmgct},
    {"txtttlt", &Form1::txtttlt, Total, &Texts::txtttlt, &Results::txtttlt},
    {"txtgtotal", &Form1::txtgtotal, {}, &Texts::txtgtotal, &Results::txtgtotal},
};

const QColor darkGreen(0, 128, 0);
const QColor arrearsGrey(224, 224, 224);

QString text(std::string_view utf8)
{
    return QString::fromUtf8(utf8.data(), qsizetype(utf8.size()));
}

QStringList entries(const auto &list)
{
    QStringList texts;
    for (Words entry : list)
        texts.append(text(entry.text()));
    return texts;
}

QLabel *placeLabel(QWidget *window, const QString &name, const QString &caption, QRect geometry)
{
    return placement::label(window, name, caption, 8.25, geometry);
}

// A member of the caption array Label1: the month rows, the column headings and the extras.
QLabel *placeCaption(QWidget *window, int index, const QString &caption, QRect geometry)
{
    return placeLabel(window, placement::memberName("Label1", index), caption, geometry);
}

QPushButton *placeButton(QWidget *window, const char *name, const QString &caption, int x)
{
    return placement::button(window, QLatin1String(name), caption, fonts::msSansSerif(9.75, true),
                             QRect(x, buttonsY, 84, 27));
}

} // namespace

QStringList Form1::fieldNames()
{
    return pelmora::fieldNames(singleFields) + QStringList{u"cbonps"_s, u"cboclass1"_s, u"cboclass3"_s}
           + pelmora::fieldNames(monthColumns) + placement::memberNames("txtoth", 0, extras - 1);
}

SalaryStatementTexts Form1::texts() const
{
    Texts texts;
    for (int row = 0; row < monthRows; ++row)
        texts.Label1[row] = salary::monthCaptions[row];
    readTexts(texts, *this, singleFields);
    readTexts(texts, *this, monthColumns);
    texts.txtoth = textsOf(txtoth);
    return texts;
}

std::string Form1::otherArrears() const
{
    return textOf(txtoth[0]);
}

Form1::Form1(MainWindowHost &main)
    : FormWindow(QStringLiteral("Pelmora - Income Calculator"), clientSize)
    , m_main(main)
{
    setObjectName(QStringLiteral("Form1"));
    buildHeader();
    buildMonthRows();
    buildTotals();
    buildSidePanel();
    buildButtons();
    setTabOrder();
    setDefaultButton(cmdcal);
    watchInputs();

    connect(cmdcal, &QPushButton::clicked, this, &Form1::calculate);
    connect(cmdbak, &QPushButton::clicked, this, &Form1::back);
}

Form1::~Form1() = default;

void Form1::buildHeader()
{
    QLabel *name = placeLabel(this, QStringLiteral("lblname"), QStringLiteral("Name"), QRect(monthCaptionX, 10, 48, 18));
    txtnam = placement::field<NameField>(this, QStringLiteral("txtnam"), QRect(firstColumnX, 9, 250, 20));
    txtnam->setTypingLimit(26);
    placement::captionField(name, txtnam);

    QLabel *pensionScheme =
        placeLabel(this, QStringLiteral("Label4"), QStringLiteral("New Pen. Sch. :-"), QRect(panelX, 10, 112, 18));
    cbonps = new ChoiceBox(entries(salary::pensionSchemeEntries), QStringLiteral("N"), this);
    cbonps->setObjectName(QStringLiteral("cbonps"));
    cbonps->setGeometry(640, 8, 62, 22);
    placement::captionField(pensionScheme, cbonps);

    std::array<QLabel *, Total + 1> headings;
    for (int column = BasicPay; column <= Total; ++column) {
        headings[column] = placeCaption(this, headingCaptions[column], headingOf(Column(column)),
                                        QRect(columnX(Column(column)), headingY, columnWidth, 16));
        headings[column]->setAlignment(Qt::AlignHCenter);
    }
    // A second "DA" caption, one pixel wide: never seen.
    placeCaption(this, 18, QStringLiteral("DA"), QRect(columnX(Hra) - 1, headingY, 1, 16))->hide();

    cboclass1 = new ChoiceBox(entries(salary::hraClassEntries), QStringLiteral("X"), this);
    cboclass1->setObjectName(QStringLiteral("cboclass1"));
    cboclass1->setGeometry(columnX(Hra), choiceRowY, columnWidth, 22);
    cboclass1->setSelectAllOnFocus(true);
    cboclass3 = new ChoiceBox(entries(salary::transportClassEntries), QStringLiteral("A/A-1"), this);
    cboclass3->setObjectName(QStringLiteral("cboclass3"));
    cboclass3->setGeometry(columnX(Tpa), choiceRowY, columnWidth, 22);
    cboclass3->setSelectAllOnFocus(true);
    // The pension scheme too: a "Y" typed where "N" shows would otherwise make "NY".
    cbonps->setSelectAllOnFocus(true);
    for (ChoiceBox *box : {cbonps, cboclass1, cboclass3})
        box->setFont(fonts::msSansSerif(8.25));
    // Each class box is the one control under its heading. Qt on Linux names a combo box by the
    // label it is the buddy of; other platforms speak the accessible name.
    placement::captionField(headings[Hra], cboclass1);
    placement::captionField(headings[Tpa], cboclass3);
    cboclass1->setAccessibleName(QStringLiteral("HRA class"));
    cboclass3->setAccessibleName(QStringLiteral("Transport class"));
}

void Form1::buildMonthRows()
{
    for (int row = 0; row < monthRows; ++row) {
        const QString month = text(salary::monthCaptions[row]);
        placeCaption(this, row, month, QRect(monthCaptionX, rowY(row) + 1, 52, fieldHeight - 2));
        buildRow(*this, monthColumns, row, month, [](int column, int row) {
            return QRect(columnX(Column(column)), rowY(row), columnWidth, fieldHeight);
        });
    }
    // The pay of the arrears rows was received in the year before; only its DA arrears count.
    for (int row = 0; row < salary::firstYearRow; ++row) {
        for (AmountField *field : {txtbp[row], txtgp[row]}) {
            QPalette palette = field->palette();
            palette.setColor(QPalette::Base, arrearsGrey);
            field->setPalette(palette);
        }
        // Their DA arrears rest on the basic pay alone: Calculate reads it strictly.
        txtbp[row]->setReading(Reading::Strict);
    }
}

void Form1::buildTotals()
{
    for (const SingleLine &line : singleFields) {
        if (!line.totalOf)
            continue;
        auto *field = placement::field<ResultField>(this, QLatin1String(line.name),
                                                    QRect(columnX(*line.totalOf), totalsRowY, columnWidth, fieldHeight));
        placement::nameAsTotal(field, headingOf(*line.totalOf));
        this->*std::get<ResultField *Form1::*>(line.member) = field;
    }
}

void Form1::buildSidePanel()
{
    chkinc = new QCheckBox(QStringLiteral("Calculate Increment"), this);
    chkinc->setObjectName(QStringLiteral("chkinc"));
    chkinc->setGeometry(panelX, firstRowY, 180, 20);
    chkinc->setFont(fonts::arial(8.25, true));
    chkinc->setChecked(true);

    auto *label2 = new QLabel(QStringLiteral("Increment can be calculated automatically."), this);
    label2->setObjectName(QStringLiteral("Label2"));
    label2->setTextFormat(Qt::PlainText);
    label2->setWordWrap(true);
    label2->setFont(fonts::arial(8.25, true, true));
    QPalette palette = label2->palette();
    palette.setColor(QPalette::WindowText, darkGreen);
    label2->setPalette(palette);
    label2->setGeometry(panelX, firstRowY + 24, 180, 34);
    chkinc->setAccessibleDescription(label2->text());

    placeCaption(this, 24, QStringLiteral("Annual Figures :-"), QRect(panelX, extrasY - 24, 180, 18));
    // Captions Label1(30) down to Label1(25), from "Arrears:-" to "Oth.".
    const char *captions[extras] = {"Arrears:-", "Bonus", "OTA", "T.Fee", "Hon.", "Oth."};
    for (int i = 0; i < extras; ++i) {
        const int y = extrasY + i * extrasStep;
        QLabel *caption =
            placeCaption(this, 30 - i, QString::fromLatin1(captions[i]), QRect(panelX, y + 1, 78, fieldHeight - 2));
        txtoth[i] = placement::field<AmountField>(this, placement::memberName("txtoth", i), QRect(extrasFieldX, y, extrasFieldWidth, fieldHeight));
        placement::captionField(caption, txtoth[i]);
    }
}

void Form1::buildButtons()
{
    cmdcal = placeButton(this, "cmdcal", QStringLiteral("&Calculate"), monthCaptionX);
    cmdprn = placeButton(this, "cmdprn", QStringLiteral("&Print"), monthCaptionX + 92);
    cmdbak = placeButton(this, "cmdbak", QStringLiteral("&Back"), monthCaptionX + 184);

    QLabel *grandTotal = placeCaption(this, 31, QStringLiteral("G.Total"), QRect(columnX(Tpa) + 8, buttonsY + 5, 56, 18));
    txtgtotal = placement::field<ResultField>(this, QStringLiteral("txtgtotal"),
                                              QRect(columnX(Mgc), buttonsY + 4, columnWidth + columnStep, fieldHeight + 1));
    placement::captionField(grandTotal, txtgtotal);
}

void Form1::setTabOrder()
{
    QList<QWidget *> order{txtnam, cbonps, cboclass1, cboclass3};
    for (int row = 0; row < monthRows; ++row)
        order << txtbp[row] << txtgp[row];
    for (AmountField *extra : txtoth)
        order << extra;
    order << cmdcal << cmdprn << cmdbak << chkinc;
    chainTabOrder(order);
}

void Form1::watchInputs()
{
    m_commit.add(cmdprn);
    m_commit.add(cmdbak);
    // The commit buttons are disabled before a pay column fills down: watched first.
    for (int row = 0; row < monthRows; ++row)
        m_commit.watch({txtbp[row], txtgp[row]});
    for (AmountField *extra : txtoth)
        m_commit.watch(extra);
    m_basicPay = new FillDownColumn(txtbp, this);
    // The July pay is explained only while it is the increment Calculate wrote.
    connect(txtbp[salary::julyRow], &QLineEdit::textChanged, this, [july = txtbp[salary::julyRow]] { july->explain({}); });
    m_gradePay = new FillDownColumn(txtgp, this);

    // A new choice or the increment switched on or off makes the figures stale as well.
    // The name is no figure: it leaves them be.
    for (ChoiceBox *box : {cbonps, cboclass1, cboclass3})
        connect(box, &ChoiceBox::changed, this, [this] { m_commit.disable(); });
    connect(chkinc, &QCheckBox::toggled, this, [this] { m_commit.disable(); });
}

void Form1::calculate()
{
    const Texts typed = texts();
    salary::SalarySheet sheet{
        .txtbp = typed.txtbp,
        .txtgp = typed.txtgp,
        .cbonps = cbonps->currentText().toStdString(),
        .cboclass1 = cboclass1->currentText().toStdString(),
        .cboclass3 = cboclass3->currentText().toStdString(),
        .chkinc = chkinc->isChecked(),
        .txtoth = typed.txtoth,
    };

    const auto outcome = salary::computeSalary(sheet);
    const auto *results = resultsOrMessage(outcome, m_main.platform(), this);
    if (!results)
        return;

    // The increment's fill-down disables Print and Back on its way; they are enabled after it.
    if (results->julyBasicPay) {
        m_basicPay->write(salary::julyRow, QString::fromStdString(results->julyBasicPay->text));
        writeFigure(txtbp[salary::julyRow], *results->julyBasicPay);
    }
    writeResults(*this, monthColumns, *results);
    writeResults(*this, singleFields, *results);
    m_commit.enable();
}

void Form1::back()
{
    const auto outcome = salary::computeHandOver({
        .txtbpt = textOf(txtbpt),
        .txtdat = textOf(txtdat),
        .txtgtotal = textOf(txtgtotal),
        .txthrat = textOf(txthrat),
        .txtgpt = textOf(txtgpt),
        .txtmgct = textOf(txtmgct),
        .txttpa2 = textsOf(txttpa2),
        .txtttl = textsOf(txtttl),
    });
    const auto *handOver = resultsOrMessage(outcome, m_main.platform(), this);
    if (!handOver)
        return;

    // This window stays open behind the main window.
    m_main.receive(*handOver);
}

void Form1::open(const QString &name)
{
    txtnam->setText(name);
    cbonps->setFocus();
}

} // namespace pelmora
