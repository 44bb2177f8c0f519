// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheets/section80.h"

#include <QTest>

using namespace pelmora;

class TestSection80 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void totals_data()
    {
        QTest::addColumn<QStringList>("items80C"); // from GPF on; the rest 0
        QTest::addColumn<QStringList>("others"); // 80CCC, employee's, government's, 80CCF, 80D, 80G, other
        QTest::addColumn<QString>("results"); // 80C total, limited total, 80CCF as written, grand total; or the message

        const auto row = [](const char *tag, const char *items, const char *others, const char *results) {
            QTest::newRow(tag) << QString::fromUtf8(items).split(u' ') << QString::fromUtf8(others).split(u' ')
                               << QString::fromUtf8(results);
        };
        row("exactly 100000 is not limited", "60000", "20000 20000 10000 0 0 0 0", "60000 110000 0 110000");
        row("110000 exceeds the limit; government's contribution on top", "60000", "20000 30000 30000 0 0 0 0",
            "60000 130000 0 130000");
        row("100000.5 just exceeds the limit", "100000.5", "0 0 7 0 0 0 0", "100000.5 100007 0 100007");
        row("all eleven 80C items are added", "1 2 4 8 16 32 64 128 256 512 1024", "0 0 0 0 0 0 0", "2047 2047 0 2047");
        row("80CCF 25000 counts as 20000", "0", "0 0 0 25000 0 0 0", "0 0 20000 20000");
        row("80CCF 2e4 is at the limit, not above: its text stays", "0", "0 0 0 2e4 0 0 0", "0 0 2e4 20000");
        row("80CCF 20000.5 is limited", "0", "0 0 0 20000.5 0 0 0", "0 0 20000 20000");
        row("80CCF below the limit keeps its own text", "0", "0 0 0 12abc 0 0 0", "0 0 12abc 12");
        row("worked grand total 165000", "100000", "0 0 10000 20000 30000 5000 0", "100000 110000 20000 165000");
        row("Mediclaim, donations and others enter as they stand", "0", "0 0 0 0 35000 5000 1000", "0 0 0 41000");
        row("12abc counts as 12", "12abc", "0 0 0 0 0 0 0", "12 12 0 12");
        row("negative items reduce the totals", "50000 -60000", "0 0 0 0 0 0 -500", "-10000 -10000 0 -10500");
        const char *tooLarge = "A figure is too large to calculate with. Please check the amounts.";
        row("sum of items beyond a double", "1e308 1e308", "0 0 0 0 0 0 0", tooLarge);
    }
    void totals()
    {
        QFETCH(QStringList, items80C);
        QFETCH(QStringList, others);
        Section80Inputs in;
        std::string *fields[] = {&in.txtgpf,  &in.txtgis,  &in.txthba,    &in.txtlic,     &in.txtppf,   &in.txtnsc,
                                 &in.txtnsci, &in.txttf1,  &in.txttf2,    &in.txtinf,     &in.txtos,    &in.txt80ccc,
                                 &in.txt80ccdec, &in.txt80ccdgc, &in.txt80ccf, &in.txt80d, &in.txt80g, &in.txtoth};
        for (qsizetype i = 0; i < std::ssize(fields); ++i)
            *fields[i] = i < items80C.size() ? items80C[i].toStdString() : i >= 11 ? others[i - 11].toStdString() : "0";
        const auto outcome = computeSection80(in);
        const auto *r = std::get_if<Section80Results>(&outcome);
        const std::string shown = r ? r->txt80c + ' ' + r->txttot1 + ' ' + r->txt80ccf + ' ' + r->txtgt80
                                    : std::get<CalculationError>(outcome).message();
        QTEST(QString::fromStdString(shown), "results");
    }
    void mediclaimLimit_data()
    {
        QTest::addColumn<QString>("mediclaim");
        QTest::addColumn<bool>("above");

        QTest::newRow("30000 is the limit itself") << "30000" << false;
        QTest::newRow("30000.01 is above") << "30000.01" << true;
        QTest::newRow("comma-grouped 31,000 read whole") << "31,000" << true;
        QTest::newRow("lone minus while typing") << "-" << false;
        QTest::newRow("40000abc is not a number") << "40000abc" << false;
    }
    void mediclaimLimit()
    {
        QFETCH(QString, mediclaim);
        QTEST(mediclaimAboveLimit(mediclaim.toStdString()), "above");
    }
};

QTEST_APPLESS_MAIN(TestSection80)
#include "tst_section80.moc"
