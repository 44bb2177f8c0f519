// The salary statement window, driven through the main window as the user does: opening,
// fill-down, the commit buttons, Calculate, its refusals, Back and the close box.

#include "app/amountfield.h"
#include "app/calculation.h"
#include "app/frmmain.h"
#include "salary/choicebox.h"
#include "salary/form1.h"
#include "recordingplatform.h"

#include <QApplication>
#include <QAbstractItemView>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <functional>
#include <memory>

using namespace pelmora;

namespace {

// Replaces a field's whole text as the user does: select it and type over it. An empty text
// is a Backspace over the selection.
void typeOver(QLineEdit *field, const QString &text)
{
    field->selectAll();
    if (text.isEmpty())
        QTest::keyClick(field, Qt::Key_Backspace);
    else
        QTest::keyClicks(field, text);
}

void typeOver(ChoiceBox *box, const QString &text)
{
    typeOver(box->lineEdit(), text);
}

QList<QLineEdit *> fieldsOf(Form1 &form, const QString &column)
{
    QList<QLineEdit *> fields;
    const auto add = [&](const auto &array) {
        for (auto *field : array)
            fields.append(field);
    };
    if (column == u"txtbp")
        add(form.txtbp);
    else if (column == u"txtgp")
        add(form.txtgp);
    else if (column == u"txtoth")
        add(form.txtoth);
    return fields;
}

QStringList textsOf(const QList<QLineEdit *> &fields)
{
    QStringList texts;
    for (const QLineEdit *field : fields)
        texts.append(field->text());
    return texts;
}

// Every named field's text, to show that a refused Calculate changed nothing.
QMap<QString, QString> snapshot(const QWidget &window)
{
    QMap<QString, QString> texts;
    for (const QLineEdit *field : window.findChildren<QLineEdit *>()) {
        if (!field->objectName().isEmpty())
            texts.insert(field->objectName(), field->text());
    }
    return texts;
}

// Alt and the button's access key, in the button's active window. The button shows itself
// pressed for a moment before it clicks; wait for the click.
void pressAccessKey(QPushButton *button, Qt::Key key)
{
    QSignalSpy clicked(button, &QPushButton::clicked);
    QTest::keyClick(button->window(), key, Qt::AltModifier);
    QVERIFY(clicked.count() == 1 || clicked.wait());
}

QStringList repeated(const QString &text, int times)
{
    QStringList texts;
    for (int i = 0; i < times; ++i)
        texts.append(text);
    return texts;
}

} // namespace

class tst_Form1 : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();

    void opensWithTheName();
    void initialState();
    void tabOrder();
    void choiceBoxesSelectOnFocus();
    void fillDown_data();
    void fillDown();
    void commitButtons_data();
    void commitButtons();
    void workedExample_data();
    void workedExample();
    void incrementFillsDownOverLaterPay();
    void rowWithoutTransportTierShowsZero();
    void refusals_data();
    void refusals();
    void backHandsOverAndStaysOpen();
    void closeBoxDiscards();

private:
    Form1 *open();
    void activate(QWidget *window);
    void enterWorkedExample(Form1 *form);

    std::unique_ptr<RecordingPlatform> m_platform;
    std::unique_ptr<frmmain> m_main;
};

void tst_Form1::init()
{
    m_platform = std::make_unique<RecordingPlatform>();
    m_main = std::make_unique<frmmain>(*m_platform);
    m_main->show();
}

void tst_Form1::cleanup()
{
    m_main.reset();
    m_platform.reset();
}

// The main window's gross-salary "Calc." button, pressed.
Form1 *tst_Form1::open()
{
    QTest::mouseClick(m_main->cmdcalgs, Qt::LeftButton);
    return m_main->form1.window();
}

void tst_Form1::activate(QWidget *window)
{
    window->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(window));
}

// 25000 and 4600 typed into "Jan 13", "Y" chosen as the pension scheme.
void tst_Form1::enterWorkedExample(Form1 *form)
{
    QTest::keyClick(form->cbonps, Qt::Key_Up);
    QCOMPARE(form->cbonps->currentText(), u"Y");
    typeOver(form->txtbp[0], QStringLiteral("25000"));
    typeOver(form->txtgp[0], QStringLiteral("4600"));
}

void tst_Form1::opensWithTheName()
{
    QTest::keyClicks(m_main->txtname, QStringLiteral("Ravi Kumar"));
    Form1 *form = open();
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), u"Pelmora - Income Calculator");
    QCOMPARE(form->windowModality(), Qt::NonModal);
    QCOMPARE(form->txtnam->text(), u"Ravi Kumar");
    activate(form);
    QVERIFY(form->cbonps->hasFocus());

    // Not modal: the main window takes typing while the statement is open, and the next
    // opening copies the new name into the same window, which keeps its figures.
    typeOver(form->txtbp[0], QStringLiteral("25000"));
    QTest::keyClicks(m_main->txtname, QStringLiteral(" Rao"));
    QCOMPARE(open(), form);
    QCOMPARE(form->txtnam->text(), u"Ravi Kumar Rao");
    QCOMPARE(form->txtbp[13]->text(), u"25000");

    // The user types at most 26 characters of a name; a longer one from the main window
    // arrives whole.
    typeOver(form->txtnam, QStringLiteral("Ravi Kumar Venkataraman Rao Iyer"));
    QCOMPARE(form->txtnam->text(), u"Ravi Kumar Venkataraman Ra");
    QTest::keyClicks(m_main->txtname, QStringLiteral(" Iyer"));
    open();
    QCOMPARE(form->txtnam->text(), u"Ravi Kumar Rao Iyer");
}

void tst_Form1::initialState()
{
    Form1 *form = open();
    QVERIFY(form->chkinc->isChecked());
    QCOMPARE(form->chkinc->text(), u"Calculate Increment");
    QVERIFY(!form->cmdprn->isEnabled());
    QVERIFY(!form->cmdbak->isEnabled());
    QVERIFY(form->cmdcal->isEnabled());

    const auto items = [](QComboBox *box) {
        QStringList texts;
        for (int i = 0; i < box->count(); ++i)
            texts.append(box->itemText(i));
        return texts;
    };
    QCOMPARE(form->cbonps->currentText(), u"N");
    QCOMPARE(items(form->cbonps), (QStringList{QStringLiteral("Y"), QStringLiteral("N")}));
    QCOMPARE(form->cboclass1->currentText(), u"X");
    QCOMPARE(items(form->cboclass1).join(u' '), u"X Y Z NA");
    QCOMPARE(form->cboclass3->currentText(), u"A/A-1");
    QCOMPARE(items(form->cboclass3).join(u' '), u"A/A-1 Oth. NA");

    // Every amount and result shows 0; results are read-only and dark red.
    int figures = 0;
    for (const QLineEdit *field : form->findChildren<QLineEdit *>()) {
        if (field->objectName().isEmpty() || field == form->txtnam)
            continue;
        ++figures;
        QVERIFY2(field->text() == u"0", qPrintable(field->objectName()));
        QVERIFY2(field->alignment() & Qt::AlignRight, qPrintable(field->objectName()));
        if (qobject_cast<const ResultField *>(field)) {
            QVERIFY(field->isReadOnly());
            QCOMPARE(field->palette().color(QPalette::Text), QColor(128, 0, 0));
        }
    }
    // 14 rows of six columns, 12 HRA fields, 7 totals, 6 extras and the grand total.
    QCOMPARE(figures, 14 * 6 + 12 + 7 + 6 + 1);
    QVERIFY(form->findChild<QLineEdit *>(QStringLiteral("txthra(2)")));
    QVERIFY(!form->findChild<QLineEdit *>(QStringLiteral("txthra(1)")));
    QCOMPARE(form->txtnam->text(), QString());

    // The arrears rows' pay fields are grey; the year rows keep the ordinary background.
    QCOMPARE(form->txtbp[1]->palette().color(QPalette::Base), form->txtgp[0]->palette().color(QPalette::Base));
    QVERIFY(form->txtbp[0]->palette().color(QPalette::Base) != form->txtbp[2]->palette().color(QPalette::Base));
}

void tst_Form1::tabOrder()
{
    Form1 *form = open();
    activate(form);
    form->txtnam->setFocus();
    QStringList expected{QStringLiteral("txtnam"), QStringLiteral("cbonps"), QStringLiteral("cboclass1"),
                         QStringLiteral("cboclass3")};
    for (int row = 0; row < Form1::monthRows; ++row)
        expected << QStringLiteral("txtbp(%1)").arg(row) << QStringLiteral("txtgp(%1)").arg(row);
    for (int i = 0; i < Form1::extras; ++i)
        expected << QStringLiteral("txtoth(%1)").arg(i);
    expected << QStringLiteral("cmdcal") << QStringLiteral("cmdprn") << QStringLiteral("cmdbak")
             << QStringLiteral("chkinc");

    // Print and Back are disabled now and so skipped; Calculate enables them.
    form->cmdcal->click();
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (qsizetype i = 1; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited << QApplication::focusWidget()->objectName();
    }
    QCOMPARE(visited, expected);
}

void tst_Form1::choiceBoxesSelectOnFocus()
{
    Form1 *form = open();
    activate(form);
    form->txtnam->setFocus();
    QTest::keyClick(form->txtnam, Qt::Key_Tab);
    QTest::keyClick(form->cbonps, Qt::Key_Tab);
    QCOMPARE(form->cboclass1->lineEdit()->selectedText(), u"X");
    form->cboclass1->lineEdit()->deselect();
    form->cboclass3->setFocus();
    QCOMPARE(form->cboclass3->lineEdit()->selectedText(), u"A/A-1");
    form->cboclass1->setFocus();
    QCOMPARE(form->cboclass1->lineEdit()->selectedText(), u"X");

    // What is typed next replaces the class.
    QTest::keyClicks(form->cboclass1, QStringLiteral("Z"));
    QCOMPARE(form->cboclass1->currentText(), u"Z");
}

void tst_Form1::fillDown_data()
{
    QTest::addColumn<QString>("column");
    QTest::addColumn<QStringList>("edits"); // "row:text", typed over the row in this order
    QTest::addColumn<QStringList>("expected");

    const QString c25 = QStringLiteral("25000");
    QTest::newRow("25000 typed into Jan 13 fills every row")
        << "txtbp" << QStringList{QStringLiteral("0:25000")} << repeated(c25, 14);
    QTest::newRow("26000 typed into Sep 13 afterwards changes Sep 13 to Feb 14 only")
        << "txtbp" << QStringList{QStringLiteral("0:25000"), QStringLiteral("8:26000")}
        << repeated(c25, 8) + repeated(QStringLiteral("26000"), 6);
    QTest::newRow("emptying G.PAY of Jun 13 leaves 0 from Jun 13 on")
        << "txtgp" << QStringList{QStringLiteral("0:4600"), QStringLiteral("5:")}
        << repeated(QStringLiteral("4600"), 5) + repeated(QStringLiteral("0"), 9);
    QTest::newRow("emptying Feb 14 changes no other row")
        << "txtbp" << QStringList{QStringLiteral("0:25000"), QStringLiteral("13:")}
        << repeated(c25, 13) + repeated(QStringLiteral("0"), 1);
    QTest::newRow("emptying Jan 13 sets the whole column to 0")
        << "txtbp" << QStringList{QStringLiteral("0:25000"), QStringLiteral("6:26000"), QStringLiteral("0:")}
        << repeated(QStringLiteral("0"), 14);
    // Single keystrokes, so that the row's new text arrives whole.
    QTest::newRow("the next row already holds the typed text while later rows differ")
        << "txtbp" << QStringList{QStringLiteral("0:1"), QStringLiteral("2:5"), QStringLiteral("4:7"), QStringLiteral("1:5")}
        << QStringList{QStringLiteral("1")} + repeated(QStringLiteral("5"), 13);
    QTest::newRow("the same in the grade-pay column")
        << "txtgp" << QStringList{QStringLiteral("3:4"), QStringLiteral("9:6"), QStringLiteral("2:4")}
        << repeated(QStringLiteral("0"), 2) + repeated(QStringLiteral("4"), 12);
    QTest::newRow("text that is no figure is copied as it stands")
        << "txtbp" << QStringList{QStringLiteral("11:12abc")} << repeated(QStringLiteral("0"), 11) + repeated(QStringLiteral("12abc"), 3);
    QTest::newRow("annual extras do not fill down; an emptied one becomes 0")
        << "txtoth" << QStringList{QStringLiteral("0:500"), QStringLiteral("3:700"), QStringLiteral("3:")}
        << QStringList{QStringLiteral("500")} + repeated(QStringLiteral("0"), 5);
}

void tst_Form1::fillDown()
{
    QFETCH(QString, column);
    QFETCH(QStringList, edits);
    QFETCH(QStringList, expected);

    Form1 *form = open();
    const QList<QLineEdit *> fields = fieldsOf(*form, column);
    for (const QString &edit : std::as_const(edits)) {
        const qsizetype colon = edit.indexOf(u':');
        typeOver(fields[edit.left(colon).toInt()], edit.mid(colon + 1));
    }
    QCOMPARE(textsOf(fields), expected);
}

void tst_Form1::commitButtons_data()
{
    QTest::addColumn<QString>("action");
    QTest::addColumn<bool>("enabledAfter");

    QTest::newRow("typing into B.PAY of Mar 13 disables") << "basic pay" << false;
    QTest::newRow("emptying the bonus disables") << "extra" << false;
    QTest::newRow("typing into the HRA class disables") << "type class" << false;
    QTest::newRow("choosing Oth. from the TPA class list disables") << "choose class" << false;
    QTest::newRow("choosing the shown entry N from the scheme list disables") << "choose shown entry" << false;
    QTest::newRow("unticking the increment disables") << "untick increment" << false;
    QTest::newRow("typing a new name leaves them enabled") << "name" << true;
    QTest::newRow("moving the focus and the caret leaves them enabled") << "focus" << true;
    QTest::newRow("Calculate enables them") << "calculate" << true;
}

void tst_Form1::commitButtons()
{
    QFETCH(QString, action);
    QFETCH(bool, enabledAfter);

    Form1 *form = open();
    activate(form);
    form->cmdcal->click();
    QVERIFY(form->cmdprn->isEnabled() && form->cmdbak->isEnabled());

    const QHash<QString, std::function<void()>> actions{
        {QStringLiteral("basic pay"), [&] { typeOver(form->txtbp[2], QStringLiteral("1")); }},
        {QStringLiteral("extra"), [&] { typeOver(form->txtoth[1], QString()); }},
        {QStringLiteral("type class"), [&] { typeOver(form->cboclass1, QStringLiteral("Y")); }},
        {QStringLiteral("choose class"), [&] { QTest::keyClick(form->cboclass3, Qt::Key_Down); }},
        {QStringLiteral("choose shown entry"),
         [&] {
             form->cbonps->showPopup();
             QTest::keyClick(form->cbonps->view(), Qt::Key_Return);
         }},
        {QStringLiteral("untick increment"), [&] { QTest::mouseClick(form->chkinc, Qt::LeftButton); }},
        {QStringLiteral("name"), [&] { QTest::keyClicks(form->txtnam, QStringLiteral("Ravi")); }},
        {QStringLiteral("focus"),
         [&] {
             form->txtbp[4]->setFocus();
             QTest::keyClick(form->txtbp[4], Qt::Key_Left);
             QTest::keyClick(form->txtbp[4], Qt::Key_Tab);
             form->cboclass1->setFocus();
         }},
        {QStringLiteral("calculate"), [&] {
             typeOver(form->txtbp[2], QStringLiteral("1"));
             pressAccessKey(form->cmdcal, Qt::Key_C);
         }},
    };
    actions.value(action)();
    QCOMPARE(form->cmdprn->isEnabled(), enabledAfter);
    QCOMPARE(form->cmdbak->isEnabled(), enabledAfter);
}

void tst_Form1::workedExample_data()
{
    QTest::addColumn<QString>("trigger");

    QTest::newRow("Enter in G.PAY of Jan 13") << "enter in field";
    QTest::newRow("Enter in the HRA class box") << "enter in box";
    QTest::newRow("Alt+C") << "alt+c";
    QTest::newRow("a click on Calculate") << "click";
}

void tst_Form1::workedExample()
{
    QFETCH(QString, trigger);

    Form1 *form = open();
    activate(form);
    enterWorkedExample(form);
    if (trigger == u"enter in field") {
        form->txtgp[0]->setFocus();
        QTest::keyClick(form->txtgp[0], Qt::Key_Return);
    } else if (trigger == u"enter in box") {
        form->cboclass1->setFocus();
        QTest::keyClick(form->cboclass1, Qt::Key_Return);
        QCOMPARE(form->cboclass1->count(), 4);
    } else if (trigger == u"alt+c") {
        pressAccessKey(form->cmdcal, Qt::Key_C);
    } else {
        QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    }

    QVERIFY(m_platform->messages.isEmpty());
    for (int row = 0; row < Form1::monthRows; ++row) {
        const QByteArray where = "row " + QByteArray::number(row);
        const auto expect = [&](QLineEdit *field, const char *arrears, const char *spring, const char *autumn) {
            const char *figure = row < 2 ? arrears : row < 6 ? spring : autumn;
            QVERIFY2(field->text() == QLatin1String(figure), where + ' ' + field->objectName().toUtf8());
        };
        expect(form->txtbp[row], "25000", "25000", "25890");
        expect(form->txtgp[row], "4600", "4600", "4600");
        expect(form->txtda[row], "2368", "23680", "27441");
        if (row >= 2)
            expect(form->txthra[row], "", "8880", "9147");
        expect(form->txttpa2[row], "128", "2880", "3040");
        expect(form->txtmgc[row], "237", "5328", "5793");
        expect(form->txtttl[row], "2733", "70368", "75911");
    }
    const QStringList totals{form->txtbpt->text(),  form->txtgpt->text(),  form->txtdat->text(),
                             form->txthrat->text(), form->txttpat->text(), form->txtmgct->text(),
                             form->txtttlt->text(), form->txtgtotal->text()};
    QCOMPARE(totals.join(u' '), u"307120 55200 318984 108696 36096 68130 894226 894226");
    QVERIFY(form->cmdprn->isEnabled());
    QVERIFY(form->cmdbak->isEnabled());
}

void tst_Form1::incrementFillsDownOverLaterPay()
{
    Form1 *form = open();
    enterWorkedExample(form);
    form->cmdcal->click();
    // A promotion typed into "Oct 13": July already holds the figure Calculate writes again,
    // yet the increment's fill-down must replace the later rows.
    typeOver(form->txtbp[9], QStringLiteral("40000"));
    form->cmdcal->click();
    QCOMPARE(textsOf(fieldsOf(*form, QStringLiteral("txtbp"))),
             repeated(QStringLiteral("25000"), 6) + repeated(QStringLiteral("25890"), 8));
    QCOMPARE(form->txtda[13]->text(), u"27441");
    QCOMPARE(form->txtgtotal->text(), u"894226");
    QVERIFY(form->cmdbak->isEnabled());
}

void tst_Form1::rowWithoutTransportTierShowsZero()
{
    Form1 *form = open();
    enterWorkedExample(form);
    form->cmdcal->click();
    QCOMPARE(form->txttpa2[0]->text(), u"128");

    // Pay from "Mar 13" on only: the arrears rows fit no transport tier, and show 0 rather
    // than the allowance of the last Calculate.
    typeOver(form->txtbp[0], QStringLiteral("0"));
    typeOver(form->txtgp[0], QStringLiteral("0"));
    typeOver(form->txtbp[2], QStringLiteral("25000"));
    form->cmdcal->click();
    for (int row : {0, 1}) {
        QCOMPARE(form->txtda[row]->text(), u"0");
        QCOMPARE(form->txttpa2[row]->text(), u"0");
        QCOMPARE(form->txtmgc[row]->text(), u"0");
    }
    QCOMPARE(form->txttpa2[2]->text(), u"2880");
}

void tst_Form1::refusals_data()
{
    QTest::addColumn<QString>("edit"); // what is typed over after a good Calculate
    QTest::addColumn<QString>("message");

    QTest::newRow("HRA class typed as a lower-case x")
        << "cboclass1:x" << "\"HRA class\" must be one of \"X\", \"Y\", \"Z\" or \"NA\".";
    QTest::newRow("scheme typed as Yes") << "cbonps:Yes" << "\"New Pen. Sch.\" must be one of \"Y\" or \"N\".";
    QTest::newRow("basic pay of Feb 13 that is not a number")
        << "txtbp(1):25000x" << "\"Feb 13 B.PAY\" is not a number. Please enter an amount.";
    QTest::newRow("a bonus too large for a double")
        << "txtoth(1):1e400" << QString::fromStdString(CalculationError::figureTooLarge().message());
}

void tst_Form1::refusals()
{
    QFETCH(QString, edit);
    QFETCH(QString, message);

    Form1 *form = open();
    activate(form);
    enterWorkedExample(form);
    form->cmdcal->click();

    const qsizetype colon = edit.indexOf(u':');
    const QString name = edit.left(colon);
    if (auto *box = form->findChild<ChoiceBox *>(name))
        typeOver(box, edit.mid(colon + 1));
    else
        typeOver(form->findChild<QLineEdit *>(name), edit.mid(colon + 1));
    const QMap<QString, QString> before = snapshot(*form);

    QString shown;
    m_platform->onMessage = [&](const QString &text) { shown = text; };
    if (name.startsWith(u"cbo")) // Enter in the box itself
        QTest::keyClick(form->findChild<ChoiceBox *>(name), Qt::Key_Return);
    else
        pressAccessKey(form->cmdcal, Qt::Key_C);

    QCOMPARE(m_platform->messages, QStringList{message});
    QCOMPARE(shown, message);
    QCOMPARE(snapshot(*form), before);
    // A box keeps the text typed into it: Enter neither corrects it nor adds it to the list.
    if (const auto *box = form->findChild<ChoiceBox *>(name))
        QCOMPARE(box->currentText(), edit.mid(colon + 1));
    QCOMPARE(form->cboclass1->count() + form->cboclass3->count() + form->cbonps->count(), 9);
    QVERIFY(!form->cmdprn->isEnabled());
    QVERIFY(!form->cmdbak->isEnabled());
}

void tst_Form1::backHandsOverAndStaysOpen()
{
    QTest::keyClicks(m_main->txtname, QStringLiteral("Ravi"));
    m_main->cmdcalc->click();
    QVERIFY(m_main->cmdprint->isEnabled());

    Form1 *form = open();
    enterWorkedExample(form);
    form->cmdcal->click();
    activate(form);
    pressAccessKey(form->cmdbak, Qt::Key_B);

    QCOMPARE(m_main->txtgs->text(), u"894226");
    QCOMPARE(m_main->txttp->text(), u"9600");
    QCOMPARE(m_main->txtbp->text(), u"307120");
    QCOMPARE(m_main->txtda->text(), u"318984");
    QCOMPARE(m_main->txthrr->text(), u"108696");
    QCOMPARE(m_main->txtnpa->text(), u"55200");
    QCOMPARE(m_main->txtmgc->text(), u"68130");
    // New figures in the main window: its Print waits for its own Calculate.
    QVERIFY(!m_main->cmdprint->isEnabled());
    QVERIFY(QTest::qWaitForWindowActive(m_main.get()));
    QVERIFY(m_main->cmdcalhr->hasFocus());

    // The statement stays open behind, with its figures, and Back stays usable.
    QVERIFY(form->isVisible());
    QCOMPARE(form->txtgtotal->text(), u"894226");
    QVERIFY(form->cmdbak->isEnabled());
    QCOMPARE(open(), form);
    QCOMPARE(form->txtttlt->text(), u"894226");
}

void tst_Form1::closeBoxDiscards()
{
    Form1 *form = open();
    enterWorkedExample(form);
    QTest::mouseClick(form->chkinc, Qt::LeftButton);
    form->cmdcal->click();
    QVERIFY(form->close());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!m_main->form1.exists());

    QTest::keyClicks(m_main->txtname, QStringLiteral("Ravi"));
    form = open();
    QCOMPARE(form->txtnam->text(), u"Ravi");
    QCOMPARE(form->txtbp[0]->text(), u"0");
    QCOMPARE(form->txtgtotal->text(), u"0");
    QCOMPARE(form->cbonps->currentText(), u"N");
    QVERIFY(form->chkinc->isChecked());
    QVERIFY(!form->cmdprn->isEnabled());
    QVERIFY(!form->cmdbak->isEnabled());
}

QTEST_MAIN(tst_Form1)
#include "tst_form1.moc"
