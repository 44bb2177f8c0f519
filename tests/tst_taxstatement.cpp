// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The tax computation statement, played on a recording printer: every item of the page in its
// order, place and style, with named fields (whose filling tries the pension scheme sum) and
// with blank fields; and the opening settings.

#include "statementchecks.h"

#include <QTest>

using namespace pelmora;

class TestTaxStatement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void printsEveryItemInItsPlace_data() { pageRows(taxPage()); }
    void printsEveryItemInItsPlace()
    {
        QFETCH(bool, blank);
        checkPageItem(played(built(taxStatement(blank ? TaxStatementTexts{} : namedTaxTexts()))), taxPage());
    }

    // Portrait is set every time: a salary statement printed before may have left landscape.
    void opensWithItsSettings()
    {
        const Statement statement = built(taxStatement(namedTaxTexts()));
        QCOMPARE(Statement(statement.begin(), statement.begin() + 8),
                 (Statement{ScaleModeSetting{ScaleMode::Inches}, FontNameSetting{"Tahoma"}, FontSizeSetting{12},
                            FontBoldSetting{true}, FontUnderlineSetting{true}, FontItalicSetting{false},
                            OrientationSetting{Orientation::Portrait},
                            LeftText{1.0f, 0.40f, "CALCULATION OF INCOME TAX FOR THE YEAR 2013-14"}}));
    }

    void refusesASumBeyondADouble()
    {
        TaxStatementTexts texts = namedTaxTexts();
        texts.frmreb88.txt80ccdgc = "1e400"; // never calculated, so never checked
        QCOMPARE(refusal(taxStatement(texts)), tooLarge);
    }
};

QTEST_GUILESS_MAIN(TestTaxStatement)
#include "tst_taxstatement.moc"
