// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The relief under section 89(1) worksheet: Table A, a row for each earlier year the arrears
// belong to, and Annexure I, which works the relief out. Its Back hands the relief to the
// main window's Relief u/s 89; its Print prints Form 10E.

#include "relief89.h"

#include "widgets/commitbuttons.h"
#include "widgets/formwindow.h"

#include "core/windowtexts.h"

#include <QStringList>

#include <array>
#include <memory>

class QCheckBox;
class QLabel;
class QPushButton;

namespace pelmora {

class AmountField;
class NameField;
class ResultField;
class MainWindowHost;
class ReadingMark;

// What the main window hands the worksheet as it opens.
struct Relief89Opening {
    std::string txtname; // the employee's name
    std::string txtnti;  // Net Taxable Income, this year's total income with the arrears
    std::string txtarr;  // the salary statement's arrears of Jan 13 and Feb 13
    std::string otherArrears; // the salary statement's other "Arrears:-" figure
    std::string txtdob;  // the date of birth, for each year's category
};

class frmrel89 : public FormWindow
{
    Q_OBJECT
public:
    explicit frmrel89(MainWindowHost &main);

    // The names of the fields a file keeps, in the order they stand.
    static QStringList fieldNames();
    // The fields' texts, as Form 10E prints them.
    Form10ETexts texts() const;
    ~frmrel89() override;

    NameField *txtnam; // the employee's name
    NameField *txtadd; // address
    NameField *txtpan; // permanent account number
    QCheckBox *chkwoman;
    std::array<AmountField *, earlierYears> txtinc;    // total income of the year
    std::array<AmountField *, earlierYears> txtarr;    // arrears that belong to it
    std::array<ResultField *, earlierYears> txtincarr; // the two added
    std::array<ResultField *, earlierYears> txttax1;   // tax on the first
    std::array<ResultField *, earlierYears> txttax2;   // tax on the second
    std::array<ResultField *, earlierYears> txtdif;    // their difference
    ResultField *txtitem1;
    ResultField *txtitem2;
    AmountField *txtitem3;
    ResultField *txtitem4;
    ResultField *txtitem5;
    ResultField *txtitem6;
    ResultField *txtitem7;
    ResultField *txtitem8;
    QLabel *lblother; // the salary statement's other arrears, for the user to place
    QPushButton *cmdcalc;
    QPushButton *cmdprint;
    QPushButton *cmdbk;

    // Copies in the main window's figures; the other rows keep what the user typed.
    void open(const Relief89Opening &opening);
    // Works out Table A and Annexure I; enables Print and Back.
    void calculate();
    // Hides this window and hands item 8 to the main window.
    void back();

    void disableCommitButtons() override { m_commit.disable(); }

private:
    void buildTable();

    MainWindowHost &m_main;
    CommitButtons m_commit;
    std::unique_ptr<ReadingMark> m_panMark;
    std::string m_dob;
};

} // namespace pelmora
