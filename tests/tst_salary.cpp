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

#include <variant>

using namespace pelmora;
using namespace pelmora::salary;
using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(pelmora::salary::SalarySheet)

namespace {

QString q(const std::string &text) { return QString::fromStdString(text); }

// A sheet as the window opens it, every figure "0", the first entries chosen and the increment
// ticked; each call types one field or a run of a column's rows.
struct Sheet {
    Sheet &basicPay(const char *text, int first = 0, int last = monthRows - 1) { return fill(sheet.txtbp, text, first, last); }
    Sheet &gradePay(const char *text, int first = 0, int last = monthRows - 1) { return fill(sheet.txtgp, text, first, last); }
    Sheet &annual(int extra, const char *text) { return fill(sheet.txtoth, text, extra, extra); }
    Sheet &scheme(const char *entry) { sheet.cbonps = entry; return *this; }
    Sheet &hraClass(const char *entry) { sheet.cboclass1 = entry; return *this; }
    Sheet &transportClass(const char *entry) { sheet.cboclass3 = entry; return *this; }
    Sheet &noIncrement() { sheet.chkinc = false; return *this; }
    operator SalarySheet() const { return sheet; }

    template <std::size_t size>
    Sheet &fill(std::array<std::string, size> &column, const char *text, int first, int last)
    {
        std::fill(column.begin() + first, column.begin() + last + 1, text);
        return *this;
    }
    SalarySheet sheet = opened();

    static SalarySheet opened()
    {
        SalarySheet zeros;
        zeros.txtbp.fill("0");
        zeros.txtgp.fill("0");
        zeros.txtoth.fill("0");
        return zeros;
    }
};

// The worked example: 25000 and 4600 every month, in the New Pension Scheme.
Sheet worked()
{
    return Sheet().basicPay("25000").gradePay("4600").scheme("Y");
}

using Column = const MonthFigures SalaryResults::*;
using Total = const Figure SalaryResults::*;

// A figure the rules must write: a column's cells from one row to the last, a total, or the July
// basic pay (an empty text: the increment was not worked out).
struct Expected {
    struct JulyPay {
    };
    std::variant<Column, Total, JulyPay> field;
    std::string text;
    int first = 0;
    int last = first;
};

Expected cells(Column column, int first, int last, const char *text) { return {column, text, first, last}; }
Expected cell(Column column, int row, const char *text) { return {column, text, row, row}; }
Expected total(Total field, const char *text) { return {field, text}; }
Expected julyPay(const char *text) { return {Expected::JulyPay{}, text}; }

// The figure the expectation names, with how it was worked out; in a column, its row's.
const Figure &figureOf(const SalaryResults &r, const Expected &expected, int row)
{
    static const Figure none;
    if (const auto *column = std::get_if<Column>(&expected.field))
        return (r.*(*column))[row];
    if (const auto *field = std::get_if<Total>(&expected.field))
        return r.*(*field);
    return r.julyBasicPay ? *r.julyBasicPay : none;
}

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
    const QMap<QString, QString> shown = WorksheetDriver::snapshot(form);
    const QMap<QString, QString> workings = WorksheetDriver::workings(form);
    for (int row = 0; row < monthRows; ++row) {
        const bool filledDown = r.julyBasicPay && row >= salary::julyRow;
        QCOMPARE(shown.value(u"txtbp(%1)"_s.arg(row)), q(filledDown ? r.julyBasicPay->text : sheet.txtbp[row]));
    }
    QCOMPARE(workings.value(u"txtbp(6)"_s), r.julyBasicPay ? q(r.julyBasicPay->working.text()) : QString());
    const std::pair<const char *, const salary::MonthFigures *> columns[] = {
        {"txtda", &r.txtda}, {"txthra", &r.txthra}, {"txttpa2", &r.txttpa2}, {"txtmgc", &r.txtmgc}, {"txtttl", &r.txtttl}};
    for (const auto &[name, figures] : columns) {
        for (int row = figures == &r.txthra ? salary::firstYearRow : 0; row < monthRows; ++row) {
            const QString field = u"%1(%2)"_s.arg(QLatin1String(name)).arg(row);
            QCOMPARE(shown.value(field), q((*figures)[row].text));
            QCOMPARE(workings.value(field), q((*figures)[row].working.text()));
        }
    }
    const std::pair<const char *, const Figure *> totals[] = {
        {"txtbpt", &r.txtbpt},   {"txtgpt", &r.txtgpt},   {"txtdat", &r.txtdat},   {"txthrat", &r.txthrat},
        {"txttpat", &r.txttpat}, {"txtmgct", &r.txtmgct}, {"txtttlt", &r.txtttlt}, {"txtgtotal", &r.txtgtotal}};
    for (const auto &[name, figure] : totals) {
        QCOMPARE(shown.value(QLatin1String(name)), q(figure->text));
        QCOMPARE(workings.value(QLatin1String(name)), q(figure->working.text()));
    }
}

} // namespace

Q_DECLARE_METATYPE(Expected)

class TestSalary : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    // The figures a sheet gives, as many as the row names.
    void results_data()
    {
        QTest::addColumn<SalarySheet>("sheet");
        QTest::addColumn<QList<Expected>>("expected");

        using R = SalaryResults;
        constexpr Column da = &R::txtda, hra = &R::txthra, tpa = &R::txttpa2, mgc = &R::txtmgc, ttl = &R::txtttl;
        constexpr int last = monthRows - 1;
        QTest::newRow("worked example: Jan 13 and Feb 13, arrears of DA 80% less 72%, no HRA")
            << SalarySheet(worked())
            << QList{cells(da, 0, 1, "2368"), cells(hra, 0, 1, ""), cells(tpa, 0, 1, "128"), cells(mgc, 0, 1, "237"),
                     cells(ttl, 0, 1, "2733")};
        QTest::newRow("worked example: Mar 13 to Jun 13 at DA 80%, from Jul 13 at DA 90% on the raised pay")
            << SalarySheet(worked())
            << QList{cells(da, 2, 5, "23680"),  cells(hra, 2, 5, "8880"),   cells(tpa, 2, 5, "2880"),
                     cells(mgc, 2, 5, "5328"),  cells(ttl, 2, 5, "70368"),  cells(da, 6, last, "27441"),
                     cells(hra, 6, last, "9147"), cells(tpa, 6, last, "3040"), cells(mgc, 6, last, "5793"),
                     cells(ttl, 6, last, "75911")};
        QTest::newRow("worked example: totals")
            << SalarySheet(worked())
            << QList{julyPay("25890"), total(&R::txtbpt, "307120"), total(&R::txtgpt, "55200"),
                     total(&R::txtdat, "318984"), total(&R::txthrat, "108696"), total(&R::txttpat, "36096"),
                     total(&R::txtmgct, "68130"), total(&R::txtttlt, "894226"), total(&R::txtgtotal, "894226")};

        QTest::newRow("HRA Z 10% of 29605 is 2960.5, goes to even 2960")
            << SalarySheet(Sheet().basicPay("29605").noIncrement().hraClass("Z")) << QList{cell(hra, 6, "2960")};
        QTest::newRow("HRA class Y is 20%") << SalarySheet(worked().hraClass("Y")) << QList{cell(hra, 6, "6098")};
        QTest::newRow("HRA class NA: every HRA 0")
            << SalarySheet(worked().hraClass("NA")) << QList{cells(hra, firstYearRow, last, "0"), total(&R::txtdat, "318984")};
        QTest::newRow("scheme N: every MGC 0")
            << SalarySheet(worked().scheme("N")) << QList{cells(mgc, 0, last, "0"), total(&R::txtdat, "318984")};

        // The increment, from the June pay.
        const auto increment = [](const char *tag, const SalarySheet &sheet, const char *july, const char *basicPayTotal) {
            QTest::newRow(tag) << sheet << QList{julyPay(july), total(&R::txtbpt, basicPayTotal)};
        };
        increment("increment on 29604: 888.12 rounds to 888, raised to 890", Sheet().basicPay("29604"), "30494", "362368");
        increment("on 29500: 885, its tens 88.5 round to even 88, raised to 890", Sheet().basicPay("29500"), "30390", "361120");
        increment("on 29166.67: 875, its tens 87.5 round to even 88, so 880", Sheet().basicPay("29166.67"), "30046.67",
                  "357040.04");
        increment("June pay 0 gives no rise", Sheet(), "0", "0");
        increment("unchecked: the typed July pay stays", worked().noIncrement(), "", "300000");
        QTest::newRow("a promotion typed from Oct 13 on gives way to the July pay filled down")
            << SalarySheet(worked().basicPay("40000", 9))
            << QList{julyPay("25890"), cell(da, last, "27441"), total(&R::txtbpt, "307120")};

        // Each transport class and tier: the arrears rows, "Mar 13" to "Jun 13", "Jul 13" to "Feb 14".
        const auto tiers = [](const char *tag, const char *transportClass, const char *basicPay, const char *gradePay,
                              const char *arrears, const char *spring, const char *autumn) {
            const Sheet sheet = Sheet().transportClass(transportClass).basicPay(basicPay).gradePay(gradePay).noIncrement();
            QTest::newRow(tag) << SalarySheet(sheet)
                               << QList{cells(tpa, 0, 1, arrears), cells(tpa, 2, 5, spring), cells(tpa, 6, last, autumn)};
        };
        tiers("A/A-1 grade pay 5400 is the higher tier", "A/A-1", "20000", "5400", "256", "5760", "6080");
        tiers("A/A-1 grade pay 5399 is the middle tier", "A/A-1", "20000", "5399", "128", "2880", "3040");
        tiers("A/A-1 grade pay 4200 is the middle tier", "A/A-1", "5000", "4200", "128", "2880", "3040");
        tiers("A/A-1 basic pay 7440 at grade pay 2800 is the middle tier", "A/A-1", "7440", "2800", "128", "2880", "3040");
        tiers("A/A-1 basic pay 7439 at grade pay 2800 is the lower tier", "A/A-1", "7439", "2800", "48", "1080", "1140");
        tiers("A/A-1 basic pay 0.4 is above 0: lower tier", "A/A-1", "0.4", "0", "48", "1080", "1140");
        tiers("A/A-1 basic pay 0 fits no tier: 0", "A/A-1", "0", "2400", "0", "0", "0");
        tiers("Oth. grade pay 5400 is the higher tier", "Oth.", "20000", "5400", "128", "2880", "3040");
        tiers("Oth. basic pay 7440 is the middle tier", "Oth.", "7440", "2800", "64", "1440", "1520");
        tiers("Oth. basic pay 7439 is the lower tier", "Oth.", "7439", "2800", "32", "720", "760");
        tiers("Oth. basic pay 1.5 rounds to 2: lower tier", "Oth.", "1.5", "0", "32", "720", "760");
        tiers("Oth. basic pay 0.5 rounds to even 0: no tier", "Oth.", "0.5", "0", "0", "0", "0");
        tiers("NA: no transport allowance at any pay", "NA", "20000", "5400", "0", "0", "0");

        // Lenient readings.
        QTest::newRow("comma-grouped 25,000 in Jan 13 reads 25000")
            << SalarySheet(Sheet().basicPay("25000").gradePay("4600").basicPay("25,000", 0, 0)) << QList{cell(da, 0, "2368")};
        QTest::newRow("the arrears grade pay is read leniently: 4600abc")
            << SalarySheet(Sheet().basicPay("25000").gradePay("4600").gradePay("4600abc", 1, 1))
            << QList{cell(da, 1, "2368")};
        QTest::newRow("annual extras 2500.5, abc and -100 read leniently")
            << SalarySheet(worked().annual(0, "1000").annual(1, "2500.5").annual(3, "abc").annual(4, "-100").annual(5, "7"))
            << QList{total(&R::txtgtotal, "897633.5")};
    }
    void results()
    {
        QFETCH(SalarySheet, sheet);
        QFETCH(QList<Expected>, expected);
        const auto outcome = computeSalary(sheet);
        QCOMPARE(refusal(outcome), QString());
        const auto &r = std::get<SalaryResults>(outcome);
        for (const Expected &figure : expected) {
            for (int row = figure.first; row <= figure.last; ++row) {
                const std::string &shown = figureOf(r, figure, row).text;
                QVERIFY2(shown == figure.text,
                         qPrintable(u"row %1: %2, not %3"_s.arg(row).arg(q(shown), q(figure.text))));
            }
        }
    }

    // How one figure was worked out.
    void workings_data()
    {
        QTest::addColumn<SalarySheet>("sheet");
        QTest::addColumn<Expected>("working");

        using R = SalaryResults;
        constexpr Column da = &R::txtda, hra = &R::txthra, tpa = &R::txttpa2, mgc = &R::txtmgc, ttl = &R::txtttl;
        const auto row = [](const char *tag, const Sheet &sheet, const Expected &working) {
            QTest::newRow(tag) << SalarySheet(sheet) << working;
        };
        row("increment raised to the next ten", worked(),
            julyPay("3 % of (25000 + 4600) = 888, raised to the next ten: 890; 25000 + 890 = 25890"));
        row("increment 890.01 already a multiple of ten", Sheet().basicPay("25067").gradePay("4600"),
            julyPay("3 % of (25067 + 4600) = 890.01, rounded: 890, a multiple of ten; 25067 + 890 = 25957"));
        row("DA arrears", worked(), cell(da, 0, "80 % of (25000 + 4600) = 23680 less the 72 % already paid 21312 = 2368"));
        row("DA half to even", Sheet().basicPay("29605").noIncrement(),
            cell(da, 6, "90 % of (29605 + 0) = 26644.5, rounded to even: 26644"));
        row("HRA class X", worked(), cell(hra, 6, "Class X: 30 % of (25890 + 4600) = 9147"));
        row("HRA class Y", worked().hraClass("Y"), cell(hra, 6, "Class Y: 20 % of (25890 + 4600) = 6098"));
        row("HRA class Z", worked().hraClass("Z"), cell(hra, 6, "Class Z: 10 % of (25890 + 4600) = 3049"));
        row("HRA class NA", worked().hraClass("NA"), cell(hra, 6, "HRA class NA: no HRA"));
        row("TPA arrears, middle tier by grade pay", worked(),
            cell(tpa, 0,
                 "A/A-1 middle tier (grade pay 4600 is 4200 or more): arrears of the DA on 1600: 80 % of it 1280 less the "
                 "72 % already paid 1152 = 128"));
        row("TPA higher tier", Sheet().basicPay("20000").gradePay("5400").noIncrement(),
            cell(tpa, 6, "A/A-1 higher tier (grade pay 5400 is 5400 or more): 3200 + 90 % of 3200 = 6080"));
        row("TPA middle tier by basic pay", Sheet().basicPay("7440").gradePay("2800").noIncrement(),
            cell(tpa, 2,
                 "A/A-1 middle tier (grade pay 2800 below 4200, basic pay 7440 is 7440 or more): 1600 + 80 % of 1600 = 2880"));
        row("TPA lower tier", Sheet().transportClass("Oth.").basicPay("7439").gradePay("2800").noIncrement(),
            cell(tpa, 2, "Oth. lower tier (grade pay 2800 below 4200, basic pay 7439 below 7440): 400 + 80 % of 400 = 720"));
        row("TPA no tier", Sheet().gradePay("2400"), cell(tpa, 2, "No tier (grade pay 2400 below 4200, no basic pay): 0"));
        row("TPA class NA", worked().transportClass("NA"), cell(tpa, 2, "Transport class NA: no transport allowance"));
        row("MGC arrears", worked(), cell(mgc, 0, "10 % of DA 2368 = 236.8, rounded: 237"));
        row("MGC", worked(), cell(mgc, 2, "10 % of (25000 + 4600 + DA 23680) = 5328"));
        row("MGC outside the scheme", Sheet().basicPay("25000").scheme("N"), cell(mgc, 2, "Not in the New Pension Scheme: 0"));
        row("row total, arrears", worked(), cell(ttl, 0, "DA 2368 + TPA 128 + MGC 237 = 2733"));
        row("row total", worked(),
            cell(ttl, 2, "B.PAY 25000 + G.PAY 4600 + DA 23680 + HRA 8880 + TPA 2880 + MGC 5328 = 70368"));
        row("a column total in runs", worked(),
            total(&R::txtdat, "Jan 13 to Feb 14: 2368 × 2 + 23680 × 4 + 27441 × 8 = 318984"));
        row("a column total of the year's rows", worked(),
            total(&R::txtbpt, "Mar 13 to Feb 14: 25000 × 4 + 25890 × 8 = 307120"));
        row("grand total", worked().annual(1, "2500.5"),
            total(&R::txtgtotal,
                  "TOTAL 894226 + the annual figures Bonus 2500.5 = 896726.5 (the other annual figures are 0)"));
    }
    void workings()
    {
        QFETCH(SalarySheet, sheet);
        QFETCH(Expected, working);
        const auto outcome = computeSalary(sheet);
        QCOMPARE(refusal(outcome), QString());
        QCOMPARE(q(figureOf(std::get<SalaryResults>(outcome), working, working.first).working.text()), q(working.text));
    }

    // The refusal names the box or the cell.
    void refusals_data()
    {
        QTest::addColumn<SalarySheet>("sheet");
        QTest::addColumn<QString>("message");

        const QString hra = QStringLiteral("\"HRA class\" must be one of \"X\", \"Y\", \"Z\" or \"NA\".");
        QTest::newRow("HRA class typed as a lower-case x") << SalarySheet(worked().hraClass("x")) << hra;
        QTest::newRow("transport class Oth without its point")
            << SalarySheet(worked().transportClass("Oth")) << u"\"TPA class\" must be one of \"A/A-1\", \"Oth.\" or \"NA\"."_s;
        QTest::newRow("scheme typed as a lower-case y")
            << SalarySheet(worked().scheme("y")) << u"\"New Pen. Sch.\" must be one of \"Y\" or \"N\"."_s;
        QTest::newRow("Jan 13 pay 12abc is not a number")
            << SalarySheet(Sheet().basicPay("25000").gradePay("4600").basicPay("12abc", 0, 0)) << notANumber.arg(u"Jan 13 B.PAY");
        QTest::newRow("basic pay 1e400 from Mar 13")
            << SalarySheet(Sheet().basicPay("1e400", 2).gradePay("4600").noIncrement())
            << u"B.PAY, Mar 13 holds a figure too large to calculate with. Please check the amounts."_s;
        QTest::newRow("basic and grade pay 1e308 add up beyond a double")
            << SalarySheet(Sheet().basicPay("1e308").gradePay("1e308").noIncrement())
            << u"DA, Jan 13 would be too large to calculate with. Please check the amounts."_s;
    }
    void refusals()
    {
        QFETCH(SalarySheet, sheet);
        QTEST(refusal(computeSalary(sheet)), "message");
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
        const auto results = std::get<SalaryResults>(computeSalary(worked()));
        HandOverSource source{.txtbpt = results.txtbpt.text, .txtdat = results.txtdat.text,
                              .txtgtotal = grandTotal.toStdString(), .txthrat = results.txthrat.text,
                              .txtgpt = results.txtgpt.text, .txtmgct = results.txtmgct.text};
        for (int row = 0; row < monthRows; ++row)
            source.txtttl[row] = results.txtttl[row].text;
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
