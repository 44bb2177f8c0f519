// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the keyboard does on arriving in a field.
//
// The focus arriving there either enters the field (by Tab, a click, or because the program
// moved it there), which selects its whole text so that what is typed next replaces it, or
// comes back to it (from a menu, or to the window from another program), which keeps the
// caret where the user left it. On a real desktop a window becomes active only after the
// handler that showed it has run, so the focus the program gave arrives later as "window
// activated", the same reason as the user's return from another program: what tells them
// apart is how the field was left.
//
// Alt and a key is how the user presses a button by its access key. A chord that no enabled
// button took types nothing, so a figure never gains a letter the user did not mean.

#include <QObject>

class QFocusEvent;
class QWidget;

namespace pelmora {

class KeyboardEntry : public QObject
{
    Q_OBJECT
public:
    // Watches the field's focus, visibility and keys.
    explicit KeyboardEntry(QWidget *field);

    // Call from the field's focusInEvent: true when the focus enters the field.
    bool entered(const QFocusEvent *event);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    bool m_leftForAnotherProgram = false;
};

} // namespace pelmora
