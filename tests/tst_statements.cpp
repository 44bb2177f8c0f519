// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The two printed statements as data: every text, rule and setting of each page in its order,
// place and style, with named fields whose filling tries the sums; a sum beyond a double
// refused; and how any statement is drawn on a printer.

#include "statementpages.h"

#include <QTest>

using namespace pelmora;

class TestStatements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsThePageItemByItem_data()
    {
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QStringList>("page");
        QTest::newRow("tax computation statement") << described(built(taxStatement(namedTaxTexts()))) << taxPage();
        QTest::newRow("salary statement") << described(built(salaryStatement(namedSalaryTexts()))) << salaryPage();
    }
    void printsThePageItemByItem()
    {
        QFETCH(QStringList, printed);
        QFETCH(QStringList, page);
        for (qsizetype i = 0; i < std::min(printed.size(), page.size()); ++i)
            QCOMPARE(printed[i], page[i]);
        QCOMPARE(printed.size(), page.size());
    }

    // The tax statement's pension sum was never calculated, so never checked; the salary
    // statement's arrears add up beyond a double.
    void refusesASumBeyondADouble()
    {
        TaxStatementTexts tax = namedTaxTexts();
        tax.frmreb88.txt80ccdgc = "1e400";
        SalaryStatementTexts salary = namedSalaryTexts();
        salary.txtda[0] = salary.txtda[1] = "1e308";
        QVERIFY(std::holds_alternative<CalculationError>(taxStatement(tax)));
        QVERIFY(std::holds_alternative<CalculationError>(salaryStatement(salary)));
    }

    // A right text is measured, then placed so that it ends at its edge; a centred one placed
    // at its y, measured, then placed across its width; the document ends once, after all.
    void drawsEachItemOnThePrinter()
    {
        RecordingPrinter printer;
        printStatement({ScaleModeSetting{ScaleMode::Inches}, FontNameSetting{"Tahoma"}, FontSizeSetting{9},
                        FontBoldSetting{true}, FontItalicSetting{true}, FontUnderlineSetting{false},
                        OrientationSetting{Orientation::Landscape}, LeftText{1, 2, "Left"}, RightText{6, 3, "Right"},
                        CentredText{10, 4, "Centre"}, Rule{1, 8.1f, 5}},
                       printer);
        QCOMPARE(printer.calls, QStringLiteral("scale 5|font Tahoma|size 9|bold 1|italic 1|underline 0|orientation 2|"
                                               "x 1|y 2|print Left|width Right|x 5.5|y 3|print Right|"
                                               "y 4|width Centre|x 4.7|print Centre|line 1 5 8.1 5|end")
                                    .split(u'|'));
    }
};

QTEST_GUILESS_MAIN(TestStatements)
#include "tst_statements.moc"
