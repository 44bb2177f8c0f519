// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/amountfield.h"
#include "app/commitbuttons.h"

#include <QClipboard>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QVBoxLayout>

using namespace pelmora;

// A window with two amount fields, a name field and a commit button, as every window has.
class FieldHost : public QWidget
{
public:
    FieldHost()
    {
        auto *layout = new QVBoxLayout(this);
        for (QWidget *widget : std::initializer_list<QWidget *>{first, second, name, commit})
            layout->addWidget(widget);
        commits.add(commit);
        commits.watch({first, second, name});
    }

    AmountField *first = new AmountField;
    AmountField *second = new AmountField;
    NameField *name = new NameField;
    QPushButton *commit = new QPushButton(QStringLiteral("&Print"));
    CommitButtons commits;
};

class TestAmountField : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        m_host = std::make_unique<FieldHost>();
        m_host->show();
        QApplication::setActiveWindow(m_host.get());
        QVERIFY(QTest::qWaitForWindowActive(m_host.get()));
    }
    void cleanup() { m_host.reset(); }

    // A change disables the commit button (which fields do is each window's test); an emptied
    // amount becomes a selected "0", a blank is no empty text, and an emptied name stays empty.
    void emptiedAmountBecomesZero()
    {
        AmountField *field = m_host->first;
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("5"));
        m_host->commits.enable();
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("0"));
        QVERIFY(!m_host->commit->isEnabled());
        QTest::keyClicks(field, QStringLiteral("7"));
        QCOMPARE(field->text(), QStringLiteral("7"));
        field->setText(QStringLiteral(" "));
        QCOMPARE(field->text(), QStringLiteral(" "));
        m_host->name->setText(QStringLiteral("Ravi"));
        m_host->name->setText(QString());
        QCOMPARE(m_host->name->text(), QString());
    }
    // Tab and the program's focus select it too, as every window test and the desktop test show.
    void clickSelectsWholeText()
    {
        AmountField *field = m_host->second;
        field->setText(QStringLiteral("24540"));
        m_host->first->setFocus();
        // A click in the middle of the text would normally leave the caret there.
        QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
        QVERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), QStringLiteral("24540"));
    }
    void typingLimitKeepsTheFirstCharactersTypedOrPasted()
    {
        AmountField *field = m_host->first;
        field->setTypingLimit(10);
        m_host->second->setFocus();
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

private:
    std::unique_ptr<FieldHost> m_host;
};

QTEST_MAIN(TestAmountField)
#include "tst_amountfield.moc"
