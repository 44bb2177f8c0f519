#include "worksheetdriver.h"
#include "worksheets/form2.h"

using namespace pelmora;

class TestForm2 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init() { QVERIFY(d.start()); }
    void cleanup() { d.stop(); }

    void opensWithThePayFilledIn_data();
    void opensWithThePayFilledIn();
    void workedCaseHandedBack();
    void changeDisablesBack_data();
    void changeDisablesBack();
    void typingLimit();
    void textThatIsNotANumberChangesNothing();
    void unreadableCarrierOpensNothing();
    void tabOrder();

private:
    // As the salary statement's Back leaves the carriers.
    void carry(const QStringList &figures)
    {
        d.main->txtbp->setText(figures[0]);
        d.main->txtda->setText(figures[1]);
        d.main->txthrr->setText(figures[2]);
        d.main->txtnpa->setText(figures[3]);
    }
    Form2 *open() { return d.open(d.main->cmdcalhr, d.main->form2); }
    Form2 *openCalculated(); // the worked case, calculated

    WorksheetDriver d;
};

Form2 *TestForm2::openCalculated()
{
    carry(d.strings({"10000", "0", "50000", "2345"}));
    Form2 *form = open();
    d.type(form->txtRP, QStringLiteral("20000"));
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    return form;
}

void TestForm2::opensWithThePayFilledIn_data()
{
    QTest::addColumn<QStringList>("carriers"); // basic pay, dearness, HRA received, grade pay
    QTest::addColumn<QStringList>("fields");   // txtbp, txtnpa, txtda, txthra

    QTest::newRow("before the salary statement: all 0") << d.strings({"0", "0", "0", "0"})
                                                        << d.strings({"0", "0", "0", "0"});
    QTest::newRow("after the salary statement: its totals, longer than typing allows")
        << d.strings({"12345678901.5", "180000", "60000", "54000"})
        << d.strings({"12345678901.5", "54000", "180000", "60000"});
}

void TestForm2::opensWithThePayFilledIn()
{
    QFETCH(QStringList, carriers);
    Form2 *form = open();
    QCOMPARE(form->windowTitle(), QStringLiteral("Pelmora - HRA Exemption"));
    d.type(form->txtbp, QStringLiteral("999")); // every opening overwrites the pay
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);

    carry(carriers);
    QCOMPARE(open(), form);
    QTEST(d.texts({form->txtbp, form->txtnpa, form->txtda, form->txthra}), "fields");
    QVERIFY(form->txtRP->hasFocus());
    QCOMPARE(form->txtRP->selectedText(), QStringLiteral("0"));
    QVERIFY(!form->cmdback->isEnabled());
}

void TestForm2::workedCaseHandedBack()
{
    QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
    carry(d.strings({"10000", "0", "50000", "2345"}));
    Form2 *form = open();
    QTest::keyClicks(form->txtRP, QStringLiteral("20000"));
    QTest::keyClick(form->txtRP, Qt::Key_Return);
    QCOMPARE(d.texts({form->txtns, form->txthrx}), d.strings({"12345", "18766"}));
    QVERIFY(form->cmdback->isEnabled());

    QTest::mouseClick(form->cmdback, Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(d.main.get()));
    QCOMPARE(d.main->txthra->text(), QStringLiteral("18766"));
    QVERIFY(d.main->txtos->hasFocus());
    QVERIFY(!d.main->cmdprint->isEnabled());
    QVERIFY(d.platform.messages.isEmpty());
}

void TestForm2::changeDisablesBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key"); // 0: type the digit 5
    QTest::addColumn<QString>("text");

    QTest::newRow("typing in Basic Pay") << "txtbp" << 0 << "5";
    QTest::newRow("typing in Grade Pay") << "txtnpa" << 0 << "5";
    QTest::newRow("typing in Dearness Allow.") << "txtda" << 0 << "5";
    QTest::newRow("typing in HRA Drawn") << "txthra" << 0 << "5";
    QTest::newRow("typing in Rent Paid") << "txtRP" << 0 << "5";
    QTest::newRow("emptied Grade Pay becomes 0 at once") << "txtnpa" << int(Qt::Key_Backspace) << "0";
}

void TestForm2::changeDisablesBack()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    Form2 *form = openCalculated();
    QVERIFY(form->cmdback->isEnabled());
    auto *field = form->findChild<QLineEdit *>(name);
    if (key) {
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClick(field, Qt::Key(key));
    } else {
        d.type(field, QStringLiteral("5"));
    }
    QTEST(field->text(), "text");
    QVERIFY(!form->cmdback->isEnabled());
}

void TestForm2::typingLimit()
{
    Form2 *form = open();
    for (EntryField *amount : {form->txtbp, form->txtnpa, form->txtda, form->txthra, form->txtRP}) {
        d.type(amount, QStringLiteral("123456789012"));
        QCOMPARE(amount->text(), QStringLiteral("1234567890"));
    }
}

void TestForm2::textThatIsNotANumberChangesNothing()
{
    Form2 *form = openCalculated();
    d.type(form->txtnpa, QStringLiteral("-"));
    const auto texts = [&] {
        return d.texts({form->txtbp, form->txtnpa, form->txtda, form->txtns, form->txthra, form->txtRP, form->txthrx});
    };
    const QStringList before = texts();

    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    QCOMPARE(d.platform.messages, d.strings({"\"Grade Pay\" is not a number. Please enter an amount."}));
    QCOMPARE(texts(), before);
    QVERIFY(!form->cmdback->isEnabled());
}

void TestForm2::unreadableCarrierOpensNothing()
{
    carry(d.strings({"0", "0", "12a", "0"}));
    QVERIFY(!open());
    QCOMPARE(d.platform.messages, d.strings({"\"HRA Received\" is not a number. Please enter an amount."}));
}

void TestForm2::tabOrder()
{
    Form2 *form = openCalculated();
    QCOMPARE(d.tabStops(form->txtbp, 7),
             d.strings({"txtbp", "txtda", "txthra", "txtRP", "cmdcal", "cmdback", "txtnpa"}));
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
