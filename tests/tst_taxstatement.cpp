// The tax computation statement, played on a recording printer: every item of the page in its
// order, place and style, with named and with blank fields; the pension scheme sum; the opening
// settings; and the page fitting A4 and Letter.

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
    void opensWithItsSettingsAndChangesOnlyTheStyleThatDiffers()
    {
        const Statement statement = built(taxStatement(namedTaxTexts()));
        QCOMPARE(Statement(statement.begin(), statement.begin() + 8),
                 (Statement{ScaleModeSetting{ScaleMode::Inches}, FontNameSetting{"Tahoma"}, FontSizeSetting{12},
                            FontBoldSetting{true}, FontUnderlineSetting{true}, FontItalicSetting{false},
                            OrientationSetting{Orientation::Portrait},
                            LeftText{1.0f, 0.40f, "CALCULATION OF INCOME TAX FOR THE YEAR 2013-14"}}));
        checkStyleChangesAreMinimal(played(statement));
    }

    void addsUpThePensionSchemeContributions_data()
    {
        QTest::addColumn<std::string>("government");
        QTest::addColumn<std::string>("employee");
        QTest::addColumn<QString>("sum");
        QTest::newRow("two whole figures") << std::string("300") << std::string("65") << QStringLiteral("365");
        QTest::newRow("12 followed by letters beside an empty field")
            << std::string("12abc") << std::string() << QStringLiteral("12");
        QTest::newRow("two empty fields print 0") << std::string() << std::string() << QStringLiteral("0");
        QTest::newRow("fractions are kept, not rounded")
            << std::string("0.1") << std::string("0.2") << QStringLiteral("0.3");
        QTest::newRow("a figure beyond a double refuses the statement") << std::string("1e400") << std::string("65")
            << QStringLiteral("A figure is too large to calculate with. Please check the amounts.");
    }
    void addsUpThePensionSchemeContributions()
    {
        QFETCH(std::string, government);
        QFETCH(std::string, employee);
        QFETCH(QString, sum);
        TaxStatementTexts texts = namedTaxTexts();
        texts.frmreb88.txt80ccdgc = government;
        texts.frmreb88.txt80ccdec = employee;
        QCOMPARE(printedSums(taxStatement(texts), taxPage()), QStringList{sum});
    }

    void fitsTheSheet_data() { paperRows(); }
    void fitsTheSheet() { checkFitsPaper(played(built(taxStatement(namedTaxTexts()))), Orientation::Portrait); }
};

QTEST_GUILESS_MAIN(TestTaxStatement)
#include "tst_taxstatement.moc"
