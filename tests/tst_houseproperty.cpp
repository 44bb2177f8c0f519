// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheets/houseproperty.h"

#include <QTest>

using namespace pelmora;

class TestHouseProperty : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void income_data()
    {
        QTest::addColumn<QString>("inputs"); // rental value, taxes, interest, others; "self" for a self-occupied house
                                             // with "-99" or "+99" for a loan before or after 1-4-99
        QTest::addColumn<QString>("results"); // gross income, repairs, total deductions, income; or the message

        const auto row = [](const char *tag, const char *inputs, const char *results) {
            QTest::newRow(tag) << QString::fromUtf8(inputs) << QString::fromUtf8(results);
        };
        const char *tooLarge = "A figure is too large to calculate with. Please check the amounts.";
        row("worked case: rented out, interest not limited", "120000 12000 200000 0", "108000 32400 232400 -124400");
        row("repairs 3703.5 go to even 3704", "12345 0 0 0", "12345 3704 3704 8641");
        row("repairs 3706.5 go to even 3706", "12355 0 0 0", "12355 3706 3706 8649");
        row("others added to the deductions", "100000 0 0 5000", "100000 30000 35000 65000");
        row("taxes above rental value: negative gross income and repairs", "10000 20000 0 0", "-10000 -3000 -3000 -7000");
        row("negative repairs -1.5 go to even -2", "0 5 0 0", "-5 -2 -2 -3");
        row("rented out: loan date never limits the interest", "-99 0 0 45000 0", "0 0 45000 -45000");
        row("self occupied, loan before 1-4-99: 30000 exactly stays", "self -99 0 0 30000 0", "0 0 30000 -30000");
        row("self occupied, loan before 1-4-99: 30000.5 limited", "self -99 0 0 30000.5 0", "0 0 30000 -30000");
        row("self occupied, loan after 1-4-99: 150000 exactly stays", "self +99 0 0 150000 0", "0 0 150000 -150000");
        row("self occupied, loan after 1-4-99: 150001 limited", "self +99 0 0 150001 0", "0 0 150000 -150000");
        row("fractional figures carried through", "1000.5 0.5 0.25 0", "1000 300 300.25 699.75");
        row("12a in rental value", "12a 0 0 0", "\"Annual Rental Value\" is not a number. Please enter an amount.");
        row("lone minus in interest", "0 0 - 0", "\"Interest on Borrowed Capital\" is not a number. Please enter an amount.");
        row("deductions beyond a double", "0 0 1.7e308 1.7e308", tooLarge);
    }
    void income()
    {
        QFETCH(QString, inputs);
        QStringList in = inputs.split(u' ');
        HousePropertyInputs house;
        if (in.first() == u"self") {
            house.kind = PropertyKind::SelfOccupied;
            in.removeFirst();
        }
        if (in.first() == u"-99" || in.first() == u"+99")
            house.loan = in.takeFirst() == u"-99" ? HousingLoan::Before1April1999 : HousingLoan::After1April1999;
        house.txtarv = in[0].toStdString();
        house.txtptax = in[1].toStdString();
        house.txtintt = in[2].toStdString();
        house.txtoth = in[3].toStdString();
        const auto outcome = computeHouseProperty(house);
        const auto *r = std::get_if<HousePropertyResults>(&outcome);
        const std::string shown = r ? r->txtghi + ' ' + r->txtrep + ' ' + r->txttd + ' ' + r->txtihp
                                    : std::get<CalculationError>(outcome).message();
        QTEST(QString::fromStdString(shown), "results");
    }
};

QTEST_APPLESS_MAIN(TestHouseProperty)
#include "tst_houseproperty.moc"
