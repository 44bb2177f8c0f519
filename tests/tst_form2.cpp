#include "app/amountfield.h"
#include "app/frmmain.h"
#include "recordingplatform.h"
#include "worksheets/form2.h"

#include <QPushButton>
#include <QTest>

using namespace pelmora;

namespace {

const QString tooLarge = QStringLiteral("A figure is too large to calculate with. Please check the amounts.");

QString notANumber(const char *caption)
{
    return QStringLiteral("\"%1\" is not a number. Please enter an amount.").arg(QString::fromUtf8(caption));
}

} // namespace

class TestForm2 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void opensWithThePayFilledIn_data();
    void opensWithThePayFilledIn();
    void reopeningOverwritesOnlyThePay();
    void workedCaseHandedBack();
    void changeDisablesBack_data();
    void changeDisablesBack();
    void typingLimit();
    void textThatIsNotANumber_data();
    void textThatIsNotANumber();
    void unreadableCarrierOpensNothing_data();
    void unreadableCarrierOpensNothing();
    void tabOrder();

private:
    void setCarriers(const QString &basicPay, const QString &dearness, const QString &hraReceived,
                     const QString &gradePay);
    Form2 *open();
    void type(QLineEdit *field, const QString &text);
    QLineEdit *field(const QString &name) const;

    RecordingPlatform m_platform;
    frmmain *m_main = nullptr;
};

void TestForm2::init()
{
    m_platform = RecordingPlatform();
    m_main = new frmmain(m_platform);
    m_main->show();
    QApplication::setActiveWindow(m_main);
    QVERIFY(QTest::qWaitForWindowActive(m_main));
}

void TestForm2::cleanup()
{
    delete m_main;
    m_main = nullptr;
}

// As the salary statement's Back leaves them.
void TestForm2::setCarriers(const QString &basicPay, const QString &dearness, const QString &hraReceived,
                            const QString &gradePay)
{
    m_main->txtbp->setText(basicPay);
    m_main->txtda->setText(dearness);
    m_main->txthrr->setText(hraReceived);
    m_main->txtnpa->setText(gradePay);
}

Form2 *TestForm2::open()
{
    QTest::mouseClick(m_main->cmdcalhr, Qt::LeftButton);
    Form2 *form = m_main->form2.window();
    if (!QTest::qWaitForWindowActive(form))
        qWarning("the HRA worksheet did not become active");
    return form;
}

void TestForm2::type(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, text);
}

QLineEdit *TestForm2::field(const QString &name) const
{
    return m_main->form2.window()->findChild<QLineEdit *>(name);
}

void TestForm2::opensWithThePayFilledIn_data()
{
    QTest::addColumn<QStringList>("carriers"); // basic pay, dearness, HRA received, grade pay
    QTest::addColumn<QStringList>("fields");   // txtbp, txtnpa, txtda, txthra

    QTest::newRow("before the salary statement: all 0")
        << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}
        << QStringList{QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
    QTest::newRow("after the salary statement: its totals")
        << QStringList{QStringLiteral("250000"), QStringLiteral("180000"), QStringLiteral("60000"),
                       QStringLiteral("54000")}
        << QStringList{QStringLiteral("250000"), QStringLiteral("54000"), QStringLiteral("180000"),
                       QStringLiteral("60000")};
    QTest::newRow("figures longer than the typing limit arrive whole")
        << QStringList{QStringLiteral("12345678901.5"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")}
        << QStringList{QStringLiteral("12345678901.5"), QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0")};
}

void TestForm2::opensWithThePayFilledIn()
{
    QFETCH(QStringList, carriers);
    QFETCH(QStringList, fields);
    setCarriers(carriers[0], carriers[1], carriers[2], carriers[3]);

    Form2 *form = open();
    QVERIFY(form->isVisible());
    QCOMPARE(form->windowTitle(), QStringLiteral("Pelmora - HRA Exemption"));
    QCOMPARE((QStringList{form->txtbp->text(), form->txtnpa->text(), form->txtda->text(), form->txthra->text()}),
             fields);
    QVERIFY(form->txtRP->hasFocus());
    QCOMPARE(form->txtRP->selectedText(), QStringLiteral("0"));
    QVERIFY(!form->cmdback->isEnabled());
    QVERIFY(m_platform.messages.isEmpty());
}

void TestForm2::reopeningOverwritesOnlyThePay()
{
    setCarriers(QStringLiteral("10000"), QStringLiteral("0"), QStringLiteral("50000"), QStringLiteral("2345"));
    Form2 *form = open();
    type(form->txtRP, QStringLiteral("20000"));
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    QTest::mouseClick(form->cmdback, Qt::LeftButton);
    QVERIFY(!form->isVisible());

    setCarriers(QStringLiteral("20000"), QStringLiteral("1000"), QStringLiteral("40000"), QStringLiteral("3000"));
    QCOMPARE(open(), form);
    QCOMPARE((QStringList{form->txtbp->text(), form->txtnpa->text(), form->txtda->text(), form->txthra->text()}),
             (QStringList{QStringLiteral("20000"), QStringLiteral("3000"), QStringLiteral("1000"),
                          QStringLiteral("40000")}));
    QCOMPARE(form->txtRP->text(), QStringLiteral("20000"));
    QCOMPARE(form->txtns->text(), QStringLiteral("12345"));
    QCOMPARE(form->txthrx->text(), QStringLiteral("18766"));
    QVERIFY(!form->cmdback->isEnabled()); // the new pay is a change
}

void TestForm2::workedCaseHandedBack()
{
    setCarriers(QStringLiteral("10000"), QStringLiteral("0"), QStringLiteral("50000"), QStringLiteral("2345"));
    QTest::mouseClick(m_main->cmdcalc, Qt::LeftButton);
    QVERIFY(m_main->cmdprint->isEnabled());

    Form2 *form = open();
    QTest::keyClicks(form->txtRP, QStringLiteral("20000"));
    QTest::keyClick(form->txtRP, Qt::Key_Return);
    QCOMPARE(form->txtns->text(), QStringLiteral("12345"));
    QCOMPARE(form->txthrx->text(), QStringLiteral("18766"));
    QVERIFY(form->cmdback->isEnabled());

    QTest::mouseClick(form->cmdback, Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    QCOMPARE(m_main->txthra->text(), QStringLiteral("18766"));
    QVERIFY(m_main->txtos->hasFocus());
    QVERIFY(!m_main->cmdprint->isEnabled());
    QVERIFY(m_platform.messages.isEmpty());
}

void TestForm2::changeDisablesBack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("key"); // 0: type a digit
    QTest::addColumn<QString>("text");

    QTest::newRow("typing in Basic Pay") << "txtbp" << 0 << "5";
    QTest::newRow("typing in Grade Pay") << "txtnpa" << 0 << "5";
    QTest::newRow("typing in Dearness Allow.") << "txtda" << 0 << "5";
    QTest::newRow("typing in HRA Drawn") << "txthra" << 0 << "5";
    QTest::newRow("typing in Rent Paid") << "txtRP" << 0 << "5";
    QTest::newRow("emptied Grade Pay becomes 0 at once") << "txtnpa" << int(Qt::Key_Backspace) << "0";
    QTest::newRow("emptied Rent Paid becomes 0 at once") << "txtRP" << int(Qt::Key_Delete) << "0";
}

void TestForm2::changeDisablesBack()
{
    QFETCH(QString, name);
    QFETCH(int, key);
    setCarriers(QStringLiteral("10000"), QStringLiteral("0"), QStringLiteral("50000"), QStringLiteral("2345"));
    Form2 *form = open();
    type(form->txtRP, QStringLiteral("20000"));
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    QVERIFY(form->cmdback->isEnabled());

    QLineEdit *edited = field(name);
    edited->setFocus(Qt::TabFocusReason);
    if (key)
        QTest::keyClick(edited, Qt::Key(key));
    else
        QTest::keyClicks(edited, QStringLiteral("5"));
    QTEST(edited->text(), "text");
    QVERIFY(!form->cmdback->isEnabled());

    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    QVERIFY(form->cmdback->isEnabled());
}

void TestForm2::typingLimit()
{
    Form2 *form = open();
    for (EntryField *amount : {form->txtbp, form->txtnpa, form->txtda, form->txthra, form->txtRP}) {
        type(amount, QStringLiteral("123456789012"));
        QCOMPARE(amount->text(), QStringLiteral("1234567890"));
    }
}

void TestForm2::textThatIsNotANumber_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("message");

    QTest::newRow("12a in Rent Paid") << "txtRP" << "12a" << notANumber("Rent Paid (Annual)");
    QTest::newRow("lone minus in Grade Pay") << "txtnpa" << "-" << notANumber("Grade Pay");
    QTest::newRow("letters in Dearness Allow.") << "txtda" << "abc" << notANumber("Dearness Allow.");
    QTest::newRow("1e400 in Basic Pay") << "txtbp" << "1e400" << tooLarge;
}

void TestForm2::textThatIsNotANumber()
{
    QFETCH(QString, name);
    QFETCH(QString, typed);
    setCarriers(QStringLiteral("10000"), QStringLiteral("0"), QStringLiteral("50000"), QStringLiteral("2345"));
    Form2 *form = open();
    type(form->txtRP, QStringLiteral("20000"));
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    type(field(name), typed);

    const auto texts = [form] {
        QStringList texts;
        for (QLineEdit *f : form->findChildren<QLineEdit *>())
            texts.append(f->objectName() + QLatin1Char('=') + f->text());
        return texts;
    };
    const QStringList before = texts();
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    QTEST(m_platform.messages.value(0), "message");
    QCOMPARE(m_platform.messages.size(), 1);
    QCOMPARE(texts(), before);
    QCOMPARE(form->txthrx->text(), QStringLiteral("18766"));
    QVERIFY(!form->cmdback->isEnabled());
}

void TestForm2::unreadableCarrierOpensNothing_data()
{
    QTest::addColumn<QString>("basicPay");
    QTest::addColumn<QString>("message");

    QTest::newRow("text that is not a number") << "abc" << notANumber("Basic Pay");
    QTest::newRow("a figure beyond a double") << "1e400" << tooLarge;
}

void TestForm2::unreadableCarrierOpensNothing()
{
    QFETCH(QString, basicPay);
    setCarriers(basicPay, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"));
    QTest::mouseClick(m_main->cmdcalhr, Qt::LeftButton);
    QTEST(m_platform.messages.value(0), "message");
    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(!m_main->form2.exists());
}

void TestForm2::tabOrder()
{
    Form2 *form = open();
    QTest::mouseClick(form->cmdcal, Qt::LeftButton);
    form->txtbp->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 6; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, (QStringList{QStringLiteral("txtbp"), QStringLiteral("txtda"), QStringLiteral("txthra"),
                                   QStringLiteral("txtRP"), QStringLiteral("cmdcal"), QStringLiteral("cmdback"),
                                   QStringLiteral("txtnpa")}));
}

QTEST_MAIN(TestForm2)
#include "tst_form2.moc"
