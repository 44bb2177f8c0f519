// The month-by-month salary computation and what Back hands to the main window, as texts.

#include "salary/salarycomputation.h"

#include <QTest>

using namespace pelmora;
using namespace pelmora::salary;

namespace {

// Every month row holding the same basic and grade pay, as if typed into "Jan 13".
SalarySheet sheet(const char *basicPay, const char *gradePay)
{
    SalarySheet s;
    s.txtbp.fill(basicPay);
    s.txtgp.fill(gradePay);
    s.txtoth.fill("0");
    return s;
}

// The worked example: 25000 + 4600 in every row, HRA class X, transport A/A-1, in the scheme.
SalarySheet workedExample()
{
    SalarySheet s = sheet("25000", "4600");
    s.cbonps = "Y";
    return s;
}

SalaryResults computed(const SalarySheet &s)
{
    const auto outcome = computeSalary(s);
    if (const auto *error = std::get_if<CalculationError>(&outcome))
        qFatal("unexpected refusal: %s", error->message().c_str());
    return std::get<SalaryResults>(outcome);
}

// The message of a refused computation; empty when it went through.
template <typename Outcome>
QString refusal(const Outcome &outcome)
{
    const auto *error = std::get_if<CalculationError>(&outcome);
    return error ? QString::fromStdString(error->message()) : QString();
}

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

QByteArray monthTag(int row)
{
    return QByteArray(monthCaptions[row].data(), qsizetype(monthCaptions[row].size()));
}

const MonthTexts &column(const SalaryResults &results, const QString &name)
{
    if (name == u"txthra")
        return results.txthra;
    if (name == u"txttpa2")
        return results.txttpa2;
    if (name == u"txtmgc")
        return results.txtmgc;
    return results.txtda;
}

const QString tooLargeMessage = QString::fromStdString(CalculationError::figureTooLarge().message());

} // namespace

class tst_SalaryComputation : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void workedExampleRows_data();
    void workedExampleRows();
    void workedExampleTotals();
    void roundingHalves_data();
    void roundingHalves();
    void increment_data();
    void increment();
    void incrementReplacesLaterPay();
    void transportTiers_data();
    void transportTiers();
    void noneChoices_data();
    void noneChoices();
    void arrearsBasicPay_data();
    void arrearsBasicPay();
    void unknownChoices_data();
    void unknownChoices();
    void tooLarge_data();
    void tooLarge();
    void transportExemption_data();
    void transportExemption();
    void handOverReadings_data();
    void handOverReadings();
};

void tst_SalaryComputation::workedExampleRows_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("da");
    QTest::addColumn<QString>("hra");
    QTest::addColumn<QString>("tpa");
    QTest::addColumn<QString>("mgc");
    QTest::addColumn<QString>("total");

    for (int row = 0; row < monthRows; ++row) {
        if (row < firstYearRow)
            QTest::newRow(monthTag(row) + " arrears: DA 80% less 72%, no HRA") << row << "2368" << "" << "128" << "237" << "2733";
        else if (row < julyRow)
            QTest::newRow(monthTag(row) + " at DA 80%") << row << "23680" << "8880" << "2880" << "5328" << "70368";
        else
            QTest::newRow(monthTag(row) + " at DA 90% on the raised pay") << row << "27441" << "9147" << "3040" << "5793" << "75911";
    }
}

void tst_SalaryComputation::workedExampleRows()
{
    QFETCH(int, row);
    QFETCH(QString, da);
    QFETCH(QString, hra);
    QFETCH(QString, tpa);
    QFETCH(QString, mgc);
    QFETCH(QString, total);

    const SalaryResults results = computed(workedExample());
    QCOMPARE(q(results.txtda[row]), da);
    QCOMPARE(q(results.txthra[row]), hra);
    QCOMPARE(q(results.txttpa2[row]), tpa);
    QCOMPARE(q(results.txtmgc[row]), mgc);
    QCOMPARE(q(results.txtttl[row]), total);
}

void tst_SalaryComputation::workedExampleTotals()
{
    const SalaryResults results = computed(workedExample());
    QCOMPARE(q(results.julyBasicPay.value_or("none")), u"25890");
    QCOMPARE(q(results.txtbpt), u"307120");
    QCOMPARE(q(results.txtgpt), u"55200");
    QCOMPARE(q(results.txtdat), u"318984");
    QCOMPARE(q(results.txthrat), u"108696");
    QCOMPARE(q(results.txttpat), u"36096");
    QCOMPARE(q(results.txtmgct), u"68130");
    QCOMPARE(q(results.txtttlt), u"894226");
    QCOMPARE(q(results.txtgtotal), u"894226");

    SalarySheet withExtras = workedExample();
    withExtras.txtoth = {"1000", "2500.5", "0", "abc", "-100", "7"};
    QCOMPARE(q(computed(withExtras).txtgtotal), u"897633.5");
}

void tst_SalaryComputation::roundingHalves_data()
{
    QTest::addColumn<QString>("hraClass");
    QTest::addColumn<QString>("column");
    QTest::addColumn<QString>("expected");

    QTest::newRow("DA 90% of 29605 is 26644.5, goes to 26644") << "X" << "txtda" << "26644";
    QTest::newRow("HRA X 30% of 29605 is 8881.5, goes to 8882") << "X" << "txthra" << "8882";
    QTest::newRow("HRA Z 10% of 29605 is 2960.5, goes to 2960") << "Z" << "txthra" << "2960";
}

void tst_SalaryComputation::roundingHalves()
{
    QFETCH(QString, hraClass);
    QFETCH(QString, column);
    QFETCH(QString, expected);

    SalarySheet s = sheet("29605", "0");
    s.chkinc = false;
    s.cboclass1 = hraClass.toStdString();
    QCOMPARE(q(::column(computed(s), column)[julyRow]), expected);
}

void tst_SalaryComputation::increment_data()
{
    QTest::addColumn<QString>("basicPay");
    QTest::addColumn<QString>("gradePay");
    QTest::addColumn<bool>("chkinc");
    QTest::addColumn<QString>("july"); // empty: no increment written
    QTest::addColumn<QString>("basicPayTotal");

    QTest::newRow("pay 29604: 888.12 rounds to 888, raised to 890") << "29604" << "0" << true << "30494" << "362368";
    QTest::newRow("pay 29667: 890.01 rounds to 890, already a multiple of 10")
        << "25067" << "4600" << true << "25957" << "307924";
    QTest::newRow("pay 30000: 900 stays") << "30000" << "0" << true << "30900" << "367200";
    QTest::newRow("pay 29500: 885, its tens 88.5 round to even 88, raised to 890")
        << "29500" << "0" << true << "30390" << "361120";
    QTest::newRow("pay 29166.67: 875, its tens 87.5 round to even 88, so 880")
        << "29166.67" << "0" << true << "30046.67" << "357040.04";
    QTest::newRow("June pay 0 gives no rise") << "0" << "0" << true << "0" << "0";
    QTest::newRow("unchecked: the typed July pay stays") << "25000" << "4600" << false << "" << "300000";
}

void tst_SalaryComputation::increment()
{
    QFETCH(QString, basicPay);
    QFETCH(QString, gradePay);
    QFETCH(bool, chkinc);
    QFETCH(QString, july);
    QFETCH(QString, basicPayTotal);

    SalarySheet s = sheet(basicPay.toUtf8().constData(), gradePay.toUtf8().constData());
    s.chkinc = chkinc;
    const SalaryResults results = computed(s);
    QCOMPARE(q(results.julyBasicPay.value_or("")), july);
    QCOMPARE(q(results.txtbpt), basicPayTotal);
}

void tst_SalaryComputation::incrementReplacesLaterPay()
{
    // A promotion typed from "Oct 13" on is replaced by the July figure filled down.
    SalarySheet s = workedExample();
    std::fill(s.txtbp.begin() + 9, s.txtbp.end(), "40000");
    const SalaryResults results = computed(s);
    QCOMPARE(q(results.julyBasicPay.value_or("")), u"25890");
    QCOMPARE(q(results.txtda[13]), u"27441");
    QCOMPARE(q(results.txtbpt), u"307120");
}

void tst_SalaryComputation::transportTiers_data()
{
    QTest::addColumn<QString>("transportClass");
    QTest::addColumn<QString>("basicPay");
    QTest::addColumn<QString>("gradePay");
    QTest::addColumn<QString>("arrears");
    QTest::addColumn<QString>("spring"); // "Mar 13" .. "Jun 13"
    QTest::addColumn<QString>("autumn"); // "Jul 13" .. "Feb 14"

    QTest::newRow("A/A-1 grade pay 5400 is the higher tier") << "A/A-1" << "20000" << "5400" << "256" << "5760" << "6080";
    QTest::newRow("A/A-1 grade pay 5399 is the middle tier") << "A/A-1" << "20000" << "5399" << "128" << "2880" << "3040";
    QTest::newRow("A/A-1 grade pay 4200 is the middle tier") << "A/A-1" << "5000" << "4200" << "128" << "2880" << "3040";
    QTest::newRow("A/A-1 basic pay 7440 at grade pay 2800 is the middle tier")
        << "A/A-1" << "7440" << "2800" << "128" << "2880" << "3040";
    QTest::newRow("A/A-1 basic pay 7439 at grade pay 2800 is the lower tier")
        << "A/A-1" << "7439" << "2800" << "48" << "1080" << "1140";
    QTest::newRow("A/A-1 basic pay 0.4 is above 0: lower tier") << "A/A-1" << "0.4" << "0" << "48" << "1080" << "1140";
    QTest::newRow("A/A-1 basic pay 0 fits no tier: 0") << "A/A-1" << "0" << "2400" << "0" << "0" << "0";
    QTest::newRow("Oth. grade pay 5400 is the higher tier") << "Oth." << "20000" << "5400" << "128" << "2880" << "3040";
    QTest::newRow("Oth. basic pay 7440 is the middle tier") << "Oth." << "7440" << "2800" << "64" << "1440" << "1520";
    QTest::newRow("Oth. basic pay 7439 is the lower tier") << "Oth." << "7439" << "2800" << "32" << "720" << "760";
    QTest::newRow("Oth. basic pay 1.5 rounds to 2: lower tier") << "Oth." << "1.5" << "0" << "32" << "720" << "760";
    QTest::newRow("Oth. basic pay 0.5 rounds to even 0: no tier") << "Oth." << "0.5" << "0" << "0" << "0" << "0";
    QTest::newRow("NA: no transport allowance at any pay") << "NA" << "20000" << "5400" << "0" << "0" << "0";
}

void tst_SalaryComputation::transportTiers()
{
    QFETCH(QString, transportClass);
    QFETCH(QString, basicPay);
    QFETCH(QString, gradePay);
    QFETCH(QString, arrears);
    QFETCH(QString, spring);
    QFETCH(QString, autumn);

    SalarySheet s = sheet(basicPay.toUtf8().constData(), gradePay.toUtf8().constData());
    s.chkinc = false;
    s.cboclass3 = transportClass.toStdString();
    const SalaryResults results = computed(s);
    for (int row = 0; row < monthRows; ++row) {
        const QString &expected = row < firstYearRow ? arrears : row < julyRow ? spring : autumn;
        QVERIFY2(q(results.txttpa2[row]) == expected, monthTag(row));
    }
}

void tst_SalaryComputation::noneChoices_data()
{
    QTest::addColumn<QString>("hraClass");
    QTest::addColumn<QString>("transportClass");
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("column"); // all of whose fields show 0

    QTest::newRow("HRA class NA: every HRA 0") << "NA" << "A/A-1" << "Y" << "txthra";
    QTest::newRow("transport class NA: every TPA 0") << "X" << "NA" << "Y" << "txttpa2";
    QTest::newRow("scheme N: every MGC 0") << "X" << "A/A-1" << "N" << "txtmgc";
}

void tst_SalaryComputation::noneChoices()
{
    QFETCH(QString, hraClass);
    QFETCH(QString, transportClass);
    QFETCH(QString, scheme);
    QFETCH(QString, column);

    SalarySheet s = workedExample();
    s.cboclass1 = hraClass.toStdString();
    s.cboclass3 = transportClass.toStdString();
    s.cbonps = scheme.toStdString();
    const SalaryResults results = computed(s);
    for (int row = column == u"txthra" ? firstYearRow : 0; row < monthRows; ++row)
        QVERIFY2(q(::column(results, column)[row]) == u"0", monthTag(row));
    QCOMPARE(q(results.txtdat), u"318984");
}

void tst_SalaryComputation::arrearsBasicPay_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<QString>("basicPay");
    QTest::addColumn<QString>("gradePay");
    QTest::addColumn<QString>("message"); // empty: worked out
    QTest::addColumn<QString>("da");

    QTest::newRow("Jan 13 pay 12abc is not a number")
        << 0 << "12abc" << "4600" << "\"Jan 13 B.PAY\" is not a number. Please enter an amount." << "";
    QTest::newRow("Feb 13 pay 12abc is not a number")
        << 1 << "12abc" << "4600" << "\"Feb 13 B.PAY\" is not a number. Please enter an amount." << "";
    QTest::newRow("a lone blank in Jan 13 is not a number")
        << 0 << " " << "4600" << "\"Jan 13 B.PAY\" is not a number. Please enter an amount." << "";
    QTest::newRow("comma-grouped 25,000 in Jan 13 reads 25000") << 0 << "25,000" << "4600" << "" << "2368";
    QTest::newRow("the arrears grade pay is read leniently: 4600abc") << 1 << "25000" << "4600abc" << "" << "2368";
}

void tst_SalaryComputation::arrearsBasicPay()
{
    QFETCH(int, row);
    QFETCH(QString, basicPay);
    QFETCH(QString, gradePay);
    QFETCH(QString, message);
    QFETCH(QString, da);

    SalarySheet s = sheet("25000", "4600");
    s.txtbp[row] = basicPay.toStdString();
    s.txtgp[row] = gradePay.toStdString();
    const auto outcome = computeSalary(s);
    QCOMPARE(refusal(outcome), message);
    if (message.isEmpty())
        QCOMPARE(q(std::get<SalaryResults>(outcome).txtda[row]), da);
}

void tst_SalaryComputation::unknownChoices_data()
{
    QTest::addColumn<QString>("scheme");
    QTest::addColumn<QString>("hraClass");
    QTest::addColumn<QString>("transportClass");
    QTest::addColumn<QString>("message");

    const QString hra = QStringLiteral("\"HRA class\" must be one of \"X\", \"Y\", \"Z\" or \"NA\".");
    const QString tpa = QStringLiteral("\"TPA class\" must be one of \"A/A-1\", \"Oth.\" or \"NA\".");
    const QString nps = QStringLiteral("\"New Pen. Sch.\" must be one of \"Y\" or \"N\".");
    QTest::newRow("HRA class typed as a lower-case x") << "Y" << "x" << "A/A-1" << hra;
    QTest::newRow("HRA class with a trailing blank") << "Y" << "X " << "A/A-1" << hra;
    QTest::newRow("transport class Oth without its point") << "Y" << "X" << "Oth" << tpa;
    QTest::newRow("empty transport class") << "Y" << "X" << "" << tpa;
    QTest::newRow("scheme typed as a lower-case y") << "y" << "X" << "A/A-1" << nps;
    QTest::newRow("scheme Yes") << "Yes" << "NA" << "NA" << nps;
}

void tst_SalaryComputation::unknownChoices()
{
    QFETCH(QString, scheme);
    QFETCH(QString, hraClass);
    QFETCH(QString, transportClass);
    QFETCH(QString, message);

    SalarySheet s = workedExample();
    s.cbonps = scheme.toStdString();
    s.cboclass1 = hraClass.toStdString();
    s.cboclass3 = transportClass.toStdString();
    QCOMPARE(refusal(computeSalary(s)), message);
}

void tst_SalaryComputation::tooLarge_data()
{
    QTest::addColumn<QString>("basicPay");
    QTest::addColumn<QString>("gradePay");
    QTest::addColumn<QString>("extra");

    QTest::newRow("basic pay 1e400") << "1e400" << "4600" << "0";
    QTest::newRow("grade pay 1e400") << "25000" << "1e400" << "0";
    QTest::newRow("basic and grade pay 1e308 add up beyond a double") << "1e308" << "1e308" << "0";
    QTest::newRow("an annual extra 1e400") << "25000" << "4600" << "1e400";
    QTest::newRow("annual extras 1.7e308 add up beyond a double") << "25000" << "4600" << "1.7e308";
}

void tst_SalaryComputation::tooLarge()
{
    QFETCH(QString, basicPay);
    QFETCH(QString, gradePay);
    QFETCH(QString, extra);

    SalarySheet s = sheet(basicPay.toUtf8().constData(), gradePay.toUtf8().constData());
    s.txtoth.fill(extra.toStdString());
    QCOMPARE(refusal(computeSalary(s)), tooLargeMessage);
}

void tst_SalaryComputation::transportExemption_data()
{
    QTest::addColumn<QString>("arrears"); // TPA of rows 0 and 1
    QTest::addColumn<QString>("spring");  // rows 2..5
    QTest::addColumn<QString>("autumn");  // rows 6..13
    QTest::addColumn<QString>("exemption");

    QTest::newRow("3040 a month: 800 of each") << "128" << "3040" << "3040" << "9600";
    QTest::newRow("exactly 800 a month") << "0" << "800" << "800" << "9600";
    QTest::newRow("720 a month, all of it") << "0" << "720" << "720" << "8640";
    QTest::newRow("the arrears rows do not count") << "5000" << "0" << "0" << "0";
    QTest::newRow("2880 then 3040, as in the worked example") << "128" << "2880" << "3040" << "9600";
    QTest::newRow("720 then 760, class Oth. lower tier") << "32" << "720" << "760" << "8960";
    QTest::newRow("read leniently: 700abc is 700") << "0" << "700abc" << "700abc" << "8400";
}

void tst_SalaryComputation::transportExemption()
{
    QFETCH(QString, arrears);
    QFETCH(QString, spring);
    QFETCH(QString, autumn);
    QFETCH(QString, exemption);

    HandOverSource source{"0", "0", "0", "0", "0", "0", {}};
    for (int row = 0; row < monthRows; ++row)
        source.txttpa2[row] = (row < firstYearRow ? arrears : row < julyRow ? spring : autumn).toStdString();
    const auto outcome = computeHandOver(source);
    QCOMPARE(refusal(outcome), QString());
    QCOMPARE(q(std::get<HandOver>(outcome).txttp), exemption);
}

void tst_SalaryComputation::handOverReadings_data()
{
    QTest::addColumn<QString>("grandTotal");
    QTest::addColumn<QString>("message"); // empty: handed over
    QTest::addColumn<QStringList>("handedOver");

    QTest::newRow("the worked example's totals")
        << "894226" << ""
        << QStringLiteral("894226 9600 307120 318984 108696 55200 68130").split(u' ');
    QTest::newRow("an exponent total reads strictly")
        << "1E+15" << "" << QStringLiteral("1E+15 9600 307120 318984 108696 55200 68130").split(u' ');
    QTest::newRow("a total that is not a number is refused")
        << "894226abc" << "\"G.Total\" is not a number. Please enter an amount." << QStringList{};
}

void tst_SalaryComputation::handOverReadings()
{
    QFETCH(QString, grandTotal);
    QFETCH(QString, message);
    QFETCH(QStringList, handedOver);

    const SalaryResults results = computed(workedExample());
    const auto outcome = computeHandOver({
        .txtbpt = results.txtbpt,
        .txtdat = results.txtdat,
        .txtgtotal = grandTotal.toStdString(),
        .txthrat = results.txthrat,
        .txtgpt = results.txtgpt,
        .txtmgct = results.txtmgct,
        .txttpa2 = results.txttpa2,
    });
    QCOMPARE(refusal(outcome), message);
    if (!message.isEmpty())
        return;
    const HandOver &h = std::get<HandOver>(outcome);
    QCOMPARE((QStringList{q(h.txtgs), q(h.txttp), q(h.txtbp), q(h.txtda), q(h.txthrr), q(h.txtnpa), q(h.txtmgc)}),
             handedOver);
}

QTEST_APPLESS_MAIN(tst_SalaryComputation)
#include "tst_salarycomputation.moc"
