// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The income from house property worksheet: rented out or self-occupied, the figures of the
// one house, and Back hands the income (negative for a loss) to the main window. The printed
// tax statement reads its fields by these names.

#include "widgets/commitbuttons.h"
#include "widgets/formwindow.h"

#include "core/windowtexts.h"

#include <QStringList>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

namespace pelmora {

class AmountField;
class OptionGroup;
class ResultField;
class MainWindowHost;

class Form4 : public FormWindow
{
    Q_OBJECT
public:
    explicit Form4(MainWindowHost &main);

    // The names of the fields, in the order they stand.
    static QStringList fieldNames();
    // The choices and the fields' texts, as the rule and the tax statement read them.
    HousePropertyTexts texts() const;

    QGroupBox *frmask;
    QRadioButton *optso;
    QRadioButton *optrent;

    QLabel *lblrent;
    AmountField *txtarv; // annual rental value
    QLabel *lblptax;
    AmountField *txtptax; // property taxes
    QLabel *lblghi;
    ResultField *txtghi; // gross income
    QLabel *lbldeduction;
    QLabel *lblrep;
    ResultField *txtrep; // repairs and maintenance

    QGroupBox *framintt;
    QRadioButton *optb499;
    QRadioButton *opta499;

    QLabel *lblintt;
    AmountField *txtintt; // interest on borrowed capital, as entered
    QLabel *lbloth;
    AmountField *txtoth; // other deductions
    ResultField *txttd;  // total deductions
    QLabel *lblihp;
    ResultField *txtihp; // income from house property

    QPushButton *cmdtot;
    QPushButton *cmdbk;

    // Works out gross income, repairs, total deductions and income; enables Back. Text that
    // is not a number in an amount field is reported and changes nothing.
    void calculate();
    // Hides this window and hands the income to the main window.
    void back();

public:
    void disableCommitButtons() override { m_back.disable(); }

private:
    void buildChoices();
    void chooseRentedOut();
    void chooseSelfOccupied();
    // The figures of a let house, with their labels: what Self Occupied zeroes and disables.
    QList<QWidget *> rentedOutControls() const;

    MainWindowHost &m_main;
    CommitButtons m_back;
    OptionGroup *m_kind;
    OptionGroup *m_loan;
};

} // namespace pelmora
