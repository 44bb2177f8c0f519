// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheetdriver.h"
#include "widgets/datefield.h"

#include <QLabel>

using namespace pelmora;

class TestFrmMain : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    void startsReadyForTheName()
    {
        QCOMPARE(d.main->windowTitle(), QStringLiteral("Pelmora - Income Tax Calculator"));
        QVERIFY(d.main->txtname->hasFocus());
        QVERIFY(!d.main->cmdprint->isEnabled());
        QCOMPARE(d.main->size(), QSize(754, 396));
        QCOMPARE(d.main->minimumSize(), d.main->maximumSize());
        // Every amount, result and carrier shows 0; the name and the date of birth are empty.
        QMap<QString, QString> texts = d.snapshot(d.main.get());
        QCOMPARE(texts.take(QStringLiteral("txtname")), QString());
        QCOMPARE(texts.take(QStringLiteral("txtdob")), QString());
        QCOMPARE(texts.values(), QStringList(texts.size(), QStringLiteral("0")));
    }

    void workedExampleByKeyboard_data()
    {
        QTest::addColumn<QKeyCombination>("key");
        QTest::newRow("Enter in a field") << QKeyCombination(Qt::Key_Return);
        QTest::newRow("Alt+C") << QKeyCombination(Qt::AltModifier, Qt::Key_C);
    }
    void workedExampleByKeyboard()
    {
        QFETCH(QKeyCombination, key);
        const auto &m = d.main;
        for (auto [field, text] : {std::pair{m->txtgs, "600000"}, {m->txthra, "50000"}, {m->txttp, "9600"},
                                   {m->txtos, "5000"}, {m->txtdedtax, "40000"}})
            d.type(field, QString::fromUtf8(text));
        m->txtded80->setText(QStringLiteral("100000")); // the section 80 worksheet's figure

        QTest::keyClick(m->txtdedtax, key.key(), key.keyboardModifiers());
        QTRY_VERIFY(m->cmdprint->isEnabled()); // an access key presses its button after a moment
        QCOMPARE(d.texts({m->txtexall, m->txtnsal, m->txtgti, m->txtnti, m->txtgtax, m->txtrel87A, m->txtntax,
                          m->txtcess, m->txtttax, m->txtbaltax}),
                 d.words("59600 540400 545400 445400 24540 2000 22540 676 23216 -16784"));
        QCOMPARE(d.workings(m.get()).value(QStringLiteral("txtgtax")), QStringLiteral("10 % of (445400 − 200000) = 24540"));
        QVERIFY(d.platform.messages.isEmpty());
    }

    // The deductions figure too: a new one would otherwise print beside a tax worked out without it.
    void changeDisablesPrint()
    {
        QCOMPARE(d.fieldsDisabling(d.main.get(), d.main->cmdcalc, d.main->cmdprint),
                 d.words("txtded80 txtdedtax txtdob txtgs txthp txthra txtname txtos txtrel89 txttp"));
    }

    // The year's worked example of a senior citizen, by keyboard: Alt+B reaches the date, which
    // disables Print until Calculate taxes on the senior's slabs.
    void dateOfBirthGivesTheSlabs()
    {
        const auto &m = d.main;
        d.type(m->txtgs, QStringLiteral("450000"));
        QTest::mouseClick(m->cmdcalc, Qt::LeftButton);
        QCOMPARE(m->txtttax->text(), QStringLiteral("23690"));
        QTest::keyClick(m->txtgs, Qt::Key_B, Qt::AltModifier);
        QVERIFY(m->txtdob->hasFocus());
        QTest::keyClicks(m->txtdob, QStringLiteral("15/08/1953"));
        QVERIFY(!m->cmdprint->isEnabled());
        QCOMPARE(m->txtdob->toolTip(), QStringLiteral("Senior citizen for 2013-14: 60 or more during the year"));
        QCOMPARE(m->txtdob->accessibleDescription(), m->txtdob->toolTip());
        QTest::mouseClick(m->cmdcalc, Qt::LeftButton);
        QCOMPARE(d.texts({m->txtgtax, m->txtrel87A, m->txtcess, m->txtttax}), d.words("20000 2000 540 18540"));
        QCOMPARE(d.workings(m.get()).value(QStringLiteral("txtgtax")),
                 QStringLiteral("Senior citizen: 10 % of (450000 − 250000) = 20000"));
        // After Exit in the Tab order, so Shift+Tab from Name reaches it.
        m->txtname->setFocus();
        QTest::keyClick(m->txtname, Qt::Key_Backtab);
        QVERIFY(m->txtdob->hasFocus());
    }

    // A date that does not exist: the mark warns, and Calculate says so and changes nothing.
    void badDateIsRefused()
    {
        d.type(d.main->txtgs, QStringLiteral("450000"));
        QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
        d.type(d.main->txtdob, QStringLiteral("31/02/1953"));
        QCOMPARE(d.main->txtdob->readingHint(), QStringLiteral("Not a date: type it as 07/12/1953"));
        QCOMPARE(d.main->txtdob->accessibleDescription(), d.main->txtdob->readingHint());
        QCOMPARE(d.refusedCalculate(d.main->cmdcalc),
                 QStringList{QStringLiteral("\"Date of Birth\" is not a date. Please type it as 07/12/1953.")});
        d.type(d.main->txtdob, QString());
        QCOMPARE(d.main->txtdob->readingHint(), QString());
    }

    void tooLargeFigureChangesNothing()
    {
        d.type(d.main->txtgs, QStringLiteral("600000"));
        QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
        d.main->txtos->setText(QStringLiteral("1e400"));
        QCOMPARE(d.refusedCalculate(d.main->cmdcalc),
                 QStringList{QStringLiteral("Income from Other Sources holds a figure too large to calculate with. "
                                             "Please check the amounts.")});
        QVERIFY(!d.main->cmdprint->isEnabled());
    }

    // A click asks for the web address; without a browser, one message says so and the fields stay.
    void webLinkWithoutABrowser()
    {
        d.platform.browserAvailable = false;
        d.type(d.main->txtgs, QStringLiteral("1234"));
        QVERIFY(d.main->Label7->text().startsWith(QStringLiteral("Free Download:- ")));
        QTest::mouseClick(d.main->Label7, Qt::LeftButton);
        QCOMPARE(d.platform.openedAddresses.size(), 1);
        QVERIFY(d.main->Label7->text().endsWith(d.platform.openedAddresses.first().toString()));
        QCOMPARE(d.platform.messages, QStringList{QStringLiteral("Unable to start Web browser !")});
        QCOMPARE(d.main->txtgs->text(), QStringLiteral("1234"));
    }

    // Enter on another button presses that button, not Calculate.
    void exitEnterAltXAndCloseBoxEndTheProgram()
    {
        d.main->cmdexit->setFocus(Qt::TabFocusReason);
        QTest::keyClick(d.main->cmdexit, Qt::Key_Return);
        QCOMPARE(d.platform.quitRequests, 1);
        QVERIFY(!d.main->cmdprint->isEnabled());
        QTest::keyClick(d.main.get(), Qt::Key_X, Qt::AltModifier);
        QTRY_COMPARE(d.platform.quitRequests, 2);
        d.main->close();
        QCOMPARE(d.platform.quitRequests, 3);
    }

private:
    WorksheetDriver d;
};

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
