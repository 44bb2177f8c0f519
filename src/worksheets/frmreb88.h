// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The deductions under section 80 worksheet. The main window opens it with the year's pension
// contribution in both pension fields; Back hands the grand total to the main window. The
// printed tax statement reads its fields by these names.

#include "widgets/commitbuttons.h"
#include "widgets/formwindow.h"

#include "core/windowtexts.h"

#include <QStringList>

#include <string>

class QPushButton;

namespace pelmora {

class AmountField;
class ResultField;
class MainWindowHost;

class frmreb88 : public FormWindow
{
    Q_OBJECT
public:
    explicit frmreb88(MainWindowHost &main);

    // The names of the fields, in the order they stand.
    static QStringList fieldNames();
    // The fields' texts, as the rule and the tax statement read them.
    Section80Texts texts() const;

    // Section 80C.
    AmountField *txtgpf;
    AmountField *txtgis;
    AmountField *txthba;
    AmountField *txtlic;
    AmountField *txtppf;
    AmountField *txtnsc;
    AmountField *txtnsci;
    AmountField *txttf1; // tuition fee, first child
    AmountField *txttf2; // tuition fee, second child
    AmountField *txtinf;
    AmountField *txtos; // other savings
    ResultField *txt80c;

    AmountField *txt80ccc;
    AmountField *txt80ccdec; // pension scheme, employee's contribution
    AmountField *txt80ccdgc; // pension scheme, government's contribution
    ResultField *txttot1;    // limited total of 80C, 80CCC and 80CCD
    AmountField *txt80ccf;
    AmountField *txt80d; // Mediclaim, held to its limit as it is typed
    AmountField *txt80g; // donations
    AmountField *txtoth; // other deductions
    ResultField *txtgt80;

    QPushButton *cmdtot;
    QPushButton *cmdbk;

    // Works out the totals and the grand total; enables Back.
    void calculate();
    // Hides this window and hands the grand total to the main window.
    void back();
    // Opened from the main window: the salary statement's pension contribution copied in as the
    // employee's and the government's.
    void open(const std::string &pensionContribution);

public:
    void disableCommitButtons() override { m_back.disable(); }

private:
    // The sections' headings, which caption no field of their own but name those under them.
    void buildHeadings();
    // Shows the limit's message and puts the limit in its place; whether Mediclaim was above it.
    bool holdMediclaimToLimit();

    MainWindowHost &m_main;
    CommitButtons m_back;
};

} // namespace pelmora
