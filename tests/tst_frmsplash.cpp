// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

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
    void showsNameAndTaxYearThenTheMainWindow()
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
        // The main window comes after three seconds.
        const auto *timer = splash.findChild<QTimer *>(QStringLiteral("Timer1"));
        QVERIFY(timer && timer->isActive() && timer->isSingleShot());
        QCOMPARE(timer->interval(), 3000);
    }
    // Nothing closes the splash early, or the main window would never come; its tick shows the main
    // window once, and the splash goes.
    void refusesToCloseThenTickShowsMainWindowOnce()
    {
        int shown = 0;
        QPointer<frmSplash> splash = new frmSplash([&] { ++shown; }, 60s);
        splash->show();
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        QVERIFY(!splash->close() && splash->isVisible());
        QCOMPARE(shown, 0);
        delete splash;

        splash = new frmSplash([&] { ++shown; }, 10ms);
        splash->show();
        QTRY_COMPARE(shown, 1);
        QTRY_VERIFY(splash.isNull());
        QTest::qWait(50);
        QCOMPARE(shown, 1);
    }
};

QTEST_MAIN(TestFrmSplash)
#include "tst_frmsplash.moc"
