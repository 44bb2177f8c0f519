#include "worksheetdriver.h"

#include <QPointer>

using namespace pelmora;

// What the three worksheets that Back hides share: Back keeps their fields, Escape leaves them
// open, and the close box discards them, writing nothing, so that the next opening starts afresh.
class TestWorksheetLifecycle : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    void lifecycle_data();
    void lifecycle();

private:
    // The worksheet the Calc. button shows, found by its title; its amount field; and clicks.
    QWidget *open(const QString &calcButton, const QString &title)
    {
        QTest::mouseClick(d.main->findChild<QPushButton *>(calcButton), Qt::LeftButton);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->windowTitle() == title && window->isVisible() && QTest::qWaitForWindowActive(window))
                return window;
        }
        return nullptr;
    }
    static void click(QWidget *window, const QString &button)
    {
        QTest::mouseClick(window->findChild<QPushButton *>(button), Qt::LeftButton);
    }

    WorksheetDriver d;
};

void TestWorksheetLifecycle::lifecycle_data()
{
    QTest::addColumn<QString>("calcButton");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("field"); // an amount field that the opening does not overwrite
    QTest::addColumn<QString>("calculate");
    QTest::addColumn<QString>("back");
    QTest::addColumn<QString>("target"); // the main window's field that Back writes
    QTest::addColumn<QString>("handedBack"); // what it writes there after 777 was typed

    QTest::newRow("HRA exemption") << "cmdcalhr" << "Pelmora - HRA Exemption" << "txtRP" << "cmdcal" << "cmdback"
                                   << "txthra" << "777";
    QTest::newRow("house property") << "cmdcalhp" << "Pelmora - Income from House Property" << "txtoth" << "cmdtot"
                                    << "cmdbk" << "txthp" << "-777";
    QTest::newRow("section 80") << "cmdcalded80" << "Pelmora - Deductions Under Section 80" << "txtgpf" << "cmdtot"
                                << "cmdbk" << "txtded80" << "777";
}

void TestWorksheetLifecycle::lifecycle()
{
    QFETCH(QString, calcButton);
    QFETCH(QString, title);
    QFETCH(QString, field);
    QFETCH(QString, calculate);
    QFETCH(QString, back);
    QFETCH(QString, target);
    QFETCH(QString, handedBack);
    d.main->txthrr->setText(QStringLiteral("50000")); // HRA received, so that the rent counts

    QPointer<QWidget> worksheet = open(calcButton, title);
    QVERIFY(worksheet);
    auto *amount = worksheet->findChild<QLineEdit *>(field);
    d.type(amount, QStringLiteral("777"));
    click(worksheet, calculate);
    click(worksheet, back);
    QVERIFY(!worksheet->isVisible());
    QCOMPARE(d.main->findChild<QLineEdit *>(target)->text(), handedBack);

    QCOMPARE(open(calcButton, title), worksheet.data());
    QCOMPARE(amount->text(), QStringLiteral("777"));
    QTest::keyClick(amount, Qt::Key_Escape);
    QTest::keyClick(worksheet, Qt::Key_Escape);
    QVERIFY(worksheet->isVisible());

    d.type(amount, QStringLiteral("5"));
    click(worksheet, calculate);
    QVERIFY(worksheet->close());
    QTRY_VERIFY(worksheet.isNull());
    QCOMPARE(d.main->findChild<QLineEdit *>(target)->text(), handedBack);

    QWidget *fresh = open(calcButton, title);
    QVERIFY(fresh);
    QCOMPARE(fresh->findChild<QLineEdit *>(field)->text(), QStringLiteral("0"));
    QVERIFY(!fresh->findChild<QPushButton *>(back)->isEnabled());
}

QTEST_MAIN(TestWorksheetLifecycle)
#include "tst_worksheetlifecycle.moc"
