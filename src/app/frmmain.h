// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window: the summary computation of income tax, the hub from which the four
// worksheets are opened, each handed what it copies, and which takes the figures they hand back.

#include "figuresfile.h"
#include "worksheetslot.h"

#include "widgets/commitbuttons.h"
#include "widgets/mainwindowhost.h"

#include "core/windowtexts.h"

#include <QStringList>

class QAction;
class QLabel;
class QPushButton;

namespace pelmora {

class AmountField;
class CarrierField;
class DateField;
class NameField;
class ResultField;
class Form1;
class Form2;
class Form4;
class frmreb88;
class frmrel89;

class frmmain : public MainWindowHost
{
    Q_OBJECT
public:
    explicit frmmain(Platform &platform, QWidget *parent = nullptr);
    ~frmmain() override;

    void receive(const HandOver &handOver) override;

    // The names of the fields, in the order they stand.
    static QStringList fieldNames();
    // The fields' texts, as the tax and its statement read them.
    MainWindowTexts texts() const;

    // For a set of windows that works files out on its own, behind the user's: the Calc.
    // buttons open their worksheets without showing them, and no window comes forward.
    void workUnseen() { m_unseen = true; }

    // Adds a command to the window's background menu, after the file commands.
    void addBackgroundCommand(QAction *command);

    // The fields and buttons. The worksheets never see them: they hand their figures over.
    NameField *txtname;
    AmountField *txtgs;
    AmountField *txttp;
    AmountField *txthra;
    ResultField *txtexall;
    ResultField *txtnsal;
    AmountField *txtos;
    AmountField *txthp; // read-only, but a new figure disables Print like a typed one
    ResultField *txtgti;
    ResultField *txtded80;
    ResultField *txtnti;
    ResultField *txtgtax;
    ResultField *txtrel87A;
    AmountField *txtrel89;
    ResultField *txtntax;
    ResultField *txtcess;
    ResultField *txtttax;
    AmountField *txtdedtax;
    ResultField *txtbaltax;
    DateField *txtdob; // empty for a payer below 60

    // Carriers of the salary statement's yearly totals to the HRA and section 80 worksheets.
    CarrierField *txtbp;
    CarrierField *txtda;
    CarrierField *txthrr;
    CarrierField *txtnpa;
    CarrierField *txtmgc;
    CarrierField *txtarr; // the salary statement's arrears of Jan 13 and Feb 13, for the relief u/s 89(1)

    QPushButton *cmdcalgs;
    QPushButton *cmdcalhr;
    QPushButton *cmdcalhp;
    QPushButton *cmdcalded80;
    QPushButton *cmdcalrel89;
    QPushButton *cmdcalc;
    QPushButton *cmdprint;
    QPushButton *cmdexit;
    QLabel *Label7;

    // The file of figures in use, if any, and its commands.
    FiguresFile &figuresFile() { return m_figuresFile; }

    // The worksheets: salary statement, HRA exemption, house property, section 80.
    WorksheetSlot<Form1> form1;
    WorksheetSlot<Form2> form2;
    WorksheetSlot<Form4> form4;
    WorksheetSlot<frmreb88> reb88;
    WorksheetSlot<frmrel89> rel89;

public Q_SLOTS:
    // Works out the tax from the fields and writes the ten results; enables Print.
    void calculate();
    void openWebAddress();

protected:
    void closeEvent(QCloseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void openSalaryStatement();

public:
    void disableCommitButtons() override { m_print.disable(); }

private:
    void completeFields();
    void buildCalcButtons();
    void buildFooter();
    void setTabOrder();
    void openHraExemption();
    void openHouseProperty();
    void openDeductions();
    void openRelief89();
    void addBackgroundMenu();
    Form1 *newSalaryStatement();
    frmrel89 *newRelief89();
    // Gives a new worksheet the file commands' keys.
    template <typename Worksheet>
    Worksheet *withFileCommands(Worksheet *worksheet);
    // The worksheet as its Calc. button opens it: shown in front, unless the windows work unseen.
    template <typename Worksheet>
    Worksheet *present(WorksheetSlot<Worksheet> &slot);

    // Whether the program may end now, once the statements on their way are done.
    bool mayEnd();

    CommitButtons m_print;
    bool m_ending = false;
    bool m_unseen = false;
    QAction *m_aboutSeparator = nullptr;
    FiguresFile m_figuresFile;
};

} // namespace pelmora
