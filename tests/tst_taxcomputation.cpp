// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "tax/taxcomputation.h"

#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(std::optional<pelmora::AgeCategory>)
Q_DECLARE_METATYPE(pelmora::MainWindowTexts)
using ResultMember = const pelmora::Figure pelmora::TaxResults::*;
Q_DECLARE_METATYPE(ResultMember)

namespace {

// The main window as a row gives it: every amount it leaves out "0", as the window shows it.
MainWindowTexts texts(MainWindowTexts window)
{
    for (std::string *amount : {&window.txtgs, &window.txttp, &window.txthra, &window.txtos, &window.txthp,
                                &window.txtded80, &window.txtrel89, &window.txtdedtax}) {
        if (amount->empty())
            *amount = "0";
    }
    return window;
}

MainWindowTexts salaryOnly(const char *grossSalary)
{
    return texts({.txtgs = grossSalary});
}

} // namespace

class TestTaxComputation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The figures from txtexall on, as many as the row checks.
    void results_data()
    {
        QTest::addColumn<MainWindowTexts>("window");
        QTest::addColumn<QStringList>("results");

        const auto row = [](const char *tag, const MainWindowTexts &window, const QString &results) {
            QTest::newRow(tag) << window << results.split(u' ');
        };
        row("relief u/s 89 adds to the relief u/s 87A", texts({.txtgs = "600000", .txttp = "9600", .txthra = "50000",
                                                            .txtos = "5000", .txtded80 = "100000", .txtrel89 = "1000",
                                                            .txtdedtax = "40000"}),
            u"59600 540400 545400 445400 24540 2000 21540 646 22186 -17814"_s);
        row("deductions above income: net tax held at 0 despite relief u/s 89",
            texts({.txtgs = "100000", .txthp = "-30000", .txtded80 = "165000", .txtrel89 = "5000", .txtdedtax = "1000"}),
            u"0 100000 70000 -95000 0 0 0 0 0 -1000"_s);
        row("lenient reading: 1,500 is 1 and fractions are kept",
            texts({.txtgs = "1000", .txtos = "1,500", .txthp = "0.25"}), u"0 1000 1001.25"_s);

        // Salary only: net taxable income is the gross total income rounded to tens, half to even.
        const auto tens = [](const char *tag, const char *income, const char *rounded) {
            QTest::newRow(tag) << salaryOnly(income) << QStringList{u"0"_s, QString::fromUtf8(income), QString::fromUtf8(income),
                                                                    QString::fromUtf8(rounded)};
        };
        tens("half ten goes to even tens: up", "345675", "345680");
        tens("half ten goes to even tens: down", "345685", "345680");
        tens("negative half ten", "-15", "-20");

        // Salary only, a multiple of ten: gross tax, relief, net tax, cess, total tax (also the balance).
        const auto band = [](const char *tag, const char *income, const char *figures) {
            const QString i = QString::fromUtf8(income);
            const QStringList tax = QString::fromUtf8(figures).split(u' ');
            QTest::newRow(tag) << salaryOnly(income) << QStringList{u"0"_s, i, i, i} + tax + QStringList{tax.last()};
        };
        band("bound 200000 belongs to the nil band", "200000", "0 0 0 0 0");
        band("first rupees taxed: relief takes all", "200010", "1 1 0 0 0");
        band("relief limited to 2000", "220400", "2040 2000 40 1 41");
        band("cess half rounds up to even: 7.5", "222500", "2250 2000 250 8 258");
        band("bound 500000 belongs to the lower band", "500000", "30000 2000 28000 840 28840");
        band("above 500000: no relief", "500010", "30002 0 30002 900 30902");
        band("bound 1000000 belongs to the middle band", "1000000", "130000 0 130000 3900 133900");
        band("top band", "1000010", "130003 0 130003 3900 133903");
    }
    void results()
    {
        QFETCH(MainWindowTexts, window);
        QFETCH(QStringList, results);
        const auto outcome = computeTax(window);
        const auto *r = std::get_if<TaxResults>(&outcome);
        QVERIFY2(r, r ? "" : std::get<CalculationError>(outcome).message().c_str());
        const Figure TaxResults::*written[] = {&TaxResults::txtexall, &TaxResults::txtnsal, &TaxResults::txtgti,
                                                &TaxResults::txtnti,   &TaxResults::txtgtax, &TaxResults::txtrel87A,
                                                &TaxResults::txtntax,  &TaxResults::txtcess, &TaxResults::txtttax,
                                                &TaxResults::txtbaltax};
        QStringList shown;
        for (const Figure TaxResults::*figure : written)
            shown.append(QString::fromStdString((r->*figure).text));
        QCOMPARE(shown.mid(0, results.size()), results);
    }

    // The refusal names the field, typed or worked out.
    void refusals_data()
    {
        QTest::addColumn<MainWindowTexts>("window");
        QTest::addColumn<QString>("message");
        QTest::newRow("a date of birth that is not a date") << texts({.txtgs = "1000", .txtdob = "31/02/1950"})
                                                           << u"\"Date of Birth\" is not a date. Please type it as 07/12/1953."_s;
        QTest::newRow("a figure beyond the double range")
            << salaryOnly("1e400") << u"Gross Salary holds a figure too large to calculate with. Please check the amounts."_s;
        QTest::newRow("a sum beyond the double range")
            << texts({.txtgs = "1e308", .txtos = "1e308"})
            << u"Gross Total Income would be too large to calculate with. Please check the amounts."_s;
        QTest::newRow("a figure whose 15 digits overflow")
            << salaryOnly("1.7976931348623157e308")
            << u"Income from Salary would be too large to calculate with. Please check the amounts."_s;
    }
    void refusals()
    {
        QFETCH(MainWindowTexts, window);
        const auto outcome = computeTax(window);
        QVERIFY(std::holds_alternative<CalculationError>(outcome));
        QTEST(QString::fromStdString(std::get<CalculationError>(outcome).message()), "message");
    }

    void workings_data()
    {
        QTest::addColumn<MainWindowTexts>("window");
        QTest::addColumn<ResultMember>("field");
        QTest::addColumn<QString>("working");
        const MainWindowTexts worked = texts({.txtgs = "600000", .txttp = "9600", .txthra = "50000", .txtos = "5000",
                                              .txtded80 = "100000", .txtdedtax = "40000"});
        const auto row = [](const char *tag, const MainWindowTexts &window, ResultMember field, const char *working) {
            QTest::newRow(tag) << window << field << QString::fromUtf8(working);
        };
        row("exempt allowances", worked, &TaxResults::txtexall, "House rent allowance 50000 + transport allowance 9600 = 59600");
        row("income from salary", worked, &TaxResults::txtnsal, "Gross salary 600000 − exempt allowances 59600 = 540400");
        row("gross total income", worked, &TaxResults::txtgti, "Salary 540400 + house property 0 + other sources 5000 = 545400");
        row("net taxable income", worked, &TaxResults::txtnti,
            "545400 − 100000 = 445400, rounded to tens (a half to the even ten): 445400");
        row("relief held to 2000", worked, &TaxResults::txtrel87A,
            "Net taxable income 445400 is 500000 or less: the gross tax 24540, at most 2000: 2000");
        row("net tax", worked, &TaxResults::txtntax, "Gross tax 24540 − (relief u/s 87A 2000 + relief u/s 89 0) = 22540");
        row("cess rounded", worked, &TaxResults::txtcess, "3 % of net tax 22540 = 676.2, rounded: 676");
        row("total tax", worked, &TaxResults::txtttax, "Net tax 22540 + cess 676 = 23216");
        row("negative balance", worked, &TaxResults::txtbaltax, "Total tax 23216 − tax deducted 40000 = -16784: a refund of 16784");
        row("bound 200000: no tax", salaryOnly("200000"), &TaxResults::txtgtax, "200000 is 200000 or less: no tax");
        row("20 % band", salaryOnly("712190"), &TaxResults::txtgtax, "30000 + 20 % of (712190 − 500000) = 72438");
        row("30 % band", salaryOnly("1000010"), &TaxResults::txtgtax, "130000 + 30 % of (1000010 − 1000000) = 130003");
        row("no relief above 500000", salaryOnly("500010"), &TaxResults::txtrel87A,
            "Net taxable income 500010 is above 500000: no relief");
        row("net tax held at 0", texts({.txtgs = "100000", .txthp = "-30000", .txtded80 = "165000", .txtrel89 = "5000"}),
            &TaxResults::txtntax, "Gross tax 0 − (relief u/s 87A 0 + relief u/s 89 5000) = -5000, below 0: 0");
        row("cess: a half goes to even", salaryOnly("221500"), &TaxResults::txtcess, "3 % of net tax 150 = 4.5, rounded to even: 4");
    }
    void workings()
    {
        QFETCH(MainWindowTexts, window);
        QFETCH(ResultMember, field);
        const auto outcome = computeTax(window);
        QVERIFY(std::holds_alternative<TaxResults>(outcome));
        QTEST(QString::fromStdString((std::get<TaxResults>(outcome).*field).working.text()), "working");
    }

    void ageCategory_data()
    {
        QTest::addColumn<QString>("born");
        QTest::addColumn<std::optional<AgeCategory>>("category"); // none: not a date
        const std::optional<AgeCategory> none, below{AgeCategory::BelowSixty}, senior{AgeCategory::SeniorCitizen},
            verySenior{AgeCategory::VerySeniorCitizen};
        QTest::newRow("empty: below 60") << "" << below;
        QTest::newRow("1 April 1954: 60 on 31 March 2014") << "01/04/1954" << senior;
        QTest::newRow("2 April 1954: 60 only after the year") << "02/04/1954" << below;
        QTest::newRow("1 April 1934, dashes: 80 during the year") << "1-4-1934" << verySenior;
        QTest::newRow("2 April 1934, points: senior") << "2.4.1934" << senior;
        QTest::newRow("29 February of a leap year") << "29/02/1952" << senior;
        QTest::newRow("29 February of another year") << "29/02/1953" << none;
        QTest::newRow("31 February") << "31/02/1950" << none;
        QTest::newRow("the year's last day") << "31/03/2014" << below;
        QTest::newRow("after the year") << "01/04/2014" << none;
        QTest::newRow("a two-digit year") << "07/12/53" << none;
        QTest::newRow("two separators") << "07/12-1953" << none;
        QTest::newRow("month 13") << "07/13/1953" << none;
        QTest::newRow("three-digit day") << "007/12/1953" << none;
        QTest::newRow("words") << "seventh December 1953" << none;
    }
    void ageCategory()
    {
        QFETCH(QString, born);
        QTEST(ageCategoryOf(born.toStdString()), "category");
    }

    // Salary only, a multiple of ten, so that the salary is the net taxable income.
    void taxByAge_data()
    {
        QTest::addColumn<QString>("born");
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("grossTax");
        QTest::addColumn<QString>("totalTax");
        QTest::addColumn<QString>("working");
        QTest::newRow("below 60, empty") << "" << "450000" << "25000" << "23690" << "10 % of (450000 − 200000) = 25000";
        QTest::newRow("below 60, typed") << "02/04/1954" << "450000" << "25000" << "23690"
                                         << "10 % of (450000 − 200000) = 25000";
        QTest::newRow("senior: the year's worked example") << "15/08/1953" << "450000" << "20000" << "18540"
                                                           << "Senior citizen: 10 % of (450000 − 250000) = 20000";
        QTest::newRow("senior: nil band's edge") << "15/08/1953" << "250000" << "0" << "0"
                                                 << "Senior citizen: 250000 is 250000 or less: no tax";
        QTest::newRow("senior at 500000: relief still applies") << "15/08/1953" << "500000" << "25000" << "23690"
                                                                << "Senior citizen: 10 % of (500000 − 250000) = 25000";
        QTest::newRow("senior, top band") << "15/08/1953" << "1000010" << "125003" << "128753"
                                          << "Senior citizen: 125000 + 30 % of (1000010 − 1000000) = 125003";
        QTest::newRow("very senior at 500000: no tax") << "01/04/1934" << "500000" << "0" << "0"
                                                       << "Very senior citizen: 500000 is 500000 or less: no tax";
        QTest::newRow("very senior: 20 % from 500000") << "01/04/1934" << "600000" << "20000" << "20600"
                                                       << "Very senior citizen: 20 % of (600000 − 500000) = 20000";
        QTest::newRow("very senior, top band") << "01/04/1934" << "1000010" << "100003" << "103003"
                                               << "Very senior citizen: 100000 + 30 % of (1000010 − 1000000) = 100003";
    }
    void taxByAge()
    {
        QFETCH(QString, born);
        QFETCH(QString, income);
        MainWindowTexts window = salaryOnly(qPrintable(income));
        window.txtdob = born.toStdString();
        const auto outcome = computeTax(window);
        const auto &results = std::get<TaxResults>(outcome);
        QTEST(QString::fromStdString(results.txtgtax.text), "grossTax");
        QTEST(QString::fromStdString(results.txtttax.text), "totalTax");
        QTEST(QString::fromStdString(results.txtgtax.working.text()), "working");
    }
};

QTEST_APPLESS_MAIN(TestTaxComputation)
#include "tst_taxcomputation.moc"
