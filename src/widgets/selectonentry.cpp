// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "selectonentry.h"

#include "keyboardentry.h"

#include <QFocusEvent>
#include <QLineEdit>

namespace pelmora {

SelectOnEntry::SelectOnEntry(QWidget *field, QLineEdit *text) : m_keyboard(new KeyboardEntry(field)), m_text(text)
{
}

void SelectOnEntry::focusIn(const QFocusEvent *event)
{
    if (!m_keyboard->entered(event))
        return;
    m_text->selectAll();
    // A click places the caret after the focus arrives; select again once the button is up.
    m_selectOnRelease = event->reason() == Qt::MouseFocusReason;
}

void SelectOnEntry::mouseReleased()
{
    if (m_selectOnRelease && !m_text->hasSelectedText())
        m_text->selectAll();
    m_selectOnRelease = false;
}

} // namespace pelmora
