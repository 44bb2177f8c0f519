#include "tax/taxcomputation.h"

#include <QTest>

using namespace pelmora;

namespace {

// A main window with only a gross salary: the net taxable income is the salary itself.
TaxInputs salaryOnly(const char *grossSalary)
{
    return {.txtgs = grossSalary, .txthra = "0", .txttp = "0", .txthp = "0", .txtos = "0",
            .txtded80 = "0", .txtrel89 = "0", .txtdedtax = "0"};
}

TaxResults computed(const TaxInputs &inputs)
{
    const auto outcome = computeTax(inputs);
    if (const auto *error = std::get_if<CalculationError>(&outcome))
        qFatal("unexpected refusal: %s", error->message().c_str());
    return std::get<TaxResults>(outcome);
}

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

} // namespace

class TestTaxComputation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void workedExample();
    void allZero();
    void taxBands_data();
    void taxBands();
    void netTaxableIncomeRounding_data();
    void netTaxableIncomeRounding();
    void reliefFallsAwayAboveTheLimit();
    void deductionsAboveIncome();
    void lenientReading_data();
    void lenientReading();
    void figuresBeyondDouble_data();
    void figuresBeyondDouble();
};

void TestTaxComputation::workedExample()
{
    const TaxResults r = computed({.txtgs = "600000", .txthra = "50000", .txttp = "9600", .txthp = "0",
                                   .txtos = "5000", .txtded80 = "100000", .txtrel89 = "0", .txtdedtax = "40000"});
    const QStringList actual{q(r.txtexall), q(r.txtnsal), q(r.txtgti),  q(r.txtnti),  q(r.txtgtax),
                             q(r.txtrel87A), q(r.txtntax), q(r.txtcess), q(r.txtttax), q(r.txtbaltax)};
    const QStringList expected{QStringLiteral("59600"), QStringLiteral("540400"), QStringLiteral("545400"),
                               QStringLiteral("445400"), QStringLiteral("24540"), QStringLiteral("2000"),
                               QStringLiteral("22540"), QStringLiteral("676"), QStringLiteral("23216"),
                               QStringLiteral("-16784")};
    QCOMPARE(actual, expected);
}

void TestTaxComputation::allZero()
{
    const TaxResults r = computed(salaryOnly("0"));
    for (const std::string *text : {&r.txtexall, &r.txtnsal, &r.txtgti, &r.txtnti, &r.txtgtax, &r.txtrel87A,
                                    &r.txtntax, &r.txtcess, &r.txtttax, &r.txtbaltax})
        QCOMPARE(q(*text), QStringLiteral("0"));
}

void TestTaxComputation::taxBands_data()
{
    QTest::addColumn<QString>("income");
    QTest::addColumn<QString>("grossTax");
    QTest::addColumn<QString>("relief");
    QTest::addColumn<QString>("netTax");
    QTest::addColumn<QString>("cess");
    QTest::addColumn<QString>("totalTax");

    QTest::newRow("bound 200000 belongs to the nil band") << "200000" << "0" << "0" << "0" << "0" << "0";
    QTest::newRow("first rupees taxed: relief takes all") << "200010" << "1" << "1" << "0" << "0" << "0";
    QTest::newRow("relief limited to 2000") << "220400" << "2040" << "2000" << "40" << "1" << "41";
    QTest::newRow("cess half rounds down to even: 4.5") << "221500" << "2150" << "2000" << "150" << "4" << "154";
    QTest::newRow("cess half rounds up to even: 7.5") << "222500" << "2250" << "2000" << "250" << "8" << "258";
    QTest::newRow("bound 500000 belongs to the lower band") << "500000" << "30000" << "2000" << "28000" << "840"
                                                            << "28840";
    QTest::newRow("above 500000: no relief") << "500010" << "30002" << "0" << "30002" << "900" << "30902";
    QTest::newRow("bound 1000000 belongs to the middle band") << "1000000" << "130000" << "0" << "130000"
                                                              << "3900" << "133900";
    QTest::newRow("top band") << "1000010" << "130003" << "0" << "130003" << "3900" << "133903";
    QTest::newRow("top band, round figure") << "1200000" << "190000" << "0" << "190000" << "5700" << "195700";
}

void TestTaxComputation::taxBands()
{
    QFETCH(QString, income);
    const TaxResults r = computed(salaryOnly(income.toLatin1().constData()));
    QCOMPARE(q(r.txtnti), income);
    QTEST(q(r.txtgtax), "grossTax");
    QTEST(q(r.txtrel87A), "relief");
    QTEST(q(r.txtntax), "netTax");
    QTEST(q(r.txtcess), "cess");
    QTEST(q(r.txtttax), "totalTax");
    QTEST(q(r.txtbaltax), "totalTax");
}

void TestTaxComputation::netTaxableIncomeRounding_data()
{
    QTest::addColumn<QString>("grossTotalIncome");
    QTest::addColumn<QString>("netTaxableIncome");

    QTest::newRow("half ten goes to even tens: up") << "345675" << "345680";
    QTest::newRow("half ten goes to even tens: down") << "345685" << "345680";
    QTest::newRow("half ten goes to even tens: 345665") << "345665" << "345660";
    QTest::newRow("fraction above the half") << "345665.4" << "345670";
    QTest::newRow("negative half ten") << "-15" << "-20";
}

void TestTaxComputation::netTaxableIncomeRounding()
{
    QFETCH(QString, grossTotalIncome);
    const TaxResults r = computed(salaryOnly(grossTotalIncome.toLatin1().constData()));
    QCOMPARE(q(r.txtgti), grossTotalIncome);
    QTEST(q(r.txtnti), "netTaxableIncome");
}

void TestTaxComputation::reliefFallsAwayAboveTheLimit()
{
    const TaxResults r = computed({.txtgs = "807000", .txthra = "50000", .txttp = "9600", .txthp = "0",
                                   .txtos = "5000", .txtded80 = "100000", .txtrel89 = "0", .txtdedtax = "40000"});
    QCOMPARE(q(r.txtnti), QStringLiteral("652400"));
    QCOMPARE(q(r.txtgtax), QStringLiteral("60480"));
    QCOMPARE(q(r.txtrel87A), QStringLiteral("0"));
    QCOMPARE(q(r.txtntax), QStringLiteral("60480"));
}

void TestTaxComputation::deductionsAboveIncome()
{
    TaxInputs inputs = salaryOnly("100000");
    inputs.txthp = "-30000";
    inputs.txtded80 = "165000";
    inputs.txtrel89 = "5000";
    inputs.txtdedtax = "1000";
    const TaxResults r = computed(inputs);
    QCOMPARE(q(r.txtgti), QStringLiteral("70000"));
    QCOMPARE(q(r.txtnti), QStringLiteral("-95000"));
    QCOMPARE(q(r.txtgtax), QStringLiteral("0"));
    QCOMPARE(q(r.txtrel87A), QStringLiteral("0"));
    QCOMPARE(q(r.txtntax), QStringLiteral("0")); // held at zero despite the relief under section 89
    QCOMPARE(q(r.txtbaltax), QStringLiteral("-1000"));
}

void TestTaxComputation::lenientReading_data()
{
    QTest::addColumn<QString>("otherSources");
    QTest::addColumn<QString>("grossTotalIncome");

    QTest::newRow("comma stops the figure") << "1,500" << "1001";
    QTest::newRow("letters read as 0") << "abc" << "1000";
    QTest::newRow("empty reads as 0") << "" << "1000";
    QTest::newRow("fraction is kept") << "0.25" << "1000.25";
}

void TestTaxComputation::lenientReading()
{
    QFETCH(QString, otherSources);
    TaxInputs inputs = salaryOnly("1000");
    inputs.txtos = otherSources.toStdString();
    QTEST(q(computed(inputs).txtgti), "grossTotalIncome");
}

void TestTaxComputation::figuresBeyondDouble_data()
{
    QTest::addColumn<QString>("grossSalary");
    QTest::addColumn<QString>("otherSources");

    QTest::newRow("a figure beyond the double range") << "1e400" << "0";
    QTest::newRow("a sum beyond the double range") << "1e308" << "1e308";
    QTest::newRow("a figure whose 15 digits overflow") << "1.7976931348623157e308" << "0";
}

void TestTaxComputation::figuresBeyondDouble()
{
    QFETCH(QString, grossSalary);
    QFETCH(QString, otherSources);
    TaxInputs inputs = salaryOnly(grossSalary.toLatin1().constData());
    inputs.txtos = otherSources.toStdString();
    const auto outcome = computeTax(inputs);
    const auto *error = std::get_if<CalculationError>(&outcome);
    QVERIFY(error);
    QCOMPARE(error->kind(), CalculationError::Kind::FigureTooLarge);
}

QTEST_APPLESS_MAIN(TestTaxComputation)
#include "tst_taxcomputation.moc"
