// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The salary statement window, driven through the main window as the user does: opening,
// fill-down, the commit buttons, Calculate and its refusals, Back and the close box. The
// arithmetic is the salary computation's test; here each field must show the rules' result.

#include "app/calculation.h"
#include "app/fieldtexts.h"
#include "salary/choicebox.h"
#include "salary/form1.h"
#include "salary/salarycomputation.h"
#include "worksheetdriver.h"

#include <QAbstractItemView>
#include <QCheckBox>

using namespace pelmora;

namespace {

QString q(const std::string &text) { return QString::fromStdString(text); }

// "25000*8 26000*6": eight times 25000, then six times 26000.
QStringList runs(const char *repeats)
{
    QStringList texts;
    for (const QString &run : QString::fromUtf8(repeats).split(u' ')) {
        for (int i = 0; i < qMax(1, run.section(u'*', 1).toInt()); ++i)
            texts.append(run.section(u'*', 0, 0));
    }
    return texts;
}

// The texts of a field array by index; an array may start after 0 ("txthra(2)").
QStringList columnTexts(const QWidget *form, const QString &name)
{
    QStringList texts;
    for (int i = 0; i < Form1::monthRows; ++i)
        if (const auto *field = form->findChild<QLineEdit *>(QStringLiteral("%1(%2)").arg(name).arg(i)))
            texts.append(field->text());
    return texts;
}

// Types each "name:text" over the named field or box, in order.
void apply(const QWidget *form, const QString &edits)
{
    for (const QString &edit : edits.split(u' ', Qt::SkipEmptyParts))
        WorksheetDriver::type(form->findChild<QWidget *>(edit.section(u':', 0, 0)), edit.section(u':', 1));
}

salary::SalarySheet sheetOf(const Form1 *form)
{
    return {.txtbp = textsOf(form->txtbp), .txtgp = textsOf(form->txtgp),
            .cbonps = form->cbonps->currentText().toStdString(),
            .cboclass1 = form->cboclass1->currentText().toStdString(),
            .cboclass3 = form->cboclass3->currentText().toStdString(), .chkinc = form->chkinc->isChecked(),
            .txtoth = textsOf(form->txtoth)};
}

// Every field shows what the rules work out from the sheet as it was: the July pay filled
// down, each column's results in its own rows (the HRA from Mar 13), and the totals.
void expectRulesResults(const Form1 *form, const salary::SalarySheet &sheet)
{
    const auto outcome = salary::computeSalary(sheet);
    QVERIFY(std::holds_alternative<salary::SalaryResults>(outcome));
    const auto &r = std::get<salary::SalaryResults>(outcome);
    const auto column = [](const salary::MonthTexts &texts, int from = 0) {
        QStringList list;
        for (auto text = texts.begin() + from; text != texts.end(); ++text)
            list.append(q(*text));
        return list;
    };
    salary::MonthTexts pay = sheet.txtbp;
    if (r.julyBasicPay)
        std::fill(pay.begin() + salary::julyRow, pay.end(), *r.julyBasicPay);
    QCOMPARE(columnTexts(form, QStringLiteral("txtbp")), column(pay));
    QCOMPARE(columnTexts(form, QStringLiteral("txtda")), column(r.txtda));
    QCOMPARE(columnTexts(form, QStringLiteral("txthra")), column(r.txthra, salary::firstYearRow));
    QCOMPARE(columnTexts(form, QStringLiteral("txttpa2")), column(r.txttpa2));
    QCOMPARE(columnTexts(form, QStringLiteral("txtmgc")), column(r.txtmgc));
    QCOMPARE(columnTexts(form, QStringLiteral("txtttl")), column(r.txtttl));
    QCOMPARE(WorksheetDriver::texts({form->txtbpt, form->txtgpt, form->txtdat, form->txthrat, form->txttpat,
                                     form->txtmgct, form->txtttlt, form->txtgtotal}),
             (QStringList{q(r.txtbpt), q(r.txtgpt), q(r.txtdat), q(r.txthrat), q(r.txttpat), q(r.txtmgct),
                          q(r.txtttlt), q(r.txtgtotal)}));
}

} // namespace

class tst_Form1 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    void opensWithTheName()
    {
        QTest::keyClicks(d.main->txtname, QStringLiteral("Ravi Kumar"));
        Form1 *form = open();
        QCOMPARE(form->windowTitle(), u"Pelmora - Income Calculator");
        QCOMPARE(form->windowModality(), Qt::NonModal);
        QCOMPARE(form->txtnam->text(), u"Ravi Kumar");
        QVERIFY(form->cbonps->hasFocus());

        // The next opening copies the new name into the same window, which keeps its figures. A
        // name from the main window arrives whole; the user types at most 26 characters of one.
        d.type(form->txtbp[0], QStringLiteral("25000"));
        QTest::keyClicks(d.main->txtname, QStringLiteral(" Venkataraman Rao Iyer"));
        QCOMPARE(open(), form);
        QCOMPARE(d.texts({form->txtnam, form->txtbp[13]}),
                 (QStringList{QStringLiteral("Ravi Kumar Venkataraman Rao Iyer"), QStringLiteral("25000")}));
        d.type(form->txtnam, QStringLiteral("Ravi Kumar Venkataraman Rao Iyer"));
        QCOMPARE(form->txtnam->text(), u"Ravi Kumar Venkataraman Ra");
    }
    // The focus the program gives a class box selects its text, so that typing replaces it (by
    // Tab, Qt selects it in any box).
    void classBoxesSelectTheirText()
    {
        Form1 *form = open();
        for (QComboBox *box : {form->cboclass1, form->cboclass3}) {
            box->setFocus();
            QTest::keyClicks(box, QStringLiteral("NA"));
        }
        QCOMPARE(form->cboclass1->currentText() + u' ' + form->cboclass3->currentText(), u"NA NA");
    }
    void fillDown_data()
    {
        QTest::addColumn<QString>("column");
        QTest::addColumn<QString>("edits"); // typed over, in this order
        QTest::addColumn<QStringList>("expected");

        const auto row = [](const char *tag, const char *column, const char *edits, const char *expected) {
            QTest::newRow(tag) << QString::fromUtf8(column) << QString::fromUtf8(edits) << runs(expected);
        };
        row("25000 typed into Jan 13 fills every row", "txtbp", "txtbp(0):25000", "25000*14");
        row("26000 typed into Sep 13 afterwards changes Sep 13 to Feb 14 only", "txtbp",
            "txtbp(0):25000 txtbp(8):26000", "25000*8 26000*6");
        row("emptying G.PAY of Jun 13 leaves 0 from Jun 13 on", "txtgp", "txtgp(0):4600 txtgp(5):", "4600*5 0*9");
        row("emptying Feb 14 changes no other row", "txtbp", "txtbp(0):25000 txtbp(13):", "25000*13 0");
        row("emptying Jan 13 sets the whole column to 0", "txtbp", "txtbp(0):25000 txtbp(6):26000 txtbp(0):", "0*14");
        // Single keystrokes, so that the row's new text arrives whole.
        row("the next row already holds the typed text while later rows differ", "txtbp",
            "txtbp(0):1 txtbp(2):5 txtbp(4):7 txtbp(1):5", "1 5*13");
        row("text that is no figure is copied as it stands", "txtbp", "txtbp(11):12abc", "0*11 12abc*3");
        row("annual extras do not fill down; an emptied one becomes 0", "txtoth",
            "txtoth(0):500 txtoth(3):700 txtoth(3):", "500 0*5");
    }
    void fillDown()
    {
        QFETCH(QString, column);
        QFETCH(QString, edits);
        Form1 *form = open();
        apply(form, edits);
        QTEST(columnTexts(form, column), "expected");
    }
    void commitButtons_data()
    {
        QTest::addColumn<QString>("action"); // "name:text" typed over, or one of those below
        QTest::addColumn<bool>("enabledAfter");

        QTest::newRow("typing into B.PAY of Mar 13 disables") << "txtbp(2):1" << false;
        QTest::newRow("emptying the bonus disables") << "txtoth(1):" << false;
        QTest::newRow("typing into the HRA class disables") << "cboclass1:Y" << false;
        QTest::newRow("choosing Oth. from the TPA class list disables") << "choose Oth." << false;
        QTest::newRow("choosing the shown entry N from the scheme list disables") << "choose N" << false;
        QTest::newRow("unticking the increment disables") << "untick" << false;
        QTest::newRow("typing a new name leaves them enabled") << "txtnam:Ravi" << true;
    }
    void commitButtons()
    {
        QFETCH(QString, action);
        Form1 *form = open();
        form->cmdcal->click();
        QVERIFY(form->cmdprn->isEnabled() && form->cmdbak->isEnabled());
        if (action == u"choose Oth.") {
            QTest::keyClick(form->cboclass3, Qt::Key_Down);
        } else if (action == u"choose N") {
            form->cbonps->showPopup();
            QTest::keyClick(form->cbonps->view(), Qt::Key_Return);
        } else if (action == u"untick") {
            QTest::mouseClick(form->chkinc, Qt::LeftButton);
        } else {
            apply(form, action);
        }
        QTEST(form->cmdprn->isEnabled(), "enabledAfter");
        QTEST(form->cmdbak->isEnabled(), "enabledAfter");
    }
    void calculate_data()
    {
        QTest::addColumn<QString>("trigger");
        QTest::addColumn<QString>("edits"); // typed after a first Calculate of the worked example
        QTest::addColumn<QString>("message"); // empty: worked out

        const QString none;
        QTest::newRow("worked example, a click on Calculate") << "click" << none << none;
        QTest::newRow("worked example, Enter in G.PAY of Jan 13") << "txtgp(0)" << none << none;
        QTest::newRow("worked example, Enter in the HRA class box") << "cboclass1" << none << none;
        QTest::newRow("worked example, Alt+C") << "alt+c" << none << none;
        // July already holds the figure Calculate writes again, yet the later rows must follow it.
        QTest::newRow("a promotion typed into Oct 13 gives way to the increment") << "click" << "txtbp(9):40000" << none;
        // The arrears rows then fit no transport tier and show 0, not the last Calculate's figures.
        QTest::newRow("pay from Mar 13 on only") << "click" << "txtbp(0):0 txtgp(0):0 txtbp(2):25000" << none;
        QTest::newRow("HRA class typed as a lower-case x, Enter in the box")
            << "cboclass1" << "cboclass1:x" << "\"HRA class\" must be one of \"X\", \"Y\", \"Z\" or \"NA\".";
    }
    void calculate()
    {
        QFETCH(QString, trigger);
        QFETCH(QString, edits);
        QFETCH(QString, message);
        Form1 *form = openWorkedExample();
        if (!edits.isEmpty()) {
            form->cmdcal->click();
            apply(form, edits);
        }
        const salary::SalarySheet sheet = sheetOf(form);
        const QMap<QString, QString> before = d.snapshot(form);
        if (trigger == u"click")
            QTest::mouseClick(form->cmdcal, Qt::LeftButton);
        else if (trigger == u"alt+c")
            QVERIFY(d.pressAccessKey(form->cmdcal, Qt::Key_C));
        else
            QTest::keyClick(form->findChild<QWidget *>(trigger), Qt::Key_Return);

        // A box keeps the text typed into it: Enter neither corrects it nor adds it to the list.
        QCOMPARE(form->cboclass1->count() + form->cboclass3->count() + form->cbonps->count(), 9);
        QCOMPARE(d.platform.messages, message.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(form->cmdprn->isEnabled() && form->cmdbak->isEnabled(), message.isEmpty());
        if (!message.isEmpty())
            QCOMPARE(d.snapshot(form), before);
        else
            expectRulesResults(form, sheet);
    }
    void backHandsOverAndStaysOpen()
    {
        QTest::keyClicks(d.main->txtname, QStringLiteral("Ravi"));
        d.main->cmdcalc->click();
        QVERIFY(d.main->cmdprint->isEnabled());

        Form1 *form = openWorkedExample();
        form->cmdcal->click();
        QVERIFY(d.pressAccessKey(form->cmdbak, Qt::Key_B));
        QCOMPARE(d.texts({d.main->txtgs, d.main->txttp, d.main->txtbp, d.main->txtda, d.main->txthrr, d.main->txtnpa,
                          d.main->txtmgc}),
                 d.words("894226 9600 307120 318984 108696 55200 68130"));
        // New figures in the main window: its Print waits for its own Calculate.
        QVERIFY(!d.main->cmdprint->isEnabled());
        QVERIFY(QTest::qWaitForWindowActive(d.main.get()));
        QVERIFY(d.main->cmdcalhr->hasFocus());

        // The statement stays open behind, with its figures, and Back stays usable.
        QVERIFY(form->isVisible() && form->cmdbak->isEnabled());
        QCOMPARE(open(), form);
        QCOMPARE(d.texts({form->txtttlt, form->txtgtotal}), d.words("894226 894226"));
    }
    void closeBoxDiscards()
    {
        Form1 *form = openWorkedExample();
        QTest::mouseClick(form->chkinc, Qt::LeftButton);
        form->cmdcal->click();
        QVERIFY(form->close());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!d.main->form1.exists());

        QTest::keyClicks(d.main->txtname, QStringLiteral("Ravi"));
        form = open();
        QCOMPARE(d.texts({form->txtnam, form->txtbp[0], form->txtgtotal}), d.words("Ravi 0 0"));
        QStringList boxes; // each box's text, then its entries
        for (const QComboBox *box : {form->cbonps, form->cboclass1, form->cboclass3}) {
            boxes.append(box->currentText() + u':');
            for (int i = 0; i < box->count(); ++i)
                boxes.append(box->itemText(i));
        }
        QCOMPARE(boxes.join(u' '), u"N: Y N X: X Y Z NA A/A-1: A/A-1 Oth. NA");
        QVERIFY(form->chkinc->isChecked());
        QVERIFY(!form->cmdprn->isEnabled() && !form->cmdbak->isEnabled());
    }

private:
    Form1 *open() { return d.open(d.main->cmdcalgs, d.main->form1); }
    // The worked example: "Y" chosen as the pension scheme, 25000 and 4600 typed into "Jan 13".
    Form1 *openWorkedExample()
    {
        Form1 *form = open();
        QTest::keyClick(form->cbonps, Qt::Key_Up);
        apply(form, QStringLiteral("txtbp(0):25000 txtgp(0):4600"));
        return form;
    }

    WorksheetDriver d;
};

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
