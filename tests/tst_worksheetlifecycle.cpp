#include "app/frmmain.h"
#include "recordingplatform.h"

#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTest>

using namespace pelmora;

// What every worksheet that Back hides shares: Back keeps its fields, Escape leaves it open,
// and its close box discards it so that the next opening starts afresh.
class TestWorksheetLifecycle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void backHidesAndKeepsTheFields_data();
    void backHidesAndKeepsTheFields();
    void escapeLeavesTheWorksheetOpen_data();
    void escapeLeavesTheWorksheetOpen();
    void closeBoxDiscardsTheWorksheet_data();
    void closeBoxDiscardsTheWorksheet();

private:
    void worksheets();
    QWidget *open(const QString &calcButton, const QString &title);

    RecordingPlatform m_platform;
    frmmain *m_main = nullptr;
};

void TestWorksheetLifecycle::init()
{
    m_platform = RecordingPlatform();
    m_main = new frmmain(m_platform);
    m_main->show();
    QApplication::setActiveWindow(m_main);
    QVERIFY(QTest::qWaitForWindowActive(m_main));
}

void TestWorksheetLifecycle::cleanup()
{
    delete m_main;
    m_main = nullptr;
}

// The worksheet shown by the main window's Calc. button, found by its title.
QWidget *TestWorksheetLifecycle::open(const QString &calcButton, const QString &title)
{
    QTest::mouseClick(m_main->findChild<QPushButton *>(calcButton), Qt::LeftButton);
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (window->windowTitle() == title && window->isVisible()) {
            if (!QTest::qWaitForWindowActive(window))
                qWarning("the worksheet did not become active");
            return window;
        }
    }
    return nullptr;
}

void TestWorksheetLifecycle::worksheets()
{
    QTest::addColumn<QString>("calcButton");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("field"); // an amount field that the opening does not overwrite
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("target"); // the main window's field that Back writes

    QTest::newRow("HRA exemption") << "cmdcalhr" << "Pelmora - HRA Exemption" << "txtRP" << "cmdcal" << "cmdback"
                                   << "txthra";
    QTest::newRow("house property") << "cmdcalhp" << "Pelmora - Income from House Property" << "txtoth" << "cmdtot"
                                    << "cmdbk" << "txthp";
    QTest::newRow("section 80") << "cmdcalded80" << "Pelmora - Deductions Under Section 80" << "txtgpf" << "cmdtot"
                                << "cmdbk" << "txtded80";
}

void TestWorksheetLifecycle::backHidesAndKeepsTheFields_data()
{
    worksheets();
}

void TestWorksheetLifecycle::backHidesAndKeepsTheFields()
{
    QFETCH(QString, calcButton);
    QFETCH(QString, title);
    QFETCH(QString, field);
    QFETCH(QString, calculate);
    QFETCH(QString, back);
    QWidget *worksheet = open(calcButton, title);
    QVERIFY(worksheet);
    auto *amount = worksheet->findChild<QLineEdit *>(field);
    amount->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(amount, QStringLiteral("777"));
    QTest::mouseClick(worksheet->findChild<QPushButton *>(calculate), Qt::LeftButton);
    QTest::mouseClick(worksheet->findChild<QPushButton *>(back), Qt::LeftButton);
    QVERIFY(!worksheet->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(m_main));

    QCOMPARE(open(calcButton, title), worksheet);
    QCOMPARE(amount->text(), QStringLiteral("777"));
}

void TestWorksheetLifecycle::escapeLeavesTheWorksheetOpen_data()
{
    worksheets();
}

void TestWorksheetLifecycle::escapeLeavesTheWorksheetOpen()
{
    QFETCH(QString, calcButton);
    QFETCH(QString, title);
    QFETCH(QString, field);
    QWidget *worksheet = open(calcButton, title);
    QVERIFY(worksheet);
    QTest::keyClick(worksheet->findChild<QLineEdit *>(field), Qt::Key_Escape);
    QTest::keyClick(worksheet, Qt::Key_Escape);
    QVERIFY(worksheet->isVisible());
}

void TestWorksheetLifecycle::closeBoxDiscardsTheWorksheet_data()
{
    worksheets();
}

void TestWorksheetLifecycle::closeBoxDiscardsTheWorksheet()
{
    QFETCH(QString, calcButton);
    QFETCH(QString, title);
    QFETCH(QString, field);
    QFETCH(QString, calculate);
    QFETCH(QString, back);
    QFETCH(QString, target);
    QPointer<QWidget> worksheet = open(calcButton, title);
    QVERIFY(worksheet);
    auto *amount = worksheet->findChild<QLineEdit *>(field);
    amount->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(amount, QStringLiteral("777"));
    QTest::mouseClick(worksheet->findChild<QPushButton *>(calculate), Qt::LeftButton);

    QVERIFY(worksheet->close());
    QTRY_VERIFY(worksheet.isNull());
    QCOMPARE(m_main->findChild<QLineEdit *>(target)->text(), QStringLiteral("0"));

    QWidget *fresh = open(calcButton, title);
    QVERIFY(fresh);
    QCOMPARE(fresh->findChild<QLineEdit *>(field)->text(), QStringLiteral("0"));
    QVERIFY(!fresh->findChild<QPushButton *>(back)->isEnabled());
}

QTEST_MAIN(TestWorksheetLifecycle)
#include "tst_worksheetlifecycle.moc"
