// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The month-by-month salary computation and what Back hands to the main window, as texts.

#include "salary/salarycomputation.h"

#include <QTest>

#include <map>
#include <span>

using namespace pelmora;
using namespace pelmora::salary;
using namespace Qt::StringLiterals;

namespace {

QString q(const std::string &text) { return QString::fromStdString(text); }

// The rows a name such as "bp3", "bp9-13" or "bp*" stands for, and the name without them.
std::pair<QString, std::pair<int, int>> rowsOf(const QString &name, int rows)
{
    qsizetype i = 0;
    while (i < name.size() && name[i].isLetter())
        ++i;
    const QString range = name.mid(i);
    if (range == u"*")
        return {name.left(i), {0, rows - 1}};
    return {name.left(i), {range.section(u'-', 0, 0).toInt(), range.section(u'-', -1).toInt()}};
}

// A sheet of "field=text" edits separated by ';', over one with every figure "0", the first
// entries chosen and the increment ticked: bp, gp and oth with rows as above; the boxes nps,
// hra and tpa; "inc=0" unticks the increment.
SalarySheet sheet(const QString &edits)
{
    SalarySheet s;
    s.txtbp.fill("0");
    s.txtgp.fill("0");
    s.txtoth.fill("0");
    const std::map<QString, std::span<std::string>> figures{{u"bp"_s, s.txtbp}, {u"gp"_s, s.txtgp}, {u"oth"_s, s.txtoth}};
    const std::map<QString, std::string *> boxes{{u"nps"_s, &s.cbonps}, {u"hra"_s, &s.cboclass1}, {u"tpa"_s, &s.cboclass3}};
    for (const QString &edit : edits.split(u';', Qt::SkipEmptyParts)) {
        const auto [name, rows] = rowsOf(edit.section(u'=', 0, 0), monthRows);
        const std::string text = edit.section(u'=', 1).toStdString();
        if (name == u"inc")
            s.chkinc = text != "0";
        else if (boxes.contains(name))
            *boxes.at(name) = text;
        else
            std::fill_n(figures.at(name).begin() + rows.first,
                        std::min<int>(rows.second + 1, figures.at(name).size()) - rows.first, text);
    }
    return s;
}

const QString worked = QStringLiteral("bp*=25000;gp*=4600;nps=Y");

// The message of a refused computation; empty when it went through.
template <typename Outcome>
QString refusal(const Outcome &outcome)
{
    const auto *error = std::get_if<CalculationError>(&outcome);
    return error ? q(error->message()) : QString();
}

const QString tooLarge = q(CalculationError::figureTooLarge().message());
const QString notANumber = QStringLiteral("\"%1\" is not a number. Please enter an amount.");

} // namespace

class tst_SalaryComputation : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // A sheet and "name=text" results: the columns da, hra, tpa, mgc and ttl with rows as the
    // sheet's, "july" (empty: no increment written) and the totals.
    void results_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("results");

        QTest::newRow("worked example: Jan 13 and Feb 13, arrears of DA 80% less 72%, no HRA")
            << worked << "da0-1=2368;hra0-1=;tpa0-1=128;mgc0-1=237;ttl0-1=2733";
        QTest::newRow("worked example: Mar 13 to Jun 13 at DA 80%")
            << worked << "da2-5=23680;hra2-5=8880;tpa2-5=2880;mgc2-5=5328;ttl2-5=70368";
        QTest::newRow("worked example: Jul 13 to Feb 14 at DA 90% on the raised pay")
            << worked << "da6-13=27441;hra6-13=9147;tpa6-13=3040;mgc6-13=5793;ttl6-13=75911";
        QTest::newRow("worked example: totals")
            << worked << "july=25890;bpt=307120;gpt=55200;dat=318984;hrat=108696;tpat=36096;mgct=68130;"
                         "ttlt=894226;gtotal=894226";

        QTest::newRow("DA 90% of 29605 is 26644.5, goes to 26644") << "bp*=29605;inc=0" << "da6=26644";
        QTest::newRow("HRA Z 10% of 29605 is 2960.5, goes to even 2960") << "bp*=29605;inc=0;hra=Z" << "hra6=2960";

        QTest::newRow("increment on 29604: 888.12 rounds to 888, raised to 890") << "bp*=29604" << "july=30494;bpt=362368";
        QTest::newRow("increment on 29667: 890.01 rounds to 890, already a multiple of 10")
            << "bp*=25067;gp*=4600" << "july=25957;bpt=307924";
        QTest::newRow("increment on 29500: 885, its tens 88.5 round to even 88, raised to 890")
            << "bp*=29500" << "july=30390;bpt=361120";
        QTest::newRow("increment on 29166.67: 875, its tens 87.5 round to even 88, so 880")
            << "bp*=29166.67" << "july=30046.67;bpt=357040.04";
        QTest::newRow("June pay 0 gives no rise") << "" << "july=0;bpt=0";
        QTest::newRow("unchecked: the typed July pay stays") << "bp*=25000;gp*=4600;inc=0" << "july=;bpt=300000";
        QTest::newRow("a promotion typed from Oct 13 on gives way to the July pay filled down")
            << worked + u";bp9-13=40000"_s << "july=25890;da13=27441;bpt=307120";

        // Arrears rows, "Mar 13" to "Jun 13", "Jul 13" to "Feb 14".
        const auto tiers = [](const char *tag, const char *sheet, const char *arrears, const char *spring, const char *autumn) {
            QTest::newRow(tag) << QString::fromUtf8(sheet) + u";inc=0"_s
                               << u"tpa0-1=%1;tpa2-5=%2;tpa6-13=%3"_s.arg(QLatin1String(arrears), QLatin1String(spring), QLatin1String(autumn));
        };
        tiers("A/A-1 grade pay 5400 is the higher tier", "bp*=20000;gp*=5400", "256", "5760", "6080");
        tiers("A/A-1 grade pay 5399 is the middle tier", "bp*=20000;gp*=5399", "128", "2880", "3040");
        tiers("A/A-1 grade pay 4200 is the middle tier", "bp*=5000;gp*=4200", "128", "2880", "3040");
        tiers("A/A-1 basic pay 7440 at grade pay 2800 is the middle tier", "bp*=7440;gp*=2800", "128", "2880", "3040");
        tiers("A/A-1 basic pay 7439 at grade pay 2800 is the lower tier", "bp*=7439;gp*=2800", "48", "1080", "1140");
        tiers("A/A-1 basic pay 0.4 is above 0: lower tier", "bp*=0.4", "48", "1080", "1140");
        tiers("A/A-1 basic pay 0 fits no tier: 0", "gp*=2400", "0", "0", "0");
        tiers("Oth. grade pay 5400 is the higher tier", "tpa=Oth.;bp*=20000;gp*=5400", "128", "2880", "3040");
        tiers("Oth. basic pay 7440 is the middle tier", "tpa=Oth.;bp*=7440;gp*=2800", "64", "1440", "1520");
        tiers("Oth. basic pay 7439 is the lower tier", "tpa=Oth.;bp*=7439;gp*=2800", "32", "720", "760");
        tiers("Oth. basic pay 1.5 rounds to 2: lower tier", "tpa=Oth.;bp*=1.5", "32", "720", "760");
        tiers("Oth. basic pay 0.5 rounds to even 0: no tier", "tpa=Oth.;bp*=0.5", "0", "0", "0");
        tiers("NA: no transport allowance at any pay", "tpa=NA;bp*=20000;gp*=5400", "0", "0", "0");

        QTest::newRow("HRA class NA: every HRA 0") << worked + u";hra=NA"_s << "hra2-13=0;dat=318984";
        QTest::newRow("scheme N: every MGC 0") << worked + u";nps=N"_s << "mgc*=0;dat=318984";

        QTest::newRow("comma-grouped 25,000 in Jan 13 reads 25000") << "bp*=25000;gp*=4600;bp0=25,000" << "da0=2368";
        QTest::newRow("the arrears grade pay is read leniently: 4600abc") << "bp*=25000;gp*=4600;gp1=4600abc" << "da1=2368";
        QTest::newRow("annual extras 2500.5, abc and -100 read leniently")
            << worked + u";oth0=1000;oth1=2500.5;oth3=abc;oth4=-100;oth5=7"_s << "gtotal=897633.5";
    }
    void results()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, results);
        const auto outcome = computeSalary(::sheet(sheet));
        QCOMPARE(refusal(outcome), QString());
        const SalaryResults &r = std::get<SalaryResults>(outcome);
        const std::map<QString, const MonthTexts *> columns{
            {u"da"_s, &r.txtda}, {u"hra"_s, &r.txthra}, {u"tpa"_s, &r.txttpa2}, {u"mgc"_s, &r.txtmgc}, {u"ttl"_s, &r.txtttl}};
        const std::map<QString, std::string> single{
            {u"july"_s, r.julyBasicPay.value_or("")}, {u"bpt"_s, r.txtbpt}, {u"gpt"_s, r.txtgpt}, {u"dat"_s, r.txtdat},
            {u"hrat"_s, r.txthrat}, {u"tpat"_s, r.txttpat}, {u"mgct"_s, r.txtmgct}, {u"ttlt"_s, r.txtttlt},
            {u"gtotal"_s, r.txtgtotal}};
        for (const QString &result : results.split(u';')) {
            const QString expected = result.section(u'=', 1);
            const auto [name, rows] = rowsOf(result.section(u'=', 0, 0), monthRows);
            for (int row = rows.first; row <= rows.second; ++row) {
                const QString where = single.contains(name) ? name : name + QString::number(row);
                const QString shown = q(single.contains(name) ? single.at(name) : columns.at(name)->at(row));
                QVERIFY2(shown == expected, qPrintable(where + u" is "_s + shown + u", not "_s + expected));
            }
        }
    }
    void refusals_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("message");

        const QString hra = QStringLiteral("\"HRA class\" must be one of \"X\", \"Y\", \"Z\" or \"NA\".");
        const QString tpa = QStringLiteral("\"TPA class\" must be one of \"A/A-1\", \"Oth.\" or \"NA\".");
        const QString nps = QStringLiteral("\"New Pen. Sch.\" must be one of \"Y\" or \"N\".");
        QTest::newRow("HRA class typed as a lower-case x") << worked + u";hra=x"_s << hra;
        QTest::newRow("HRA class with a trailing blank") << worked + u";hra=X "_s << hra;
        QTest::newRow("transport class Oth without its point") << worked + u";tpa=Oth"_s << tpa;
        QTest::newRow("scheme typed as a lower-case y") << worked + u";nps=y"_s << nps;
        QTest::newRow("Jan 13 pay 12abc is not a number") << "bp*=25000;gp*=4600;bp0=12abc" << notANumber.arg(u"Jan 13 B.PAY");
        QTest::newRow("basic pay 1e400") << "bp*=1e400;gp*=4600" << tooLarge;
        QTest::newRow("basic and grade pay 1e308 add up beyond a double") << "bp*=1e308;gp*=1e308" << tooLarge;
    }
    void refusals()
    {
        QFETCH(QString, sheet);
        QTEST(refusal(computeSalary(::sheet(sheet))), "message");
    }
    void handOver_data()
    {
        QTest::addColumn<QStringList>("allowances"); // of the arrears rows, "Mar 13".."Jun 13", "Jul 13".."Feb 14"
        QTest::addColumn<QString>("grandTotal");
        QTest::addColumn<QString>("handedOver"); // or the message

        // The other totals are the worked example's, handed over as they stand.
        const auto row = [](const char *tag, const char *allowances, const char *grandTotal, const char *grossAndTransport) {
            QTest::newRow(tag) << QString::fromUtf8(allowances).split(u' ') << QString::fromUtf8(grandTotal)
                               << QString::fromUtf8(grossAndTransport) + u" 307120 318984 108696 55200 68130"_s;
        };
        row("the worked example: 2880 then 3040, 800 of each", "128 2880 3040", "894226", "894226 9600");
        row("exactly 800 a month", "0 800 800", "894226", "894226 9600");
        row("720 a month, all of it", "0 720 720", "894226", "894226 8640");
        row("the arrears rows do not count", "5000 0 0", "894226", "894226 0");
        row("allowances read leniently: 700abc is 700", "0 700abc 700abc", "894226", "894226 8400");
        QTest::newRow("a total that is not a number is refused")
            << QStringList{u"0"_s, u"0"_s, u"0"_s} << "894226abc" << notANumber.arg(u"G.Total");
    }
    void handOver()
    {
        QFETCH(QStringList, allowances);
        QFETCH(QString, grandTotal);
        const auto results = std::get<SalaryResults>(computeSalary(sheet(worked)));
        HandOverSource source{.txtbpt = results.txtbpt, .txtdat = results.txtdat, .txtgtotal = grandTotal.toStdString(),
                              .txthrat = results.txthrat, .txtgpt = results.txtgpt, .txtmgct = results.txtmgct, .txttpa2 = {}};
        for (int row = 0; row < monthRows; ++row)
            source.txttpa2[row] = allowances[row < firstYearRow ? 0 : row < julyRow ? 1 : 2].toStdString();
        const auto outcome = computeHandOver(source);
        const auto *h = std::get_if<HandOver>(&outcome);
        const QString shown = h ? QStringList{q(h->txtgs), q(h->txttp), q(h->txtbp), q(h->txtda), q(h->txthrr),
                                              q(h->txtnpa), q(h->txtmgc)}.join(u' ')
                                : refusal(outcome);
        QTEST(shown, "handedOver");
    }
};

QTEST_APPLESS_MAIN(tst_SalaryComputation)
#include "tst_salarycomputation.moc"
