#include "app/amountfield.h"
#include "app/frmmain.h"
#include "recordingplatform.h"

#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace pelmora;

class TestFrmMain : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void startsReadyForTheName();
    void workedExampleByKeyboard_data();
    void workedExampleByKeyboard();
    void changeDisablesPrint_data();
    void changeDisablesPrint();
    void tooLargeFigureChangesNothing();
    void tabOrder();
    void enterOnAnotherButtonPressesThatButton();
    void escapeLeavesTheWindowOpen();
    void webLink_data();
    void webLink();
    void exitAndCloseBoxEndTheProgram();

private:
    void type(QLineEdit *field, const QString &text);
    QStringList resultTexts() const;

    RecordingPlatform m_platform;
    frmmain *m_window = nullptr;
};

void TestFrmMain::init()
{
    m_platform = RecordingPlatform();
    m_window = new frmmain(m_platform);
    m_window->show();
    QApplication::setActiveWindow(m_window);
    QVERIFY(QTest::qWaitForWindowActive(m_window));
}

void TestFrmMain::cleanup()
{
    delete m_window;
    m_window = nullptr;
}

void TestFrmMain::type(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, text);
    QCOMPARE(field->text(), text);
}

QStringList TestFrmMain::resultTexts() const
{
    QStringList texts;
    for (QLineEdit *field : {static_cast<QLineEdit *>(m_window->txtexall), static_cast<QLineEdit *>(m_window->txtnsal),
                             static_cast<QLineEdit *>(m_window->txtgti), static_cast<QLineEdit *>(m_window->txtnti),
                             static_cast<QLineEdit *>(m_window->txtgtax), static_cast<QLineEdit *>(m_window->txtrel87A),
                             static_cast<QLineEdit *>(m_window->txtntax), static_cast<QLineEdit *>(m_window->txtcess),
                             static_cast<QLineEdit *>(m_window->txtttax), static_cast<QLineEdit *>(m_window->txtbaltax)})
        texts.append(field->text());
    return texts;
}

void TestFrmMain::startsReadyForTheName()
{
    QCOMPARE(m_window->windowTitle(), QStringLiteral("Pelmora - Income Tax Calculator"));
    QVERIFY(m_window->txtname->hasFocus());
    QVERIFY(!m_window->cmdprint->isEnabled());
    QCOMPARE(m_window->size(), QSize(754, 396));
    QCOMPARE(m_window->minimumSize(), m_window->maximumSize());
    for (auto *field : m_window->findChildren<AmountField *>())
        QCOMPARE(field->text(), QStringLiteral("0"));
    QCOMPARE(resultTexts(), QStringList(10, QStringLiteral("0")));
}

void TestFrmMain::workedExampleByKeyboard_data()
{
    QTest::addColumn<QKeyCombination>("key");
    QTest::newRow("Enter in a field") << QKeyCombination(Qt::Key_Return);
    QTest::newRow("Alt+C") << QKeyCombination(Qt::AltModifier, Qt::Key_C);
}

void TestFrmMain::workedExampleByKeyboard()
{
    QFETCH(QKeyCombination, key);
    type(m_window->txtgs, QStringLiteral("600000"));
    type(m_window->txthra, QStringLiteral("50000"));
    type(m_window->txttp, QStringLiteral("9600"));
    type(m_window->txtos, QStringLiteral("5000"));
    type(m_window->txtdedtax, QStringLiteral("40000"));
    m_window->txtded80->setText(QStringLiteral("100000")); // the section 80 worksheet's figure

    QTest::keyClick(m_window->txtdedtax, key.key(), key.keyboardModifiers());
    QTRY_VERIFY(m_window->cmdprint->isEnabled()); // an access key presses its button after a moment

    const QStringList expected{QStringLiteral("59600"), QStringLiteral("540400"), QStringLiteral("545400"),
                               QStringLiteral("445400"), QStringLiteral("24540"), QStringLiteral("2000"),
                               QStringLiteral("22540"), QStringLiteral("676"), QStringLiteral("23216"),
                               QStringLiteral("-16784")};
    QCOMPARE(resultTexts(), expected);
    QVERIFY(m_window->cmdprint->isEnabled());
    QVERIFY(m_platform.messages.isEmpty());
}

void TestFrmMain::changeDisablesPrint_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<bool>("typed");

    for (const char *name : {"txtname", "txtgs", "txttp", "txthra", "txtos", "txtrel89", "txtdedtax"})
        QTest::addRow("typing in %s", name) << QString::fromLatin1(name) << true;
    QTest::newRow("house property figure handed back") << QStringLiteral("txthp") << false;
    QTest::newRow("deductions figure handed back") << QStringLiteral("txtded80") << false;
}

void TestFrmMain::changeDisablesPrint()
{
    QFETCH(QString, field);
    QFETCH(bool, typed);
    auto *edit = m_window->findChild<QLineEdit *>(field);
    QVERIFY(edit);
    QTest::mouseClick(m_window->cmdcalc, Qt::LeftButton);
    QVERIFY(m_window->cmdprint->isEnabled());

    if (typed) {
        edit->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(edit, QStringLiteral("5"));
    } else {
        edit->setText(QStringLiteral("-124400"));
    }
    QVERIFY(!m_window->cmdprint->isEnabled());

    QTest::mouseClick(m_window->cmdcalc, Qt::LeftButton);
    QVERIFY(m_window->cmdprint->isEnabled());
}

void TestFrmMain::tooLargeFigureChangesNothing()
{
    type(m_window->txtgs, QStringLiteral("600000"));
    QTest::mouseClick(m_window->cmdcalc, Qt::LeftButton);
    const QStringList before = resultTexts();
    QVERIFY(m_window->cmdprint->isEnabled());

    m_window->txtos->setText(QStringLiteral("1e400"));
    m_window->cmdprint->setEnabled(false);
    QTest::mouseClick(m_window->cmdcalc, Qt::LeftButton);

    QCOMPARE(m_platform.messages.size(), 1);
    QVERIFY(m_platform.messages.first().contains(QStringLiteral("too large")));
    QCOMPARE(resultTexts(), before);
    QVERIFY(!m_window->cmdprint->isEnabled());
}

void TestFrmMain::tabOrder()
{
    QTest::mouseClick(m_window->cmdcalc, Qt::LeftButton); // so that Print is a stop too
    const QStringList expected{QStringLiteral("cmdcalgs"), QStringLiteral("txtgs"),    QStringLiteral("txttp"),
                               QStringLiteral("cmdcalhr"), QStringLiteral("txthra"),   QStringLiteral("txtos"),
                               QStringLiteral("cmdcalhp"), QStringLiteral("cmdcalded80"), QStringLiteral("txtrel89"),
                               QStringLiteral("txtdedtax"), QStringLiteral("cmdcalc"), QStringLiteral("cmdprint"),
                               QStringLiteral("cmdexit"),  QStringLiteral("txtname")};
    m_window->txtname->setFocus(Qt::TabFocusReason);
    QStringList visited;
    for (qsizetype i = 0; i < expected.size(); ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QCOMPARE(visited, expected);
}

void TestFrmMain::enterOnAnotherButtonPressesThatButton()
{
    m_window->cmdexit->setFocus(Qt::TabFocusReason);
    QTest::keyClick(m_window->cmdexit, Qt::Key_Return);
    QCOMPARE(m_platform.quitRequests, 1);
    QVERIFY(!m_window->cmdprint->isEnabled()); // Calculate did not run
}

void TestFrmMain::escapeLeavesTheWindowOpen()
{
    QTest::keyClick(m_window->txtname, Qt::Key_Escape);
    QVERIFY(m_window->isVisible());
    QCOMPARE(m_platform.quitRequests, 0);
}

void TestFrmMain::webLink_data()
{
    QTest::addColumn<bool>("browserAvailable");
    QTest::addColumn<QStringList>("messages");
    QTest::newRow("browser opens the address") << true << QStringList();
    QTest::newRow("no browser: one message") << false << QStringList{QStringLiteral("Unable to start Web browser !")};
}

void TestFrmMain::webLink()
{
    QFETCH(bool, browserAvailable);
    QFETCH(QStringList, messages);
    m_platform.browserAvailable = browserAvailable;
    type(m_window->txtgs, QStringLiteral("1234"));

    QVERIFY(m_window->Label7->text().startsWith(QStringLiteral("Free Download:- ")));
    QTest::mouseClick(m_window->Label7, Qt::LeftButton);

    QCOMPARE(m_platform.openedAddresses.size(), 1);
    QVERIFY(m_window->Label7->text().endsWith(m_platform.openedAddresses.first().toString()));
    QCOMPARE(m_platform.messages, messages);
    QCOMPARE(m_window->txtgs->text(), QStringLiteral("1234"));
}

void TestFrmMain::exitAndCloseBoxEndTheProgram()
{
    QTest::keyClick(m_window, Qt::Key_X, Qt::AltModifier);
    QTRY_COMPARE(m_platform.quitRequests, 1);
    m_window->close();
    QCOMPARE(m_platform.quitRequests, 2);
}

QTEST_MAIN(TestFrmMain)
#include "tst_frmmain.moc"
