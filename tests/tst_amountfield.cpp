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

    void changeDisablesCommit_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("typed into an amount") << "typed";
        QTest::newRow("written by the program") << "written";
        QTest::newRow("typed into the name") << "name";
    }
    void changeDisablesCommit()
    {
        QFETCH(QString, how);
        m_host->commits.enable();
        QVERIFY(m_host->commit->isEnabled());
        if (how == QLatin1String("typed")) {
            m_host->first->setFocus();
            QTest::keyClicks(m_host->first, QStringLiteral("7"));
        } else if (how == QLatin1String("written")) {
            m_host->second->setText(QStringLiteral("894226"));
        } else {
            m_host->name->setFocus();
            QTest::keyClicks(m_host->name, QStringLiteral("A"));
        }
        QVERIFY(!m_host->commit->isEnabled());
    }
    void emptiedAmountBecomesZero()
    {
        AmountField *field = m_host->first;
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral("5"));
        m_host->commits.enable();
        QTest::keyClick(field, Qt::Key_End);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("0"));
        QVERIFY(!m_host->commit->isEnabled());
        // The "0" is selected, so the next figure replaces it rather than following it.
        QTest::keyClicks(field, QStringLiteral("7"));
        QCOMPARE(field->text(), QStringLiteral("7"));
    }
    void changeIsSeenBeforeTheZero()
    {
        QStringList seen;
        connect(m_host->first, &EntryField::changed, this, [&] { seen.append(m_host->first->text()); });
        m_host->first->setText(QString());
        QCOMPARE(seen, (QStringList{QString(), QStringLiteral("0")}));
    }
    void blankIsNotEmpty()
    {
        AmountField *field = m_host->first;
        field->setFocus();
        QTest::keyClicks(field, QStringLiteral(" "));
        QCOMPARE(field->text(), QStringLiteral(" "));
    }
    void emptiedNameStaysEmpty()
    {
        NameField *name = m_host->name;
        name->setFocus();
        QTest::keyClicks(name, QStringLiteral("Ravi"));
        m_host->commits.enable();
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Delete);
        QCOMPARE(name->text(), QString());
        QVERIFY(!m_host->commit->isEnabled());
    }
    void focusSelectsWholeText_data()
    {
        QTest::addColumn<Qt::FocusReason>("reason");
        QTest::newRow("by the Tab key") << Qt::TabFocusReason;
        QTest::newRow("by a mouse click") << Qt::MouseFocusReason;
        QTest::newRow("by the program") << Qt::OtherFocusReason;
    }
    void focusSelectsWholeText()
    {
        QFETCH(Qt::FocusReason, reason);
        AmountField *field = m_host->second;
        field->setText(QStringLiteral("24540"));
        m_host->first->setFocus();
        switch (reason) {
        case Qt::TabFocusReason:
            QTest::keyClick(m_host->first, Qt::Key_Tab);
            break;
        case Qt::MouseFocusReason:
            // A click in the middle of the text would normally leave the caret there.
            QTest::mouseClick(field, Qt::LeftButton, {}, field->rect().center());
            break;
        default:
            field->setFocus();
        }
        QVERIFY(field->hasFocus());
        QCOMPARE(field->selectedText(), QStringLiteral("24540"));
        QTest::keyClicks(field, QStringLiteral("3"));
        QCOMPARE(field->text(), QStringLiteral("3"));
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
