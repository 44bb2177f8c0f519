#include "worksheetdriver.h"
#include "worksheets/form4.h"

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>

using namespace pelmora;

class TestForm4 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QVERIFY(d.start());
        form = d.open(d.main->cmdcalhp, d.main->form4);
        QVERIFY(form);
    }
    void cleanup() { d.stop(); }

    void opensRentedOut();
    void workedCaseHandedBack();
    void selfOccupiedZeroesAndDisables();
    void choiceDisablesBack_data();
    void choiceDisablesBack();
    void choicesReachTheInterestLimit_data();
    void choicesReachTheInterestLimit();
    void textThatIsNotANumber();

private:
    // Clicks the option's round button, as the user would.
    void choose(const QString &name)
    {
        auto *option = form->findChild<QRadioButton *>(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        QVERIFY(option->isChecked());
    }
    QStringList results() const { return d.texts({form->txtghi, form->txtrep, form->txttd, form->txtihp}); }
    QList<QWidget *> letHouseControls() const
    {
        return {form->lblrent, form->txtarv, form->lblptax, form->txtptax, form->lblghi,
                form->txtghi,  form->lblrep, form->txtrep,  form->lbloth,  form->txtoth};
    }

    WorksheetDriver d;
    Form4 *form = nullptr;
};

void TestForm4::opensRentedOut()
{
    QCOMPARE(form->windowTitle(), QStringLiteral("Pelmora - Income from House Property"));
    QVERIFY(form->optrent->isChecked());
    QVERIFY(form->opta499->isChecked());
    for (QWidget *control : {static_cast<QWidget *>(form->framintt), static_cast<QWidget *>(form->optb499),
                             static_cast<QWidget *>(form->opta499), static_cast<QWidget *>(form->cmdbk)})
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
    for (QWidget *control : letHouseControls())
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    // The "&" of this caption is an ordinary character, not an access key.
    QCOMPARE(form->lblrep->text(), QStringLiteral("Repairs & Maintainance"));
    QVERIFY(!form->lblrep->buddy());
}

void TestForm4::workedCaseHandedBack()
{
    QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
    d.type(form->txtarv, QStringLiteral("120000"));
    d.type(form->txtptax, QStringLiteral("12000"));
    d.type(form->txtintt, QStringLiteral("200000"));
    QTest::keyClick(form->txtintt, Qt::Key_Return);
    QCOMPARE(results(), d.strings({"108000", "32400", "232400", "-124400"}));
    QVERIFY(form->cmdbk->isEnabled());

    QTest::mouseClick(form->cmdbk, Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(d.main.get()));
    QCOMPARE(d.main->txthp->text(), QStringLiteral("-124400"));
    QVERIFY(d.main->cmdcalded80->hasFocus());
    QVERIFY(!d.main->cmdprint->isEnabled());
}

void TestForm4::selfOccupiedZeroesAndDisables()
{
    for (QLineEdit *field : {form->txtarv, form->txtptax, form->txtintt, form->txtoth})
        d.type(field, QStringLiteral("1000"));
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    const QStringList computed = results();

    choose(QStringLiteral("optso"));
    for (QWidget *control : letHouseControls()) {
        QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        if (auto *field = qobject_cast<QLineEdit *>(control))
            QCOMPARE(field->text(), QStringLiteral("0"));
    }
    QCOMPARE(form->txtintt->text(), QStringLiteral("1000"));
    QCOMPARE(d.texts({form->txttd, form->txtihp}), computed.mid(2));
    QVERIFY(form->framintt->isEnabled() && form->optb499->isEnabled() && form->opta499->isEnabled());

    choose(QStringLiteral("optb499"));
    choose(QStringLiteral("optrent"));
    for (QWidget *control : letHouseControls())
        QVERIFY2(control->isEnabled(), qPrintable(control->objectName()));
    QCOMPARE(form->txtarv->text(), QStringLiteral("0"));
    QVERIFY(!form->framintt->isEnabled() && !form->optb499->isEnabled() && !form->opta499->isEnabled());
    QVERIFY(form->optb499->isChecked()); // the loan date keeps its choice
}

void TestForm4::choiceDisablesBack_data()
{
    QTest::addColumn<QStringList>("before"); // options chosen before Calculate
    QTest::addColumn<QString>("after");      // the option or field changed after it

    QTest::newRow("Self Occupied") << QStringList{} << "optso";
    QTest::newRow("Rented Out again") << d.strings({"optso"}) << "optrent";
    QTest::newRow("Before 1-4-99") << d.strings({"optso"}) << "optb499";
    QTest::newRow("After 1-4-99 again") << d.strings({"optso", "optb499"}) << "opta499";
    QTest::newRow("typing in rental value") << QStringList{} << "txtarv";
    QTest::newRow("typing in property taxes") << QStringList{} << "txtptax";
    QTest::newRow("typing in interest") << QStringList{} << "txtintt";
    QTest::newRow("typing in others") << QStringList{} << "txtoth";
}

void TestForm4::choiceDisablesBack()
{
    QFETCH(QStringList, before);
    QFETCH(QString, after);
    for (const QString &name : before)
        choose(name);
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    QVERIFY(form->cmdbk->isEnabled());

    if (auto *field = form->findChild<QLineEdit *>(after))
        d.type(field, QStringLiteral("5"));
    else
        choose(after);
    QVERIFY(!form->cmdbk->isEnabled());
}

void TestForm4::choicesReachTheInterestLimit_data()
{
    QTest::addColumn<QStringList>("choices");
    QTest::addColumn<QString>("interest");
    QTest::addColumn<QString>("income");

    QTest::newRow("self occupied, loan before 1-4-99: 30000") << d.strings({"optso", "optb499"}) << "45000"
                                                              << "-30000";
    QTest::newRow("self occupied, loan date untouched: 150000") << d.strings({"optso"}) << "150001" << "-150000";
    QTest::newRow("rented out after choosing the early loan: no limit")
        << d.strings({"optso", "optb499", "optrent"}) << "45000" << "-45000";
}

void TestForm4::choicesReachTheInterestLimit()
{
    QFETCH(QStringList, choices);
    QFETCH(QString, interest);
    for (const QString &name : choices)
        choose(name);
    d.type(form->txtintt, interest);
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    QTEST(form->txtihp->text(), "income");
    QCOMPARE(form->txtintt->text(), interest); // the amount as entered stays
}

void TestForm4::textThatIsNotANumber()
{
    d.type(form->txtarv, QStringLiteral("120000"));
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    const QStringList computed = results();

    d.type(form->txtoth, QStringLiteral("12a"));
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    QCOMPARE(d.platform.messages, d.strings({"\"Others\" is not a number. Please enter an amount."}));
    QCOMPARE(results(), computed);
    QCOMPARE(form->txtoth->text(), QStringLiteral("12a"));
    QVERIFY(!form->cmdbk->isEnabled());
}

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
