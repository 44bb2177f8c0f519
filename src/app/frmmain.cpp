// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmmain.h"

#include "about.h"
#include "printbuttons.h"
#include "core/credits.h"
#include "salary/form1.h"
#include "tax/taxcomputation.h"
#include "widgets/amountfield.h"
#include "widgets/carrierfield.h"
#include "widgets/namefield.h"
#include "widgets/resultfield.h"
#include "widgets/controlplacement.h"
#include "widgets/datefield.h"
#include "widgets/fieldtexts.h"
#include "widgets/fonts.h"
#include "widgets/pelmoraicon.h"
#include "widgets/platform.h"
#include "worksheets/form2.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"
#include "worksheets/frmrel89.h"
#include "worksheets/houseproperty.h"
#include "worksheets/hraexemption.h"
#include "worksheets/relief89.h"
#include "worksheets/section80.h"

#include <QAction>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QMenu>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <type_traits>

namespace pelmora {

namespace {

// Layout, in twips.
constexpr int rowY[] = {120, 600, 1080, 1560, 2040, 2520, 3000, 3480, 3960, 4440, 4920};
constexpr int leftLabelX = 240;
constexpr int indentedLabelX = 360;
constexpr int middleColumnX = 3480;
constexpr int mainColumnX = 4800;
constexpr int calcButtonX = 4080;
constexpr int hraCalcButtonX = 2880;
constexpr int rightLabelX = 6360;
constexpr int rightColumnX = 9960;
constexpr int nameFieldWidth = 3495;

const QColor darkGreen(0, 128, 0);
const QColor linkBlue(0, 0, 255);

QString text(const char *utf8)
{
    return QString::fromUtf8(utf8);
}

} // namespace

frmmain::frmmain(Platform &platform, QWidget *parent)
    : MainWindowHost(platform, QStringLiteral("Pelmora - Income Tax Calculator"), {pixels(11310), pixels(5940)}, parent)
    , form1([this] { return withFileCommands(newSalaryStatement()); })
    , form2([this] { return withFileCommands(new Form2(*this)); })
    , form4([this] { return withFileCommands(new Form4(*this)); })
    , reb88([this] { return withFileCommands(new frmreb88(*this)); })
    , rel89([this] { return withFileCommands(newRelief89()); })
    , m_figuresFile(*this)
{
    setObjectName(QStringLiteral("frmmain"));
    buildLeftColumn();
    buildRightColumn();
    buildFooter();
    setTabOrder();
    setDefaultButton(cmdcalc);
    txtname->setFocus();
    addBackgroundMenu();

    m_print.add(cmdprint);
    m_print.watch({txtname, txtgs, txttp, txthra, txtos, txthp, txtrel89, txtdedtax, txtdob});
    // A new deductions figure would otherwise print beside a tax worked out without it.
    connect(txtded80, &QLineEdit::textChanged, this, [this] { m_print.disable(); });

    connect(cmdcalgs, &QPushButton::clicked, this, &frmmain::openSalaryStatement);
    connect(cmdcalc, &QPushButton::clicked, this, &frmmain::calculate);
    connect(cmdprint, &QPushButton::clicked, this, [this] { printTaxStatement(*this); });
    connect(cmdexit, &QPushButton::clicked, this, [this] {
        if (mayEnd())
            this->platform().quit();
    });
    connect(cmdcalhr, &QPushButton::clicked, this, &frmmain::openHraExemption);
    connect(cmdcalhp, &QPushButton::clicked, this, &frmmain::openHouseProperty);
    connect(cmdcalded80, &QPushButton::clicked, this, &frmmain::openDeductions);
    connect(cmdcalrel89, &QPushButton::clicked, this, &frmmain::openRelief89);
}

frmmain::~frmmain() = default;

template <typename Worksheet>
Worksheet *frmmain::withFileCommands(Worksheet *worksheet)
{
    m_figuresFile.addCommands(worksheet);
    return worksheet;
}

template <typename Worksheet>
Worksheet *frmmain::present(WorksheetSlot<Worksheet> &slot)
{
    return m_unseen ? slot.window() : slot.show();
}

// The relief worksheet prints Form 10E through the printing that reads the windows.
frmrel89 *frmmain::newRelief89()
{
    auto *relief = new frmrel89(*this);
    connect(relief->cmdprint, &QPushButton::clicked, relief, [this, relief] { printForm10E(*relief, platform()); });
    return relief;
}

// The salary window prints its statement through the printing that reads the windows.
Form1 *frmmain::newSalaryStatement()
{
    auto *salary = new Form1(*this);
    connect(salary->cmdprn, &QPushButton::clicked, salary, [this, salary] { printSalaryStatement(*salary, platform()); });
    return salary;
}

// The window's background offers the file commands and About: a right click shows them, and so
// do the Menu key and Shift+F10 where the focused control has no menu of its own. Each has a
// key of its own too, for a field's edit menu shows none of them.
void frmmain::addBackgroundMenu()
{
    m_figuresFile.addCommands(this);
    m_aboutSeparator = new QAction(this);
    m_aboutSeparator->setSeparator(true);
    auto *about = new QAction(QStringLiteral("&About Pelmora"), this);
    about->setShortcut(QKeySequence::HelpContents);
    connect(about, &QAction::triggered, this, [this] { platform().showAbout(this, aboutText()); });
    addActions({m_aboutSeparator, about});
}

void frmmain::addBackgroundCommand(QAction *command)
{
    insertAction(m_aboutSeparator, command);
}

void frmmain::contextMenuEvent(QContextMenuEvent *event)
{
    // From the keyboard, beside the control that has the focus rather than where the mouse is.
    const QWidget *focused = focusWidget();
    const QPoint at = event->reason() == QContextMenuEvent::Mouse || !focused
                          ? event->globalPos()
                          : focused->mapToGlobal(QPoint(0, focused->height()));
    QMenu::exec(actions(), at, nullptr, this);
    event->accept();
}

// A Calc. button says to a screen reader which figure it works out and which window it opens.
static QPushButton *placeCalcButton(QWidget *window, const char *name, int x, int y, const QString &figure,
                                    const QString &worksheet)
{
    QPushButton *button = placement::button(window, QString::fromLatin1(name), QStringLiteral("Calc."),
                                            fonts::msSansSerif(8.25), FormWindow::twipsRect(x, y, 495, 255));
    button->setAccessibleName(button->text() + u' ' + figure);
    button->setAccessibleDescription(button->accessibleName() + QStringLiteral(": opens the ") + worksheet);
    return button;
}

// The hint and the credit: bold italic dark green.
static QLabel *placeNote(QWidget *window, const char *name, const QString &caption, int x, int y)
{
    QLabel *note = placement::label(window, name, caption, x, y);
    note->setFont(fonts::arial(9.75, true, true));
    placement::setTextColour(note, darkGreen);
    note->adjustSize();
    return note;
}

void frmmain::buildLeftColumn()
{
    using namespace placement;
    txtname = labelledRow<NameField>(this, "lblname", QStringLiteral("Name"), leftLabelX, "txtname",
                                     mainColumnX + fieldWidth - nameFieldWidth, rowY[0], nameFieldWidth);

    txtgs = labelledRow<AmountField>(this, "lblgsal", QStringLiteral("Gross Salary"), leftLabelX, "txtgs", mainColumnX, rowY[1]);
    cmdcalgs = placeCalcButton(this, "cmdcalgs", calcButtonX, rowY[1], QStringLiteral("gross salary"),
                               QStringLiteral("salary statement"));

    const QLabel *exempt = label(this, "lblexall", QStringLiteral("Less:- Allowances Exempt u/s 10 :-"), leftLabelX, rowY[2]);
    txttp = labelledRow<AmountField>(this, "lbltpa", QStringLiteral("Transport Allowance"), indentedLabelX, "txttp",
                                     middleColumnX, rowY[3]);
    txthra = labelledRow<AmountField>(this, "lblhra", QStringLiteral("House Rent Allowance"), indentedLabelX, "txthra",
                                      middleColumnX, rowY[4]);
    cmdcalhr = placeCalcButton(this, "cmdcalhr", hraCalcButtonX, rowY[4], QStringLiteral("HRA exemption"),
                               QStringLiteral("HRA exemption worksheet"));
    txtexall = field<ResultField>(this, "txtexall", mainColumnX, rowY[4]);
    nameAsTotal(txtexall, exempt->text());

    txtnsal = labelledRow<ResultField>(this, "lblsalinc", QStringLiteral("Income from Salary"), leftLabelX, "txtnsal",
                                       mainColumnX, rowY[5]);
    txtos = labelledRow<AmountField>(this, "lblos", QStringLiteral("Income from Other Sources"), leftLabelX, "txtos",
                                     mainColumnX, rowY[6]);

    txthp = labelledRow<AmountField>(this, "lblhp", QStringLiteral("Income from House Property"), leftLabelX, "txthp",
                                     mainColumnX, rowY[7]);
    cmdcalhp = placeCalcButton(this, "cmdcalhp", calcButtonX, rowY[7], QStringLiteral("income from house property"),
                               QStringLiteral("house property worksheet"));
    showAsResult(txthp);
    writeFigure(txthp, "0", housePropertyNotHandedOver);

    txtgti = labelledRow<ResultField>(this, "lblgti", QStringLiteral("Gross Total Income"), leftLabelX, "txtgti",
                                      mainColumnX, rowY[8]);

    txtded80 = labelledRow<ResultField>(this, "lblded80", QStringLiteral("Less:- Deductions u/s 80"), leftLabelX, "txtded80",
                                        mainColumnX, rowY[9]);
    writeFigure(txtded80, "0", section80NotHandedOver);
    cmdcalded80 = placeCalcButton(this, "cmdcalded80", calcButtonX, rowY[9], QStringLiteral("deductions under section 80"),
                                  QStringLiteral("section 80 worksheet"));

    txtnti = labelledRow<ResultField>(this, "lblnti", QStringLiteral("Net Taxable Income"), leftLabelX, "txtnti",
                                      mainColumnX, rowY[10]);

    txtbp = field<CarrierField>(this, "txtbp", 0, 0);
    txtda = field<CarrierField>(this, "txtda", 0, 0);
    txthrr = field<CarrierField>(this, "txthrr", 0, 0);
    txtnpa = field<CarrierField>(this, "txtnpa", 0, 0);
    txtmgc = field<CarrierField>(this, "txtmgc", 0, 0);
    txtarr = field<CarrierField>(this, "txtarr", 0, 0);
}

void frmmain::buildRightColumn()
{
    using namespace placement;
    txtgtax = labelledRow<ResultField>(this, "lblgtax", QStringLiteral("Gross Tax"), rightLabelX,
                                       "txtgtax", rightColumnX, rowY[1]);
    txtrel87A = labelledRow<ResultField>(this, "Label4", QStringLiteral("Relief u/s 87A"), rightLabelX,
                                         "txtrel87A", rightColumnX, rowY[2]);
    txtrel89 = labelledRow<AmountField>(this, "Label1", QStringLiteral("Relief u/s 89"), rightLabelX,
                                        "txtrel89", rightColumnX, rowY[3]);
    cmdcalrel89 = placeCalcButton(this, "cmdcalrel89", 9240, rowY[3], QStringLiteral("relief under section 89"),
                                  QStringLiteral("relief under section 89(1) worksheet"));
    txtntax = labelledRow<ResultField>(this, "lblntax", QStringLiteral("Net Tax"), rightLabelX,
                                       "txtntax", rightColumnX, rowY[4]);
    txtcess = labelledRow<ResultField>(this, "Label5", QStringLiteral("Education Cess"), rightLabelX,
                                       "txtcess", rightColumnX, rowY[5]);
    txtttax = labelledRow<ResultField>(this, "Label6", QStringLiteral("Total Tax"), rightLabelX,
                                       "txtttax", rightColumnX, rowY[6]);
    txtdedtax = labelledRow<AmountField>(this, "Label8", QStringLiteral("Tax Deducted"), rightLabelX,
                                         "txtdedtax", rightColumnX, rowY[7]);
    txtbaltax = labelledRow<ResultField>(this, "Label9", QStringLiteral("Balance Tax"), rightLabelX,
                                         "txtbaltax", rightColumnX, rowY[8]);

    cmdcalc = button(this, "cmdcalc", QStringLiteral("&Calculate"), 6360, rowY[9]);
    cmdprint = button(this, "cmdprint", QStringLiteral("&Print"), 8040, rowY[9]);
    cmdexit = button(this, "cmdexit", QStringLiteral("E&xit"), 9720, rowY[9]);

    // On the Name row. The caption's access key needs the label as the field's buddy.
    QLabel *dob = label(this, "lbldob", QStringLiteral("Date of &Birth"), rightLabelX, rowY[0]);
    txtdob = field<DateField>(this, "txtdob", rightColumnX, rowY[0]);
    dob->setBuddy(txtdob);
    txtdob->setAccessibleName(QStringLiteral("Date of Birth"));
    txtdob->setMeaning([](const QString &text) -> std::optional<QString> {
        const std::optional<AgeCategory> category = ageCategoryOf(text.toStdString());
        if (!category)
            return std::nullopt;
        if (text.isEmpty())
            return QString(); // nothing to say of a field left empty
        const std::string_view meaning = ageCategoryMeaning(*category);
        return QString::fromUtf8(meaning.data(), qsizetype(meaning.size()));
    });
}

void frmmain::buildFooter()
{
    placeNote(this, "Label2", QStringLiteral("Use Tab to move between fields"), 8280, 4920);
    placeNote(this, "Label3", text(credits::author) + QStringLiteral(", ") + text(credits::office), 6600, 5280);
    Label7 = placement::label(this, "Label7", QStringLiteral("Free Download:- ") + text(credits::webAddress), 6600, 5640);
    placement::setTextColour(Label7, linkBlue);
    Label7->setCursor(linkCursor());
    Label7->installEventFilter(this);
}

void frmmain::setTabOrder()
{
    const QList<QWidget *> order{txtname, cmdcalgs, txtgs, txttp, cmdcalhr, txthra, txtos,
                                 cmdcalhp, cmdcalded80, txtrel89, txtdedtax, cmdcalc, cmdprint, cmdexit,
                                 // Added later, after Exit: a count of Tabs from Name meets what it always met.
                                 cmdcalrel89, txtdob};
    chainTabOrder(order);
}

void frmmain::calculate()
{
    const auto outcome = computeTax({
        .txtgs = textOf(txtgs),
        .txthra = textOf(txthra),
        .txttp = textOf(txttp),
        .txthp = textOf(txthp),
        .txtos = textOf(txtos),
        .txtded80 = textOf(txtded80),
        .txtrel89 = textOf(txtrel89),
        .txtdedtax = textOf(txtdedtax),
        .txtdob = textOf(txtdob),
    });
    const auto *results = resultsOrMessage(outcome, platform(), this);
    if (!results)
        return;
    m_print.enable();
    const auto &why = results->workings;
    const std::tuple<QLineEdit *, const std::string &, const Working &> writes[] = {
        {txtexall, results->txtexall, why.txtexall},    {txtnsal, results->txtnsal, why.txtnsal},
        {txtgti, results->txtgti, why.txtgti},          {txtnti, results->txtnti, why.txtnti},
        {txtgtax, results->txtgtax, why.txtgtax},       {txtrel87A, results->txtrel87A, why.txtrel87A},
        {txtntax, results->txtntax, why.txtntax},       {txtcess, results->txtcess, why.txtcess},
        {txtttax, results->txtttax, why.txtttax},       {txtbaltax, results->txtbaltax, why.txtbaltax},
    };
    for (const auto &[field, figure, working] : writes)
        writeFigure(field, figure, working);
}

void frmmain::receive(const HandOver &handOver)
{
    // In front of the worksheet, which stays open behind it or is already hidden.
    if (!m_unseen)
        bringForward();
    std::visit(
        [this](const auto &figures) {
            using Figures = std::decay_t<decltype(figures)>;
            if constexpr (std::is_same_v<Figures, SalaryHandOver>) {
                writeText(txtgs, figures.txtgs);
                writeText(txttp, figures.txttp);
                writeText(txtbp, figures.txtbp);
                writeText(txtda, figures.txtda);
                writeText(txthrr, figures.txthrr);
                writeText(txtnpa, figures.txtnpa);
                writeText(txtmgc, figures.txtmgc);
                writeText(txtarr, figures.txtarr);
                cmdcalhr->setFocus();
            } else if constexpr (std::is_same_v<Figures, HraHandOver>) {
                writeText(txthra, figures.txthra);
                txtos->setFocus();
            } else if constexpr (std::is_same_v<Figures, HousePropertyHandOver>) {
                writeFigure(txthp, figures.txthp, housePropertyHandedOver);
                cmdcalded80->setFocus();
            } else if constexpr (std::is_same_v<Figures, Section80HandOver>) {
                writeFigure(txtded80, figures.txtded80, section80HandedOver);
                txtrel89->setFocus();
            } else {
                static_assert(std::is_same_v<Figures, Relief89HandOver>);
                writeFigure(txtrel89, figures.txtrel89, relief89HandedOver);
                txtdedtax->setFocus();
            }
        },
        handOver);
}

void frmmain::openHraExemption()
{
    const auto outcome = hraOpeningFigures({
        .txtbp = textOf(txtbp),
        .txtda = textOf(txtda),
        .txthrr = textOf(txthrr),
        .txtnpa = textOf(txtnpa),
    });
    const auto *figures = resultsOrMessage(outcome, platform(), this);
    if (!figures)
        return;
    present(form2)->open(*figures);
}

void frmmain::openHouseProperty()
{
    present(form4);
}

void frmmain::openDeductions()
{
    const auto outcome = pensionContributionOnOpening(textOf(txtmgc));
    const auto *figure = resultsOrMessage(outcome, platform(), this);
    if (!figure)
        return;
    present(reb88)->open(*figure);
}

void frmmain::openRelief89()
{
    // The other arrears of the salary statement belong to years only the user knows: shown, not placed.
    const std::string otherArrears = form1.exists() ? textOf(form1.window()->txtoth[0]) : std::string();
    present(rel89)->open({.txtname = textOf(txtname), .txtnti = textOf(txtnti), .txtarr = textOf(txtarr),
                        .otherArrears = otherArrears, .txtdob = textOf(txtdob)});
}

void frmmain::openSalaryStatement()
{
    const QString name = txtname->text();
    present(form1)->open(name);
}

void frmmain::openWebAddress()
{
    if (!platform().openWebAddress(QUrl(text(credits::webAddress))))
        platform().showMessage(this, QStringLiteral("Unable to start Web browser !"));
}

void frmmain::closeEvent(QCloseEvent *event)
{
    // The main window's close box ends the program like Exit: a worksheet left open or
    // hidden must not keep an invisible program running.
    if (!mayEnd()) {
        event->ignore();
        return;
    }
    event->accept();
    platform().quit();
}

bool frmmain::mayEnd()
{
    // Asked again while the program waits for a print to end: the first asking answers.
    if (m_ending)
        return false;
    m_ending = true;
    // No statement is lost half-way: each on its way is printed, or saved and the user told.
    platform().finishPrinting();
    const bool may = m_figuresFile.mayEnd();
    m_ending = false;
    return may;
}

bool frmmain::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Label7 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        openWebAddress();
        return true;
    }
    return FormWindow::eventFilter(watched, event);
}

} // namespace pelmora
