// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The salary statement's rules as texts, then its window driven through the main window.

#include "worksheetdriver.h"
#include "core/calculation.h"
#include "widgets/choicebox.h"
#include "salary/form1.h"
#include "salary/salarycomputation.h"
#include "widgets/fieldtexts.h"

#include <QAbstractItemView>
#include <QCheckBox>

#include <map>
#include <optional>
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

// A sheet of "field=text" edits separated by ';' over every figure "0", the first entries chosen
// and the increment ticked: bp, gp and oth with rows; boxes nps, hra and tpa; "inc=0" unticks.
// None, the name it does not know in unknown, for an edit of a field it does not know.
std::optional<SalarySheet> sheet(const QString &edits, QString *unknown = nullptr)
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
        else if (!figures.contains(name)) {
            if (unknown)
                *unknown = name;
            return std::nullopt;
        } else
            std::fill_n(figures.at(name).begin() + rows.first,
                        std::min<int>(rows.second + 1, figures.at(name).size()) - rows.first, text);
    }
    return s;
}

const QString worked = QStringLiteral("bp*=25000;gp*=4600;nps=Y");

template <typename Outcome>
QString refusal(const Outcome &outcome)
{
    const auto *error = std::get_if<CalculationError>(&outcome);
    return error ? q(error->message()) : QString();
}

const QString notANumber = QStringLiteral("\"%1\" is not a number. Please enter an amount.");

// "25000*8 26000*6": eight times 25000, then six times 26000.
QStringList runs(const char *repeats)
{
    QStringList texts;
    for (const QString &run : QString::fromUtf8(repeats).split(u' '))
        texts += QStringList(qMax(1, run.section(u'*', 1).toInt()), run.section(u'*', 0, 0));
    return texts;
}

// The texts of a field array by index; an array may start after 0 ("txthra(2)").
QStringList columnTexts(const QWidget *form, const QString &name)
{
    QStringList texts;
    for (int i = 0; i < Form1::monthRows; ++i)
        if (const auto *field = form->findChild<QLineEdit *>(QStringLiteral("%1(%2)").arg(name).arg(i)))
            texts.append(field->text());
    return texts;
}

// "name:text" edits typed into the form's fields; the name of the first field it lacks, if any.
QString apply(const QWidget *form, const QString &edits)
{
    for (const QString &edit : edits.split(u' ', Qt::SkipEmptyParts)) {
        QWidget *field = form->findChild<QWidget *>(edit.section(u':', 0, 0));
        if (!field)
            return edit.section(u':', 0, 0);
        WorksheetDriver::type(field, edit.section(u':', 1));
    }
    return {};
}

salary::SalarySheet sheetOf(const Form1 *form)
{
    const auto text = [](const QComboBox *box) { return box->currentText().toStdString(); };
    return {.txtbp = textsOf(form->txtbp), .txtgp = textsOf(form->txtgp), .cbonps = text(form->cbonps),
            .cboclass1 = text(form->cboclass1), .cboclass3 = text(form->cboclass3), .chkinc = form->chkinc->isChecked(),
            .txtoth = textsOf(form->txtoth)};
}

// Every field shows the rules' results for the sheet as it was, the July pay filled down.
void expectRulesResults(const Form1 *form, const salary::SalarySheet &sheet)
{
    const auto outcome = salary::computeSalary(sheet);
    QVERIFY(std::holds_alternative<salary::SalaryResults>(outcome));
    const auto &r = std::get<salary::SalaryResults>(outcome);
    salary::MonthTexts pay = sheet.txtbp;
    if (r.julyBasicPay)
        std::fill(pay.begin() + salary::julyRow, pay.end(), *r.julyBasicPay);
    const QMap<QString, QString> shown = WorksheetDriver::snapshot(form);
    for (const auto &[name, texts] : {std::pair{"txtbp", &std::as_const(pay)}, {"txtda", &r.txtda}, {"txthra", &r.txthra},
                                      {"txttpa2", &r.txttpa2}, {"txtmgc", &r.txtmgc}, {"txtttl", &r.txtttl}})
        for (int row = texts == &r.txthra ? salary::firstYearRow : 0; row < monthRows; ++row)
            QCOMPARE(shown.value(u"%1(%2)"_s.arg(QLatin1String(name)).arg(row)), q((*texts)[row]));
    const QMap<QString, QString> workings = WorksheetDriver::workings(form);
    for (int row = 0; row < monthRows; ++row)
        QCOMPARE(workings.value(u"txtda(%1)"_s.arg(row)), q(r.workings.txtda[row].text()));
    QCOMPARE(workings.value(u"txtbp(6)"_s), q(r.workings.julyBasicPay.text()));
    QCOMPARE(workings.value(u"txtgtotal"_s), q(r.workings.txtgtotal.text()));
    QCOMPARE(WorksheetDriver::texts({form->txtbpt, form->txtgpt, form->txtdat, form->txthrat, form->txttpat,
                                     form->txtmgct, form->txtttlt, form->txtgtotal}),
             (QStringList{q(r.txtbpt), q(r.txtgpt), q(r.txtdat), q(r.txthrat), q(r.txttpat), q(r.txtmgct),
                          q(r.txtttlt), q(r.txtgtotal)}));
}

} // namespace

class TestSalary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    // "name=text" results: columns da, hra, tpa, mgc, ttl with rows, "july" (empty: none) and totals.
    void results_data()
    {
        QTest::addColumn<QString>("sheet");
        QTest::addColumn<QString>("results");

        QTest::newRow("worked example: Jan 13 and Feb 13, arrears of DA 80% less 72%, no HRA")
            << worked << "da0-1=2368;hra0-1=;tpa0-1=128;mgc0-1=237;ttl0-1=2733";
        QTest::newRow("worked example: Mar 13 to Jun 13 at DA 80%, from Jul 13 at DA 90% on the raised pay")
            << worked << "da2-5=23680;hra2-5=8880;tpa2-5=2880;mgc2-5=5328;ttl2-5=70368;"
                         "da6-13=27441;hra6-13=9147;tpa6-13=3040;mgc6-13=5793;ttl6-13=75911";
        QTest::newRow("worked example: totals")
            << worked << "july=25890;bpt=307120;gpt=55200;dat=318984;hrat=108696;tpat=36096;mgct=68130;"
                         "ttlt=894226;gtotal=894226";

        QTest::newRow("HRA Z 10% of 29605 is 2960.5, goes to even 2960") << "bp*=29605;inc=0;hra=Z" << "hra6=2960";

        QTest::newRow("increment on 29604: 888.12 rounds to 888, raised to 890") << "bp*=29604" << "july=30494;bpt=362368";
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

        // One working a row: "w:name=working", name as above with one row.
        const auto row = [](const char *tag, const QString &sheet, const char *working) {
            QTest::newRow(tag) << sheet << u"w:"_s + QString::fromUtf8(working);
        };
        row("increment raised to the next ten", worked, "july=3 % of (25000 + 4600) = 888, raised to the next ten: 890; 25000 + 890 = 25890");
        row("increment 890.01 already a multiple of ten", u"bp*=25067;gp*=4600"_s,
            "july=3 % of (25067 + 4600) = 890.01, rounded: 890, a multiple of ten; 25067 + 890 = 25957");
        row("DA arrears", worked, "da0=80 % of (25000 + 4600) = 23680 less the 72 % already paid 21312 = 2368");
        row("DA half to even", u"bp*=29605;inc=0"_s, "da6=90 % of (29605 + 0) = 26644.5, rounded to even: 26644");
        row("HRA by class", worked, "hra6=Class X: 30 % of (25890 + 4600) = 9147");
        row("HRA class Y", worked + u";hra=Y"_s, "hra6=Class Y: 20 % of (25890 + 4600) = 6098");
        row("TPA arrears, middle tier by grade pay", worked,
            "tpa0=A/A-1 middle tier (grade pay 4600 is 4200 or more): arrears of the DA on 1600: 80 % of it 1280 less the 72 % "
            "already paid 1152 = 128");
        row("TPA higher tier", u"bp*=20000;gp*=5400;inc=0"_s, "tpa6=A/A-1 higher tier (grade pay 5400 is 5400 or more): 3200 + 90 % of 3200 = 6080");
        row("TPA lower tier", u"tpa=Oth.;bp*=7439;gp*=2800;inc=0"_s,
            "tpa2=Oth. lower tier (grade pay 2800 below 4200, basic pay 7439 below 7440): 400 + 80 % of 400 = 720");
        row("TPA class NA", worked + u";tpa=NA"_s, "tpa2=Transport class NA: no transport allowance");
        row("MGC arrears", worked, "mgc0=10 % of DA 2368 = 236.8, rounded: 237");
        row("MGC", worked, "mgc2=10 % of (25000 + 4600 + DA 23680) = 5328");
        row("MGC outside the scheme", u"bp*=25000;nps=N"_s, "mgc2=Not in the New Pension Scheme: 0");
        row("row total, arrears", worked, "ttl0=DA 2368 + TPA 128 + MGC 237 = 2733");
        row("row total", worked, "ttl2=B.PAY 25000 + G.PAY 4600 + DA 23680 + HRA 8880 + TPA 2880 + MGC 5328 = 70368");
        row("a column total in runs", worked, "dat=Jan 13 to Feb 14: 2368 × 2 + 23680 × 4 + 27441 × 8 = 318984");
        row("grand total", worked + u";oth1=2500.5"_s, "gtotal=TOTAL 894226 + the annual figures Bonus 2500.5 = 896726.5 (the other annual figures are 0)");

        // Refusals: "!message".
        const QString hra = QStringLiteral("!\"HRA class\" must be one of \"X\", \"Y\", \"Z\" or \"NA\".");
        QTest::newRow("HRA class typed as a lower-case x") << worked + u";hra=x"_s << hra;
        QTest::newRow("transport class Oth without its point")
            << worked + u";tpa=Oth"_s << "!\"TPA class\" must be one of \"A/A-1\", \"Oth.\" or \"NA\".";
        QTest::newRow("scheme typed as a lower-case y") << worked + u";nps=y"_s << "!\"New Pen. Sch.\" must be one of \"Y\" or \"N\".";
        QTest::newRow("Jan 13 pay 12abc is not a number") << "bp*=25000;gp*=4600;bp0=12abc" << u'!' + notANumber.arg(u"Jan 13 B.PAY");
        QTest::newRow("basic pay 1e400 from Mar 13") << "bp2-13=1e400;gp*=4600;inc=0"
            << "!B.PAY, Mar 13 holds a figure too large to calculate with. Please check the amounts.";
        QTest::newRow("basic and grade pay 1e308 add up beyond a double") << "bp*=1e308;gp*=1e308;inc=0"
            << "!DA, Jan 13 would be too large to calculate with. Please check the amounts.";
    }
    // The results as named above; "w:name=working" one working; "!message" the refusal.
    void results()
    {
        QFETCH(QString, sheet);
        QFETCH(QString, results);
        QString unknown;
        const std::optional<SalarySheet> typed = ::sheet(sheet, &unknown);
        QVERIFY2(typed, qPrintable(u"no field "_s + unknown));
        const auto outcome = computeSalary(*typed);
        QCOMPARE(refusal(outcome), results.startsWith(u'!') ? results.mid(1) : QString());
        if (results.startsWith(u'!'))
            return;
        const SalaryResults &r = std::get<SalaryResults>(outcome);
        if (results.startsWith(u"w:")) {
            const auto &w = r.workings;
            const std::map<QString, const Working *> single{{u"july"_s, &w.julyBasicPay}, {u"dat"_s, &w.txtdat},
                                                             {u"bpt"_s, &w.txtbpt}, {u"gtotal"_s, &w.txtgtotal}};
            const std::map<QString, const SalaryResults::Workings::MonthWorkings *> columns{
                {u"da"_s, &w.txtda}, {u"hra"_s, &w.txthra}, {u"tpa"_s, &w.txttpa2}, {u"mgc"_s, &w.txtmgc}, {u"ttl"_s, &w.txtttl}};
            const QString name = results.mid(2).section(u'=', 0, 0);
            const auto [column, rows] = rowsOf(name, monthRows);
            QVERIFY2(single.contains(name) || columns.contains(column), qPrintable(u"no working "_s + name));
            const Working &shown = single.contains(name) ? *single.at(name) : columns.at(column)->at(rows.first);
            QCOMPARE(q(shown.text()), results.section(u'=', 1));
            return;
        }
        const std::map<QString, const MonthTexts *> columns{
            {u"da"_s, &r.txtda}, {u"hra"_s, &r.txthra}, {u"tpa"_s, &r.txttpa2}, {u"mgc"_s, &r.txtmgc}, {u"ttl"_s, &r.txtttl}};
        const std::map<QString, std::string> single{
            {u"july"_s, r.julyBasicPay.value_or("")}, {u"bpt"_s, r.txtbpt}, {u"gpt"_s, r.txtgpt}, {u"dat"_s, r.txtdat},
            {u"hrat"_s, r.txthrat}, {u"tpat"_s, r.txttpat}, {u"mgct"_s, r.txtmgct}, {u"ttlt"_s, r.txtttlt},
            {u"gtotal"_s, r.txtgtotal}};
        for (const QString &result : results.split(u';')) {
            const QString expected = result.section(u'=', 1);
            const auto [name, rows] = rowsOf(result.section(u'=', 0, 0), monthRows);
            QVERIFY2(single.contains(name) || columns.contains(name), qPrintable(u"no result "_s + name));
            for (int row = rows.first; row <= rows.second; ++row) {
                const QString where = single.contains(name) ? name : name + QString::number(row);
                const QString shown = q(single.contains(name) ? single.at(name) : columns.at(name)->at(row));
                QVERIFY2(shown == expected, qPrintable(where + u" is "_s + shown + u", not "_s + expected));
            }
        }
    }
    void handOver_data()
    {
        QTest::addColumn<QStringList>("allowances"); // of the arrears rows, "Mar 13".."Jun 13", "Jul 13".."Feb 14"
        QTest::addColumn<QString>("grandTotal");
        QTest::addColumn<QString>("handedOver"); // or the message

        // The other totals are the worked example's, handed over as they stand; the arrears are
        // the two arrears rows' totals, 2733 each.
        const auto row = [](const char *tag, const char *allowances, const char *grandTotal, const char *grossAndTransport) {
            QTest::newRow(tag) << QString::fromUtf8(allowances).split(u' ') << QString::fromUtf8(grandTotal)
                               << QString::fromUtf8(grossAndTransport) + u" 307120 318984 108696 55200 68130 5466"_s;
        };
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
        const auto results = std::get<SalaryResults>(computeSalary(*sheet(worked)));
        HandOverSource source{.txtbpt = results.txtbpt, .txtdat = results.txtdat, .txtgtotal = grandTotal.toStdString(),
                              .txthrat = results.txthrat, .txtgpt = results.txtgpt, .txtmgct = results.txtmgct, .txttpa2 = {},
                              .txtttl = results.txtttl};
        for (int row = 0; row < monthRows; ++row)
            source.txttpa2[row] = allowances[row < firstYearRow ? 0 : row < julyRow ? 1 : 2].toStdString();
        const auto outcome = computeHandOver(source);
        const auto *h = std::get_if<SalaryHandOver>(&outcome);
        const QString shown = h ? QStringList{q(h->txtgs), q(h->txttp), q(h->txtbp), q(h->txtda), q(h->txthrr),
                                              q(h->txtnpa), q(h->txtmgc), q(h->txtarr)}.join(u' ')
                                : refusal(outcome);
        QTEST(shown, "handedOver");
    }
    void opensWithTheNameAndCloseBoxDiscards()
    {
        QTest::keyClicks(d.main->txtname, QStringLiteral("Ravi Kumar"));
        Form1 *form = open();
        QCOMPARE(form->windowTitle(), u"Pelmora - Income Calculator");
        QCOMPARE(form->windowModality(), Qt::NonModal);
        QCOMPARE(form->txtnam->text(), u"Ravi Kumar");
        QVERIFY(form->cbonps->hasFocus());

        // The next opening copies the new name, keeping the figures; the user types at most 26 characters.
        d.type(form->txtbp[0], QStringLiteral("25000"));
        QTest::keyClicks(d.main->txtname, QStringLiteral(" Venkataraman Rao Iyer"));
        QCOMPARE(open(), form);
        QCOMPARE(d.texts({form->txtnam, form->txtbp[13]}),
                 (QStringList{QStringLiteral("Ravi Kumar Venkataraman Rao Iyer"), QStringLiteral("25000")}));
        d.type(form->txtnam, QStringLiteral("Ravi Kumar Venkataraman Rao Iyer"));
        QCOMPARE(form->txtnam->text(), u"Ravi Kumar Venkataraman Ra");
        // The focus the program gives a box selects its text, so that typing replaces it.
        for (QComboBox *box : {form->cbonps, form->cboclass1, form->cboclass3}) {
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("NA"));
        }
        QCOMPARE(form->cbonps->currentText() + u' ' + form->cboclass1->currentText() + u' ' + form->cboclass3->currentText(),
                 u"NA NA NA");

        // The close box discards the window; the next opening starts afresh.
        QTest::keyClick(form->cbonps, Qt::Key_Up);
        QTest::mouseClick(form->chkinc, Qt::LeftButton);
        form->cmdcal->click();
        QVERIFY(form->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!d.main->form1.exists());
        form = open();
        QCOMPARE(d.texts({form->txtnam, form->txtbp[0], form->txtgtotal}),
                 (QStringList{u"Ravi Kumar Venkataraman Rao Iyer"_s, u"0"_s, u"0"_s}));
        QStringList boxes; // each box's text, then its entries
        for (const QComboBox *box : {form->cbonps, form->cboclass1, form->cboclass3}) {
            boxes.append(box->currentText() + u':');
            for (int i = 0; i < box->count(); ++i)
                boxes.append(box->itemText(i));
        }
        QCOMPARE(boxes.join(u' '), u"N: Y N X: X Y Z NA A/A-1: A/A-1 Oth. NA");
        QVERIFY(form->chkinc->isChecked());
        QVERIFY(!form->cmdprn->isEnabled() && !form->cmdbak->isEnabled());
    }
    void fillDown_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("edits"); // typed over, in this order
        QTest::addColumn<QStringList>("expected");

        const auto row = [](const char *tag, const char *column, const char *edits, const char *expected) {
            QTest::newRow(tag) << QString::fromUtf8(column) << QString::fromUtf8(edits) << runs(expected);
        };
        row("25000 typed into Jan 13 fills every row", "txtbp", "txtbp(0):25000", "25000*14");
        row("26000 typed into Sep 13 afterwards changes Sep 13 to Feb 14 only", "txtbp",
            "txtbp(0):25000 txtbp(8):26000", "25000*8 26000*6");
        row("emptying G.PAY of Jun 13 leaves 0 from Jun 13 on", "txtgp", "txtgp(0):4600 txtgp(5):", "4600*5 0*9");
        row("emptying Jan 13 sets the whole column to 0", "txtbp", "txtbp(0):25000 txtbp(6):26000 txtbp(0):", "0*14");
        // Single keystrokes, so that the row's new text arrives whole.
        row("the next row already holds the typed text while later rows differ", "txtbp",
            "txtbp(0):1 txtbp(2):5 txtbp(4):7 txtbp(1):5", "1 5*13");
        row("text that is no figure is copied as it stands", "txtbp", "txtbp(11):12abc", "0*11 12abc*3");
        row("annual extras do not fill down; an emptied one becomes 0", "txtoth",
            "txtoth(0):500 txtoth(3):700 txtoth(3):", "500 0*5");
    }
    void fillDown()
    {
        QFETCH(QString, column);
        QFETCH(QString, edits);
        Form1 *form = open();
        QCOMPARE(apply(form, edits), QString());
        QTEST(columnTexts(form, column), "expected");
    }
    void commitButtons_data()
    {
        QTest::addColumn<QString>("action"); // "name:text" typed over, or one of those below
        QTest::addColumn<bool>("enabledAfter");

        QTest::newRow("typing into B.PAY of Mar 13 disables") << "txtbp(2):1" << false;
        QTest::newRow("emptying the bonus disables") << "txtoth(1):" << false;
        QTest::newRow("typing into the HRA class disables") << "cboclass1:Y" << false;
        QTest::newRow("choosing Oth. from the TPA class list disables") << "choose Oth." << false;
        QTest::newRow("choosing the shown entry N from the scheme list disables") << "choose N" << false;
        QTest::newRow("unticking the increment disables") << "untick" << false;
        QTest::newRow("typing a new name leaves them enabled") << "txtnam:Ravi" << true;
    }
    void commitButtons()
    {
        QFETCH(QString, action);
        Form1 *form = open();
        form->cmdcal->click();
        QVERIFY(form->cmdprn->isEnabled() && form->cmdbak->isEnabled());
        if (action == u"choose Oth.") {
            QTest::keyClick(form->cboclass3, Qt::Key_Down);
        } else if (action == u"choose N") {
            form->cbonps->showPopup();
            QTest::keyClick(form->cbonps->view(), Qt::Key_Return);
        } else if (action == u"untick") {
            QTest::mouseClick(form->chkinc, Qt::LeftButton);
        } else {
            QCOMPARE(apply(form, action), QString());
        }
        QTEST(form->cmdprn->isEnabled(), "enabledAfter");
        QTEST(form->cmdbak->isEnabled(), "enabledAfter");
    }
    void calculate_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("edits"); // typed after a first Calculate of the worked example
        QTest::addColumn<QString>("message"); // empty: worked out

        const QString none;
        QTest::newRow("worked example, a click on Calculate") << "click" << none << none;
        QTest::newRow("worked example, Enter in G.PAY of Jan 13") << "txtgp(0)" << none << none;
        QTest::newRow("worked example, Alt+C") << "alt+c" << none << none;
        // July already holds the figure Calculate writes again, yet the later rows must follow it.
        QTest::newRow("a promotion typed into Oct 13 gives way to the increment") << "click" << "txtbp(9):40000" << none;
        // The arrears rows then fit no transport tier and show 0, not the last Calculate's figures.
        QTest::newRow("pay from Mar 13 on only") << "click" << "txtbp(0):0 txtgp(0):0 txtbp(2):25000" << none;
        QTest::newRow("HRA class typed as a lower-case x, Enter in the box")
            << "cboclass1" << "cboclass1:x" << "\"HRA class\" must be one of \"X\", \"Y\", \"Z\" or \"NA\".";
    }
    void calculate()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, edits);
        QFETCH(QString, message);
        Form1 *form = openWorkedExample();
        QVERIFY(form);
        if (!edits.isEmpty()) {
            form->cmdcal->click();
            QCOMPARE(apply(form, edits), QString());
        }
        const salary::SalarySheet sheet = sheetOf(form);
        const QMap<QString, QString> before = d.snapshot(form), worked = d.workings(form);
        if (trigger == u"click")
            QTest::mouseClick(form->cmdcal, Qt::LeftButton);
        else if (trigger == u"alt+c")
            QVERIFY(d.pressAccessKey(form->cmdcal, Qt::Key_C));
        else
            QTest::keyClick(form->findChild<QWidget *>(trigger), Qt::Key_Return);

        // A box keeps the text typed into it: Enter neither corrects it nor adds it to the list.
        QCOMPARE(form->cboclass1->count() + form->cboclass3->count() + form->cbonps->count(), 9);
        QCOMPARE(d.platform.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(form->cmdprn->isEnabled() && form->cmdbak->isEnabled(), message.isEmpty());
        if (message.isEmpty())
            return expectRulesResults(form, sheet);
        QCOMPARE(d.snapshot(form), before);
        QCOMPARE(d.workings(form), worked);
    }
    void backHandsOverAndStaysOpen()
    {
        QTest::keyClicks(d.main->txtname, QStringLiteral("Ravi"));
        d.main->cmdcalc->click();
        QVERIFY(d.main->cmdprint->isEnabled());

        Form1 *form = openWorkedExample();
        QVERIFY(form);
        form->cmdcal->click();
        QVERIFY(d.pressAccessKey(form->cmdbak, Qt::Key_B));
        QCOMPARE(d.texts({d.main->txtgs, d.main->txttp, d.main->txtbp, d.main->txtda, d.main->txthrr, d.main->txtnpa,
                          d.main->txtmgc}),
                 d.words("894226 9600 307120 318984 108696 55200 68130"));
        // New figures in the main window: its Print waits for its own Calculate.
        QVERIFY(!d.main->cmdprint->isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(d.main.get()));
        QVERIFY(d.main->cmdcalhr->hasFocus());

        // The statement stays open behind, with its figures, and Back stays usable.
        QVERIFY(form->isVisible() && form->cmdbak->isEnabled());
        QCOMPARE(open(), form);
        QCOMPARE(d.texts({form->txtttlt, form->txtgtotal}), d.words("894226 894226"));
    }
private:
    Form1 *open() { return d.open(d.main->cmdcalgs, d.main->form1); }
    // The worked example: "Y" chosen as the pension scheme, 25000 and 4600 typed into "Jan 13".
    Form1 *openWorkedExample()
    {
        Form1 *form = open();
        QTest::keyClick(form->cbonps, Qt::Key_Up);
        return apply(form, QStringLiteral("txtbp(0):25000 txtgp(0):4600")).isEmpty() ? form : nullptr;
    }

    WorksheetDriver d;
};

QTEST_MAIN(TestSalary)
#include "tst_salary.moc"
