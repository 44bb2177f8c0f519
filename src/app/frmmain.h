// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window: the summary computation of income tax, the hub from which the four
// worksheets are opened and into whose named fields they hand their figures back.

#include "commitbuttons.h"
#include "figuresfile.h"
#include "formwindow.h"
#include "worksheetslot.h"

class QLabel;
class QPushButton;

namespace pelmora {

class AmountField;
class CarrierField;
class Form1;
class Form2;
class Form4;
class frmreb88;
class NameField;
class Platform;
class ResultField;

class frmmain : public FormWindow
{
    Q_OBJECT
public:
    explicit frmmain(Platform &platform, QWidget *parent = nullptr);
    ~frmmain() override;

    Platform &platform() const { return m_platform; }
    // The file of figures in use, if any, and its commands.
    FiguresFile &figuresFile() { return m_figuresFile; }

    // The fields and buttons, by the names the worksheets use to hand figures over.
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

    // Carriers of the salary statement's yearly totals to the HRA and section 80 worksheets.
    CarrierField *txtbp;
    CarrierField *txtda;
    CarrierField *txthrr;
    CarrierField *txtnpa;
    CarrierField *txtmgc;

    QPushButton *cmdcalgs;
    QPushButton *cmdcalhr;
    QPushButton *cmdcalhp;
    QPushButton *cmdcalded80;
    QPushButton *cmdcalc;
    QPushButton *cmdprint;
    QPushButton *cmdexit;
    QLabel *Label7;

    // The worksheets: salary statement, HRA exemption, house property, section 80.
    WorksheetSlot<Form1> form1;
    WorksheetSlot<Form2> form2;
    WorksheetSlot<Form4> form4;
    WorksheetSlot<frmreb88> reb88;

public Q_SLOTS:
    // Works out the tax from the fields and writes the ten results; enables Print.
    void calculate();
    void openWebAddress();

protected:
    void closeEvent(QCloseEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private Q_SLOTS:
    void openSalaryStatement();

private:
    void buildLeftColumn();
    void buildRightColumn();
    void buildFooter();
    void setTabOrder();
    void openHraExemption();
    void openHouseProperty();
    void openDeductions();
    void addBackgroundMenu();
    // Gives a new worksheet the file commands' keys.
    template <typename Worksheet>
    Worksheet *withFileCommands(Worksheet *worksheet);

    Platform &m_platform;
    CommitButtons m_print;
    FiguresFile m_figuresFile;
};

} // namespace pelmora
