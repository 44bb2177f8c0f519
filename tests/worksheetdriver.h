#pragma once

// Drives the real main window and the worksheets its Calc. buttons open, as the user does:
// clicks, typing into fields that received the focus by Tab, and a recording platform that
// answers message boxes.

#include "app/amountfield.h"
#include "app/frmmain.h"
#include "recordingplatform.h"

#include <QPushButton>
#include <QTest>

#include <memory>

class WorksheetDriver
{
public:
    // A fresh, active main window with every field at its initial text.
    bool start()
    {
        platform = RecordingPlatform();
        main = std::make_unique<pelmora::frmmain>(platform);
        main->show();
        QApplication::setActiveWindow(main.get());
        return QTest::qWaitForWindowActive(main.get());
    }

    void stop() { main.reset(); }

    // Clicks the Calc. button and returns the worksheet once it is active.
    template <typename Worksheet>
    Worksheet *open(QPushButton *calcButton, pelmora::WorksheetSlot<Worksheet> &slot)
    {
        QTest::mouseClick(calcButton, Qt::LeftButton);
        if (!slot.exists())
            return nullptr;
        Worksheet *worksheet = slot.window();
        if (!QTest::qWaitForWindowActive(worksheet))
            qWarning("the worksheet did not become active");
        return worksheet;
    }

    // Enters the field by Tab (which selects its text) and types over it.
    static void type(QLineEdit *field, const QString &text)
    {
        field->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(field, text);
    }

    static QStringList texts(std::initializer_list<const QLineEdit *> fields)
    {
        QStringList texts;
        for (const QLineEdit *field : fields)
            texts.append(field->text());
        return texts;
    }

    // The object names of the controls the Tab key visits, starting at the given one.
    static QStringList tabStops(QWidget *first, int count)
    {
        first->setFocus(Qt::TabFocusReason);
        QStringList visited{first->objectName()};
        for (int i = 1; i < count; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited.append(QApplication::focusWidget()->objectName());
        }
        return visited;
    }

    static QStringList strings(std::initializer_list<const char *> texts)
    {
        QStringList list;
        for (const char *text : texts)
            list.append(QString::fromUtf8(text));
        return list;
    }

    RecordingPlatform platform;
    std::unique_ptr<pelmora::frmmain> main;
};
