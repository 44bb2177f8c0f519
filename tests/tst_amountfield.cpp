// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheetdriver.h"

#include <QClipboard>

using namespace pelmora;

// Every entry field's behaviour, tried on the main window's fields with Print as commit button.
class TestAmountField : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    // A change disables the commit button; an emptied amount becomes a selected "0", a name stays empty.
    void emptiedAmountBecomesZeroAndAClickSelects()
    {
        AmountField *field = d.main->txtgs;
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("5"));
        d.main->cmdcalc->click();
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("0"));
        QVERIFY(!d.main->cmdprint->isEnabled());
        QTest::keyClicks(field, QStringLiteral("7"));
        QCOMPARE(field->text(), QStringLiteral("7"));
        field->setText(QStringLiteral(" "));
        QCOMPARE(field->text(), QStringLiteral(" "));
        d.main->txtname->setText(QStringLiteral("Ravi"));
        d.main->txtname->setText(QString());
        QCOMPARE(d.main->txtname->text(), QString());

        // A click selects the whole text too (as Tab and the program's focus do, which the windows'
        // tests show), where a click in the middle would normally leave the caret there.
        d.main->txttp->setText(QStringLiteral("24540"));
        QTest::mouseClick(d.main->txttp, Qt::LeftButton, {}, d.main->txttp->rect().center());
        QVERIFY(d.main->txttp->hasFocus());
        QCOMPARE(d.main->txttp->selectedText(), QStringLiteral("24540"));
    }
    void typingLimitKeepsTheFirstCharactersTypedOrPasted()
    {
        AmountField *field = d.main->txtgs;
        field->setTypingLimit(10);
        d.main->txttp->setFocus();
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("123456789012"));
        QCOMPARE(field->text(), QStringLiteral("1234567890"));

        // Over a selection in the middle, the paste keeps as much of its beginning as fits.
        QGuiApplication::clipboard()->setText(QStringLiteral("abcdefgh"));
        field->setSelection(2, 3);
        field->paste();
        QCOMPARE(field->text(), QStringLiteral("12abc67890"));
        QSignalSpy changed(field, &EntryField::changed);
        QTest::keyClick(field, Qt::Key_9);
        QCOMPARE(changed.count(), 0);

        // A longer figure the program writes arrives whole, and may still be shortened.
        field->setText(QStringLiteral("1.23456789012346E+15"));
        QCOMPARE(field->text(), QStringLiteral("1.23456789012346E+15"));
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("1.23456789012346E+1"));
    }

    // The mark inside the left edge follows every change and says how the text reads.
    void readingMarkFollowsTheText()
    {
        AmountField *field = d.main->txtgs;
        const QAction *mark = field->actions().value(0);
        QVERIFY(mark && !mark->isVisible());
        d.type(field, QStringLiteral("25,000"));
        QCOMPARE(field->text(), QStringLiteral("25,000"));
        QVERIFY(mark->isVisible());
        QCOMPARE(mark->toolTip(), QStringLiteral("Read as 25: a comma ends the figure here. Type 25000."));
        field->setReading(Reading::Strict);
        QCOMPARE(field->readingHint(), QString());
        field->setText(QStringLiteral("12abc"));
        QCOMPARE(field->readingHint(), QStringLiteral("Not a number: Calculate will refuse it"));
        field->setText(QStringLiteral("25000"));
        QVERIFY(!mark->isVisible());
    }

private:
    WorksheetDriver d;
};

QTEST_MAIN(TestAmountField)
#include "tst_amountfield.moc"
