// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window as the worksheets see it: the named fields into which they hand their figures
// back and from which they take them, and the desktop it runs on. The main window builds them.

#include "formwindow.h"

class QLabel;
class QPushButton;

namespace pelmora {

class AmountField;
class CarrierField;
class NameField;
class Platform;
class ResultField;
class DateField;

class MainWindowFields : public FormWindow
{
    Q_OBJECT
public:
    Platform &platform() const { return m_platform; }

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
    DateField *txtdob; // empty for a payer below 60

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

protected:
    MainWindowFields(Platform &platform, const QString &title, QSize clientSize, QWidget *parent)
        : FormWindow(title, clientSize, parent)
        , m_platform(platform)
    {
    }

private:
    Platform &m_platform;
};

} // namespace pelmora
