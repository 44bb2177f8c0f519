// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "salary/form1.h"
#include "salary/salarycomputation.h"
#include "worksheetdriver.h"
#include "worksheets/form2.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"

#include <QAccessible>

using namespace pelmora;
using namespace Qt::StringLiterals;

// What a screen reader says; Qt on Linux leaves a combo box's name to its label.
static QString spokenName(QWidget *control)
{
    if (qobject_cast<QComboBox *>(control))
        return control->accessibleName();
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
}

// "B.PAY, Jan 13", "G.PAY, Jan 13"...; the arrears rows have no HRA.
static QStringList monthNames(const char *headings)
{
    QStringList names;
    for (int row = 0; row < salary::monthRows; ++row)
        for (const QString &heading : WorksheetDriver::words(headings))
            if (row >= salary::firstYearRow || heading != u"HRA")
                names << heading + u", "_s + QString::fromLatin1(salary::monthCaptions[row]);
    return names;
}

static QStringList list(const char *names)
{
    return QString::fromUtf8(names).split(QStringLiteral(" | "));
}

class TestAccessibility : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each window calculated, so that its commit buttons are Tab stops too.
    void initTestCase()
    {
        QVERIFY(d.start());
        d.main->cmdcalc->click();
        d.open(d.main->cmdcalgs, d.main->form1)->cmdcal->click();
        d.open(d.main->cmdcalhr, d.main->form2)->cmdcal->click();
        d.open(d.main->cmdcalhp, d.main->form4)->cmdtot->click();
        d.open(d.main->cmdcalded80, d.main->reb88)->cmdtot->click();
    }
    void cleanupTestCase() { d.stop(); }

    void fieldsAreNamedByTheirCaptions_data();
    void fieldsAreNamedByTheirCaptions();

private:
    WorksheetDriver d;
};

void TestAccessibility::fieldsAreNamedByTheirCaptions_data()
{
    QTest::addColumn<QString>("first"); // window.control, where the Tab chain starts
    QTest::addColumn<QStringList>("tabStops");
    QTest::addColumn<QStringList>("results");   // the read-only fields, as the window places them
    QTest::addColumn<int>("labelled");          // of these fields, those a caption labels
    QTest::addColumn<QStringList>("described"); // what the Tab stops that say more say

    QTest::newRow("main window")
        << "frmmain.txtname"
        << list("Name | Calc. gross salary | Gross Salary | Transport Allowance | Calc. HRA exemption | "
                "House Rent Allowance | Income from Other Sources | Calc. income from house property | "
                "Calc. deductions under section 80 | Relief u/s 89 | Tax Deducted | Calculate | Print | Exit | "
                "Calc. relief under section 89 | Date of Birth")
        << list("Less Allowances Exempt u/s 10, total | Income from Salary | Income from House Property | "
                "Gross Total Income | Less Deductions u/s 80 | Net Taxable Income | Gross Tax | Relief u/s 87A | "
                "Net Tax | Education Cess | Total Tax | Balance Tax")
        << 19
        << list("Calc. gross salary: opens the salary statement | "
                "Calc. HRA exemption: opens the HRA exemption worksheet | "
                "Calc. income from house property: opens the house property worksheet | "
                "Calc. deductions under section 80: opens the section 80 worksheet | "
                "Calc. relief under section 89: opens the relief under section 89(1) worksheet");
    QTest::newRow("salary statement")
        << "Form1.txtnam"
        << list("Name | New Pen. Sch. | HRA class | Transport class") + monthNames("B.PAY G.PAY")
               + list("Arrears | Bonus | OTA | T.Fee | Hon. | Oth. | Calculate | Print | Back | Calculate Increment")
        << monthNames("DA HRA TPA MGC TOTAL")
               + list("B.PAY, total | G.PAY, total | DA, total | HRA, total | TPA, total | MGC, total | TOTAL, total | "
                      "G.Total")
        << 11 << list("3 % of (0 + 0) = 0, a multiple of ten; 0 + 0 = 0 | Increment can be calculated automatically.");
    QTest::newRow("HRA exemption")
        << "Form2.txtbp"
        << list("Basic Pay | Dearness Allow. | HRA Drawn | Rent Paid (Annual) | CALCULATE | BACK | Grade Pay")
        << list("Total Salary | HRA Exemption") << 7 << QStringList();
    // "Repairs & Maintainance" has no access key, so no buddy; "Please Specify" labels its option.
    QTest::newRow("house property")
        << "Form4.optrent"
        << list("Rented Out | Annual Rental Value | Less Property Taxes | Interest on Borrowed Capital | Others | "
                "Calculate | Back")
        << list("Gross Income | Repairs & Maintainance | Less Deductions u/s 24, total | Income from House Property")
        << 7 << QStringList();
    QTest::newRow("section 80")
        << "frmreb88.txtgpf"
        << list("GPF | CGEGIS | House Building Advance | Life Insurance Premium | PPF | National Savings Certificate | "
                "Interest on NSC | Tution Fee, Child I | Tution Fee, Child II | Infrastructure Bonds | Other Savings | "
                "Jeevan Suraksha | New Pen. Sch. (Emp.Cont.) | New Pen. Sch. (Gov.Cont.) | Infra. Bonds | "
                "Mediclaim/CGHS | Donations | Other Deductions | Calculate | Back")
        << list("Section - 80C, Total | Total - 80C+80CCC+80CCD | GRAND TOTAL") << 21 << QStringList();
}

void TestAccessibility::fieldsAreNamedByTheirCaptions()
{
    QFETCH(QString, first);
    QFETCH(QStringList, tabStops);
    QWidget *shown = nullptr;
    for (QWidget *topLevel : QApplication::topLevelWidgets())
        if (topLevel->objectName() == first.section(u'.', 0, 0))
            shown = topLevel;
    QVERIFY(shown);
    shown->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(shown));

    QList<QWidget *> stops, readOnly;
    for (const QString &name : d.tabStops(shown->findChild<QWidget *>(first.section(u'.', 1)), tabStops.size()))
        stops.append(shown->findChild<QWidget *>(name));
    for (QLineEdit *field : shown->findChildren<QLineEdit *>())
        if (field->isReadOnly() && field->isVisibleTo(shown))
            readOnly.append(field);
    const auto accessible = [](QWidget *control) { return QAccessible::queryAccessibleInterface(control); };
    QStringList stopNames, descriptions, resultNames;
    int withLabel = 0;
    for (QWidget *stop : stops) {
        stopNames << spokenName(stop);
        withLabel += !accessible(stop)->relations(QAccessible::Label).isEmpty();
        if (const QString description = accessible(stop)->text(QAccessible::Description); !description.isEmpty())
            descriptions << description;
    }
    for (QWidget *field : readOnly) {
        resultNames << spokenName(field);
        withLabel += !accessible(field)->relations(QAccessible::Label).isEmpty();
        QVERIFY(accessible(field)->state().readOnly);
    }
    QCOMPARE(stopNames, tabStops);
    QTEST(descriptions, "described");
    QTEST(resultNames, "results");
    QTEST(withLabel, "labelled");
}

QTEST_MAIN(TestAccessibility)
#include "tst_accessibility.moc"
