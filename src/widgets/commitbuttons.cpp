// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "commitbuttons.h"

#include "entryfield.h"

namespace pelmora {

void CommitButtons::add(QPushButton *button)
{
    button->setEnabled(false);
    m_buttons.append(button);
}

void CommitButtons::watch(EntryField *field)
{
    QObject::connect(field, &EntryField::changed, field, [this] { disable(); });
}

void CommitButtons::watch(const QList<EntryField *> &fields)
{
    for (EntryField *field : fields)
        watch(field);
}

void CommitButtons::enable()
{
    setEnabled(true);
}

void CommitButtons::disable()
{
    setEnabled(false);
}

void CommitButtons::setEnabled(bool enabled)
{
    for (const auto &button : std::as_const(m_buttons)) {
        if (button)
            button->setEnabled(enabled);
    }
}

} // namespace pelmora
