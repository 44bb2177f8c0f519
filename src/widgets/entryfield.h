// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The field kind every field that takes typing is built on. Its change and focus behaviour is
// written here once: a window only says which commit buttons a change disables.

#include "selectonentry.h"

#include <QLineEdit>

namespace pelmora {

// An editable field. Every change of its text, typed or written by the program, emits
// changed(); entering it by any means (Tab, click, program) selects its whole text. An Alt
// chord that no button took types nothing into it.
class EntryField : public QLineEdit
{
    Q_OBJECT
public:
    explicit EntryField(QWidget *parent = nullptr);

    // Limits what the user may type; texts the program writes always arrive whole.
    void setTypingLimit(int characters);

Q_SIGNALS:
    void changed();

protected:
    virtual void afterChange() {}
    void focusInEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    SelectOnEntry m_entry;
};

} // namespace pelmora
