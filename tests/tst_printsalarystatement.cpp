// The salary window's Print: the salary statement read from the window's own fields and month
// captions, after Calculate, by click or Alt+P.

#include "app/amountfield.h"
#include "app/frmmain.h"
#include "print/printbuttons.h"
#include "recordingplatform.h"
#include "salary/choicebox.h"
#include "salary/form1.h"

#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

using namespace pelmora;
using Operation = RecordingPrinter::Operation;

namespace {

QString element(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

// The month columns in the order a row prints them, after the caption.
const char *const monthColumns[] = {"txtbp", "txtgp", "txtda", "txthra", "txtmgc", "txttpa2", "txtttl"};

} // namespace

class TestPrintSalaryStatement : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_platform = std::make_unique<RecordingPlatform>();
        m_main = std::make_unique<frmmain>(*m_platform);
        m_main->show();
        QTest::mouseClick(m_main->cmdcalgs, Qt::LeftButton);
        m_form = m_main->form1.window();
        m_form->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_form));
    }
    void cleanup()
    {
        m_main.reset();
        m_platform.reset();
    }

    void printsEachFieldOfTheWindow_data();
    void printsEachFieldOfTheWindow();
    void printsTheMonthCaptionsOfTheWindow();
    void addsUpTheArrearsOfTheFirstTwoMonths();
    void printAfterCalculate_data();
    void printAfterCalculate();
    void aTaxStatementAfterwardsIsPortrait();

private:
    // The text printed n-th (from 0) on the row at y of the only job printed.
    QString printedAt(float y, int n) const
    {
        if (m_platform->printJobs.size() != 1)
            return QStringLiteral("(%1 print jobs)").arg(m_platform->printJobs.size());
        int seen = 0;
        for (const auto &call : m_platform->printJobs[0].printer->calls)
            if (call.operation == Operation::Print && call.state.y == y && seen++ == n)
                return QString::fromStdString(call.text);
        return QStringLiteral("(nothing printed)");
    }

    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<frmmain> m_main;
    Form1 *m_form = nullptr;
};

void TestPrintSalaryStatement::printsEachFieldOfTheWindow_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<float>("y");
    QTest::addColumn<int>("n"); // the figure's place among the texts of its row

    const float rowY[] = {2.0f, 2.2f, 2.4f, 2.6f, 2.8f, 3.0f, 3.2f, 3.4f, 3.6f, 3.8f, 4.0f, 4.2f};
    for (int row = 2; row <= 13; ++row)
        for (int column = 0; column < 7; ++column) {
            const QString field = element(monthColumns[column], row);
            QTest::addRow("%s", qPrintable(field)) << field << rowY[row - 2] << column + 1;
        }
    const char *const totals[] = {"txtbpt", "txtgpt", "txtdat", "txthrat", "txtmgct", "txttpat", "txtttlt"};
    for (int column = 0; column < 7; ++column)
        QTest::newRow(totals[column]) << QString::fromUtf8(totals[column]) << 4.6f << column + 1;
    // Down the page: other allowances, overtime, honorarium, tuition fee, bonus, arrears.
    const int otherRows[] = {5, 2, 4, 3, 1, 0};
    const float otherY[] = {5.2f, 5.4f, 5.6f, 5.8f, 6.0f, 6.2f};
    for (int i = 0; i < 6; ++i)
        QTest::addRow("txtoth(%d)", otherRows[i]) << element("txtoth", otherRows[i]) << otherY[i] << 1;
    QTest::newRow("txtgtotal") << QStringLiteral("txtgtotal") << 6.4f << 1;
    QTest::newRow("txtnam") << QStringLiteral("txtnam") << 1.2f << 0;
}

void TestPrintSalaryStatement::printsEachFieldOfTheWindow()
{
    QFETCH(QString, field);
    QFETCH(float, y);
    QFETCH(int, n);
    // Every field holds its own name. Rows are written from the top, so the fill-down of a
    // row's pay is overwritten by the rows below it.
    for (auto *edit : m_form->findChildren<QLineEdit *>())
        if (edit->objectName().startsWith(QLatin1String("txt")))
            edit->setText(edit->objectName());
    for (const char *column : monthColumns)
        for (int row = 0; row < Form1::monthRows; ++row)
            if (auto *edit = m_form->findChild<QLineEdit *>(element(column, row)))
                edit->setText(edit->objectName());
    QCOMPARE(m_form->findChild<QLineEdit *>(field)->text(), field);

    printSalaryStatement(*m_form, *m_platform);
    QCOMPARE(printedAt(y, n), field);
}

void TestPrintSalaryStatement::printsTheMonthCaptionsOfTheWindow()
{
    printSalaryStatement(*m_form, *m_platform);
    const float rowY[] = {2.0f, 2.2f, 2.4f, 2.6f, 2.8f, 3.0f, 3.2f, 3.4f, 3.6f, 3.8f, 4.0f, 4.2f};
    const char *const months[] = {"Mar 13", "Apr 13", "May 13", "Jun 13", "Jul 13", "Aug 13",
                                  "Sep 13", "Oct 13", "Nov 13", "Dec 13", "Jan 14", "Feb 14"};
    for (int i = 0; i < 12; ++i)
        QCOMPARE(printedAt(rowY[i], 0), QString::fromUtf8(months[i]));
}

void TestPrintSalaryStatement::addsUpTheArrearsOfTheFirstTwoMonths()
{
    m_form->txtda[0]->setText(QStringLiteral("100"));
    m_form->txtda[1]->setText(QStringLiteral("200"));
    m_form->txtmgc[0]->setText(QStringLiteral("15"));
    m_form->txtmgc[1]->setText(QStringLiteral("25"));
    m_form->txttpa2[0]->setText(QStringLiteral("10"));
    m_form->txttpa2[1]->setText(QStringLiteral("15"));
    printSalaryStatement(*m_form, *m_platform);
    const QStringList arrears{printedAt(4.4f, 1), printedAt(4.4f, 2), printedAt(4.4f, 3), printedAt(4.4f, 4)};
    QCOMPARE(arrears, (QStringList{QStringLiteral("300"), QStringLiteral("40"), QStringLiteral("25"),
                                   QStringLiteral("365")}));
}

void TestPrintSalaryStatement::printAfterCalculate_data()
{
    QTest::addColumn<bool>("calculate");
    QTest::addColumn<bool>("byKeyboard");
    QTest::addColumn<int>("jobs");
    QTest::newRow("click after Calculate prints") << true << false << 1;
    QTest::newRow("Alt+P after Calculate prints") << true << true << 1;
    QTest::newRow("Alt+P before Calculate prints nothing") << false << true << 0;
}

void TestPrintSalaryStatement::printAfterCalculate()
{
    QFETCH(bool, calculate);
    QFETCH(bool, byKeyboard);
    QFETCH(int, jobs);
    QTest::keyClick(m_form->cbonps, Qt::Key_Up); // "Y": the pension scheme
    m_form->txtbp[0]->selectAll();
    QTest::keyClicks(m_form->txtbp[0], QStringLiteral("25000"));
    m_form->txtgp[0]->selectAll();
    QTest::keyClicks(m_form->txtgp[0], QStringLiteral("4600"));
    if (calculate)
        QTest::mouseClick(m_form->cmdcal, Qt::LeftButton);
    QCOMPARE(m_form->cmdprn->isEnabled(), calculate);

    QSignalSpy pressed(m_form->cmdprn, &QAbstractButton::pressed);
    if (byKeyboard)
        QTest::keyClick(m_form, Qt::Key_P, Qt::AltModifier);
    else
        QTest::mouseClick(m_form->cmdprn, Qt::LeftButton);
    if (jobs == 0) {
        QCOMPARE(pressed.count(), 0); // a disabled button takes no access key: no click will follow
        QCOMPARE(int(m_platform->printJobs.size()), 0);
        return;
    }
    QCOMPARE(pressed.count(), 1);
    QTRY_COMPARE(int(m_platform->printJobs.size()), jobs); // an access key clicks after a moment
    QCOMPARE(m_platform->printJobs[0].documentName, QStringLiteral("Salary statement 2013-14"));
    QCOMPARE(printedAt(2.0f, 1), QStringLiteral("25000"));
    QCOMPARE(printedAt(6.4f, 1), m_form->txtgtotal->text());
    QVERIFY(m_form->cmdprn->isEnabled());
    QVERIFY(m_platform->messages.isEmpty());
}

void TestPrintSalaryStatement::aTaxStatementAfterwardsIsPortrait()
{
    printSalaryStatement(*m_form, *m_platform);
    printTaxStatement(*m_main);
    const auto orientationOf = [](const RecordingPrinter &printer) {
        for (const auto &call : printer.calls)
            if (call.operation == Operation::Orientation)
                return int(call.numbers[0]);
        return 0;
    };
    QCOMPARE(m_platform->printJobs.size(), std::size_t(2));
    QCOMPARE(orientationOf(*m_platform->printJobs[0].printer), int(Orientation::Landscape));
    QCOMPARE(orientationOf(*m_platform->printJobs[1].printer), int(Orientation::Portrait));
}

QTEST_MAIN(TestPrintSalaryStatement)
#include "tst_printsalarystatement.moc"
