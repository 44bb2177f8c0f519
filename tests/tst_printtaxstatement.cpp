// The main window's Print: the tax computation statement read from the fields of the main
// window and of the house property and section 80 worksheets, opened or not.

#include "print/printbuttons.h"
#include "worksheetdriver.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"

#include <QLineEdit>
#include <QSignalSpy>

using namespace pelmora;
using Operation = RecordingPrinter::Operation;

class TestPrintTaxStatement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    void printsEachFieldFromItsWindow_data();
    void printsEachFieldFromItsWindow();
    void addsUpThePensionSchemeOfTheWorksheet();
    void printsUnopenedWorksheetsHiddenAsTheyStart();
    void printButtonAndAltP_data();
    void printButtonAndAltP();
    void aRefusedJobIsReportedAndChangesNothing();

private:
    // The text printed n-th (from 0) on the row at y, in the one job printed so far.
    QString printedAt(float y, int n) const
    {
        if (d.platform.printJobs.size() != 1)
            return QStringLiteral("(%1 print jobs)").arg(d.platform.printJobs.size());
        int seen = 0;
        for (const auto &call : d.platform.printJobs[0].printer->calls)
            if (call.operation == Operation::Print && call.state.y == y && seen++ == n)
                return QString::fromStdString(call.text);
        return QStringLiteral("(nothing printed)");
    }
    QStringList mainWindowTexts() const
    {
        QStringList texts;
        for (const QLineEdit *field : d.main->findChildren<QLineEdit *>())
            texts.append(field->objectName() + QLatin1Char('=') + field->text());
        return texts;
    }

    WorksheetDriver d;
};

void TestPrintTaxStatement::printsEachFieldFromItsWindow_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("field");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("n"); // the figure's place among the texts of its row

    const auto row = [](const char *window, const char *field, float y, int n) {
        QTest::addRow("%s.%s", window, field) << QString::fromUtf8(window) << QString::fromUtf8(field) << y << n;
    };
    row("frmmain", "txtname", 0.60f, 0);
    row("frmmain", "txtgs", 1.30f, 1);
    row("frmmain", "txttp", 1.60f, 1);
    row("frmmain", "txthra", 1.75f, 1);
    row("frmmain", "txtexall", 1.75f, 2);
    row("frmmain", "txtnsal", 1.90f, 0);
    row("Form4", "txtarv", 2.35f, 1);
    row("Form4", "txtptax", 2.50f, 1);
    row("Form4", "txtghi", 2.65f, 1);
    row("Form4", "txtrep", 2.95f, 1);
    row("Form4", "txtintt", 3.10f, 1);
    row("Form4", "txtoth", 3.25f, 1);
    row("Form4", "txttd", 3.25f, 2);
    row("Form4", "txtihp", 3.40f, 0);
    row("frmmain", "txtos", 3.70f, 1);
    row("frmmain", "txtgti", 4.00f, 1);
    row("frmreb88", "txtgpf", 4.60f, 1);
    row("frmreb88", "txtgis", 4.75f, 1);
    row("frmreb88", "txthba", 4.90f, 1);
    row("frmreb88", "txtlic", 5.05f, 1);
    row("frmreb88", "txtppf", 5.20f, 1);
    row("frmreb88", "txtnsc", 5.35f, 1);
    row("frmreb88", "txtnsci", 5.50f, 1);
    row("frmreb88", "txttf1", 5.65f, 1);
    row("frmreb88", "txttf2", 5.80f, 1);
    row("frmreb88", "txtinf", 5.95f, 1);
    row("frmreb88", "txtos", 6.10f, 1);
    row("frmreb88", "txt80c", 6.25f, 1);
    row("frmreb88", "txt80ccc", 6.40f, 1);
    row("frmreb88", "txttot1", 6.70f, 1);
    row("frmreb88", "txt80ccf", 6.85f, 1);
    row("frmreb88", "txt80d", 7.00f, 1);
    row("frmreb88", "txt80g", 7.15f, 1);
    row("frmreb88", "txtoth", 7.30f, 1);
    row("frmreb88", "txtgt80", 7.45f, 1);
    row("frmmain", "txtnti", 7.60f, 1);
    row("frmmain", "txtgtax", 7.75f, 1);
    row("frmmain", "txtrel87A", 7.90f, 1);
    row("frmmain", "txtrel89", 8.05f, 1);
    row("frmmain", "txtntax", 8.20f, 1);
    row("frmmain", "txtcess", 8.35f, 1);
    row("frmmain", "txtttax", 8.50f, 1);
    row("frmmain", "txtdedtax", 8.65f, 1);
    row("frmmain", "txtbaltax", 8.80f, 1);
}

void TestPrintTaxStatement::printsEachFieldFromItsWindow()
{
    QFETCH(QString, window);
    QFETCH(QString, field);
    QFETCH(float, y);
    QFETCH(int, n);
    QWidget *source = window == QLatin1String("Form4")      ? static_cast<QWidget *>(d.main->form4.window())
                      : window == QLatin1String("frmreb88") ? static_cast<QWidget *>(d.main->reb88.window())
                                                            : d.main.get();
    auto *edit = source->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    const QString figure = QStringLiteral("4321.5 ");
    edit->setText(figure); // printed exactly as it stands, trailing blank included
    printTaxStatement(*d.main);
    QCOMPARE(printedAt(y, n), figure);
}

void TestPrintTaxStatement::addsUpThePensionSchemeOfTheWorksheet()
{
    frmreb88 *deductions = d.main->reb88.window();
    deductions->txt80ccdgc->setText(QStringLiteral("300"));
    deductions->txt80ccdec->setText(QStringLiteral("65.5"));
    printTaxStatement(*d.main);
    QCOMPARE(printedAt(6.55f, 1), QStringLiteral("365.5"));
}

void TestPrintTaxStatement::printsUnopenedWorksheetsHiddenAsTheyStart()
{
    QVERIFY(!d.main->form4.exists());
    QVERIFY(!d.main->reb88.exists());
    QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
    QTest::mouseClick(d.main->cmdprint, Qt::LeftButton);
    QCOMPARE(d.platform.printJobs.size(), std::size_t(1));

    QVERIFY(d.main->form4.exists());
    QVERIFY(d.main->reb88.exists());
    Form4 *houseProperty = d.main->form4.window();
    frmreb88 *deductions = d.main->reb88.window();
    QVERIFY(!houseProperty->isVisible());
    QVERIFY(!deductions->isVisible());
    QCOMPARE(printedAt(2.35f, 1), houseProperty->txtarv->text());
    QCOMPARE(printedAt(3.40f, 0), houseProperty->txtihp->text());
    QCOMPARE(printedAt(4.60f, 1), deductions->txtgpf->text());
    QCOMPARE(printedAt(7.45f, 1), deductions->txtgt80->text());
    QCOMPARE(printedAt(6.55f, 1), QStringLiteral("0"));
    QCOMPARE(printedAt(2.35f, 1), QStringLiteral("0"));

    QTest::mouseClick(d.main->cmdprint, Qt::LeftButton);
    QCOMPARE(d.platform.printJobs.size(), std::size_t(2));
    QVERIFY(!houseProperty->isVisible());
    QVERIFY(!deductions->isVisible());
    QCOMPARE(d.platform.printJobs[1].printer->calls.size(), d.platform.printJobs[0].printer->calls.size());
}

void TestPrintTaxStatement::printButtonAndAltP_data()
{
    QTest::addColumn<bool>("calculate");
    QTest::addColumn<bool>("changeAfterwards");
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<int>("jobs");
    QTest::newRow("click after Calculate prints") << true << false << false << 1;
    QTest::newRow("Alt+P after Calculate prints") << true << false << true << 1;
    QTest::newRow("Alt+P before Calculate prints nothing") << false << false << true << 0;
    QTest::newRow("Alt+P after a changed figure prints nothing") << true << true << true << 0;
}

void TestPrintTaxStatement::printButtonAndAltP()
{
    QFETCH(bool, calculate);
    QFETCH(bool, changeAfterwards);
    QFETCH(bool, byKeyboard);
    QFETCH(int, jobs);
    d.type(d.main->txtname, QStringLiteral("Anand"));
    d.type(d.main->txtgs, QStringLiteral("600000"));
    if (calculate)
        QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
    if (changeAfterwards)
        d.type(d.main->txtgs, QStringLiteral("650000"));
    QSignalSpy pressed(d.main->cmdprint, &QAbstractButton::pressed);
    if (byKeyboard)
        QTest::keyClick(d.main.get(), Qt::Key_P, Qt::AltModifier);
    else
        QTest::mouseClick(d.main->cmdprint, Qt::LeftButton);

    if (jobs == 0) {
        QCOMPARE(pressed.count(), 0); // a disabled button takes no access key: no click will follow
        QCOMPARE(int(d.platform.printJobs.size()), 0);
        return;
    }
    QCOMPARE(pressed.count(), 1);
    QTRY_COMPARE(int(d.platform.printJobs.size()), jobs); // an access key clicks after a moment
    QCOMPARE(d.platform.printJobs[0].documentName, QStringLiteral("Tax computation 2013-14"));
    QCOMPARE(printedAt(0.60f, 0), QStringLiteral("Anand"));
    QCOMPARE(printedAt(1.30f, 1), QStringLiteral("600000"));
    QCOMPARE(printedAt(8.80f, 1), d.main->txtbaltax->text());
    QVERIFY(d.platform.messages.isEmpty());
}

void TestPrintTaxStatement::aRefusedJobIsReportedAndChangesNothing()
{
    d.platform.refusePrintJobs = true;
    d.type(d.main->txtgs, QStringLiteral("600000"));
    QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
    const QStringList before = mainWindowTexts();
    QTest::mouseClick(d.main->cmdprint, Qt::LeftButton);
    QCOMPARE(d.platform.messages, QStringList{QStringLiteral("The printer refused the statement.")});
    QCOMPARE(mainWindowTexts(), before);
    QVERIFY(d.main->cmdprint->isEnabled());
}

QTEST_MAIN(TestPrintTaxStatement)
#include "tst_printtaxstatement.moc"
