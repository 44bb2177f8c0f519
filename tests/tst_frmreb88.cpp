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

    // Into both of its fields, as shortest decimal text; nothing else is copied.
    void openingCopiesThePensionFigure()
    {
        frmreb88 *form = open();
        d.type(form->txt80ccdec, QStringLiteral("5000"));
        d.type(form->txt80ccdgc, QStringLiteral("6000"));
        d.type(form->txtgpf, QStringLiteral("7000"));
        QTest::mouseClick(form->cmdtot, Qt::LeftButton);
        d.main->txtmgc->setText(QStringLiteral("24000.50"));
        QCOMPARE(open(), form);
        QCOMPARE(d.texts({form->txt80ccdec, form->txt80ccdgc, form->txtgpf}), d.words("24000.5 24000.5 7000"));
        QVERIFY(!form->cmdbk->isEnabled());
    }
    void tooLargePensionFigureOpensNothing()
    {
        d.main->txtmgc->setText(QStringLiteral("1e400"));
        QVERIFY(!open());
        QCOMPARE(d.platform.messages,
                 QStringList{QStringLiteral("A figure is too large to calculate with. Please check the amounts.")});
    }
    // Calculate writes the bonds' limit into their own field; Back stays enabled all the same.
    void bondsLimitLeavesBackEnabled()
    {
        frmreb88 *form = open();
        d.type(form->txt80ccf, QStringLiteral("25000"));
        QTest::mouseClick(form->cmdtot, Qt::LeftButton);
        QCOMPARE(d.texts({form->txt80ccf, form->txtgt80}), d.words("20000 20000"));
        QVERIFY(form->cmdbk->isEnabled());
    }
    // The message comes at the fifth keystroke, over the figure typed; then the limit stands in
    // its place and the focus moves on to Donations.
    void mediclaimKeystroke()
    {
        frmreb88 *form = open();
        QStringList textsWhileShown;
        d.platform.onMessage = [&](const QString &) { textsWhileShown.append(form->txt80d->text()); };
        d.type(form->txt80d, QStringLiteral("35000"));
        QCOMPARE(textsWhileShown, QStringList{QStringLiteral("35000")});
        QCOMPARE(d.platform.messages, QStringList{QStringLiteral("Deduction for Mediclaim Restricted to Rs.30,000/- only "
                                                                 "(Rs. 15,000/- for self and dependents and Rs. 15,000/- "
                                                                 "for parents")});
        QCOMPARE(form->txt80d->text(), QStringLiteral("30000"));
        QVERIFY(form->txt80g->hasFocus());
    }

private:
    frmreb88 *open() { return d.open(d.main->cmdcalded80, d.main->reb88); }
    WorksheetDriver d;
};

QTEST_MAIN(TestFrmReb88)
#include "tst_frmreb88.moc"
