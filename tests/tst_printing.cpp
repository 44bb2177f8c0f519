// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The printed statements as data, then the Print buttons: which window's field each text comes
// from, and worksheets never opened printed hidden.

#include "statementpages.h"
#include "worksheetdriver.h"
#include "app/printbuttons.h"
#include "print/form10e.h"
#include "worksheets/relief89.h"
#include "salary/form1.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"
#include "worksheets/frmrel89.h"

#include <algorithm>

using namespace pelmora;

namespace {

// Month rows from the top, so that each row's fill-down is overwritten by the rows below.
void fillNamed(std::initializer_list<QWidget *> windows)
{
    for (const QWidget *window : windows) {
        QList<QLineEdit *> fields = window->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^txt")));
        const auto row = [](const QLineEdit *field) { return field->objectName().section(u'(', 1).toInt(); };
        std::stable_sort(fields.begin(), fields.end(), [&](auto *a, auto *b) { return row(a) < row(b); });
        for (QLineEdit *field : fields) {
            const QString name = window->objectName() + u'.' + field->objectName();
            field->setText(QString::fromStdString(filling(name.toStdString())));
        }
    }
}

} // namespace

class TestPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    void printsThePageItemByItem_data()
    {
        QTest::addColumn<QStringList>("printed");
        QTest::addColumn<QStringList>("page");
        QTest::newRow("tax computation statement") << described(built(taxStatement(namedTaxTexts()))) << taxPage();
        QTest::newRow("salary statement") << described(built(salaryStatement(namedSalaryTexts()))) << salaryPage();
    }
    void printsThePageItemByItem()
    {
        QFETCH(QStringList, printed);
        QFETCH(QStringList, page);
        QCOMPARE(printed, page);
    }

    // Form 10E: every item on one portrait page inside its margins, the rows without arrears left out.
    void form10EOnOnePage()
    {
        Form10ETexts t;
        t.txtnam = std::string(60, 'N');
        t.txtadd = "12, Rajpath, New Delhi";
        t.txtpan = "ABCDE1234F";
        for (int row = 0; row < form10EYears; ++row) {
            t.years[row] = std::string(earlierYearName(row));
            t.txtinc[row] = t.txtincarr[row] = t.txttax1[row] = t.txttax2[row] = t.txtdif[row] = "123456789";
            t.txtarr[row] = row % 2 ? "0" : "1000";
        }
        t.txtitem7 = "4641";
        const auto outcome = form10E(t);
        const Statement &statement = std::get<Statement>(outcome);
        QStringList texts;
        int rows = 0;
        for (const StatementItem &item : statement) {
            if (const auto *text = std::get_if<LeftTextWithin>(&item)) {
                QVERIFY2(text->x >= 1 && text->right <= 7.25f && text->y < 10.5f, qPrintable(QString::fromStdString(text->text) + u' ' + QString::number(text->y)));
                texts << QString::fromStdString(text->text);
                rows += text->text.size() == 7 && text->text.starts_with("20");
            } else if (const auto *figure = std::get_if<RightText>(&item)) {
                QVERIFY(figure->edge <= 7.25f && figure->y < 10.5f);
            }
        }
        QCOMPARE(rows, 4);
        const QString all = texts.join(u' ');
        for (const char *words : {"FORM NO. 10E", "[See rule 21AA]", "ANNEXURE I", "TABLE \"A\"", "Verification",
                                  "Previous year(s)", "Signature of the employee", "Verified today, the ____ day of ________, 20__"})
            QVERIFY2(all.contains(QString::fromUtf8(words)), words);
        QVERIFY(all.contains(QStringLiteral("I, %1, do hereby declare").arg(QString(60, u'N'))));
    }

    // A payer of 60 or more: one line more, under the name, in the statement's regular type.
    void taxStatementSaysTheAgeCategory_data()
    {
        QTest::addColumn<QString>("born");
        QTest::addColumn<QStringList>("added");
        QTest::newRow("below 60: nothing") << "02/04/1954" << QStringList();
        QTest::newRow("senior citizen")
            << "15/08/1953" << QStringList{QStringLiteral("L 1 0.85 9 Senior citizen for 2013-14: 60 or more during the year")};
        QTest::newRow("very senior citizen")
            << "1.4.1934" << QStringList{QStringLiteral("L 1 0.85 9 Very senior citizen for 2013-14: 80 or more during the year")};
    }
    void taxStatementSaysTheAgeCategory()
    {
        QFETCH(QString, born);
        TaxStatementTexts texts = namedTaxTexts();
        const QStringList without = described(built(taxStatement(texts)));
        texts.frmmain.txtdob = born.toStdString();
        QStringList added = described(built(taxStatement(texts)));
        for (const QString &item : without)
            added.removeOne(item);
        QTEST(added, "added");
    }

    // The tax statement's pension sum was never calculated, the salary statement's arrears neither.
    void refusesASumBeyondADouble()
    {
        TaxStatementTexts tax = namedTaxTexts();
        tax.frmreb88.txt80ccdgc = "1e400";
        SalaryStatementTexts salary = namedSalaryTexts();
        salary.txtda[0] = salary.txtda[1] = "1e308";
        QVERIFY(std::holds_alternative<CalculationError>(taxStatement(tax)));
        QVERIFY(std::holds_alternative<CalculationError>(salaryStatement(salary)));
    }

    // A right text ends at its edge, a centred one is placed across its width; the document ends once.
    void drawsEachItemOnThePrinter()
    {
        RecordingPrinter printer;
        printStatement({ScaleModeSetting{ScaleMode::Inches}, FontNameSetting{"Tahoma"}, FontSizeSetting{9},
                        FontBoldSetting{true}, FontItalicSetting{true}, FontUnderlineSetting{false},
                        OrientationSetting{Orientation::Landscape}, LeftText{1, 2, "Left"}, RightText{6, 3, "Right"},
                        CentredText{10, 4, "Centre"}, Rule{1, 8.1f, 5}},
                       printer);
        QCOMPARE(printer.calls, QStringLiteral("scale 5|font Tahoma|size 9|bold 1|italic 1|underline 0|orientation 2|"
                                               "x 1|y 2|print Left|width Right|x 5.5|y 3|print Right|"
                                               "y 4|width Centre|x 4.7|print Centre|line 1 5 8.1 5|end")
                                    .split(u'|'));
    }

    // A name too long for its room is cut with "…" at the room's edge, measured in its font.
    void cutsATextTooLongForItsRoom_data()
    {
        QTest::addColumn<Statement>("statement");
        QTest::addColumn<QString>("printed");
        const std::string name = "Venkataraman Subramaniam Iyer";
        QTest::newRow("within its room: whole") << Statement{LeftTextWithin{1, 2, 4, "Asha Rao"}} << "Asha Rao";
        QTest::newRow("exactly its room: whole") << Statement{LeftTextWithin{0, 2, 2.9f, name}} << QString::fromStdString(name);
        QTest::newRow("one character too many") << Statement{LeftTextWithin{0, 2, 2.8f, name}}
                                                << "Venkataraman Subramaniam Iy…";
        QTest::newRow("a character of two bytes is cut whole") << Statement{LeftTextWithin{0, 2, 0.3f, "ऋऋऋऋ"}} << "ऋऋ…";
        QTest::newRow("centred across a width too narrow") << Statement{CentredText{1, 2, name}} << "Venkatara…";
    }
    void cutsATextTooLongForItsRoom()
    {
        QFETCH(Statement, statement);
        RecordingPrinter printer;
        printStatement(statement, printer);
        QTEST(printer.printed().value(0), "printed");
    }

    void printsFromTheFieldsOfEachWindow_data()
    {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QStringList>("printed");
        QTest::newRow("tax statement: main window, house property and section 80")
            << "frmmain" << printedTexts(built(taxStatement(namedTaxTexts())));
        QTest::newRow("salary statement: its window's fields and month captions")
            << "Form1" << printedTexts(built(salaryStatement(namedSalaryTexts())));
        QTest::newRow("Form 10E: the relief worksheet's fields and Table A's years")
            << "frmrel89" << printedTexts(built(form10E(namedForm10ETexts())));
    }
    void printsFromTheFieldsOfEachWindow()
    {
        QFETCH(QString, window);
        if (window == u"Form1") {
            Form1 *form = d.open(d.main->cmdcalgs, d.main->form1);
            fillNamed({form});
            printSalaryStatement(*form, d.platform);
        } else if (window == u"frmrel89") {
            frmrel89 *relief = d.open(d.main->cmdcalrel89, d.main->rel89);
            fillNamed({relief});
            printForm10E(*relief, d.platform);
        } else {
            fillNamed({d.main.get(), d.main->form4.window(), d.main->reb88.window()});
            printTaxStatement(*d.main);
        }
        QCOMPARE(d.platform.printJobs.size(), std::size_t(1));
        QTEST(d.platform.printJobs[0].printer.printed(), "printed");
    }

    void printsUnopenedWorksheetsHiddenAndLeavesThemHidden()
    {
        QVERIFY(!d.main->form4.exists() && !d.main->reb88.exists());
        QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
        QTest::mouseClick(d.main->cmdprint, Qt::LeftButton); // then Alt+P
        for (std::size_t jobs = 1; jobs <= 2; ++jobs) {
            if (jobs == 2)
                QVERIFY(d.pressAccessKey(d.main->cmdprint, Qt::Key_P));
            QCOMPARE(d.platform.printJobs.size(), jobs);
            QCOMPARE(d.platform.printJobs.back().documentName, QStringLiteral("Tax computation 2013-14"));
            QVERIFY(d.main->form4.exists() && d.main->reb88.exists());
            QVERIFY(!d.main->form4.window()->isVisible());
            QVERIFY(!d.main->reb88.window()->isVisible());
        }
        // Created in their initial state: like every figure of a fresh main window, theirs print as "0".
        const auto fresh = [](const std::string &name) { return name == "frmmain.txtname" ? std::string() : "0"; };
        QCOMPARE(d.platform.printJobs[1].printer.printed(), printedTexts(built(taxStatement(namedTaxTexts(fresh)))));
    }

    // When the button is enabled is the windows' tests' business; here Alt+P presses it.
    void salaryWindowPrintsByAltP()
    {
        Form1 *form = d.open(d.main->cmdcalgs, d.main->form1);
        d.type(form->txtbp[0], QStringLiteral("25000"));
        QTest::mouseClick(form->cmdcal, Qt::LeftButton);
        QVERIFY(d.pressAccessKey(form->cmdprn, Qt::Key_P));
        QCOMPARE(d.platform.printJobs.size(), std::size_t(1));
        QCOMPARE(d.platform.printJobs[0].documentName, QStringLiteral("Salary statement 2013-14"));
        QVERIFY(d.platform.printJobs[0].printer.printed().contains(QStringLiteral("25000")));
        QVERIFY(form->cmdprn->isEnabled() && d.platform.messages.isEmpty());
    }

private:
    WorksheetDriver d;
};

QTEST_MAIN(TestPrinting)
#include "tst_printing.moc"
