// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A window's commit buttons (Print, Back): enabled by its Calculate, disabled by any change of
// a field they depend on, so a result is only carried on while it matches its fields.

#include <QList>
#include <QPointer>
#include <QPushButton>

namespace pelmora {

class EntryField;

class CommitButtons
{
public:
    // A button joins disabled: nothing has been calculated yet.
    void add(QPushButton *button);

    // Any change of the field's text disables the buttons.
    void watch(EntryField *field);
    void watch(const QList<EntryField *> &fields);

    void enable();
    void disable();

private:
    void setEnabled(bool enabled);

    QList<QPointer<QPushButton>> m_buttons;
};

} // namespace pelmora
