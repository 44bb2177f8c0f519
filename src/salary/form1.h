// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The salary statement: basic and grade pay month by month from January 2013 to February 2014,
// the allowances worked out from them, the year's totals, and Back, which hands the totals to
// the main window.

#include "widgets/commitbuttons.h"
#include "widgets/formwindow.h"

#include "core/windowtexts.h"

#include <QStringList>

#include <array>
#include <string>

class QCheckBox;
class QPushButton;

namespace pelmora {

class AmountField;
class ChoiceBox;
class FillDownColumn;
class NameField;
class ResultField;
class MainWindowHost;

class Form1 : public FormWindow
{
    Q_OBJECT
public:
    static constexpr int monthRows = 14;
    static constexpr int extras = 6;

    explicit Form1(MainWindowHost &main);

    // The names of the fields and choices a file keeps as texts, in the order they stand.
    static QStringList fieldNames();
    // The fields' texts, as the salary statement prints them.
    SalaryStatementTexts texts() const;
    // The arrears of years before the two arrears rows, as typed: the relief worksheet shows them.
    std::string otherArrears() const;
    ~Form1() override;

    // The fields and buttons by their names; arrays are indexed by month row, 0 = "Jan 13".
    NameField *txtnam;
    ChoiceBox *cbonps;
    ChoiceBox *cboclass1; // HRA class
    ChoiceBox *cboclass3; // transport class
    QCheckBox *chkinc;

    std::array<AmountField *, monthRows> txtbp;
    std::array<AmountField *, monthRows> txtgp;
    std::array<ResultField *, monthRows> txtda;
    std::array<ResultField *, monthRows> txthra; // rows 2..13; the arrears rows have none (nullptr)
    std::array<ResultField *, monthRows> txttpa2;
    std::array<ResultField *, monthRows> txtmgc;
    std::array<ResultField *, monthRows> txtttl;

    ResultField *txtbpt;
    ResultField *txtgpt;
    ResultField *txtdat;
    ResultField *txthrat;
    ResultField *txttpat;
    ResultField *txtmgct;
    ResultField *txtttlt;

    std::array<AmountField *, extras> txtoth; // arrears, bonus, OTA, tuition fee, honorarium, other
    ResultField *txtgtotal;

    QPushButton *cmdcal;
    QPushButton *cmdprn;
    QPushButton *cmdbak;

public Q_SLOTS:
    // Works out every month row and the totals; enables Print and Back. Nothing changes when a
    // figure cannot be used.
    void calculate();
    // Hands the year's figures to the main window, which comes forward.
    void back();

public:
    // Opened from the main window: its name copied in, the focus on the pension scheme's box.
    void open(const QString &name);

public:
    void disableCommitButtons() override { m_commit.disable(); }

private:
    void buildHeader();
    void buildMonthRows();
    void buildTotals();
    void buildSidePanel();
    void buildButtons();
    void setTabOrder();
    void watchInputs();

    MainWindowHost &m_main;
    CommitButtons m_commit;
    FillDownColumn *m_basicPay = nullptr;
    FillDownColumn *m_gradePay = nullptr;
};

} // namespace pelmora
