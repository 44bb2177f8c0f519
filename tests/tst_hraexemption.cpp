// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheets/hraexemption.h"

#include <QTest>

using namespace pelmora;

class TestHraExemption : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void exemption_data()
    {
        QTest::addColumn<QString>("inputs"); // basic pay|dearness|grade pay|HRA drawn|rent paid
        QTest::addColumn<QString>("results"); // total salary and exemption, or the message

        const auto row = [](const char *tag, const char *inputs, const char *results) {
            QTest::newRow(tag) << QString::fromUtf8(inputs) << QString::fromUtf8(results);
        };
        const char *tooLarge = "A figure is too large to calculate with. Please check the amounts.";
        row("worked case: one tenth 1234.5 goes to even 1234", "10000|0|2345|50000|20000", "12345 18766");
        row("one tenth 1235.5 goes to even 1236", "10000|0|2355|50000|20000", "12355 18764");
        row("salary is basic pay + dearness + grade pay", "100000|72000|28000|90000|50000", "200000 30000");
        row("rent below one tenth: negative excess shows 0", "100000|0|0|50000|5000", "100000 0");
        row("excess equal to HRA drawn gives HRA drawn", "10000|0|0|5000|6000", "10000 5000");
        row("HRA drawn below the excess limits the exemption", "10000|0|0|3000|6000", "10000 3000");
        row("fractional pay carried through: 100.05 rounds to 100", "1000.5|0|0|5000|1000", "1000.5 900");
        row("fractional excess shown as it is", "1000|0|0|5000|1000.25", "1000 900.25");
        row("negative HRA drawn shows 0", "10000|0|0|-500|6000", "10000 0");
        row("empty grade pay reads 0", "10000|0||50000|20000", "10000 19000");
        row("comma-grouped figures read whole", "1,00,000|0|0|60,000|50,000", "100000 40000");
        row("12a in rent paid", "10000|0|0|50000|12a", "\"Rent Paid (Annual)\" is not a number. Please enter an amount.");
        row("lone minus in grade pay", "10000|0|-|50000|0", "\"Grade Pay\" is not a number. Please enter an amount.");
        row("a blank in basic pay", " |0|0|50000|0", "\"Basic Pay\" is not a number. Please enter an amount.");
        row("salary beyond a double", "1e308|0|1e308|50000|0", tooLarge);
    }
    void exemption()
    {
        QFETCH(QString, inputs);
        const QStringList in = inputs.split(u'|');
        const auto outcome = computeHraExemption({.txtbp = in[0].toStdString(), .txtda = in[1].toStdString(),
                                                  .txtnpa = in[2].toStdString(), .txthra = in[3].toStdString(),
                                                  .txtRP = in[4].toStdString()});
        const auto *r = std::get_if<HraResults>(&outcome);
        const std::string shown = r ? r->txtns + ' ' + r->txthrx : std::get<CalculationError>(outcome).message();
        QTEST(QString::fromStdString(shown), "results");
    }
};

QTEST_APPLESS_MAIN(TestHraExemption)
#include "tst_hraexemption.moc"
