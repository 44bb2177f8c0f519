#include "worksheets/houseproperty.h"

#include <QTest>

using namespace pelmora;

Q_DECLARE_METATYPE(pelmora::PropertyKind)
Q_DECLARE_METATYPE(pelmora::HousingLoan)

namespace {

QString q(const std::string &text)
{
    return QString::fromStdString(text);
}

std::string s(const QString &text)
{
    return text.toStdString();
}

constexpr auto rented = PropertyKind::RentedOut;
constexpr auto selfOccupied = PropertyKind::SelfOccupied;
constexpr auto before99 = HousingLoan::Before1April1999;
constexpr auto after99 = HousingLoan::After1April1999;

} // namespace

class TestHouseProperty : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void income_data();
    void income();
    void textThatCannotBeRead_data();
    void textThatCannotBeRead();
};

void TestHouseProperty::income_data()
{
    QTest::addColumn<PropertyKind>("kind");
    QTest::addColumn<HousingLoan>("loan");
    QTest::addColumn<QString>("rentalValue");
    QTest::addColumn<QString>("taxes");
    QTest::addColumn<QString>("interest");
    QTest::addColumn<QString>("others");
    QTest::addColumn<QStringList>("results"); // gross income, repairs, total deductions, income

    const auto row = [](const char *tag, PropertyKind kind, HousingLoan loan, const char *rentalValue,
                        const char *taxes, const char *interest, const char *others,
                        std::initializer_list<const char *> figures) {
        QStringList results;
        for (const char *figure : figures)
            results.append(QString::fromUtf8(figure));
        QTest::newRow(tag) << kind << loan << QString::fromUtf8(rentalValue) << QString::fromUtf8(taxes)
                           << QString::fromUtf8(interest) << QString::fromUtf8(others) << results;
    };

    row("worked case: rented out, interest not limited", rented, after99, "120000", "12000", "200000", "0",
        {"108000", "32400", "232400", "-124400"});
    row("repairs 3703.5 go to even 3704", rented, after99, "12345", "0", "0", "0", {"12345", "3704", "3704", "8641"});
    row("repairs 3706.5 go to even 3706", rented, after99, "12355", "0", "0", "0", {"12355", "3706", "3706", "8649"});
    row("others added to the deductions", rented, after99, "100000", "0", "0", "5000",
        {"100000", "30000", "35000", "65000"});
    row("taxes above rental value: negative gross income and repairs", rented, after99, "10000", "20000", "0", "0",
        {"-10000", "-3000", "-3000", "-7000"});
    row("negative repairs -1.5 go to even -2", rented, after99, "0", "5", "0", "0", {"-5", "-2", "-2", "-3"});
    row("rented out: loan date never limits the interest", rented, before99, "0", "0", "45000", "0",
        {"0", "0", "45000", "-45000"});
    row("self occupied, loan before 1-4-99: 45000 limited to 30000", selfOccupied, before99, "0", "0", "45000", "0",
        {"0", "0", "30000", "-30000"});
    row("self occupied, loan before 1-4-99: 30000 exactly stays", selfOccupied, before99, "0", "0", "30000", "0",
        {"0", "0", "30000", "-30000"});
    row("self occupied, loan before 1-4-99: 25000 not limited", selfOccupied, before99, "0", "0", "25000", "0",
        {"0", "0", "25000", "-25000"});
    row("self occupied, loan after 1-4-99: 150000 exactly stays", selfOccupied, after99, "0", "0", "150000", "0",
        {"0", "0", "150000", "-150000"});
    row("self occupied, loan after 1-4-99: 150001 limited", selfOccupied, after99, "0", "0", "150001", "0",
        {"0", "0", "150000", "-150000"});
    row("self occupied, loan after 1-4-99: 45000 not limited", selfOccupied, after99, "0", "0", "45000", "0",
        {"0", "0", "45000", "-45000"});
    row("fractional figures carried through", rented, after99, "1000.5", "0.5", "0.25", "0",
        {"1000", "300", "300.25", "699.75"});
    row("comma-grouped figures read whole", rented, after99, "1,20,000", "12,000", "2,00,000", "0",
        {"108000", "32400", "232400", "-124400"});
}

void TestHouseProperty::income()
{
    QFETCH(PropertyKind, kind);
    QFETCH(HousingLoan, loan);
    QFETCH(QString, rentalValue);
    QFETCH(QString, taxes);
    QFETCH(QString, interest);
    QFETCH(QString, others);
    const auto outcome = computeHouseProperty({.kind = kind, .loan = loan, .txtarv = s(rentalValue),
                                               .txtptax = s(taxes), .txtintt = s(interest), .txtoth = s(others)});
    QVERIFY(std::holds_alternative<HousePropertyResults>(outcome));
    const auto &r = std::get<HousePropertyResults>(outcome);
    QTEST((QStringList{q(r.txtghi), q(r.txtrep), q(r.txttd), q(r.txtihp)}), "results");
}

void TestHouseProperty::textThatCannotBeRead_data()
{
    QTest::addColumn<QString>("rentalValue");
    QTest::addColumn<QString>("interest");
    QTest::addColumn<QString>("others");
    QTest::addColumn<QString>("message");

    const QString tooLarge = QStringLiteral("A figure is too large to calculate with. Please check the amounts.");
    QTest::newRow("12a in rental value") << "12a" << "0" << "0"
                                         << "\"Annual Rental Value\" is not a number. Please enter an amount.";
    QTest::newRow("lone minus in interest") << "0" << "-" << "0"
                                            << "\"Interest on Borrowed Capital\" is not a number. Please enter an amount.";
    QTest::newRow("1e400 beyond a double") << "1e400" << "0" << "0" << tooLarge;
    QTest::newRow("deductions beyond a double") << "0" << "1.7e308" << "1.7e308" << tooLarge;
}

void TestHouseProperty::textThatCannotBeRead()
{
    QFETCH(QString, rentalValue);
    QFETCH(QString, interest);
    QFETCH(QString, others);
    const auto outcome = computeHouseProperty({.kind = rented, .loan = after99, .txtarv = s(rentalValue),
                                               .txtptax = "0", .txtintt = s(interest), .txtoth = s(others)});
    QVERIFY(std::holds_alternative<CalculationError>(outcome));
    QTEST(q(std::get<CalculationError>(outcome).message()), "message");
}

QTEST_APPLESS_MAIN(TestHouseProperty)
#include "tst_houseproperty.moc"
