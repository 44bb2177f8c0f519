// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The HRA exemption worksheet. The main window opens it with the year's pay filled in; the user
// types the rent paid, calculates, and Back hands the exemption to the main window.

#include "widgets/commitbuttons.h"
#include "widgets/formwindow.h"

#include <QStringList>

class QPushButton;

namespace pelmora {

struct HraPayFigures;
class AmountField;
class ResultField;
class MainWindowHost;

class Form2 : public FormWindow
{
    Q_OBJECT
public:
    explicit Form2(MainWindowHost &main);

    // The names of the fields, in the order they stand.
    static QStringList fieldNames();

    AmountField *txtbp;  // basic pay
    AmountField *txtnpa; // grade pay
    AmountField *txtda;  // dearness allowance
    ResultField *txtns;  // total salary
    AmountField *txthra; // HRA drawn
    AmountField *txtRP;  // rent paid
    ResultField *txthrx; // exemption
    QPushButton *cmdcal;
    QPushButton *cmdback;

    // Works out total salary and exemption; enables Back. Text that is not a number in an
    // amount field is reported and changes nothing.
    void calculate();
    // Hides this window and hands the exemption to the main window.
    void back();
    // Opened from the main window: the salary statement's pay copied in, the focus on the rent.
    void open(const HraPayFigures &figures);

public:
    void disableCommitButtons() override { m_back.disable(); }

private:
    MainWindowHost &m_main;
    CommitButtons m_back;
};

} // namespace pelmora
