// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Drives the real windows as the user does, with a recording platform answering message boxes.

#include "recordingplatform.h"
#include "app/frmmain.h"
#include "widgets/amountfield.h"
#include "widgets/carrierfield.h"
#include "widgets/datefield.h"
#include "widgets/namefield.h"
#include "widgets/resultfield.h"

#include <QComboBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class WorksheetDriver
{
public:
    bool start()
    {
        platform = RecordingPlatform();
        main = std::make_unique<pelmora::frmmain>(platform);
        main->show();
        QApplication::setActiveWindow(main.get());
        return QTest::qWaitForWindowActive(main.get());
    }

    void stop() { main.reset(); }

    // Clicks the Calc. button and returns the window once it is active; nullptr if none opened.
    template <typename Worksheet>
    Worksheet *open(QPushButton *calcButton, pelmora::WorksheetSlot<Worksheet> &slot)
    {
        QTest::mouseClick(calcButton, Qt::LeftButton);
        if (slot.exists() && !QTest::qWaitForWindowActive(slot.window()))
            qWarning("the worksheet did not become active");
        return slot.exists() ? slot.window() : nullptr;
    }

    // Enters the field by Tab, which selects its text, and types over it ("": a Backspace).
    static void type(QWidget *field, const QString &text)
    {
        field->clearFocus();
        field->setFocus(Qt::TabFocusReason);
        text.isEmpty() ? QTest::keyClick(field, Qt::Key_Backspace) : QTest::keyClicks(field, text);
    }

    // Alt and the button's access key. The button shows itself pressed for a moment first.
    static bool pressAccessKey(QPushButton *button, Qt::Key key)
    {
        QSignalSpy clicked(button, &QPushButton::clicked);
        QTest::keyClick(button->window(), key, Qt::AltModifier);
        return clicked.count() == 1 || clicked.wait();
    }

    static QStringList texts(std::initializer_list<const QLineEdit *> fields)
    {
        QStringList texts;
        for (const QLineEdit *field : fields)
            texts.append(field->text());
        return texts;
    }

    // Every named field's and box's text, to show that a refused Calculate changed nothing.
    static QMap<QString, QString> snapshot(const QWidget *window)
    {
        QMap<QString, QString> texts;
        for (const QLineEdit *field : window->findChildren<QLineEdit *>())
            texts.insert(field->objectName(), field->text());
        for (const QComboBox *box : window->findChildren<QComboBox *>())
            texts.insert(box->objectName(), box->currentText());
        texts.remove(QString());
        return texts;
    }

    // Every named field's working: its tooltip, which its accessible description must repeat.
    static QMap<QString, QString> workings(const QWidget *window)
    {
        QMap<QString, QString> workings;
        for (const QLineEdit *field : window->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral("."))))
            workings.insert(field->objectName(), field->toolTip() == field->accessibleDescription()
                                                     ? field->toolTip() : QStringLiteral("description differs"));
        return workings;
    }

    // Presses Calculate, which must refuse: the messages shown, with every field and working as it was.
    QStringList refusedCalculate(QAbstractButton *calculate)
    {
        const QMap<QString, QString> before = snapshot(calculate->window()), worked = workings(calculate->window());
        QTest::mouseClick(calculate, Qt::LeftButton);
        return snapshot(calculate->window()) == before && workings(calculate->window()) == worked
                   ? platform.messages : QStringList{QStringLiteral("fields changed")};
    }

    // The fields whose change, as another window writes, disables the commit button, sorted.
    static QStringList fieldsDisabling(const QWidget *window, QAbstractButton *calculate, const QAbstractButton *commit)
    {
        QStringList disabling;
        for (QLineEdit *field : window->findChildren<QLineEdit *>(QRegularExpression(QStringLiteral(".")))) {
            calculate->click();
            if (!commit->isEnabled())
                return {QStringLiteral("Calculate left the commit button disabled")};
            const QString text = field->text();
            field->setText(text + u'5');
            if (!commit->isEnabled())
                disabling.append(field->objectName());
            // Put back: a date of birth with a 5 added is no date, and the next Calculate would refuse it.
            field->setText(text);
        }
        disabling.sort();
        return disabling;
    }

    static QStringList tabStops(QWidget *first, qsizetype count)
    {
        first->setFocus(Qt::TabFocusReason);
        QStringList visited{first->objectName()};
        while (visited.size() < count) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        return visited;
    }

    static QStringList words(const char *text) { return QString::fromUtf8(text).split(u' '); }

    RecordingPlatform platform;
    std::unique_ptr<pelmora::frmmain> main;
};
