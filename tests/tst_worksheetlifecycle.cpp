// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheetdriver.h"

#include <QPointer>

using namespace Qt::StringLiterals;

// What the three worksheets that Back hides share: a worked case typed in and calculated by
// Enter, Back handing the result to the main window, which comes forward with the focus on the
// next field and its Print disabled; Back keeps their fields, Escape leaves them open, and the
// close box discards them, writing nothing, so that the next opening starts afresh; the fields
// whose change disables Back, and a refused Calculate that changes nothing.
class TestWorksheetLifecycle : public QObject
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

        QTest::newRow("HRA exemption") << "cmdcalhr" << "Pelmora - HRA Exemption" << d.words("txtRP:20000")
                                       << d.words("txtns:12345 txthrx:18766") << d.words("cmdcal cmdback txthra txtos")
                                       << "18766" << d.words("txtRP txtbp txtda txthra txtnpa") << "txtnpa:-:Grade Pay";
        QTest::newRow("house property") << "cmdcalhp" << "Pelmora - Income from House Property"
                                        << d.words("txtarv:120000 txtptax:12000 txtintt:200000")
                                        << d.words("txtghi:108000 txtrep:32400 txttd:232400 txtihp:-124400")
                                        << d.words("cmdtot cmdbk txthp cmdcalded80") << "-124400"
                                        << d.words("txtarv txtintt txtoth txtptax") << "txtoth:12a:Others";
        QTest::newRow("section 80") << "cmdcalded80" << "Pelmora - Deductions Under Section 80"
                                    << d.words("txtgpf:100000 txt80ccf:20000 txt80d:30000 txt80g:5000")
                                    << d.words("txt80c:100000 txttot1:110000 txtgt80:165000")
                                    << d.words("cmdtot cmdbk txtded80 txtrel89") << "165000"
                                    << d.words("txt80ccc txt80ccdec txt80ccdgc txt80ccf txt80d txt80g txtgis txtgpf "
                                               "txthba txtinf txtlic txtnsc txtnsci txtos txtoth txtppf txttf1 txttf2")
                                    << ""; // every field is read leniently
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
        // As the salary statement's Back leaves the carriers.
        const QStringList carried = d.words("10000 0 50000 2345 10000");
        for (int i = 0; i < 5; ++i)
            QList{d.main->txtbp, d.main->txtda, d.main->txthrr, d.main->txtnpa, d.main->txtmgc}[i]->setText(carried[i]);
        QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
        QVERIFY(d.main->cmdprint->isEnabled());
        auto *target = d.main->findChild<QLineEdit *>(names[2]);

        QPointer<QWidget> worksheet = open(calcButton, title);
        QVERIFY(worksheet);
        const auto field = [&](const QString &nameAndText) {
            return worksheet->findChild<QLineEdit *>(nameAndText.section(u':', 0, 0));
        };
        const auto click = [&](const QString &button) {
            QTest::mouseClick(worksheet->findChild<QPushButton *>(button), Qt::LeftButton);
        };
        for (const QString &edit : typed)
            d.type(field(edit), edit.section(u':', 1));
        QTest::keyClick(field(typed.last()), Qt::Key_Return);
        for (const QString &result : results)
            QCOMPARE(field(result)->text(), result.section(u':', 1));

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

private:
    // The worksheet the Calc. button shows, found by its title.
    QWidget *open(const QString &calcButton, const QString &title)
    {
        QTest::mouseClick(d.main->findChild<QPushButton *>(calcButton), Qt::LeftButton);
        for (QWidget *window : QApplication::topLevelWidgets()) {
            if (window->windowTitle() == title && window->isVisible() && QTest::qWaitForWindowActive(window))
                return window;
        }
        return nullptr;
    }

    WorksheetDriver d;
};

QTEST_MAIN(TestWorksheetLifecycle)
#include "tst_worksheetlifecycle.moc"
