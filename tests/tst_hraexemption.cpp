#include "worksheets/hraexemption.h"

#include <QTest>

using namespace pelmora;

namespace {

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

std::string s(const QString &text)
{
    return text.toStdString();
}

} // namespace

class TestHraExemption : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exemption_data();
    void exemption();
    void textThatCannotBeRead_data();
    void textThatCannotBeRead();
};

void TestHraExemption::exemption_data()
{
    QTest::addColumn<QString>("basicPay");
    QTest::addColumn<QString>("dearness");
    QTest::addColumn<QString>("gradePay");
    QTest::addColumn<QString>("hraDrawn");
    QTest::addColumn<QString>("rentPaid");
    QTest::addColumn<QString>("totalSalary");
    QTest::addColumn<QString>("exemption");

    QTest::newRow("worked case: one tenth 1234.5 goes to even 1234")
        << "10000" << "0" << "2345" << "50000" << "20000" << "12345" << "18766";
    QTest::newRow("one tenth 1235.5 goes to even 1236")
        << "10000" << "0" << "2355" << "50000" << "20000" << "12355" << "18764";
    QTest::newRow("salary is basic pay + dearness + grade pay")
        << "100000" << "72000" << "28000" << "90000" << "50000" << "200000" << "30000";
    QTest::newRow("rent below one tenth: negative excess shows 0")
        << "100000" << "0" << "0" << "50000" << "5000" << "100000" << "0";
    QTest::newRow("rent exactly one tenth: exemption 0") << "100000" << "0" << "0" << "50000" << "10000" << "100000"
                                                         << "0";
    QTest::newRow("excess equal to HRA drawn gives HRA drawn")
        << "10000" << "0" << "0" << "5000" << "6000" << "10000" << "5000";
    QTest::newRow("HRA drawn below the excess limits the exemption")
        << "10000" << "0" << "0" << "3000" << "6000" << "10000" << "3000";
    QTest::newRow("fractional pay carried through: 100.05 rounds to 100")
        << "1000.5" << "0" << "0" << "5000" << "1000" << "1000.5" << "900";
    QTest::newRow("fractional excess shown as it is") << "1000" << "0" << "0" << "5000" << "1000.25" << "1000"
                                                      << "900.25";
    QTest::newRow("negative HRA drawn shows 0") << "10000" << "0" << "0" << "-500" << "6000" << "10000" << "0";
    QTest::newRow("empty grade pay reads 0") << "10000" << "0" << "" << "50000" << "20000" << "10000" << "19000";
    QTest::newRow("comma-grouped figures read whole") << "1,00,000" << "0" << "0" << "60,000" << "50,000"
                                                      << "100000" << "40000";
    QTest::newRow("blanks around a figure are allowed") << " 10000 " << "0" << "0" << "50000" << "20000 " << "10000"
                                                        << "19000";
}

void TestHraExemption::exemption()
{
    QFETCH(QString, basicPay);
    QFETCH(QString, dearness);
    QFETCH(QString, gradePay);
    QFETCH(QString, hraDrawn);
    QFETCH(QString, rentPaid);
    const auto outcome = computeHraExemption(
        {.txtbp = s(basicPay), .txtda = s(dearness), .txtnpa = s(gradePay), .txthra = s(hraDrawn), .txtRP = s(rentPaid)});
    QVERIFY(std::holds_alternative<HraResults>(outcome));
    const auto &results = std::get<HraResults>(outcome);
    QTEST(q(results.txtns), "totalSalary");
    QTEST(q(results.txthrx), "exemption");
}

void TestHraExemption::textThatCannotBeRead_data()
{
    QTest::addColumn<QString>("basicPay");
    QTest::addColumn<QString>("gradePay");
    QTest::addColumn<QString>("rentPaid");
    QTest::addColumn<QString>("message");

    const QString tooLarge = QStringLiteral("A figure is too large to calculate with. Please check the amounts.");
    QTest::newRow("12a in rent paid") << "10000" << "0" << "12a"
                                      << "\"Rent Paid (Annual)\" is not a number. Please enter an amount.";
    QTest::newRow("lone minus in grade pay") << "10000" << "-" << "0"
                                             << "\"Grade Pay\" is not a number. Please enter an amount.";
    QTest::newRow("a blank in basic pay") << " " << "0" << "0"
                                          << "\"Basic Pay\" is not a number. Please enter an amount.";
    QTest::newRow("1e400 beyond a double") << "1e400" << "0" << "0" << tooLarge;
    QTest::newRow("salary beyond a double") << "1e308" << "1e308" << "0" << tooLarge;
}

void TestHraExemption::textThatCannotBeRead()
{
    QFETCH(QString, basicPay);
    QFETCH(QString, gradePay);
    QFETCH(QString, rentPaid);
    const auto outcome = computeHraExemption(
        {.txtbp = s(basicPay), .txtda = "0", .txtnpa = s(gradePay), .txthra = "50000", .txtRP = s(rentPaid)});
    QVERIFY(std::holds_alternative<CalculationError>(outcome));
    QTEST(q(std::get<CalculationError>(outcome).message()), "message");
}

QTEST_APPLESS_MAIN(TestHraExemption)
#include "tst_hraexemption.moc"
