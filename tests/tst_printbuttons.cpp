// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The Print buttons of the main window and the salary window: which window's field each printed
// text comes from, Print by click or Alt+P only after Calculate, worksheets never opened printed
// hidden and left hidden, and a refused job reported once with nothing changed. The page layout
// is the statement tests' business, where a saved PDF goes the PDF printer's.

#include "print/printbuttons.h"
#include "salary/form1.h"
#include "statementpages.h"
#include "worksheetdriver.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"

#include <QLineEdit>
#include <QSignalSpy>

#include <algorithm>

using namespace pelmora;

namespace {

QList<QLineEdit *> fieldsOf(const QWidget *window)
{
    QList<QLineEdit *> fields = window->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("^txt")));
    // Month rows from the top, so that each row's fill-down is overwritten by the rows below.
    const auto row = [](const QLineEdit *field) { return field->objectName().section(QLatin1Char('('), 1).toInt(); };
    std::stable_sort(fields.begin(), fields.end(), [&](auto *a, auto *b) { return row(a) < row(b); });
    return fields;
}

// Writes the named filling into every field of the windows; returns the fields that do not hold
// it once all are written.
QStringList fillNamed(std::initializer_list<QWidget *> windows)
{
    const auto named = [](const QLineEdit *field) {
        const QString name = field->window()->objectName() + QLatin1Char('.') + field->objectName();
        return QString::fromStdString(filling(name.toStdString()));
    };
    for (QWidget *window : windows)
        for (QLineEdit *field : fieldsOf(window))
            field->setText(named(field));
    QStringList changed;
    for (QWidget *window : windows)
        for (const QLineEdit *field : fieldsOf(window))
            if (field->text() != named(field))
                changed.append(field->objectName());
    return changed;
}

} // namespace

class TestPrintButtons : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    void printsFromTheFieldsOfEachWindow_data()
    {
        QTest::addColumn<bool>("salary");
        QTest::newRow("tax statement: main window, house property and section 80") << false;
        QTest::newRow("salary statement: its window's fields and month captions") << true;
    }
    void printsFromTheFieldsOfEachWindow()
    {
        QFETCH(bool, salary);
        Form1 *form = salary ? d.open(d.main->cmdcalgs, d.main->form1) : nullptr;
        if (salary) {
            QCOMPARE(fillNamed({form}), QStringList{});
            printSalaryStatement(*form, d.platform);
        } else {
            QCOMPARE(fillNamed({d.main.get(), d.main->form4.window(), d.main->reb88.window()}), QStringList{});
            printTaxStatement(*d.main);
        }
        QCOMPARE(d.platform.printJobs.size(), std::size_t(1));
        QCOMPARE(d.platform.printJobs[0].printer.printed(),
                 printedTexts(built(salary ? salaryStatement(namedSalaryTexts()) : taxStatement(namedTaxTexts()))));
    }

    void printsUnopenedWorksheetsHiddenAndLeavesThemHidden()
    {
        QVERIFY(!d.main->form4.exists() && !d.main->reb88.exists());
        QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
        for (std::size_t jobs = 1; jobs <= 2; ++jobs) {
            QTest::mouseClick(d.main->cmdprint, Qt::LeftButton);
            QCOMPARE(d.platform.printJobs.size(), jobs);
            QVERIFY(d.main->form4.exists() && d.main->reb88.exists());
            QVERIFY(!d.main->form4.window()->isVisible());
            QVERIFY(!d.main->reb88.window()->isVisible());
        }
        // Created in their initial state: like every figure of a fresh main window, theirs print as "0".
        const auto fresh = [](const std::string &name) { return name == "frmmain.txtname" ? std::string() : "0"; };
        QCOMPARE(d.platform.printJobs[1].printer.printed(), printedTexts(built(taxStatement(namedTaxTexts(fresh)))));
    }

    void printsOnlyAfterCalculate_data()
    {
        QTest::addColumn<bool>("salary");
        QTest::addColumn<bool>("calculate");
        QTest::addColumn<bool>("byKeyboard");
        for (bool salary : {false, true}) {
            const char *window = salary ? "salary window" : "main window";
            QTest::addRow("%s: click after Calculate prints", window) << salary << true << false;
            QTest::addRow("%s: Alt+P after Calculate prints", window) << salary << true << true;
            QTest::addRow("%s: Alt+P before Calculate prints nothing", window) << salary << false << true;
        }
    }
    // When the button is enabled is the windows' tests' business; here: click and Alt+P print.
    void printsOnlyAfterCalculate()
    {
        QFETCH(bool, salary);
        QFETCH(bool, calculate);
        QFETCH(bool, byKeyboard);
        Form1 *form = salary ? d.open(d.main->cmdcalgs, d.main->form1) : nullptr;
        QWidget *window = salary ? static_cast<QWidget *>(form) : d.main.get();
        QLineEdit *figure = salary ? static_cast<QLineEdit *>(form->txtbp[0]) : d.main->txtgs;
        QPushButton *print = salary ? form->cmdprn : d.main->cmdprint;
        d.type(figure, QStringLiteral("25000"));
        if (calculate)
            QTest::mouseClick(salary ? form->cmdcal : d.main->cmdcalc, Qt::LeftButton);
        const bool prints = calculate;

        QSignalSpy pressed(print, &QAbstractButton::pressed);
        if (byKeyboard)
            QTest::keyClick(window, Qt::Key_P, Qt::AltModifier);
        else
            QTest::mouseClick(print, Qt::LeftButton);
        QCOMPARE(pressed.count(), prints ? 1 : 0); // a disabled button takes no access key
        if (!prints) {
            QCOMPARE(d.platform.printJobs.size(), std::size_t(0));
            return;
        }
        QTRY_COMPARE(d.platform.printJobs.size(), std::size_t(1)); // an access key clicks after a moment
        QCOMPARE(d.platform.printJobs[0].documentName,
                 salary ? QStringLiteral("Salary statement 2013-14") : QStringLiteral("Tax computation 2013-14"));
        QVERIFY(d.platform.printJobs[0].printer.printed().contains(QStringLiteral("25000")));
        QVERIFY(print->isEnabled());
        QVERIFY(d.platform.messages.isEmpty());
    }

    void aRefusedJobIsReportedOnceAndChangesNothing()
    {
        d.platform.refusePrintJobs = true;
        d.type(d.main->txtgs, QStringLiteral("600000"));
        QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
        const QMap<QString, QString> before = d.snapshot(d.main.get());
        QTest::mouseClick(d.main->cmdprint, Qt::LeftButton);
        QCOMPARE(d.platform.messages, QStringList{QStringLiteral("The printer refused the statement.")});
        QCOMPARE(d.snapshot(d.main.get()), before);
        QVERIFY(d.main->cmdprint->isEnabled());
    }

private:
    WorksheetDriver d;
};

QTEST_MAIN(TestPrintButtons)
#include "tst_printbuttons.moc"
