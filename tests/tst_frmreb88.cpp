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
    void everyAmountDisablesBackBondsLimitDoesNot();
    void mediclaimKeystroke_data();
    void mediclaimKeystroke();

private:
    frmreb88 *open() { return d.open(d.main->cmdcalded80, d.main->reb88); }
    // In their Tab order.
    QList<AmountField *> amounts(frmreb88 *form) const
    {
        return {form->txtgpf,     form->txtgis,      form->txthba,   form->txtlic,  form->txtppf, form->txtnsc,
                form->txtnsci,    form->txttf1,      form->txttf2,   form->txtinf,  form->txtos,  form->txt80ccc,
                form->txt80ccdec, form->txt80ccdgc,  form->txt80ccf, form->txt80d,  form->txt80g, form->txtoth};
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
    QFETCH(QString, written);
    frmreb88 *form = open();
    QCOMPARE(form->windowTitle(), QStringLiteral("Pelmora - Deductions Under Section 80"));
    d.type(form->txt80ccdec, QStringLiteral("5000"));
    d.type(form->txt80ccdgc, QStringLiteral("6000"));
    d.type(form->txtgpf, QStringLiteral("7000"));
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);

    d.main->txtmgc->setText(carried);
    QCOMPARE(open(), form);
    // Nothing else is copied.
    QCOMPARE(d.texts({form->txt80ccdec, form->txt80ccdgc, form->txtgpf}), (QStringList{written, written, QStringLiteral("7000")}));
    QVERIFY(!form->cmdbk->isEnabled());
}

void TestFrmReb88::tooLargePensionFigureOpensNothing()
{
    d.main->txtmgc->setText(QStringLiteral("1e400"));
    QVERIFY(!open());
    QCOMPARE(d.platform.messages,
             QStringList{QStringLiteral("A figure is too large to calculate with. Please check the amounts.")});
}

void TestFrmReb88::everyAmountDisablesBackBondsLimitDoesNot()
{
    frmreb88 *form = open();
    for (AmountField *field : amounts(form)) {
        QTest::mouseClick(form->cmdtot, Qt::LeftButton);
        QVERIFY(form->cmdbk->isEnabled());
        d.type(field, QString());
        QCOMPARE(field->text(), QStringLiteral("0"));
        QVERIFY2(!form->cmdbk->isEnabled(), qPrintable(field->objectName()));
    }

    // Calculate writes the bonds' limit into their own field; Back stays enabled all the same.
    d.type(form->txt80ccf, QStringLiteral("25000"));
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    QCOMPARE(d.texts({form->txt80ccf, form->txtgt80}), d.words("20000 20000"));
    QVERIFY(form->cmdbk->isEnabled());

    QStringList tabStops;
    for (AmountField *field : amounts(form))
        tabStops.append(field->objectName());
    QCOMPARE(d.tabStops(form->txtgpf, 20), tabStops + d.words("cmdtot cmdbk"));
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
    QCOMPARE(textsWhileShown, shownWhile.isEmpty() ? QStringList{} : QStringList{shownWhile});
    QCOMPARE(d.platform.messages,
             shownWhile.isEmpty() ? QStringList{}
                                  : QStringList{QStringLiteral("Deduction for Mediclaim Restricted to Rs.30,000/- only "
                                                               "(Rs. 15,000/- for self and dependents and Rs. 15,000/- "
                                                               "for parents")});
    QVERIFY((shownWhile.isEmpty() ? form->txt80d : form->txt80g)->hasFocus()); // on to Donations after it
    QTEST(form->txt80d->text(), "finally");
}

QTEST_MAIN(TestFrmReb88)
#include "tst_frmreb88.moc"
