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
#include "widgets/fieldtable.h"
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

using Texts = MainWindowTexts;
constexpr FieldLine<frmmain, Texts, TaxResults> fields[] = {
    {"txtname", &frmmain::txtname, {"lblname", "Name", leftLabelX},
     {mainColumnX + placement::fieldWidth - nameFieldWidth, rowY[0], nameFieldWidth}, &Texts::txtname},
    {"txtgs", &frmmain::txtgs, {"lblgsal", "Gross Salary", leftLabelX}, {mainColumnX, rowY[1]}, &Texts::txtgs},
    {"txttp", &frmmain::txttp, {"lbltpa", "Transport Allowance", indentedLabelX}, {middleColumnX, rowY[3]}, &Texts::txttp},
    {"txthra", &frmmain::txthra, {"lblhra", "House Rent Allowance", indentedLabelX}, {middleColumnX, rowY[4]},
     &Texts::txthra},
    // Named as the total under the heading of the exempt allowances.
    {"txtexall", &frmmain::txtexall, {}, {mainColumnX, rowY[4]}, &Texts::txtexall, &TaxResults::txtexall},
    {"txtnsal", &frmmain::txtnsal, {"lblsalinc", "Income from Salary", leftLabelX}, {mainColumnX, rowY[5]},
     &Texts::txtnsal, &TaxResults::txtnsal},
    {"txtos", &frmmain::txtos, {"lblos", "Income from Other Sources", leftLabelX}, {mainColumnX, rowY[6]}, &Texts::txtos},
    // Read-only, but a new figure disables Print like a typed one.
    {"txthp", &frmmain::txthp, {"lblhp", "Income from House Property", leftLabelX}, {mainColumnX, rowY[7]},
     &Texts::txthp},
    {"txtgti", &frmmain::txtgti, {"lblgti", "Gross Total Income", leftLabelX}, {mainColumnX, rowY[8]}, &Texts::txtgti,
     &TaxResults::txtgti},
    {"txtded80", &frmmain::txtded80, {"lblded80", "Less:- Deductions u/s 80", leftLabelX}, {mainColumnX, rowY[9]},
     &Texts::txtded80},
    {"txtnti", &frmmain::txtnti, {"lblnti", "Net Taxable Income", leftLabelX}, {mainColumnX, rowY[10]}, &Texts::txtnti,
     &TaxResults::txtnti},
    {"txtgtax", &frmmain::txtgtax, {"lblgtax", "Gross Tax", rightLabelX}, {rightColumnX, rowY[1]}, &Texts::txtgtax,
     &TaxResults::txtgtax},
    {"txtrel87A", &frmmain::txtrel87A, {"Label4", "Relief u/s 87A", rightLabelX}, {rightColumnX, rowY[2]},
     &Texts::txtrel87A, &TaxResults::txtrel87A},
    {"txtrel89", &frmmain::txtrel89, {"Label1", "Relief u/s 89", rightLabelX}, {rightColumnX, rowY[3]}, &Texts::txtrel89},
    {"txtntax", &frmmain::txtntax, {"lblntax", "Net Tax", rightLabelX}, {rightColumnX, rowY[4]}, &Texts::txtntax,
     &TaxResults::txtntax},
    {"txtcess", &frmmain::txtcess, {"Label5", "Education Cess", rightLabelX}, {rightColumnX, rowY[5]}, &Texts::txtcess,
     &TaxResults::txtcess},
    {"txtttax", &frmmain::txtttax, {"Label6", "Total Tax", rightLabelX}, {rightColumnX, rowY[6]}, &Texts::txtttax,
     &TaxResults::txtttax},
    {"txtdedtax", &frmmain::txtdedtax, {"Label8", "Tax Deducted", rightLabelX}, {rightColumnX, rowY[7]},
     &Texts::txtdedtax},
    {"txtbaltax", &frmmain::txtbaltax, {"Label9", "Balance Tax", rightLabelX}, {rightColumnX, rowY[8]},
     &Texts::txtbaltax, &TaxResults::txtbaltax},
    // Unseen carriers of the salary statement's totals to the other worksheets.
    {"txtbp", &frmmain::txtbp, {}, {}, nullptr},
    {"txtda", &frmmain::txtda, {}, {}, nullptr},
    {"txthrr", &frmmain::txthrr, {}, {}, nullptr},
    {"txtnpa", &frmmain::txtnpa, {}, {}, nullptr},
    {"txtmgc", &frmmain::txtmgc, {}, {}, nullptr},
    // On the Name row; its caption, which has an access key, is placed by the window.
    {"txtdob", &frmmain::txtdob, {}, {rightColumnX, rowY[0]}, &Texts::txtdob},
    {"txtarr", &frmmain::txtarr, {}, {}, nullptr},
};

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
    buildFields(*this, fields);
    completeFields();
    buildCalcButtons();
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

QStringList frmmain::fieldNames()
{
    return pelmora::fieldNames(fields);
}

MainWindowTexts frmmain::texts() const
{
    return textsOf(*this, fields);
}

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

void frmmain::buildCalcButtons()
{
    using namespace placement;
    cmdcalgs = placeCalcButton(this, "cmdcalgs", calcButtonX, rowY[1], QStringLiteral("gross salary"),
                               QStringLiteral("salary statement"));
    cmdcalhr = placeCalcButton(this, "cmdcalhr", hraCalcButtonX, rowY[4], QStringLiteral("HRA exemption"),
                               QStringLiteral("HRA exemption worksheet"));
    cmdcalhp = placeCalcButton(this, "cmdcalhp", calcButtonX, rowY[7], QStringLiteral("income from house property"),
                               QStringLiteral("house property worksheet"));
    cmdcalded80 = placeCalcButton(this, "cmdcalded80", calcButtonX, rowY[9], QStringLiteral("deductions under section 80"),
                                  QStringLiteral("section 80 worksheet"));
    cmdcalrel89 = placeCalcButton(this, "cmdcalrel89", 9240, rowY[3], QStringLiteral("relief under section 89"),
                                  QStringLiteral("relief under section 89(1) worksheet"));
    cmdcalc = button(this, "cmdcalc", QStringLiteral("&Calculate"), 6360, rowY[9]);
    cmdprint = button(this, "cmdprint", QStringLiteral("&Print"), 8040, rowY[9]);
    cmdexit = button(this, "cmdexit", QStringLiteral("E&xit"), 9720, rowY[9]);
}

// What the table of fields leaves to the window: the heading of the exempt allowances, the
// figures that come from a worksheet before it hands one over, and the date of birth's caption
// and what its text means.
void frmmain::completeFields()
{
    using namespace placement;
    const QLabel *exempt = label(this, "lblexall", QStringLiteral("Less:- Allowances Exempt u/s 10 :-"), leftLabelX, rowY[2]);
    nameAsTotal(txtexall, exempt->text());
    showAsResult(txthp);
    writeFigure(txthp, "0", housePropertyNotHandedOver);
    writeFigure(txtded80, "0", section80NotHandedOver);

    // The caption's access key needs the label as the field's buddy.
    QLabel *dob = label(this, "lbldob", QStringLiteral("Date of &Birth"), rightLabelX, rowY[0]);
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
    const auto outcome = computeTax(texts());
    const auto *results = resultsOrMessage(outcome, platform(), this);
    if (!results)
        return;
    m_print.enable();
    writeResults(*this, fields, *results);
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
    const std::string otherArrears = form1.exists() ? form1.window()->otherArrears() : std::string();
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
