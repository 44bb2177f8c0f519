#include "app/amountfield.h"
#include "app/frmmain.h"
#include "recordingplatform.h"
#include "worksheets/form4.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

using namespace pelmora;

class TestForm4 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void opensRentedOut();
    void workedCaseHandedBack();
    void selfOccupiedZeroesAndDisables();
    void optionChoiceDisablesBack_data();
    void optionChoiceDisablesBack();
    void changeDisablesBack_data();
    void changeDisablesBack();
    void choicesReachTheInterestLimit_data();
    void choicesReachTheInterestLimit();
    void textThatIsNotANumber_data();
    void textThatIsNotANumber();
    void tabOrder();

private:
    Form4 *open();
    void type(QLineEdit *field, const QString &text);
    void choose(QRadioButton *option);
    QStringList results() const;

    RecordingPlatform m_platform;
    frmmain *m_main = nullptr;
    Form4 *m_form = nullptr;
};

void TestForm4::init()
{
    m_platform = RecordingPlatform();
    m_main = new frmmain(m_platform);
    m_main->show();
    QApplication::setActiveWindow(m_main);
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    m_form = open();
}

void TestForm4::cleanup()
{
    delete m_main;
    m_main = nullptr;
}

Form4 *TestForm4::open()
{
    QTest::mouseClick(m_main->cmdcalhp, Qt::LeftButton);
    Form4 *form = m_main->form4.window();
    if (!QTest::qWaitForWindowActive(form))
        qWarning("the house property worksheet did not become active");
    return form;
}

void TestForm4::type(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, text);
}

// Clicks the option's round button, as the user would.
void TestForm4::choose(QRadioButton *option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
    QVERIFY(option->isChecked());
}

QStringList TestForm4::results() const
{
    return {m_form->txtghi->text(), m_form->txtrep->text(), m_form->txttd->text(), m_form->txtihp->text()};
}

void TestForm4::opensRentedOut()
{
    QVERIFY(m_form->isVisible());
    QCOMPARE(m_form->windowTitle(), QStringLiteral("Pelmora - Income from House Property"));
    QVERIFY(m_form->optrent->isChecked());
    QVERIFY(m_form->opta499->isChecked());
    for (QWidget *control : {static_cast<QWidget *>(m_form->framintt), static_cast<QWidget *>(m_form->optb499),
                             static_cast<QWidget *>(m_form->opta499), static_cast<QWidget *>(m_form->cmdbk)})
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    for (QLineEdit *field : m_form->findChildren<QLineEdit *>()) {
        QVERIFY2(field->isEnabled(), qPrintable(field->objectName()));
        QCOMPARE(field->text(), QStringLiteral("0"));
    }
    // The "&" of this caption is an ordinary character, not an access key.
    QCOMPARE(m_form->lblrep->text(), QStringLiteral("Repairs & Maintainance"));
    QVERIFY(!m_form->lblrep->buddy());
    QCOMPARE(m_main->txthp->text(), QStringLiteral("0"));
}

void TestForm4::workedCaseHandedBack()
{
    QTest::mouseClick(m_main->cmdcalc, Qt::LeftButton);
    QVERIFY(m_main->cmdprint->isEnabled());
    open();

    type(m_form->txtarv, QStringLiteral("120000"));
    type(m_form->txtptax, QStringLiteral("12000"));
    type(m_form->txtintt, QStringLiteral("200000"));
    QTest::keyClick(m_form->txtintt, Qt::Key_Return);
    QCOMPARE(results(), (QStringList{QStringLiteral("108000"), QStringLiteral("32400"), QStringLiteral("232400"),
                                     QStringLiteral("-124400")}));
    QVERIFY(m_form->cmdbk->isEnabled());

    QTest::mouseClick(m_form->cmdbk, Qt::LeftButton);
    QVERIFY(!m_form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    QCOMPARE(m_main->txthp->text(), QStringLiteral("-124400"));
    QVERIFY(m_main->cmdcalded80->hasFocus());
    QVERIFY(!m_main->cmdprint->isEnabled());
    QVERIFY(m_platform.messages.isEmpty());
}

void TestForm4::selfOccupiedZeroesAndDisables()
{
    type(m_form->txtarv, QStringLiteral("120000"));
    type(m_form->txtptax, QStringLiteral("12000"));
    type(m_form->txtintt, QStringLiteral("200000"));
    type(m_form->txtoth, QStringLiteral("500"));
    QTest::mouseClick(m_form->cmdtot, Qt::LeftButton);
    const QString totalDeductions = m_form->txttd->text();
    const QString income = m_form->txtihp->text();

    choose(m_form->optso);
    const QList<QWidget *> letHouse{m_form->lblrent, m_form->txtarv, m_form->lblptax, m_form->txtptax, m_form->lblghi,
                                    m_form->txtghi,  m_form->lblrep, m_form->txtrep,  m_form->lbloth,  m_form->txtoth};
    for (QWidget *control : letHouse) {
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        if (auto *field = qobject_cast<QLineEdit *>(control))
            QCOMPARE(field->text(), QStringLiteral("0"));
    }
    QCOMPARE(m_form->txtintt->text(), QStringLiteral("200000"));
    QCOMPARE(m_form->txttd->text(), totalDeductions);
    QCOMPARE(m_form->txtihp->text(), income);
    QVERIFY(m_form->framintt->isEnabled());
    QVERIFY(m_form->optb499->isEnabled());
    QVERIFY(m_form->opta499->isEnabled());

    choose(m_form->optb499);
    choose(m_form->optrent);
    for (QWidget *control : letHouse) {
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
        if (auto *field = qobject_cast<QLineEdit *>(control))
            QCOMPARE(field->text(), QStringLiteral("0"));
    }
    QVERIFY(!m_form->framintt->isEnabled());
    QVERIFY(!m_form->optb499->isEnabled());
    QVERIFY(!m_form->opta499->isEnabled());
    QVERIFY(m_form->optb499->isChecked()); // the loan date keeps its choice
}

void TestForm4::optionChoiceDisablesBack_data()
{
    QTest::addColumn<QStringList>("before"); // options chosen before Calculate
    QTest::addColumn<QString>("after");      // the option chosen after it

    QTest::newRow("Self Occupied") << QStringList{} << "optso";
    QTest::newRow("Rented Out again") << QStringList{QStringLiteral("optso")} << "optrent";
    QTest::newRow("Before 1-4-99") << QStringList{QStringLiteral("optso")} << "optb499";
    QTest::newRow("After 1-4-99 again") << QStringList{QStringLiteral("optso"), QStringLiteral("optb499")}
                                        << "opta499";
}

void TestForm4::optionChoiceDisablesBack()
{
    QFETCH(QStringList, before);
    QFETCH(QString, after);
    for (const QString &name : before)
        choose(m_form->findChild<QRadioButton *>(name));
    QTest::mouseClick(m_form->cmdtot, Qt::LeftButton);
    QVERIFY(m_form->cmdbk->isEnabled());

    choose(m_form->findChild<QRadioButton *>(after));
    QVERIFY(!m_form->cmdbk->isEnabled());
}

void TestForm4::changeDisablesBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("empty"); // empty the field instead of typing in it

    QTest::newRow("typing in rental value") << "txtarv" << false;
    QTest::newRow("typing in property taxes") << "txtptax" << false;
    QTest::newRow("typing in interest") << "txtintt" << false;
    QTest::newRow("typing in others") << "txtoth" << false;
    QTest::newRow("emptied interest becomes 0") << "txtintt" << true;
}

void TestForm4::changeDisablesBack()
{
    QFETCH(QString, name);
    QFETCH(bool, empty);
    auto *field = m_form->findChild<QLineEdit *>(name);
    type(field, QStringLiteral("25"));
    QTest::mouseClick(m_form->cmdtot, Qt::LeftButton);
    QVERIFY(m_form->cmdbk->isEnabled());

    if (empty) {
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("0"));
    } else {
        QTest::keyClicks(field, QStringLiteral("5"));
        QCOMPARE(field->text(), QStringLiteral("255"));
    }
    QVERIFY(!m_form->cmdbk->isEnabled());
}

void TestForm4::choicesReachTheInterestLimit_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("interest");
    QTest::addColumn<QString>("income");

    QTest::newRow("self occupied, loan before 1-4-99: 30000")
        << QStringList{QStringLiteral("optso"), QStringLiteral("optb499")} << "45000" << "-30000";
    QTest::newRow("self occupied, loan date untouched: 150000")
        << QStringList{QStringLiteral("optso")} << "150001" << "-150000";
    QTest::newRow("rented out after choosing the early loan: no limit")
        << QStringList{QStringLiteral("optso"), QStringLiteral("optb499"), QStringLiteral("optrent")} << "45000"
        << "-45000";
}

void TestForm4::choicesReachTheInterestLimit()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, interest);
    for (const QString &name : choices)
        choose(m_form->findChild<QRadioButton *>(name));
    type(m_form->txtintt, interest);
    QTest::mouseClick(m_form->cmdtot, Qt::LeftButton);
    QTEST(m_form->txtihp->text(), "income");
    QCOMPARE(m_form->txtintt->text(), interest); // the amount as entered stays
}

void TestForm4::textThatIsNotANumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("12a in rental value") << "txtarv" << "12a"
                                         << "\"Annual Rental Value\" is not a number. Please enter an amount.";
    QTest::newRow("lone minus in others") << "txtoth" << "-" << "\"Others\" is not a number. Please enter an amount.";
    QTest::newRow("1e400 in interest") << "txtintt" << "1e400"
                                       << "A figure is too large to calculate with. Please check the amounts.";
}

void TestForm4::textThatIsNotANumber()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    type(m_form->txtarv, QStringLiteral("120000"));
    QTest::mouseClick(m_form->cmdtot, Qt::LeftButton);
    const QStringList computed = results();

    type(m_form->findChild<QLineEdit *>(name), typed);
    QTest::mouseClick(m_form->cmdtot, Qt::LeftButton);
    QTEST(m_platform.messages.value(0), "message");
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(results(), computed);
    QCOMPARE(m_form->findChild<QLineEdit *>(name)->text(), typed);
    QVERIFY(!m_form->cmdbk->isEnabled());
}

void TestForm4::tabOrder()
{
    QTest::mouseClick(m_form->cmdtot, Qt::LeftButton);
    m_form->txtarv->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 5; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{QStringLiteral("txtarv"), QStringLiteral("txtptax"), QStringLiteral("txtintt"),
                                   QStringLiteral("txtoth"), QStringLiteral("cmdtot"), QStringLiteral("cmdbk")}));
}

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
