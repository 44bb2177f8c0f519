#include "app/frmsplash.h"

#include <QLabel>
#include <QPointer>
#include <QTest>

using namespace pelmora;
using namespace std::chrono_literals;

class TestFrmSplash : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void showsNameAndTaxYear();
    void mainWindowAfterThreeSeconds();
    void tickShowsMainWindowOnceAndGoes();
    void clicksAndKeysDoNothing_data();
    void clicksAndKeysDoNothing();
};

void TestFrmSplash::showsNameAndTaxYear()
{
    frmSplash splash([] {});
    QCOMPARE(splash.lblProductName->text(), QStringLiteral("Pelmora"));
    QCOMPARE(splash.lblVersion->text(), QStringLiteral("2013-14"));
    QVERIFY(splash.lblCopyright->text().startsWith(QStringLiteral("By ")));
    QVERIFY(splash.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(splash.size(), QSize(324, 125));
    // The program's picture, sharp at the test's scale of 2: drawn at 64 pixels for 32 points.
    const QPixmap picture = splash.findChild<QLabel *>(QStringLiteral("Picture1"))->pixmap();
    QCOMPARE(picture.deviceIndependentSize(), QSizeF(32, 32));
    QCOMPARE(picture.devicePixelRatio(), 2.0);
    QCOMPARE(picture.toImage().pixelColor(32, 32).alpha(), 255);
}

void TestFrmSplash::mainWindowAfterThreeSeconds()
{
    frmSplash splash([] {});
    auto *timer = splash.findChild<QTimer *>(QStringLiteral("Timer1"));
    QVERIFY(timer);
    QVERIFY(timer->isActive());
    QVERIFY(timer->isSingleShot());
    QCOMPARE(timer->interval(), 3000);
}

void TestFrmSplash::tickShowsMainWindowOnceAndGoes()
{
    int shown = 0;
    QPointer<frmSplash> splash = new frmSplash([&] { ++shown; }, 10ms);
    splash->show();
    QTRY_COMPARE(shown, 1);
    QTRY_VERIFY(splash.isNull());
    QTest::qWait(50);
    QCOMPARE(shown, 1);
}

void TestFrmSplash::clicksAndKeysDoNothing_data()
{
    QTest::addColumn<QString>("action");
    QTest::newRow("mouse click") << "click";
    QTest::newRow("Escape") << "escape";
    QTest::newRow("Enter") << "enter";
    QTest::newRow("request to close") << "close";
}

void TestFrmSplash::clicksAndKeysDoNothing()
{
    QFETCH(QString, action);
    int shown = 0;
    QPointer<frmSplash> splash = new frmSplash([&] { ++shown; }, 60s);
    splash->show();
    QVERIFY(QTest::qWaitForWindowExposed(splash));
    if (action == QLatin1String("click"))
        QTest::mouseClick(splash, Qt::LeftButton);
    else if (action == QLatin1String("escape"))
        QTest::keyClick(splash, Qt::Key_Escape);
    else if (action == QLatin1String("enter"))
        QTest::keyClick(splash, Qt::Key_Return);
    else
        splash->close();
    QCoreApplication::processEvents();
    QVERIFY(!splash.isNull());
    QVERIFY(splash->isVisible());
    QCOMPARE(shown, 0);
    delete splash;
}

QTEST_MAIN(TestFrmSplash)
#include "tst_frmsplash.moc"
