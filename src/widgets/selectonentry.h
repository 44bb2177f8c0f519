// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Entering a field selects its whole text, so that what is typed next replaces it: by Tab, by a
// click, or when the program moves the focus there. Coming back to it (from a menu, or from
// another program) keeps the caret where the user left it. Used by every kind of field that
// takes typing.

class QFocusEvent;
class QLineEdit;
class QWidget;

namespace pelmora {

class KeyboardEntry;

class SelectOnEntry
{
public:
    // field receives the focus; text is where its text is edited (the field itself, or a
    // combo box's line edit).
    SelectOnEntry(QWidget *field, QLineEdit *text);

    // Call after the field's own focusInEvent and mouseReleaseEvent.
    void focusIn(const QFocusEvent *event);
    void mouseReleased();

private:
    KeyboardEntry *m_keyboard;
    QLineEdit *m_text;
    bool m_selectOnRelease = false;
};

} // namespace pelmora
