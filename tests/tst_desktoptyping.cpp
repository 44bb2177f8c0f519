// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "worksheetdriver.h"

#include <QMenu>
#include <QMessageBox>
#include <QProcess>
#include <QTimer>

// Typing on a real X display, where a window is active only after its handler has run and an
// Alt chord carries its letter as text. Each row is the user's steps: layout:NAME (de has AltGr),
// tab:NAME, type:TEXT, key:CHORD (as xdotool names it), click:NAME (a Calc. button), active:NAME
// (the window becomes active), away and back (another program, then the window again).
class TestDesktopTyping : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void init()
    {
        QVERIFY(d.start());
        qApp->installEventFilter(this);
        // A message shows as a real modal box over its window, which takes the activation away.
        d.platform.onMessage = [](const QString &text) {
            QMessageBox box(QMessageBox::NoIcon, QStringLiteral("Pelmora"), text, QMessageBox::Ok,
                            QApplication::activeWindow());
            // Not isActiveWindow(): a dialog counts as active while its owner is.
            QTimer::singleShot(0, &box, [&box] {
                if (QTest::qWaitFor([&box] { return QApplication::activeWindow() == &box; }))
                    box.accept();
            });
            box.exec();
        };
    }
    void cleanup()
    {
        m_anotherProgram.kill();
        m_anotherProgram.waitForFinished();
        QProcess::execute(QStringLiteral("setxkbmap"), {QStringLiteral("us")});
        d.stop();
    }

    void figuresStayAsMeant_data()
    {
        QTest::addColumn<QString>("steps");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("expected");

        QTest::newRow("Alt+P with Print disabled types nothing")
            << "tab:txtgs type:700000 key:alt+p key:End type:1" << "txtgs" << "7000001";
        QTest::newRow("nor does Alt+Shift+P") << "tab:txtgs type:700000 key:alt+shift+p key:End type:1" << "txtgs" << "7000001";
        QTest::newRow("Alt+B with Back disabled fills nothing down")
            << "click:cmdcalgs active:Form1 tab:txtbp(5) type:25000 key:alt+b key:End type:1" << "txtbp(13)" << "250001";
        QTest::newRow("Alt+B in a choice box replaces nothing")
            << "click:cmdcalgs active:Form1 tab:cboclass1 key:alt+b key:End type:1" << "cboclass1" << "X1";

        QTest::newRow("the salary statement opens with the pension scheme selected")
            << "click:cmdcalgs active:Form1 type:Y" << "cbonps" << "Y";
        QTest::newRow("AltGr still types the characters it is for")
            << "layout:de tab:txtname key:ISO_Level3_Shift+q key:ISO_Level3_Shift+e" << "txtname" << "@€";
        QTest::newRow("reopening the HRA worksheet selects the rent")
            << "click:cmdcalhr active:Form2 type:20000 key:alt+c key:alt+b active:frmmain click:cmdcalhr active:Form2 type:25000"
            << "txtRP" << "25000";
        QTest::newRow("the HRA Back selects Other Sources")
            << "tab:txtos type:5000 click:cmdcalhr active:Form2 key:alt+c key:alt+b active:frmmain type:7" << "txtos" << "7";
        QTest::newRow("the Mediclaim message selects Donations")
            << "click:cmdcalded80 active:frmreb88 tab:txt80g type:5000 tab:txt80d type:40000 active:frmreb88 type:7"
            << "txt80g" << "7";
        QTest::newRow("a refused Calculate selects the field again")
            << "click:cmdcalhr active:Form2 type:12a key:Return active:Form2 type:7" << "txtRP" << "7";
        QTest::newRow("reopening section 80 selects the field left")
            << "click:cmdcalded80 active:frmreb88 type:5000 key:Left key:alt+c key:alt+b active:frmmain "
               "click:cmdcalded80 active:frmreb88 type:7"
            << "txtgpf" << "7";
        QTest::newRow("coming back from another program keeps the caret")
            << "tab:txtos type:5000 away back type:7" << "txtos" << "50007";
    }
    void figuresStayAsMeant()
    {
        QFETCH(QString, steps);
        QFETCH(QString, field);
        QFETCH(QString, expected);
        for (const QString &step : steps.split(u' '))
            QVERIFY2(run(step), qPrintable(step));
        QTRY_COMPARE(QApplication::activeWindow() ? d.snapshot(QApplication::activeWindow()).value(field) : QString(),
                     expected);
    }

    // The background menu from the keyboard, where the focused control has no menu of its own.
    void menuByKeyboard_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("key");
        QTest::addColumn<QString>("firstEntry");
        QTest::newRow("the Menu key on a button") << "cmdcalc" << "Menu" << "&Open…";
        QTest::newRow("Shift+F10 on a button") << "cmdexit" << "shift+F10" << "&Open…";
        QTest::newRow("the Menu key in a field: its own edit menu") << "txtgs" << "Menu" << "&Undo\tCtrl+Z";
        QTest::newRow("Shift+F10 in a field: its own edit menu") << "txtname" << "shift+F10" << "&Undo\tCtrl+Z";
    }
    void menuByKeyboard()
    {
        QFETCH(QString, focused);
        QFETCH(QString, key);
        auto *control = d.main->findChild<QWidget *>(focused);
        QVERIFY(control);
        QVERIFY(QTest::qWaitForWindowActive(d.main.get()));
        control->setFocus(Qt::TabFocusReason);
        // The background menu waits in a loop of its own: it is read, and closed, from inside it.
        QString firstEntry;
        QTimer look;
        connect(&look, &QTimer::timeout, this, [&] {
            if (const auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget()); menu && firstEntry.isEmpty()) {
                firstEntry = menu->actions().value(0)->text();
                xdotool(d.words("key Escape"));
            }
        });
        look.start(20);
        QVERIFY(xdotool({QStringLiteral("key"), key}));
        QVERIFY(QTest::qWaitFor([&] { return !firstEntry.isEmpty() && !QApplication::activePopupWidget(); }));
        QTEST(firstEntry, "firstEntry");
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        // Every key pressed is offered first to the focused control as a possible shortcut.
        if (event->type() == QEvent::ShortcutOverride && event->spontaneous() && watched->isWidgetType())
            ++m_keysPressed;
        return QObject::eventFilter(watched, event);
    }

private:
    bool send(const QStringList &arguments, int keys)
    {
        // Keys arrive in their own time: wait for each, and for a button pressed by its access key.
        const int expected = m_keysPressed + keys;
        const auto settled = [&] {
            if (m_keysPressed < expected)
                return false;
            for (QWidget *widget : QApplication::allWidgets()) {
                if (const auto *button = qobject_cast<QAbstractButton *>(widget); button && button->isDown())
                    return false;
            }
            return true;
        };
        return xdotool(arguments) && QTest::qWaitFor(settled);
    }
    bool run(const QString &step)
    {
        const QString verb = step.section(u':', 0, 0);
        const QString what = step.section(u':', 1);
        if (verb == QLatin1String("tab")) {
            QWidget *window = QApplication::activeWindow();
            QWidget *control = window ? window->findChild<QWidget *>(what) : nullptr;
            if (!control)
                return false; // no such control in the active window: the step fails, named
            control->setFocus(Qt::TabFocusReason);
            return control->hasFocus();
        }
        if (verb == QLatin1String("layout"))
            return QProcess::execute(QStringLiteral("setxkbmap"), {what}) == 0;
        if (verb == QLatin1String("type") || verb == QLatin1String("key"))
            return send({verb, what}, int(verb == QLatin1String("type") ? what.size() : what.count(u'+') + 1));
        if (verb == QLatin1String("click")) {
            auto *button = d.main->findChild<QPushButton *>(what);
            if (button)
                QTest::mouseClick(button, Qt::LeftButton);
            return button;
        }
        if (verb == QLatin1String("active")) {
            QWidget *target = nullptr;
            for (QWidget *window : QApplication::topLevelWidgets())
                target = window->objectName() == what ? window : target;
            return target && QTest::qWaitFor([target] { return target->isActiveWindow(); });
        }
        if (verb == QLatin1String("away")) {
            m_left = QApplication::activeWindow();
            m_anotherProgram.start(QStringLiteral("xmessage"), d.words("-name elsewhere Elsewhere"));
            return xdotool(d.words("search --sync --classname elsewhere windowactivate --sync"))
                && QTest::qWaitFor([] { return QApplication::activeWindow() == nullptr; });
        }
        if (verb == QLatin1String("back")) {
            return xdotool(d.words("windowactivate --sync") << QString::number(m_left->winId()))
                && QTest::qWaitFor([this] { return m_left->isActiveWindow(); });
        }
        return false;
    }
    static bool xdotool(const QStringList &arguments) { return QProcess::execute(QStringLiteral("xdotool"), arguments) == 0; }
    WorksheetDriver d;
    QProcess m_anotherProgram;
    QWidget *m_left = nullptr;
    int m_keysPressed = 0;
};

QTEST_MAIN(TestDesktopTyping)
#include "tst_desktoptyping.moc"
