// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

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
        QVERIFY((form = d.open(d.main->cmdcalhp, d.main->form4)));
    }
    void cleanup() { d.stop(); }

    // Self Occupied zeroes and disables the let house's fields and enables the loan date;
    // interest and the results stay. Rented Out again keeps the loan date's choice.
    void optionGroupsEnableAndZero()
    {
        const QList<bool> rentedOut = QList<bool>(10, true) + QList<bool>(3, false);
        const QList<bool> selfOccupied = QList<bool>(10, false) + QList<bool>(3, true);
        QVERIFY(form->optrent->isChecked() && form->opta499->isChecked());
        QCOMPARE(enabled(), rentedOut);
        for (QLineEdit *field : {form->txtarv, form->txtptax, form->txtintt, form->txtoth})
            d.type(field, QStringLiteral("1000"));
        QTest::mouseClick(form->cmdtot, Qt::LeftButton);
        const QStringList computed = d.texts({form->txtintt, form->txttd, form->txtihp});
        choose(QStringLiteral("optso"));
        QCOMPARE(enabled(), selfOccupied);
        QCOMPARE(d.texts({form->txtarv, form->txtptax, form->txtghi, form->txtrep, form->txtoth}), d.words("0 0 0 0 0"));
        QCOMPARE(d.texts({form->txtintt, form->txttd, form->txtihp}), computed);
        choose(QStringLiteral("optb499 optrent"));
        QCOMPARE(enabled(), rentedOut);
        QVERIFY(form->optb499->isChecked());
    }
    void choicesReachTheRulesAndDisableBack_data()
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
    void choicesReachTheRulesAndDisableBack()
    {
        QFETCH(QString, choices);
        QFETCH(QString, interest);
        QFETCH(QString, after);
        choose(choices);
        d.type(form->txtintt, interest);
        QTest::mouseClick(form->cmdtot, Qt::LeftButton);
        QTEST(form->txtihp->text(), "income");
        QCOMPARE(form->txtintt->text(), interest); // the amount as entered stays
        QVERIFY(form->cmdbk->isEnabled());

        choose(after);
        QVERIFY(!form->cmdbk->isEnabled());
    }
    void keyboardStaysOnTheChosenOptions()
    {
        // Space on an option that is not chosen would zero the let house's figures.
        QCOMPARE(QApplication::focusWidget(), form->optrent);
        QTest::keyClick(form->optrent, Qt::Key_Space);
        QVERIFY(form->optrent->isChecked());

        QTest::keyClick(form->optrent, Qt::Key_Left);
        QVERIFY(form->optso->isChecked());
        QCOMPARE(d.tabStops(form->optso, 5), d.words("optso txtintt cmdtot opta499 optso"));
    }

private:
    // Clicks each option's round button, as the user would.
    void choose(const QString &names)
    {
        for (const QString &name : names.split(u' ', Qt::SkipEmptyParts)) {
            auto *option = form->findChild<QRadioButton *>(name);
            QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
            QVERIFY(option->isChecked());
        }
    }
    // Whether the let house's controls, and the loan date's, are enabled.
    QList<bool> enabled() const
    {
        QList<bool> enabled;
        for (const QWidget *control : QWidgetList{form->lblrent, form->txtarv, form->lblptax, form->txtptax,
                                                  form->lblghi, form->txtghi, form->lblrep, form->txtrep, form->lbloth,
                                                  form->txtoth, form->framintt, form->optb499, form->opta499})
            enabled.append(control->isEnabled());
        return enabled;
    }

    WorksheetDriver d;
    Form4 *form = nullptr;
};

QTEST_MAIN(TestForm4)
#include "tst_form4.moc"
