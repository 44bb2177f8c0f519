// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheetdriver.h"
#include "widgets/datefield.h"

#include <QClipboard>
#include <QPainter>

using namespace pelmora;

namespace {

// The width of the dark pixels of an image right of a given column, inside a 3-pixel border.
int inkWidth(const QImage &image, int fromX)
{
    int left = image.width(), right = -1;
    for (int y = 3; y < image.height() - 3; ++y) {
        for (int x = std::max(3, fromX); x < image.width() - 3; ++x) {
            if (qGray(image.pixel(x, y)) < 160) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    }
    return right - left + 1;
}

QImage drawn(QLineEdit *field)
{
    field->deselect();
    return field->grab().toImage();
}

// Whether the field's left edge, where its mark goes, is bare.
bool bareLeftEdge(QLineEdit *field, int markRoom)
{
    const QImage image = drawn(field);
    const QRgb base = field->palette().color(QPalette::Base).rgb();
    for (int y = 3; y < image.height() - 3; ++y)
        for (int x = 3; x < markRoom; ++x)
            if (image.pixel(x, y) != base)
                return false;
    return true;
}

// Whether all of the text is drawn right of the mark's room: its ink is as wide as the same
// text's drawn alone in the field's type. A character hidden under the mark or scrolled out of
// view takes at least a narrow glyph's width off it.
bool whole(QLineEdit *field, int markRoom)
{
    QImage alone(field->size() * 4, QImage::Format_RGB32);
    alone.fill(field->palette().color(QPalette::Base));
    QPainter painter(&alone);
    painter.setFont(field->font());
    painter.setPen(field->palette().color(QPalette::Text));
    painter.drawText(QPoint(10, alone.height() / 2), field->text());
    painter.end();
    return qAbs(inkWidth(drawn(field), markRoom) - inkWidth(alone, 0)) <= 1;
}

} // namespace

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
        // A screen reader hears it too, after how the figure was worked out where it was.
        QCOMPARE(field->accessibleDescription(), mark->toolTip());
        field->explain(QStringLiteral("Typed"));
        QCOMPARE(field->accessibleDescription(), QStringLiteral("Typed. ") + mark->toolTip());
        QCOMPARE(field->toolTip(), QStringLiteral("Typed"));
        field->setReading(Reading::Strict);
        QCOMPARE(field->readingHint(), QString());
        field->setText(QStringLiteral("12abc"));
        QCOMPARE(field->readingHint(), QStringLiteral("Not a number: Calculate will refuse it"));
        field->setText(QStringLiteral("25000"));
        QVERIFY(!mark->isVisible());
    }

    // What is drawn, not only what is set: no mark until the text warns, then one that covers
    // nothing, and every digit of a long figure in any field, however narrow.
    void drawnAsShown_data()
    {
        QTest::addColumn<QString>("calc"); // the Calc. button that opens the field's window
        QTest::addColumn<QString>("field");
        QTest::newRow("main window, amount") << "" << "txttp";
        QTest::newRow("main window, result") << "" << "txtnti";
        QTest::newRow("main window, house property's figure") << "" << "txthp";
        QTest::newRow("main window, date of birth") << "" << "txtdob";
        QTest::newRow("salary statement, pay of a month") << "cmdcalgs" << "txtbp(2)";
        QTest::newRow("salary statement, arrears pay") << "cmdcalgs" << "txtgp(0)";
        QTest::newRow("salary statement, result of a month") << "cmdcalgs" << "txtttl(13)";
        QTest::newRow("salary statement, annual figure") << "cmdcalgs" << "txtoth(2)";
        QTest::newRow("HRA exemption") << "cmdcalhr" << "txtRP";
        QTest::newRow("house property") << "cmdcalhp" << "txtintt";
        QTest::newRow("section 80") << "cmdcalded80" << "txtgpf";
    }
    void drawnAsShown()
    {
        QFETCH(QString, calc);
        QFETCH(QString, field);
        QWidget *window = d.main.get();
        if (!calc.isEmpty()) {
            QTest::mouseClick(d.main->findChild<QPushButton *>(calc), Qt::LeftButton);
            QVERIFY(QTest::qWaitFor([&] { return QApplication::activeWindow() != d.main.get(); }));
            window = QApplication::activeWindow();
        }
        auto *shown = window ? window->findChild<QLineEdit *>(field) : nullptr;
        QVERIFY(shown);
        shown->clearFocus();
        const int markRoom = 26; // a 16-pixel icon, as Qt places it
        QVERIFY(bareLeftEdge(shown, markRoom));

        const bool date = qobject_cast<DateField *>(shown);
        if (auto *entry = qobject_cast<EntryField *>(shown); entry && !entry->isReadOnly()) {
            d.type(entry, date ? QStringLiteral("07/12/19533") : QStringLiteral("12abc"));
            entry->clearFocus();
            QVERIFY(!bareLeftEdge(entry, markRoom));
            QVERIFY(whole(entry, markRoom));
            d.type(entry, QString()); // emptied: "0" for an amount
            entry->clearFocus();
            QVERIFY(bareLeftEdge(entry, markRoom));
        }
        const QStringList texts = date ? QStringList{QStringLiteral("07/12/1953"), QStringLiteral("7.1.1953")}
                                       : QStringList{QStringLiteral("1250000.50"), QStringLiteral("25000.75"),
                                                     QStringLiteral("-12345678901234"), QStringLiteral("123456789012345")};
        for (const QString &figure : texts) {
            shown->setText(figure);
            QVERIFY2(whole(shown, 0), qPrintable(figure));
        }
    }

private:
    WorksheetDriver d;
};

QTEST_MAIN(TestAmountField)
#include "tst_amountfield.moc"
