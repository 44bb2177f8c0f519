// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The three worksheets that Back hides, driven through the main window: what they share as a
// table, then what each has of its own.

#include "worksheetdriver.h"
#include "worksheets/form2.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"
#include "worksheets/frmrel89.h"

#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QRadioButton>

using namespace pelmora;
using namespace Qt::StringLiterals;

class TestWorksheets : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    void lifecycle_data()
    {
        QTest::addColumn<QString>("calcButton");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QStringList>("typed"); // "name:text"; Enter in the last field
        QTest::addColumn<QStringList>("results"); // "name:text"
        QTest::addColumn<QStringList>("names"); // Calculate, Back, the main window's field it writes, the next focus
        QTest::addColumn<QString>("handedBack");
        QTest::addColumn<QStringList>("disabling"); // the fields whose change disables Back
        QTest::addColumn<QString>("refused"); // "name:text:caption" of a text Calculate refuses
        QTest::addColumn<QString>("working"); // "name:text" of a result field's working

        QTest::newRow("HRA exemption") << "cmdcalhr" << "Pelmora - HRA Exemption" << d.words("txtRP:20000")
                                       << d.words("txtns:12345 txthrx:18766") << d.words("cmdcal cmdback txthra txtos")
                                       << "18766" << d.words("txtRP txtbp txtda txthra txtnpa") << "txtnpa:-:Grade Pay"
                                       << "txtns:Basic pay 10000 + dearness allowance 0 + grade pay 2345 = 12345";
        QTest::newRow("house property") << "cmdcalhp" << "Pelmora - Income from House Property"
                                        << d.words("txtarv:120000 txtptax:12000 txtintt:200000")
                                        << d.words("txtghi:108000 txtrep:32400 txttd:232400 txtihp:-124400")
                                        << d.words("cmdtot cmdbk txthp cmdcalded80") << "-124400"
                                        << d.words("txtarv txtintt txtoth txtptax") << "txtoth:12a:Others"
                                        << "txtihp:Gross income 108000 − deductions 232400 = -124400";
        QTest::newRow("section 80") << "cmdcalded80" << "Pelmora - Deductions Under Section 80"
                                    << d.words("txtgpf:100000 txt80ccf:20000 txt80d:30000 txt80g:5000")
                                    << d.words("txt80c:100000 txttot1:110000 txtgt80:165000")
                                    << d.words("cmdtot cmdbk txtded80 txtrel89") << "165000"
                                    << d.words("txt80ccc txt80ccdec txt80ccdgc txt80ccf txt80d txt80g txtgis txtgpf "
                                               "txthba txtinf txtlic txtnsc txtnsci txtos txtoth txtppf txttf1 txttf2")
                                    << "" // every field is read leniently
                                    << "txt80c:80C items GPF 100000 = 100000 (the other 80C items are 0)";
        QTest::newRow("relief u/s 89(1)")
            << "cmdcalrel89" << "Pelmora - Relief u/s 89(1)" << d.words("txtinc(4):410000 txtarr(4):60000 txtitem3:560000")
            << d.words("txtitem1:500000 txtitem2:60000 txtitem4:43260 txtitem5:28840 txtitem6:14420 txtitem7:12360 "
                       "txtitem8:2060 txtdif(4):12360 txtdif(3):0")
            << d.words("cmdcalc cmdbk txtrel89 txtdedtax") << "2060"
            << d.words("txtarr(0) txtarr(1) txtarr(2) txtarr(3) txtarr(4) txtarr(5) txtarr(6) txtarr(7) txtinc(0) "
                       "txtinc(1) txtinc(2) txtinc(3) txtinc(4) txtinc(5) txtinc(6) txtinc(7) txtitem3")
            << "" << "txtitem6:Item 4 43260 − item 5 28840 = 14420";
    }

    // Opening copies the salary statement's arrears into 2012-13 and the net taxable income into
    // item 3, each time; the other arrears of the salary statement are shown, not placed.
    void reliefOpensWithTheMainWindowsFigures()
    {
        d.main->txtarr->setText(u"5466"_s);
        d.main->txtnti->setText(u"556770"_s);
        frmrel89 *relief = d.open(d.main->cmdcalrel89, d.main->rel89);
        QVERIFY(relief);
        QCOMPARE(d.texts({relief->txtarr[0], relief->txtitem3}), d.words("5466 556770"));
        QVERIFY(relief->txtinc[0]->hasFocus());
        QVERIFY(relief->lblother->text().isEmpty());
        relief->txtarr[1]->setText(u"700"_s);
        relief->hide();
        d.main->txtnti->setText(u"600000"_s);
        QCOMPARE(d.open(d.main->cmdcalrel89, d.main->rel89), relief);
        QCOMPARE(d.texts({relief->txtarr[0], relief->txtarr[1], relief->txtitem3}), d.words("5466 700 600000"));
        relief->txtitem3->setText(u"1000"_s);
        QCOMPARE(d.refusedCalculate(relief->cmdcalc),
                 QStringList{u"The arrears are more than the total income. Please check the figures."_s});
    }
    void lifecycle()
    {
        QFETCH(QString, calcButton);
        QFETCH(QString, title);
        QFETCH(QStringList, typed);
        QFETCH(QStringList, results);
        QFETCH(QStringList, names);
        QFETCH(QString, handedBack);
        QFETCH(QString, refused);
        carry();
        QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
        QVERIFY(d.main->cmdprint->isEnabled());
        auto *target = d.main->findChild<QLineEdit *>(names[2]);

        QPointer<QWidget> worksheet = open(calcButton, title);
        QVERIFY(worksheet);
        const auto field = [&](const QString &edit) { return worksheet->findChild<QLineEdit *>(edit.section(u':', 0, 0)); };
        const auto click = [&](const QString &name) { QTest::mouseClick(worksheet->findChild<QPushButton *>(name), Qt::LeftButton); };
        for (const QString &edit : typed)
            d.type(field(edit), edit.section(u':', 1));
        QTest::keyClick(field(typed.last()), Qt::Key_Return);
        for (const QString &result : results)
            QCOMPARE(field(result)->text(), result.section(u':', 1));
        QFETCH(QString, working);
        QCOMPARE(d.workings(worksheet).value(working.section(u':', 0, 0)), working.section(u':', 1));

        click(names[1]);
        QVERIFY(!worksheet->isVisible());
        QVERIFY(QTest::qWaitForWindowActive(d.main.get()));
        QCOMPARE(target->text(), handedBack);
        QVERIFY(d.main->findChild<QWidget *>(names[3])->hasFocus());
        QVERIFY(!d.main->cmdprint->isEnabled());
        QVERIFY(d.platform.messages.isEmpty());

        QLineEdit *amount = field(typed.first());
        QCOMPARE(open(calcButton, title), worksheet.data());
        QCOMPARE(amount->text(), typed.first().section(u':', 1));
        QTest::keyClick(amount, Qt::Key_Escape);
        QTest::keyClick(worksheet, Qt::Key_Escape);
        QVERIFY(worksheet->isVisible());

        d.type(amount, QStringLiteral("5"));
        click(names[0]);
        QVERIFY(worksheet->close());
        QTRY_VERIFY(worksheet.isNull());
        QCOMPARE(target->text(), handedBack);

        d.main->txtnti->setText(u"1000000"_s); // the relief's item 3: room for the arrears typed below
        QWidget *fresh = open(calcButton, title);
        QVERIFY(fresh);
        QCOMPARE(fresh->findChild<QLineEdit *>(typed.first().section(u':', 0, 0))->text(), QStringLiteral("0"));
        auto *calculate = fresh->findChild<QPushButton *>(names[0]), *back = fresh->findChild<QPushButton *>(names[1]);
        QVERIFY(!back->isEnabled());
        QTEST(d.fieldsDisabling(fresh, calculate, back), "disabling");
        if (!refused.isEmpty()) {
            d.type(fresh->findChild<QLineEdit *>(refused.section(u':', 0, 0)), refused.section(u':', 1, 1));
            QCOMPARE(d.refusedCalculate(calculate),
                     QStringList{u"\"%1\" is not a number. Please enter an amount."_s.arg(refused.section(u':', 2))});
            QVERIFY(!back->isEnabled());
        }
    }

    // Typing is held to 10 characters; every opening overwrites the pay with the salary statement's
    // totals, longer than that.
    void hraTypingLimitAndPayFilledIn()
    {
        Form2 *form = openHra();
        for (EntryField *amount : {form->txtbp, form->txtnpa, form->txtda, form->txthra, form->txtRP}) {
            d.type(amount, QStringLiteral("123456789012"));
            QCOMPARE(amount->text(), QStringLiteral("1234567890"));
        }
        QTest::mouseClick(form->cmdcal, Qt::LeftButton);
        QCOMPARE(openHra("12345678901.5 180000 60000 54000"), form);
        QCOMPARE(d.texts({form->txtbp, form->txtnpa, form->txtda, form->txthra}),
                 d.words("12345678901.5 54000 180000 60000"));
        QVERIFY(!form->cmdback->isEnabled());
    }

    // A carrier the worksheet cannot read opens nothing, and says why.
    void unreadableCarrierOpensNothing()
    {
        QVERIFY(!openHra("0 0 12a 0"));
        d.main->txtmgc->setText(QStringLiteral("1e400"));
        QVERIFY(!openSection80());
        QCOMPARE(d.platform.messages, (QStringList{u"\"HRA Received\" is not a number. Please enter an amount."_s,
                                                   u"MGC, total holds a figure too large to calculate with. Please check the amounts."_s}));
    }

    // Self Occupied zeroes and disables the let house's fields; Rented Out keeps the loan date.
    void houseOptionGroupsEnableAndZero()
    {
        QVERIFY(openHouse());
        const QList<bool> rentedOut = QList<bool>(10, true) + QList<bool>(3, false);
        const QList<bool> selfOccupied = QList<bool>(10, false) + QList<bool>(3, true);
        QVERIFY(house->optrent->isChecked() && house->opta499->isChecked());
        QCOMPARE(enabled(), rentedOut);
        for (QLineEdit *field : {house->txtarv, house->txtptax, house->txtintt, house->txtoth})
            d.type(field, QStringLiteral("1000"));
        QTest::mouseClick(house->cmdtot, Qt::LeftButton);
        const QStringList computed = d.texts({house->txtintt, house->txttd, house->txtihp});
        choose(QStringLiteral("optso"));
        QCOMPARE(enabled(), selfOccupied);
        QCOMPARE(d.texts({house->txtarv, house->txtptax, house->txtghi, house->txtrep, house->txtoth}),
                 d.words("0 0 0 0 0"));
        QCOMPARE(d.texts({house->txtintt, house->txttd, house->txtihp}), computed);
        choose(QStringLiteral("optb499 optrent"));
        QCOMPARE(enabled(), rentedOut);
        QVERIFY(house->optb499->isChecked());
    }
    void houseChoicesReachTheRulesAndDisableBack_data()
    {
        QTest::addColumn<QString>("choices"); // before Calculate, with the interest typed
        QTest::addColumn<QString>("interest");
        QTest::addColumn<QString>("income");
        QTest::addColumn<QString>("after"); // the option chosen after Calculate

        QTest::newRow("self occupied, loan before 1-4-99: 30000; then After 1-4-99")
            << "optso optb499" << "45000" << "-30000" << "opta499";
        QTest::newRow("self occupied, loan date untouched: 150000; then Before 1-4-99")
            << "optso" << "150001" << "-150000" << "optb499";
        QTest::newRow("self occupied; then Rented Out") << "optso" << "150001" << "-150000" << "optrent";
        QTest::newRow("rented out after choosing the early loan: no limit; then Self Occupied")
            << "optso optb499 optrent" << "45000" << "-45000" << "optso";
    }
    void houseChoicesReachTheRulesAndDisableBack()
    {
        QFETCH(QString, choices);
        QFETCH(QString, interest);
        QFETCH(QString, after);
        QVERIFY(openHouse());
        choose(choices);
        d.type(house->txtintt, interest);
        QTest::mouseClick(house->cmdtot, Qt::LeftButton);
        QTEST(house->txtihp->text(), "income");
        QCOMPARE(house->txtintt->text(), interest); // the amount as entered stays
        QVERIFY(house->cmdbk->isEnabled());

        choose(after);
        QVERIFY(!house->cmdbk->isEnabled());
    }
    void houseKeyboardStaysOnTheChosenOptions()
    {
        QVERIFY(openHouse());
        // Space on an option that is not chosen would zero the let house's figures.
        QCOMPARE(QApplication::focusWidget(), house->optrent);
        QTest::keyClick(house->optrent, Qt::Key_Space);
        QVERIFY(house->optrent->isChecked());

        QTest::keyClick(house->optrent, Qt::Key_Left);
        QVERIFY(house->optso->isChecked());
        QCOMPARE(d.tabStops(house->optso, 5), d.words("optso txtintt cmdtot opta499 optso"));
    }

    // Calculate writes the bonds' limit into their own field, Back enabled all the same; the next
    // opening copies the pension figure into both its fields, as shortest decimal text, and no other.
    void section80BondsLimitAndPensionFigure()
    {
        frmreb88 *form = openSection80();
        d.type(form->txt80ccdec, QStringLiteral("5000"));
        d.type(form->txt80ccdgc, QStringLiteral("6000"));
        d.type(form->txtgpf, QStringLiteral("7000"));
        d.type(form->txt80ccf, QStringLiteral("25000"));
        QTest::mouseClick(form->cmdtot, Qt::LeftButton);
        QCOMPARE(form->txt80ccf->text(), QStringLiteral("20000"));
        QVERIFY(form->cmdbk->isEnabled());
        d.main->txtmgc->setText(QStringLiteral("24000.50"));
        QCOMPARE(openSection80(), form);
        QCOMPARE(d.texts({form->txt80ccdec, form->txt80ccdgc, form->txtgpf, form->txt80ccf}),
                 d.words("24000.5 24000.5 7000 20000"));
        QVERIFY(!form->cmdbk->isEnabled());
    }
    // The message comes at the fifth keystroke; then the limit stands and the focus moves on.
    void section80MediclaimKeystroke()
    {
        frmreb88 *form = openSection80();
        QStringList textsWhileShown;
        d.platform.onMessage = [&](const QString &) { textsWhileShown.append(form->txt80d->text()); };
        d.type(form->txt80d, QStringLiteral("35000"));
        QCOMPARE(textsWhileShown, QStringList{QStringLiteral("35000")});
        QCOMPARE(d.platform.messages, QStringList{u"Deduction for Mediclaim Restricted to Rs.30,000/- only (Rs. "
                                                  "15,000/- for self and dependents and Rs. 15,000/- for parents"_s});
        QCOMPARE(form->txt80d->text(), QStringLiteral("30000"));
        QVERIFY(form->txt80g->hasFocus());
    }

private:
    QWidget *open(const QString &calcButton, const QString &title)
    {
        QTest::mouseClick(d.main->findChild<QPushButton *>(calcButton), Qt::LeftButton);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->windowTitle() == title && window->isVisible() && QTest::qWaitForWindowActive(window))
                return window;
        }
        return nullptr;
    }

    // As the salary statement's Back leaves the carriers: basic pay, dearness, HRA received, grade pay, MGC.
    void carry(const char *carriers = "10000 0 50000 2345 10000")
    {
        const QStringList figures = d.words(carriers);
        for (int i = 0; i < figures.size(); ++i)
            QList{d.main->txtbp, d.main->txtda, d.main->txthrr, d.main->txtnpa, d.main->txtmgc}[i]->setText(figures[i]);
    }
    Form2 *openHra(const char *carriers = "10000 0 50000 2345") { carry(carriers); return d.open(d.main->cmdcalhr, d.main->form2); }

    Form4 *openHouse() { return house = d.open(d.main->cmdcalhp, d.main->form4); }
    frmreb88 *openSection80() { return d.open(d.main->cmdcalded80, d.main->reb88); }
    void choose(const QString &names)
    {
        for (const QString &name : names.split(u' ', Qt::SkipEmptyParts)) {
            auto *option = house->findChild<QRadioButton *>(name);
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            QVERIFY(option->isChecked());
        }
    }
    // Whether the let house's controls, and the loan date's, are enabled.
    QList<bool> enabled() const
    {
        QList<bool> enabled;
        for (const QWidget *control : QWidgetList{house->lblrent, house->txtarv, house->lblptax, house->txtptax,
                                                  house->lblghi, house->txtghi, house->lblrep, house->txtrep,
                                                  house->lbloth, house->txtoth, house->framintt, house->optb499,
                                                  house->opta499})
            enabled.append(control->isEnabled());
        return enabled;
    }

    WorksheetDriver d;
    Form4 *house = nullptr;
};

QTEST_MAIN(TestWorksheets)
#include "tst_worksheets.moc"
