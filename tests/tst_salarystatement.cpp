// The salary statement, played on a recording printer: every heading, month row, rule and
// figure in its order, place and style, with named and with blank fields (rows 0 and 1 appear
// only in the arrears); the arrears sums; the opening settings; and the landscape page fitting
// A4 and Letter.

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

    void opensWithItsSettingsAndChangesOnlyTheStyleThatDiffers()
    {
        const Statement statement = built(salaryStatement(namedSalaryTexts()));
        QCOMPARE(Statement(statement.begin(), statement.begin() + 8),
                 (Statement{ScaleModeSetting{ScaleMode::Inches}, FontNameSetting{"Tahoma"}, FontBoldSetting{true},
                            FontUnderlineSetting{true}, FontItalicSetting{false}, FontSizeSetting{10},
                            OrientationSetting{Orientation::Landscape},
                            CentredText{10.0f, 1.0f, "DETAILS OF SALARY RECEIVED FOR THE YEAR 2013 - 2014"}}));
        checkStyleChangesAreMinimal(played(statement));
    }

    void addsUpTheArrears_data()
    {
        QTest::addColumn<QStringList>("february"); // txtda(1), txtmgc(1), txttpa2(1)
        QTest::addColumn<QStringList>("january");  // txtda(0), txtmgc(0), txttpa2(0)
        QTest::addColumn<QStringList>("printed");  // dearness, MGC, transport, total
        const auto list = [](const char *a, const char *b, const char *c, const char *d = nullptr) {
            QStringList texts{QString::fromUtf8(a), QString::fromUtf8(b), QString::fromUtf8(c)};
            return d ? texts << QString::fromUtf8(d) : texts;
        };
        QTest::newRow("300, 40 and 25 give 365")
            << list("200", "25", "15") << list("100", "15", "10") << list("300", "40", "25", "365");
        QTest::newRow("12 followed by letters beside an empty field gives 12")
            << list("12abc", "", "7") << list("", "", "x") << list("12", "0", "7", "19");
        QTest::newRow("empty fields give 0 everywhere")
            << list("", "", "") << list("", "", "") << list("0", "0", "0", "0");
        QTest::newRow("fractions are carried into the sums")
            << list("0.1", "1.25", "0.5") << list("0.2", "0", "0.25") << list("0.3", "1.25", "0.75", "2.3");
        QTest::newRow("a sum beyond a double refuses the statement") << list("1e308", "", "") << list("1e308", "", "")
            << QStringList{QStringLiteral("A figure is too large to calculate with. Please check the amounts.")};
    }
    void addsUpTheArrears()
    {
        QFETCH(QStringList, february);
        QFETCH(QStringList, january);
        QFETCH(QStringList, printed);
        SalaryStatementTexts texts = namedSalaryTexts();
        SalaryStatementTexts::MonthTexts *columns[] = {&texts.txtda, &texts.txtmgc, &texts.txttpa2};
        for (int i = 0; i < 3; ++i) {
            (*columns[i])[1] = february[i].toStdString();
            (*columns[i])[0] = january[i].toStdString();
        }
        QCOMPARE(printedSums(salaryStatement(texts), salaryPage()), printed);
    }

    void fitsTheSheet_data() { paperRows(); }
    void fitsTheSheet() { checkFitsPaper(played(built(salaryStatement(namedSalaryTexts()))), Orientation::Landscape); }
};

QTEST_GUILESS_MAIN(TestSalaryStatement)
#include "tst_salarystatement.moc"
