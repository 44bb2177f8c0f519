// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheetdriver.h"
#include "worksheets/frmreb88.h"

using namespace pelmora;

class TestFrmReb88 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    void openingCopiesThePensionFigure_data()
    {
        QTest::addColumn<QString>("carried");
        QTest::addColumn<QString>("written");

        QTest::newRow("24000 into both fields") << "24000" << "24000";
        QTest::newRow("written as shortest decimal text") << "24000.50" << "24000.5";
    }
    void openingCopiesThePensionFigure()
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
    void tooLargePensionFigureOpensNothing()
    {
        d.main->txtmgc->setText(QStringLiteral("1e400"));
        QVERIFY(!open());
        QCOMPARE(d.platform.messages,
                 QStringList{QStringLiteral("A figure is too large to calculate with. Please check the amounts.")});
    }
    void everyAmountDisablesBackBondsLimitDoesNot()
    {
        frmreb88 *form = open();
        QStringList amounts = d.words("txtgpf txtgis txthba txtlic txtppf txtnsc txtnsci txttf1 txttf2 txtinf txtos "
                                      "txt80ccc txt80ccdec txt80ccdgc txt80ccf txt80d txt80g txtoth");
        // Calculate writes the bonds' limit into their own field; Back stays enabled all the same.
        d.type(form->txt80ccf, QStringLiteral("25000"));
        QTest::mouseClick(form->cmdtot, Qt::LeftButton);
        QCOMPARE(d.texts({form->txt80ccf, form->txtgt80}), d.words("20000 20000"));
        QCOMPARE(d.tabStops(form->txtgpf, 20), amounts + d.words("cmdtot cmdbk")); // Back enabled: a stop
        amounts.sort();
        QCOMPARE(d.fieldsDisabling(form, form->cmdtot, form->cmdbk), amounts);
    }
    void mediclaimKeystroke_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("shownWhile"); // the field's text while the message is open; empty: no message
        QTest::addColumn<QString>("finally");

        QTest::newRow("35000: message at the fifth keystroke") << "35000" << "35000" << "30000";
        QTest::newRow("30000 is the limit itself: no message") << "30000" << "" << "30000";
    }
    void mediclaimKeystroke()
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

private:
    frmreb88 *open() { return d.open(d.main->cmdcalded80, d.main->reb88); }
    WorksheetDriver d;
};

QTEST_MAIN(TestFrmReb88)
#include "tst_frmreb88.moc"
