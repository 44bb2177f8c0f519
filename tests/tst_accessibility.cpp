// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "salary/form1.h"
#include "salary/salarycomputation.h"
#include "worksheetdriver.h"
#include "worksheets/form2.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"

#include <QAccessible>
#include <QLabel>

using namespace pelmora;

// What a screen reader says a control is. Qt on Linux reports a combo box's value as its name
// and leaves naming it to its label, so for a combo box the name other platforms speak is read.
static QString spokenName(QWidget *control)
{
    if (qobject_cast<QComboBox *>(control))
        return control->accessibleName();
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

static QStringList spokenNames(const QList<QWidget *> &controls)
{
    QStringList names;
    for (QWidget *control : controls)
        names.append(spokenName(control));
    return names;
}

static QWidget *controlSpokenAs(const QWidget *window, const QString &name)
{
    for (QWidget *control : window->findChildren<QWidget *>())
        if (control->focusPolicy() != Qt::NoFocus && spokenName(control) == name)
            return control;
    return nullptr;
}

static QString monthOf(int row)
{
    const std::string_view month = salary::monthCaptions[row];
    return QString::fromUtf8(month.data(), qsizetype(month.size()));
}

// Form1's Tab stops and result fields, row by row.
static QStringList salaryTabStops()
{
    QStringList names{QStringLiteral("Name"), QStringLiteral("New Pen. Sch."), QStringLiteral("HRA class"),
                      QStringLiteral("Transport class")};
    for (int row = 0; row < salary::monthRows; ++row)
        names << QStringLiteral("B.PAY, ") + monthOf(row) << QStringLiteral("G.PAY, ") + monthOf(row);
    names += WorksheetDriver::words("Arrears Bonus OTA T.Fee Hon. Oth. Calculate");
    return names << QStringLiteral("Calculate Increment");
}

static QStringList salaryResults()
{
    QStringList names;
    for (int row = 0; row < salary::monthRows; ++row)
        for (const char *heading : {"DA", "HRA", "TPA", "MGC", "TOTAL"})
            if (row >= salary::firstYearRow || qstrcmp(heading, "HRA") != 0)
                names << QString::fromLatin1(heading) + QStringLiteral(", ") + monthOf(row);
    for (const QString &heading : WorksheetDriver::words("B.PAY G.PAY DA HRA TPA MGC TOTAL"))
        names << heading + QStringLiteral(", total");
    return names << QStringLiteral("G.Total");
}

// "a | b c" as {"a", "b c"}.
static QStringList list(const char *names)
{
    return QString::fromUtf8(names).split(QStringLiteral(" | "));
}

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QVERIFY(d.start());
        QVERIFY(d.open(d.main->cmdcalgs, d.main->form1));
        QVERIFY(d.open(d.main->cmdcalhr, d.main->form2));
        QVERIFY(d.open(d.main->cmdcalhp, d.main->form4));
        QVERIFY(d.open(d.main->cmdcalded80, d.main->reb88));
    }
    void cleanupTestCase() { d.stop(); }

    void fieldsAreNamedByTheirCaptions_data();
    void fieldsAreNamedByTheirCaptions();

private:
    WorksheetDriver d;
};

void TestAccessibility::fieldsAreNamedByTheirCaptions_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QStringList>("tabStops");
    QTest::addColumn<QStringList>("results");   // the read-only fields, as the window places them
    QTest::addColumn<int>("labelled");          // of these fields, those a caption labels
    QTest::addColumn<QStringList>("described"); // what the Tab stops that say more say

    QTest::newRow("main window")
        << "frmmain"
        << list("Name | Calc. gross salary | Gross Salary | Transport Allowance | Calc. HRA exemption | "
                "House Rent Allowance | Income from Other Sources | Calc. income from house property | "
                "Calc. deductions under section 80 | Relief u/s 89 | Tax Deducted | Calculate | Exit")
        << list("Less Allowances Exempt u/s 10, total | Income from Salary | Income from House Property | "
                "Gross Total Income | Less Deductions u/s 80 | Net Taxable Income | Gross Tax | Relief u/s 87A | "
                "Net Tax | Education Cess | Total Tax | Balance Tax")
        << 18
        << list("Calc. gross salary: opens the salary statement | Calc. HRA exemption: opens the HRA exemption worksheet | "
                "Calc. income from house property: opens the house property worksheet | "
                "Calc. deductions under section 80: opens the section 80 worksheet");
    QTest::newRow("salary statement") << "Form1" << salaryTabStops() << salaryResults() << 11
                                      << list("Increment can be calculated automatically.");
    QTest::newRow("HRA exemption")
        << "Form2" << list("Basic Pay | Dearness Allow. | HRA Drawn | Rent Paid (Annual) | CALCULATE | Grade Pay")
        << list("Total Salary | HRA Exemption") << 7 << QStringList();
    // The "&" of "Repairs & Maintainance" is no access key, so that label is no buddy; the
    // frame "Please Specify" labels its option.
    QTest::newRow("house property")
        << "Form4"
        << list("Rented Out | Annual Rental Value | Less Property Taxes | Interest on Borrowed Capital | Others | Calculate")
        << list("Gross Income | Repairs & Maintainance | Less Deductions u/s 24, total | Income from House Property") << 7
        << QStringList();
    QTest::newRow("section 80")
        << "frmreb88"
        << list("GPF | CGEGIS | House Building Advance | Life Insurance Premium | PPF | National Savings Certificate | "
                "Interest on NSC | Tution Fee, Child I | Tution Fee, Child II | Infrastructure Bonds | Other Savings | "
                "Jeevan Suraksha | New Pen. Sch. (Emp.Cont.) | New Pen. Sch. (Gov.Cont.) | Infra. Bonds | "
                "Mediclaim/CGHS | Donations | Other Deductions | Calculate")
        << list("Section - 80C, Total | Total - 80C+80CCC+80CCD | GRAND TOTAL") << 21 << QStringList();
}

void TestAccessibility::fieldsAreNamedByTheirCaptions()
{
    QFETCH(QString, window);
    QFETCH(QStringList, tabStops);
    QFETCH(QStringList, results);
    QFETCH(int, labelled);
    QFETCH(QStringList, described);
    QWidget *shown = nullptr;
    for (QWidget *topLevel : QApplication::topLevelWidgets())
        if (topLevel->objectName() == window)
            shown = topLevel;
    QVERIFY(shown);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));

    QWidget *first = controlSpokenAs(shown, tabStops.first());
    QVERIFY(first);
    QList<QWidget *> stops;
    for (const QString &name : d.tabStops(first, tabStops.size()))
        stops.append(shown->findChild<QWidget *>(name));
    QCOMPARE(spokenNames(stops), tabStops);
    QStringList descriptions;
    for (QWidget *stop : stops)
        descriptions << QAccessible::queryAccessibleInterface(stop)->text(QAccessible::Description);
    descriptions.removeAll(QString());
    QCOMPARE(descriptions, described);

    QList<QWidget *> readOnly;
    for (QLineEdit *field : shown->findChildren<QLineEdit *>())
        if (field->isReadOnly() && field->isVisibleTo(shown))
            readOnly.append(field);
    QCOMPARE(spokenNames(readOnly), results);
    for (QWidget *field : readOnly)
        QVERIFY(QAccessible::queryAccessibleInterface(field)->state().readOnly);

    const auto hasLabel = [](QWidget *field) {
        return !QAccessible::queryAccessibleInterface(field)->relations(QAccessible::Label).isEmpty();
    };
    QCOMPARE(std::count_if(stops.begin(), stops.end(), hasLabel) + std::count_if(readOnly.begin(), readOnly.end(), hasLabel),
             labelled);
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
