#include "worksheetdriver.h"
#include "worksheets/frmreb88.h"

using namespace pelmora;

class TestFrmReb88 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    void openingCopiesThePensionFigure_data();
    void openingCopiesThePensionFigure();
    void tooLargePensionFigureOpensNothing();
    void workedGrandTotalHandedBack();
    void bondsLimitLeavesBackEnabled();
    void everyAmountDisablesBack();
    void mediclaimKeystroke_data();
    void mediclaimKeystroke();
    void tabOrder();

private:
    frmreb88 *open() { return d.open(d.main->cmdcalded80, d.main->reb88); }
    QList<AmountField *> amounts(frmreb88 *form) const
    {
        return {form->txtgpf,   form->txtgis,     form->txthba,     form->txtlic,   form->txtppf, form->txtnsc,
                form->txtnsci,  form->txttf1,     form->txttf2,     form->txtinf,   form->txtos,  form->txt80ccc,
                form->txt80ccdec, form->txt80ccdgc, form->txt80ccf, form->txt80d,   form->txt80g, form->txtoth};
    }

    WorksheetDriver d;
};

void TestFrmReb88::openingCopiesThePensionFigure_data()
{
    QTest::addColumn<QString>("carried");
    QTest::addColumn<QString>("written");

    QTest::newRow("24000 into both fields") << "24000" << "24000";
    QTest::newRow("written as shortest decimal text") << "24000.50" << "24000.5";
}

void TestFrmReb88::openingCopiesThePensionFigure()
{
    QFETCH(QString, carried);
    frmreb88 *form = open();
    QCOMPARE(form->windowTitle(), QStringLiteral("Pelmora - Deductions Under Section 80"));
    d.type(form->txt80ccdec, QStringLiteral("5000"));
    d.type(form->txt80ccdgc, QStringLiteral("6000"));
    d.type(form->txtgpf, QStringLiteral("7000"));
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);

    d.main->txtmgc->setText(carried);
    QCOMPARE(open(), form);
    QTEST(form->txt80ccdec->text(), "written");
    QTEST(form->txt80ccdgc->text(), "written");
    QCOMPARE(form->txtgpf->text(), QStringLiteral("7000")); // nothing else is copied
    QVERIFY(!form->cmdbk->isEnabled());
}

void TestFrmReb88::tooLargePensionFigureOpensNothing()
{
    d.main->txtmgc->setText(QStringLiteral("1e400"));
    QVERIFY(!open());
    QCOMPARE(d.platform.messages, d.strings({"A figure is too large to calculate with. Please check the amounts."}));
}

void TestFrmReb88::workedGrandTotalHandedBack()
{
    d.main->txtmgc->setText(QStringLiteral("10000"));
    frmreb88 *form = open();
    d.type(form->txtgpf, QStringLiteral("100000"));
    d.type(form->txt80ccf, QStringLiteral("20000"));
    d.type(form->txt80d, QStringLiteral("30000"));
    d.type(form->txt80g, QStringLiteral("5000"));
    QTest::keyClick(form->txt80g, Qt::Key_Return);
    QCOMPARE(d.texts({form->txt80c, form->txttot1, form->txtgt80}), d.strings({"100000", "110000", "165000"}));
    QVERIFY(form->cmdbk->isEnabled());

    QTest::mouseClick(form->cmdbk, Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(d.main.get()));
    QCOMPARE(d.main->txtded80->text(), QStringLiteral("165000"));
    QVERIFY(d.main->txtrel89->hasFocus());
    QVERIFY(d.platform.messages.isEmpty());
}

void TestFrmReb88::bondsLimitLeavesBackEnabled()
{
    frmreb88 *form = open();
    d.type(form->txt80ccf, QStringLiteral("25000"));
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    QCOMPARE(d.texts({form->txt80ccf, form->txtgt80}), d.strings({"20000", "20000"}));
    QVERIFY(form->cmdbk->isEnabled());
}

void TestFrmReb88::everyAmountDisablesBack()
{
    frmreb88 *form = open();
    for (AmountField *field : amounts(form)) {
        QTest::mouseClick(form->cmdtot, Qt::LeftButton);
        QVERIFY(form->cmdbk->isEnabled());
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key_Backspace);
        QCOMPARE(field->text(), QStringLiteral("0"));
        QVERIFY2(!form->cmdbk->isEnabled(), qPrintable(field->objectName()));
    }
}

void TestFrmReb88::mediclaimKeystroke_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownWhile"); // the field's text while the message is open; empty: no message
    QTest::addColumn<QString>("finally");

    QTest::newRow("35000: message at the fifth keystroke") << "35000" << "35000" << "30000";
    QTest::newRow("30000 is the limit itself: no message") << "30000" << "" << "30000";
    QTest::newRow("31,000 read whole: message at the last keystroke") << "31,000" << "31,000" << "30000";
    QTest::newRow("lone minus is not a number: no message") << "-" << "" << "-";
    QTest::newRow("letters are not a number: no message") << "abc" << "" << "abc";
}

void TestFrmReb88::mediclaimKeystroke()
{
    QFETCH(QString, typed);
    QFETCH(QString, shownWhile);
    frmreb88 *form = open();
    QStringList textsWhileShown;
    d.platform.onMessage = [&](const QString &) { textsWhileShown.append(form->txt80d->text()); };

    d.type(form->txt80d, typed);
    if (shownWhile.isEmpty()) {
        QVERIFY(d.platform.messages.isEmpty());
        QVERIFY(form->txt80d->hasFocus());
    } else {
        QCOMPARE(d.platform.messages,
                 QStringList{QStringLiteral("Deduction for Mediclaim Restricted to Rs.30,000/- only (Rs. 15,000/- for "
                                            "self and dependents and Rs. 15,000/- for parents")});
        QCOMPARE(textsWhileShown, QStringList{shownWhile});
        QVERIFY(form->txt80g->hasFocus());
    }
    QTEST(form->txt80d->text(), "finally");
}

void TestFrmReb88::tabOrder()
{
    frmreb88 *form = open();
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    QStringList expected;
    for (AmountField *field : amounts(form))
        expected.append(field->objectName());
    expected << QStringLiteral("cmdtot") << QStringLiteral("cmdbk");
    QCOMPARE(d.tabStops(form->txtgpf, 20), expected);
}

QTEST_MAIN(TestFrmReb88)
#include "tst_frmreb88.moc"
