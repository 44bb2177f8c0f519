// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The salary statement, played on a recording printer: every heading, month row, rule and
// figure in its order, place and style, with named and with blank fields (rows 0 and 1 appear
// only in the arrears sums, which the filling tries); and the opening settings.

#include "statementchecks.h"

#include <QTest>

using namespace pelmora;

class TestSalaryStatement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsEveryItemInItsPlace_data() { pageRows(salaryPage()); }
    void printsEveryItemInItsPlace()
    {
        QFETCH(bool, blank);
        checkPageItem(played(built(salaryStatement(blank ? SalaryStatementTexts{} : namedSalaryTexts()))), salaryPage());
    }

    void opensWithItsSettings()
    {
        const Statement statement = built(salaryStatement(namedSalaryTexts()));
        QCOMPARE(Statement(statement.begin(), statement.begin() + 8),
                 (Statement{ScaleModeSetting{ScaleMode::Inches}, FontNameSetting{"Tahoma"}, FontBoldSetting{true},
                            FontUnderlineSetting{true}, FontItalicSetting{false}, FontSizeSetting{10},
                            OrientationSetting{Orientation::Landscape},
                            CentredText{10.0f, 1.0f, "DETAILS OF SALARY RECEIVED FOR THE YEAR 2013 - 2014"}}));
    }

    void refusesASumBeyondADouble()
    {
        SalaryStatementTexts texts = namedSalaryTexts();
        texts.txtda[0] = texts.txtda[1] = "1e308"; // the arrears add up beyond a double
        QCOMPARE(refusal(salaryStatement(texts)), tooLarge);
    }
};

QTEST_GUILESS_MAIN(TestSalaryStatement)
#include "tst_salarystatement.moc"
