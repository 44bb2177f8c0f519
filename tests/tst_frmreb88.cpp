#include "app/amountfield.h"
#include "app/frmmain.h"
#include "recordingplatform.h"
#include "worksheets/frmreb88.h"

#include <QPushButton>
#include <QTest>

using namespace pelmora;

namespace {

const QString mediclaimMessage = QStringLiteral(
    "Deduction for Mediclaim Restricted to Rs.30,000/- only (Rs. 15,000/- for self and dependents and "
    "Rs. 15,000/- for parents");

} // namespace

class TestFrmReb88 : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init();
    void cleanup();

    void openingCopiesThePensionFigure_data();
    void openingCopiesThePensionFigure();
    void tooLargePensionFigureOpensNothing();
    void workedGrandTotalHandedBack();
    void bondsLimitLeavesBackEnabled();
    void changeDisablesBack_data();
    void changeDisablesBack();
    void mediclaimKeystroke_data();
    void mediclaimKeystroke();
    void tabOrder();

private:
    frmreb88 *open();
    void type(QLineEdit *field, const QString &text);

    RecordingPlatform m_platform;
    frmmain *m_main = nullptr;
};

void TestFrmReb88::init()
{
    m_platform = RecordingPlatform();
    m_main = new frmmain(m_platform);
    m_main->show();
    QApplication::setActiveWindow(m_main);
    QVERIFY(QTest::qWaitForWindowActive(m_main));
}

void TestFrmReb88::cleanup()
{
    delete m_main;
    m_main = nullptr;
}

frmreb88 *TestFrmReb88::open()
{
    QTest::mouseClick(m_main->cmdcalded80, Qt::LeftButton);
    frmreb88 *form = m_main->reb88.window();
    if (!QTest::qWaitForWindowActive(form))
        qWarning("the section 80 worksheet did not become active");
    return form;
}

void TestFrmReb88::type(QLineEdit *field, const QString &text)
{
    field->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(field, text);
}

void TestFrmReb88::openingCopiesThePensionFigure_data()
{
    QTest::addColumn<QString>("carried");
    QTest::addColumn<QString>("written");

    QTest::newRow("24000 into both fields") << "24000" << "24000";
    QTest::newRow("nothing carried yet: 0") << "0" << "0";
    QTest::newRow("written as shortest decimal text") << "24000.50" << "24000.5";
}

void TestFrmReb88::openingCopiesThePensionFigure()
{
    QFETCH(QString, carried);
    QFETCH(QString, written);
    frmreb88 *form = open();
    QCOMPARE(form->windowTitle(), QStringLiteral("Pelmora - Deductions Under Section 80"));
    type(form->txt80ccdec, QStringLiteral("5000"));
    type(form->txt80ccdgc, QStringLiteral("6000"));
    type(form->txtgpf, QStringLiteral("7000"));
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    QVERIFY(form->cmdbk->isEnabled());

    m_main->txtmgc->setText(carried);
    QCOMPARE(open(), form);
    QCOMPARE(form->txt80ccdec->text(), written);
    QCOMPARE(form->txt80ccdgc->text(), written);
    QCOMPARE(form->txtgpf->text(), QStringLiteral("7000")); // nothing else is copied
    QVERIFY(!form->cmdbk->isEnabled());
}

void TestFrmReb88::tooLargePensionFigureOpensNothing()
{
    m_main->txtmgc->setText(QStringLiteral("1e400"));
    QTest::mouseClick(m_main->cmdcalded80, Qt::LeftButton);
    QCOMPARE(m_platform.messages,
             QStringList{QStringLiteral("A figure is too large to calculate with. Please check the amounts.")});
    QVERIFY(!m_main->reb88.exists());
}

void TestFrmReb88::workedGrandTotalHandedBack()
{
    m_main->txtmgc->setText(QStringLiteral("10000"));
    frmreb88 *form = open();
    type(form->txtgpf, QStringLiteral("100000"));
    type(form->txt80ccf, QStringLiteral("20000"));
    type(form->txt80d, QStringLiteral("30000"));
    type(form->txt80g, QStringLiteral("5000"));
    QTest::keyClick(form->txt80g, Qt::Key_Return);
    QCOMPARE(form->txt80c->text(), QStringLiteral("100000"));
    QCOMPARE(form->txttot1->text(), QStringLiteral("110000"));
    QCOMPARE(form->txtgt80->text(), QStringLiteral("165000"));
    QVERIFY(form->cmdbk->isEnabled());

    QTest::mouseClick(form->cmdbk, Qt::LeftButton);
    QVERIFY(!form->isVisible());
    QVERIFY(QTest::qWaitForWindowActive(m_main));
    QCOMPARE(m_main->txtded80->text(), QStringLiteral("165000"));
    QVERIFY(m_main->txtrel89->hasFocus());
    QVERIFY(m_platform.messages.isEmpty());
}

void TestFrmReb88::bondsLimitLeavesBackEnabled()
{
    frmreb88 *form = open();
    type(form->txt80ccf, QStringLiteral("25000"));
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    QCOMPARE(form->txt80ccf->text(), QStringLiteral("20000"));
    QCOMPARE(form->txtgt80->text(), QStringLiteral("20000"));
    QVERIFY(form->cmdbk->isEnabled());
}

void TestFrmReb88::changeDisablesBack_data()
{
    QTest::addColumn<QString>("name");

    for (const char *name : {"txtgpf", "txtos", "txt80ccc", "txt80ccdec", "txt80ccdgc", "txt80ccf", "txt80d", "txt80g",
                             "txtoth"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestFrmReb88::changeDisablesBack()
{
    QFETCH(QString, name);
    frmreb88 *form = open();
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    QVERIFY(form->cmdbk->isEnabled());
    auto *field = form->findChild<QLineEdit *>(name);
    type(field, QStringLiteral("5"));
    QCOMPARE(field->text(), QStringLiteral("5"));
    QVERIFY(!form->cmdbk->isEnabled());
    QTest::keyClick(field, Qt::Key_Backspace);
    QCOMPARE(field->text(), QStringLiteral("0"));
}

void TestFrmReb88::mediclaimKeystroke_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shownWhile"); // the field's text while the message is open; empty: no message
    QTest::addColumn<QString>("finally");
    QTest::addColumn<bool>("focusOnDonations");

    QTest::newRow("35000: message at the fifth keystroke") << "35000" << "35000" << "30000" << true;
    QTest::newRow("30000 is the limit itself: no message") << "30000" << "" << "30000" << false;
    QTest::newRow("31,000 read whole: message at the last keystroke") << "31,000" << "31,000" << "30000" << true;
    QTest::newRow("30000.5 passes the limit") << "30000.5" << "30000.5" << "30000" << true;
    QTest::newRow("lone minus is not a number: no message") << "-" << "" << "-" << false;
    QTest::newRow("letters are not a number: no message") << "abc" << "" << "abc" << false;
}

void TestFrmReb88::mediclaimKeystroke()
{
    QFETCH(QString, typed);
    QFETCH(QString, shownWhile);
    frmreb88 *form = open();
    QStringList textsWhileShown;
    m_platform.onMessage = [&](const QString &) { textsWhileShown.append(form->txt80d->text()); };

    type(form->txt80d, typed);
    if (shownWhile.isEmpty()) {
        QVERIFY(m_platform.messages.isEmpty());
    } else {
        QCOMPARE(m_platform.messages, QStringList{mediclaimMessage});
        QCOMPARE(textsWhileShown, QStringList{shownWhile});
    }
    QTEST(form->txt80d->text(), "finally");
    QTEST(form->txt80g->hasFocus(), "focusOnDonations");
    QVERIFY(!form->cmdbk->isEnabled());
}

void TestFrmReb88::tabOrder()
{
    frmreb88 *form = open();
    QTest::mouseClick(form->cmdtot, Qt::LeftButton);
    form->txtgpf->setFocus(Qt::TabFocusReason);
    QStringList visited{QApplication::focusWidget()->objectName()};
    for (int i = 0; i < 19; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        visited.append(QApplication::focusWidget()->objectName());
    }
    QStringList expected;
    for (const char *name : {"txtgpf", "txtgis", "txthba", "txtlic", "txtppf", "txtnsc", "txtnsci", "txttf1", "txttf2",
                             "txtinf", "txtos", "txt80ccc", "txt80ccdec", "txt80ccdgc", "txt80ccf", "txt80d", "txt80g",
                             "txtoth", "cmdtot", "cmdbk"})
        expected.append(QString::fromLatin1(name));
    QCOMPARE(visited, expected);
}

QTEST_MAIN(TestFrmReb88)
#include "tst_frmreb88.moc"
