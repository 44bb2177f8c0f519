// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keyboardentry.h"

#include <QApplication>
#include <QWidget>
#include <QFocusEvent>
#include <QKeyEvent>

namespace pelmora {

namespace {

// A key pressed with Alt (Alt+Shift and Ctrl+Alt included) that would type a character.
// AltGr, which some keyboard layouts need for typing, is not Alt.
bool isAccessKeyChord(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (!modifiers.testFlag(Qt::AltModifier) || event->text().isEmpty())
        return false;
#ifdef Q_OS_WIN
    // Windows reports AltGr as Ctrl+Alt.
    if (modifiers.testFlag(Qt::ControlModifier))
        return false;
#endif
    return true;
}

} // namespace

KeyboardEntry::KeyboardEntry(QWidget *field) : QObject(field)
{
    field->installEventFilter(this);
}

bool KeyboardEntry::entered(const QFocusEvent *event)
{
    const bool comingBack = event->reason() == Qt::PopupFocusReason
        || (event->reason() == Qt::ActiveWindowFocusReason && m_leftForAnotherProgram);
    m_leftForAnotherProgram = false;
    return !comingBack;
}

bool KeyboardEntry::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::FocusOut:
        // A message box or another window of the program leaves an active window behind;
        // only another program leaves none.
        m_leftForAnotherProgram = static_cast<QFocusEvent *>(event)->reason() == Qt::ActiveWindowFocusReason
            && QApplication::activeWindow() == nullptr;
        break;
    case QEvent::Hide:
        // A window shown again is entered afresh.
        m_leftForAnotherProgram = false;
        break;
    case QEvent::KeyPress:
        if (isAccessKeyChord(static_cast<QKeyEvent *>(event)))
            return true;
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

} // namespace pelmora
