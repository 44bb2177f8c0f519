// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "core/figures.h"

#include <QTest>

using namespace pelmora;

class TestFigures : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void lenientReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");

        QTest::newRow("blank between digits is ignored") << "1 500" << 1500.0;
        QTest::newRow("tab and line feed are ignored") << "\t1\n2" << 12.0;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("negative with letters after") << "-12.5abc" << -12.5;
        QTest::newRow("plus sign") << "+7" << 7.0;
        QTest::newRow("incomplete exponent is left off") << "4e" << 4.0;
        QTest::newRow("empty text") << "" << 0.0;
        QTest::newRow("lone blank") << " " << 0.0;
        QTest::newRow("lone point") << "." << 0.0;
        QTest::newRow("sign after blanks") << "  - 3" << -3.0;
        QTest::newRow("below the smallest double") << "1e-400" << 0.0;
    }
    void lenientReading()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(readLenient(text.toStdString()), value);
    }
    void strictReading_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("readable");
        QTest::addColumn<double>("value");

        QTest::newRow("comma groups") << "1,500" << true << 1500.0;
        QTest::newRow("blanks around") << "  250 " << true << 250.0;
        QTest::newRow("negative fraction") << "-1234.5" << true << -1234.5;
        QTest::newRow("leading point") << ".5" << true << 0.5;
        QTest::newRow("exponent") << "1E+15" << true << 1e15;
        QTest::newRow("empty text") << "" << false << 0.0;
        QTest::newRow("blanks only") << "   " << false << 0.0;
        QTest::newRow("lone minus sign") << "-" << false << 0.0;
        QTest::newRow("leading comma") << ",500" << false << 0.0;
        QTest::newRow("trailing comma") << "500," << false << 0.0;
        QTest::newRow("comma in the fraction") << "1.5,0" << false << 0.0;
        QTest::newRow("incomplete exponent") << "4e" << false << 0.0;
    }
    void strictReading()
    {
        QFETCH(QString, text);
        QFETCH(bool, readable);
        QFETCH(double, value);
        const auto reading = readStrict(text.toStdString());
        QCOMPARE(reading.has_value(), readable);
        if (readable)
            QCOMPARE(*reading, value);
    }
    void decimalText_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");

        QTest::newRow("whole number") << 1000000.0 << "1000000";
        QTest::newRow("fraction") << 1234.5 << "1234.5";
        QTest::newRow("negative zero") << -0.0 << "0";
        QTest::newRow("0.1 + 0.2 at 15 digits") << (0.1 + 0.2) << "0.3";
        QTest::newRow("15 significant digits") << 123456789.123456789 << "123456789.123457";
        QTest::newRow("largest plain number") << 999999999999999.0 << "999999999999999";
        QTest::newRow("rounds up into the exponent form") << 999999999999999.5 << "1E+15";
        QTest::newRow("1E+15") << 1e15 << "1E+15";
        QTest::newRow("exponent form with digits") << 1234567890123456.0 << "1.23456789012346E+15";
        QTest::newRow("smallest plain number") << 0.0001 << "0.0001";
        QTest::newRow("below 0.0001") << 0.00001 << "1E-05";
        QTest::newRow("negative exponent form") << -2.5e-7 << "-2.5E-07";
        QTest::newRow("three exponent digits") << 1e300 << "1E+300";
    }
    void decimalText()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(QString::fromStdString(pelmora::decimalText(value)), text);
    }
    void readingHint_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("strict");
        QTest::addColumn<QString>("hint"); // empty: the text reads as typed

        const auto row = [](const char *tag, const char *text, bool strict, const char *hint) {
            QTest::newRow(tag) << QString::fromUtf8(text) << strict << QString::fromUtf8(hint);
        };
        row("a whole number", "25000", false, "");
        row("a blank between digits", "1 500", false, "");
        row("a comma ends the figure", "25,000", false, "Read as 25: a comma ends the figure here. Type 25000.");
        row("a comma before letters suggests nothing", "1,5x", false, "Read as 1: a comma ends the figure here.");
        row("letters after digits", "12abc", false, "Read as 12: \"a\" ends the figure here");
        row("a second point", "2.5.1", false, "Read as 2.5: a second point ends the figure here");
        row("a rupee sign, whole", "12₹", false, "Read as 12: \"₹\" ends the figure here");
        row("no leading number", "Rs.500", false, "Read as 0: the text does not begin with a number");
        row("a lone minus sign", "-", false, "Read as 0: the text holds no number");
        row("hexadecimal", "&H10", false, "Read as 16: \"&H\" makes the digits hexadecimal");
        row("octal, lower case", "&o17", false, "Read as 15: \"&o\" makes the digits octal");
        row("an exponent", "1e3", false, "Read as 1000: \"e3\" is an exponent of ten");
        row("beyond a double", "1e400", false, "Read as a figure too large to calculate with: Calculate will refuse it");
        row("strict: commas group", "1,500", true, "");
        row("strict: letters", "12abc", true, "Not a number: Calculate will refuse it");
        row("strict: a blank between digits", "1 500", true, "Not a number: Calculate will refuse it");
        row("strict: an exponent", "25E-1", true, "Read as 2.5: \"E-1\" is an exponent of ten");
    }
    void readingHint()
    {
        QFETCH(QString, text);
        QFETCH(bool, strict);
        QTEST(QString::fromStdString(pelmora::readingHint(text.toStdString(), strict ? Reading::Strict : Reading::Lenient)),
              "hint");
    }
    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");

        QTest::newRow("half goes to even: 1.5") << 1.5 << 2.0;
        QTest::newRow("half goes to even: 2.5") << 2.5 << 2.0;
        QTest::newRow("half goes to even: -2.5") << -2.5 << -2.0;
        QTest::newRow("150 x 0.03 is exactly 4.5") << 150 * 0.03 << 4.0;
        QTest::newRow("just above a half") << 2.5000001 << 3.0;
        QTest::newRow("cess 900.06 rounds down") << 30002 * 0.03 << 900.0;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(pelmora::roundHalfEven(value), rounded);
    }
};

QTEST_APPLESS_MAIN(TestFigures)
#include "tst_figures.moc"
