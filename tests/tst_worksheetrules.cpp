// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The worksheets' rules, as texts.

#include "worksheets/houseproperty.h"
#include "worksheets/hraexemption.h"
#include "worksheets/relief89.h"
#include "worksheets/section80.h"

#include <QTest>

using namespace pelmora;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(pelmora::HraWorksheetTexts)
Q_DECLARE_METATYPE(pelmora::HousePropertyTexts)
using HouseFigure = const pelmora::Figure pelmora::HousePropertyResults::*;
Q_DECLARE_METATYPE(HouseFigure)
Q_DECLARE_METATYPE(pelmora::Section80Texts)
using Section80Figure = const pelmora::Figure pelmora::Section80Results::*;
Q_DECLARE_METATYPE(Section80Figure)

namespace {

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

template <typename Outcome>
QString refusal(const Outcome &outcome)
{
    const auto *error = std::get_if<CalculationError>(&outcome);
    return error ? q(error->message()) : QString();
}

HraWorksheetTexts hra(const char *basicPay, const char *dearness, const char *gradePay, const char *hraDrawn,
                      const char *rentPaid)
{
    return {.txtbp = basicPay, .txtda = dearness, .txtnpa = gradePay, .txthra = hraDrawn, .txtRP = rentPaid};
}

HousePropertyTexts letOut(const char *rentalValue, const char *taxes, const char *interest, const char *others,
                          HousingLoan loan = HousingLoan::After1April1999)
{
    return {.kind = PropertyKind::RentedOut, .loan = loan, .txtarv = rentalValue, .txtptax = taxes,
            .txtintt = interest, .txtoth = others};
}

// Self-occupied: no rental value, taxes or others, as the window leaves them.
HousePropertyTexts selfOccupied(const char *interest, HousingLoan loan)
{
    return {.kind = PropertyKind::SelfOccupied, .loan = loan, .txtarv = "0", .txtptax = "0", .txtintt = interest,
            .txtoth = "0"};
}

// The section 80 worksheet as a row gives it: every amount it leaves out "0".
Section80Texts section80(Section80Texts worksheet)
{
    for (std::string *amount : {&worksheet.txtgpf, &worksheet.txtgis, &worksheet.txthba, &worksheet.txtlic,
                                &worksheet.txtppf, &worksheet.txtnsc, &worksheet.txtnsci, &worksheet.txttf1,
                                &worksheet.txttf2, &worksheet.txtinf, &worksheet.txtos, &worksheet.txt80ccc,
                                &worksheet.txt80ccdec, &worksheet.txt80ccdgc, &worksheet.txt80ccf, &worksheet.txt80d,
                                &worksheet.txt80g, &worksheet.txtoth}) {
        if (amount->empty())
            *amount = "0";
    }
    return worksheet;
}

} // namespace

class TestWorksheetRules : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exemption_data()
    {
        QTest::addColumn<HraWorksheetTexts>("worksheet");
        QTest::addColumn<QStringList>("results"); // total salary and exemption

        const auto row = [](const char *tag, const HraWorksheetTexts &worksheet, const char *results) {
            QTest::newRow(tag) << worksheet << QString::fromUtf8(results).split(u' ');
        };
        row("one tenth 1235.5 goes to even 1236", hra("10000", "0", "2355", "50000", "20000"), "12355 18764");
        row("salary is basic pay + dearness + grade pay", hra("100000", "72000", "28000", "90000", "50000"), "200000 30000");
        row("rent below one tenth: negative excess shows 0", hra("100000", "0", "0", "50000", "5000"), "100000 0");
        row("excess equal to HRA drawn gives HRA drawn", hra("10000", "0", "0", "5000", "6000"), "10000 5000");
        row("HRA drawn below the excess limits the exemption", hra("10000", "0", "0", "3000", "6000"), "10000 3000");
        row("negative HRA drawn shows 0", hra("10000", "0", "0", "-500", "6000"), "10000 0");
        row("empty grade pay reads 0", hra("10000", "0", "", "50000", "20000"), "10000 19000");
        row("comma-grouped figures read whole", hra("1,00,000", "0", "0", "60,000", "50,000"), "100000 40000");
    }
    void exemption()
    {
        QFETCH(HraWorksheetTexts, worksheet);
        const auto outcome = computeHraExemption(worksheet);
        QVERIFY2(std::holds_alternative<HraResults>(outcome), qPrintable(refusal(outcome)));
        const auto &r = std::get<HraResults>(outcome);
        QTEST((QStringList{q(r.txtns.text), q(r.txthrx.text)}), "results");
    }
    void exemptionWorking_data()
    {
        QTest::addColumn<HraWorksheetTexts>("worksheet");
        QTest::addColumn<QString>("working"); // of the exemption
        QTest::newRow("worked case, a tenth 1234.5 to even")
            << hra("10000", "0", "2345", "50000", "20000")
            << u"Rent 20000 − a tenth of salary 12345 (1234.5, rounded to even: 1234) = 18766, less than HRA drawn 50000: 18766"_s;
        QTest::newRow("HRA drawn the smaller")
            << hra("10000", "0", "0", "3000", "6000")
            << u"Rent 6000 − a tenth of salary 10000 (1000) = 5000, not less than HRA drawn 3000: 3000"_s;
        QTest::newRow("negative excess shows 0")
            << hra("100000", "0", "0", "50000", "5000")
            << u"Rent 5000 − a tenth of salary 100000 (10000) = -5000; the smaller of it and HRA drawn 50000 is below 0: 0"_s;
    }
    void exemptionWorking()
    {
        QFETCH(HraWorksheetTexts, worksheet);
        const auto outcome = computeHraExemption(worksheet);
        QVERIFY2(std::holds_alternative<HraResults>(outcome), qPrintable(refusal(outcome)));
        QTEST(q(std::get<HraResults>(outcome).txthrx.working.text()), "working");
    }
    void exemptionRefusal_data()
    {
        QTest::addColumn<HraWorksheetTexts>("worksheet");
        QTest::addColumn<QString>("message");
        QTest::newRow("12a in rent paid") << hra("10000", "0", "0", "50000", "12a")
                                          << u"\"Rent Paid (Annual)\" is not a number. Please enter an amount."_s;
        QTest::newRow("a blank in basic pay") << hra(" ", "0", "0", "50000", "0")
                                              << u"\"Basic Pay\" is not a number. Please enter an amount."_s;
        QTest::newRow("salary beyond a double") << hra("1e308", "0", "1e308", "50000", "0")
                                                << u"Total Salary would be too large to calculate with. Please check the amounts."_s;
    }
    void exemptionRefusal()
    {
        QFETCH(HraWorksheetTexts, worksheet);
        QTEST(refusal(computeHraExemption(worksheet)), "message");
    }

    void income_data()
    {
        QTest::addColumn<HousePropertyTexts>("worksheet");
        QTest::addColumn<QStringList>("results"); // gross income, repairs, total deductions, income

        const auto row = [](const char *tag, const HousePropertyTexts &worksheet, const char *results) {
            QTest::newRow(tag) << worksheet << QString::fromUtf8(results).split(u' ');
        };
        row("repairs 3703.5 go to even 3704", letOut("12345", "0", "0", "0"), "12345 3704 3704 8641");
        row("repairs 3706.5 go to even 3706", letOut("12355", "0", "0", "0"), "12355 3706 3706 8649");
        row("others added to the deductions", letOut("100000", "0", "0", "5000"), "100000 30000 35000 65000");
        row("taxes above rental value: negative gross income and repairs", letOut("10000", "20000", "0", "0"),
            "-10000 -3000 -3000 -7000");
        row("rented out: loan date never limits the interest", letOut("0", "0", "45000", "0", HousingLoan::Before1April1999),
            "0 0 45000 -45000");
        row("rented out, loan after 1-4-99: nor above 150000", letOut("0", "0", "200000", "0", HousingLoan::After1April1999),
            "0 0 200000 -200000");
        row("self occupied, loan before 1-4-99: 30000 exactly stays", selfOccupied("30000", HousingLoan::Before1April1999),
            "0 0 30000 -30000");
        row("self occupied, loan before 1-4-99: 30000.5 limited", selfOccupied("30000.5", HousingLoan::Before1April1999),
            "0 0 30000 -30000");
        row("self occupied, loan after 1-4-99: 150000 exactly stays", selfOccupied("150000", HousingLoan::After1April1999),
            "0 0 150000 -150000");
        row("self occupied, loan after 1-4-99: 150001 limited", selfOccupied("150001", HousingLoan::After1April1999),
            "0 0 150000 -150000");
    }
    void income()
    {
        QFETCH(HousePropertyTexts, worksheet);
        const auto outcome = computeHouseProperty(worksheet);
        QVERIFY2(std::holds_alternative<HousePropertyResults>(outcome), qPrintable(refusal(outcome)));
        const auto &r = std::get<HousePropertyResults>(outcome);
        QTEST((QStringList{q(r.txtghi.text), q(r.txtrep.text), q(r.txttd.text), q(r.txtihp.text)}), "results");
    }
    void incomeWorking_data()
    {
        QTest::addColumn<HousePropertyTexts>("worksheet");
        QTest::addColumn<HouseFigure>("field");
        QTest::addColumn<QString>("working");
        QTest::newRow("worked case, let out") << letOut("120000", "12000", "200000", "0") << HouseFigure(&HousePropertyResults::txttd)
                                              << u"Interest 200000 (no limit: rented out) + repairs 32400 + others 0 = 232400"_s;
        QTest::newRow("repairs 3703.5 to even") << letOut("12345", "0", "0", "0") << HouseFigure(&HousePropertyResults::txtrep)
                                                << u"30 % of 12345 = 3703.5, rounded to even: 3704"_s;
        QTest::newRow("30000 limit of a loan before 1-4-99")
            << selfOccupied("30000.5", HousingLoan::Before1April1999) << HouseFigure(&HousePropertyResults::txttd)
            << u"Interest 30000.5 limited to 30000 (loan before 1-4-99) + repairs 0 + others 0 = 30000"_s;
        QTest::newRow("150000 exactly is within its limit")
            << selfOccupied("150000", HousingLoan::After1April1999) << HouseFigure(&HousePropertyResults::txttd)
            << u"Interest 150000 (not above the 150000 limit, loan after 1-4-99) + repairs 0 + others 0 = 150000"_s;
    }
    void incomeWorking()
    {
        QFETCH(HousePropertyTexts, worksheet);
        QFETCH(HouseFigure, field);
        const auto outcome = computeHouseProperty(worksheet);
        QVERIFY2(std::holds_alternative<HousePropertyResults>(outcome), qPrintable(refusal(outcome)));
        QTEST(q((std::get<HousePropertyResults>(outcome).*field).working.text()), "working");
    }
    void incomeRefusal_data()
    {
        QTest::addColumn<HousePropertyTexts>("worksheet");
        QTest::addColumn<QString>("message");
        QTest::newRow("12a in rental value") << letOut("12a", "0", "0", "0")
                                             << u"\"Annual Rental Value\" is not a number. Please enter an amount."_s;
        QTest::newRow("lone minus in interest") << letOut("0", "0", "-", "0")
                                                << u"\"Interest on Borrowed Capital\" is not a number. Please enter an amount."_s;
        QTest::newRow("deductions beyond a double")
            << letOut("0", "0", "1.7e308", "1.7e308")
            << u"Total Deductions would be too large to calculate with. Please check the amounts."_s;
    }
    void incomeRefusal()
    {
        QFETCH(HousePropertyTexts, worksheet);
        QTEST(refusal(computeHouseProperty(worksheet)), "message");
    }
    // The 80C total, the limited total, 80CCF as written and the grand total.
    void totals_data()
    {
        QTest::addColumn<Section80Texts>("worksheet");
        QTest::addColumn<QString>("results");

        const auto row = [](const char *tag, const Section80Texts &worksheet, const char *results) {
            QTest::newRow(tag) << section80(worksheet) << QString::fromUtf8(results);
        };
        row("exactly 100000 is not limited",
            {.txtgpf = "60000", .txt80ccc = "20000", .txt80ccdec = "20000", .txt80ccdgc = "10000"}, "60000 110000 0 110000");
        row("110000 exceeds the limit; government's contribution on top",
            {.txtgpf = "60000", .txt80ccc = "20000", .txt80ccdec = "30000", .txt80ccdgc = "30000"}, "60000 130000 0 130000");
        row("100000.5 just exceeds the limit", {.txtgpf = "100000.5", .txt80ccdgc = "7"}, "100000.5 100007 0 100007");
        row("all eleven 80C items are added",
            {.txtgpf = "1", .txtgis = "2", .txthba = "4", .txtlic = "8", .txtppf = "16", .txtnsc = "32", .txtnsci = "64",
             .txttf1 = "128", .txttf2 = "256", .txtinf = "512", .txtos = "1024"},
            "2047 2047 0 2047");
        row("80CCF 2e4 is at the limit, not above: its text stays", {.txt80ccf = "2e4"}, "0 0 2e4 20000");
        row("80CCF 20000.5 is limited", {.txt80ccf = "20000.5"}, "0 0 20000 20000");
        row("80CCF below the limit keeps its own text", {.txt80ccf = "12abc"}, "0 0 12abc 12");
        row("Mediclaim, donations and others enter as they stand", {.txt80d = "35000", .txt80g = "5000", .txtoth = "1000"},
            "0 0 0 41000");
        row("12abc counts as 12", {.txtgpf = "12abc"}, "12 12 0 12");
        row("negative items reduce the totals", {.txtgpf = "50000", .txtgis = "-60000", .txtoth = "-500"},
            "-10000 -10000 0 -10500");
    }
    void totals()
    {
        QFETCH(Section80Texts, worksheet);
        const auto outcome = computeSection80(worksheet);
        QVERIFY2(std::holds_alternative<Section80Results>(outcome), qPrintable(refusal(outcome)));
        const auto &r = std::get<Section80Results>(outcome);
        QTEST(q(r.txt80c.text + ' ' + r.txttot1.text + ' ' + r.txt80ccf + ' ' + r.txtgt80.text), "results");
    }
    void totalsWorking_data()
    {
        QTest::addColumn<Section80Texts>("worksheet");
        QTest::addColumn<Section80Figure>("field");
        QTest::addColumn<QString>("working");

        const auto row = [](const char *tag, const Section80Texts &worksheet, Section80Figure field, const char *working) {
            QTest::newRow(tag) << section80(worksheet) << field << QString::fromUtf8(working);
        };
        row("exactly 100000 is not limited",
            {.txtgpf = "60000", .txt80ccc = "20000", .txt80ccdec = "20000", .txt80ccdgc = "10000"}, &Section80Results::txttot1,
            "80C 60000 + 80CCC 20000 + employee's contribution 20000 = 100000, not above 100000; + government's "
            "contribution 10000 = 110000");
        row("above the limit", {.txtgpf = "60000", .txt80ccc = "20000", .txt80ccdec = "30000", .txt80ccdgc = "30000"},
            &Section80Results::txttot1,
            "80C 60000 + 80CCC 20000 + employee's contribution 30000 = 110000, above 100000: 100000 + government's "
            "contribution 30000 = 130000");
        row("the 80C items by name, those of 0 left out", {.txtgpf = "100000", .txtlic = "12720"}, &Section80Results::txt80c,
            "80C items GPF 100000 + LIC 12720 = 112720 (the other 80C items are 0)");
        row("80CCF above its limit",
            {.txtgpf = "100000", .txt80ccdgc = "10000", .txt80ccf = "25000", .txt80d = "30000", .txt80g = "5000"},
            &Section80Results::txtgt80,
            "80C+80CCC+80CCD 110000 + 80D 30000 + 80G 5000 + 80CCF 20000 (25000 is above its limit) + others 0 = 165000");
    }
    void totalsWorking()
    {
        QFETCH(Section80Texts, worksheet);
        QFETCH(Section80Figure, field);
        const auto outcome = computeSection80(worksheet);
        QVERIFY2(std::holds_alternative<Section80Results>(outcome), qPrintable(refusal(outcome)));
        QTEST(q((std::get<Section80Results>(outcome).*field).working.text()), "working");
    }
    void totalsRefusal()
    {
        const auto outcome = computeSection80(section80({.txtgpf = "1e308", .txtgis = "1e308"}));
        QCOMPARE(refusal(outcome), u"Section 80C, Total would be too large to calculate with. Please check the amounts."_s);
    }
    void mediclaimLimit_data()
    {
        QTest::addColumn<QString>("mediclaim");
        QTest::addColumn<bool>("above");

        QTest::newRow("30000 is the limit itself") << "30000" << false;
        QTest::newRow("30000.01 is above") << "30000.01" << true;
        QTest::newRow("comma-grouped 31,000 read whole") << "31,000" << true;
        QTest::newRow("lone minus while typing") << "-" << false;
        QTest::newRow("40000abc counts 40000 in the total") << "40000abc" << true;
        QTest::newRow("a hexadecimal the total reads") << "&H7FFFFFFF" << true;
        QTest::newRow("a negative figure is below") << "-1e308" << false;
    }
    void mediclaimLimit()
    {
        QFETCH(QString, mediclaim);
        QTEST(mediclaimAboveLimit(mediclaim.toStdString()), "above");
    }

    // Each earlier year's tax at its limits and band edges, by the payer's category that year.
    void earlierYearTax_data()
    {
        QTest::addColumn<int>("row"); // of Table A: 0 is 2012-13, 7 is 2005-06
        QTest::addColumn<double>("income");
        QTest::addColumn<QString>("born");
        QTest::addColumn<bool>("woman");
        QTest::addColumn<double>("tax");
        QTest::newRow("2005-06, the limit itself") << 7 << 100000.0 << "" << false << 0.0;
        QTest::newRow("2005-06, 2 % cess rounded once") << 7 << 109220.0 << "" << false << 940.0;
        QTest::newRow("2005-06, a woman's limit") << 7 << 135000.0 << "" << true << 0.0;
        QTest::newRow("2005-06, a senior (65 on 1 April 2006): 20 % from 185000") << 7 << 250000.0 << "01/04/1941"
                                                                                  << false << 13260.0;
        QTest::newRow("2005-06, 65 only after the year") << 7 << 185000.0 << "02/04/1941" << false << 12240.0;
        QTest::newRow("2006-07, both bands") << 6 << 170000.0 << "" << false << 9180.0;
        QTest::newRow("2007-08, 3 % cess") << 5 << 240000.0 << "" << false << 22660.0;
        QTest::newRow("2008-09, at 1000000 no surcharge") << 4 << 1000000.0 << "" << false << 211150.0;
        QTest::newRow("2008-09, just above: marginal relief") << 4 << 1000100.0 << "" << false << 211253.0;
        QTest::newRow("2008-09, well above: 10 % surcharge") << 4 << 2000000.0 << "" << false << 572165.0;
        QTest::newRow("2009-10, no surcharge any more") << 3 << 2000000.0 << "" << false << 519120.0;
        QTest::newRow("2010-11, the 10 % band to 500000") << 2 << 500000.0 << "" << false << 35020.0;
        QTest::newRow("2011-12, a senior at 60") << 1 << 250000.0 << "01/04/1952" << false << 0.0;
        QTest::newRow("2011-12, a very senior citizen: 20 % from 500000") << 1 << 600000.0 << "01/04/1932" << false
                                                                         << 20600.0;
        QTest::newRow("2012-13, a woman as a man") << 0 << 210000.0 << "" << true << 1030.0;
    }
    void earlierYearTax()
    {
        QFETCH(int, row);
        QFETCH(double, income);
        QFETCH(QString, born);
        QFETCH(bool, woman);
        QTEST(pelmora::earlierYearTax(row, income, born.toStdString(), woman).tax, "tax");
    }

    // Table A and Annexure I of two employees, and of one whose arrears would have cost more before.
    void relief89_data()
    {
        QTest::addColumn<QStringList>("incomes"); // from 2012-13 down to 2005-06
        QTest::addColumn<QStringList>("arrears");
        QTest::addColumn<QString>("item3");
        QTest::addColumn<QStringList>("differences");
        QTest::addColumn<QStringList>("annexure"); // items 1, 2, 4, 5, 6, 7, 8
        QTest::newRow("pay-commission arrears")
            << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"137180"_s, u"119570"_s, u"120185"_s, u"109220"_s}
            << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"11479"_s, u"21235"_s, u"20698"_s, u"3360"_s}
            << "556772"
            << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"2187"_s, u"2111"_s, u"343"_s}
            << QStringList{u"500000"_s, u"56772"_s, u"42595"_s, u"28840"_s, u"13755"_s, u"4641"_s, u"9114"_s};
        QTest::newRow("arrears of the older years")
            << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"410000"_s, u"170000"_s, u"90000"_s, u"70000"_s}
            << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"60000"_s, u"70000"_s, u"80000"_s, u"90000"_s}
            << "1000000"
            << QStringList{u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"12360"_s, u"14420"_s, u"9180"_s, u"7140"_s}
            << QStringList{u"700000"_s, u"300000"_s, u"133900"_s, u"72100"_s, u"61800"_s, u"43100"_s, u"18700"_s};
        QTest::newRow("the arrears would have cost more: no relief")
            << QStringList{u"900000"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}
            << QStringList{u"200000"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}
            << "400000"
            << QStringList{u"51500"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s, u"0"_s}
            << QStringList{u"200000"_s, u"200000"_s, u"18540"_s, u"0"_s, u"18540"_s, u"51500"_s, u"0"_s};
    }
    void relief89()
    {
        QFETCH(QStringList, incomes);
        QFETCH(QStringList, arrears);
        QFETCH(QString, item3);
        Relief89Inputs in{.txtitem3 = item3.toStdString()};
        for (int row = 0; row < earlierYears; ++row) {
            in.txtinc[row] = incomes[row].toStdString();
            in.txtarr[row] = arrears[row].toStdString();
        }
        const auto outcome = computeRelief89(in);
        const auto *r = std::get_if<Relief89Results>(&outcome);
        QVERIFY(r);
        QStringList differences;
        for (const Figure &difference : r->txtdif)
            differences << QString::fromStdString(difference.text);
        QTEST(differences, "differences");
        QStringList annexure;
        for (const Figure *item : {&r->txtitem1, &r->txtitem2, &r->txtitem4, &r->txtitem5, &r->txtitem6,
                                   &r->txtitem7, &r->txtitem8})
            annexure << QString::fromStdString(item->text);
        QTEST(annexure, "annexure");
        if (r->txtitem8.text == "0")
            QVERIFY(r->txtitem8.working.text().ends_with("The arrears would have cost more tax in the years they belong to: no relief"));
    }
    void relief89Refusals()
    {
        Relief89Inputs in{.txtitem3 = "1000"};
        in.txtarr[0] = "1001";
        QCOMPARE(QString::fromStdString(std::get<CalculationError>(computeRelief89(in)).message()),
                 u"The arrears are more than the total income. Please check the figures."_s);
        in.txtdob = "31/02/1950";
        QCOMPARE(std::get<CalculationError>(computeRelief89(in)).kind(), CalculationError::Kind::NotADate);
    }
};

QTEST_APPLESS_MAIN(TestWorksheetRules)
#include "tst_worksheetrules.moc"
