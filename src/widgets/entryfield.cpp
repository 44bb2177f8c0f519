// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "entryfield.h"

#include <QFocusEvent>
#include <QValidator>

#include <algorithm>

namespace pelmora {

namespace {

// Keeps what the user types or pastes to a length: the first characters of a paste stay, as
// many as fit, and a key that adds nothing more is refused. Unlike QLineEdit's maxLength it
// leaves setText() alone, so a figure the program writes is never cut.
class TypingLimit : public QValidator
{
public:
    TypingLimit(int characters, QLineEdit *field)
        : QValidator(field), m_characters(characters), m_field(field), m_accepted(field->text())
    {
    }

    State validate(QString &input, int &cursor) const override
    {
        // setText() clears the modified flag before its text is validated; the user's edit sets it.
        // A text already longer (a figure the program wrote) may still be shortened.
        const qsizetype room = std::max(qsizetype(m_characters), m_accepted.size());
        if (m_field->isModified() && input.size() > room) {
            // What was typed or pasted ends at the cursor: its end goes.
            const qsizetype excess = std::min(input.size() - room, qsizetype(cursor));
            cursor -= int(excess);
            input.remove(cursor, excess);
            if (input == m_accepted)
                return Invalid;
        }
        m_accepted = input;
        return Acceptable;
    }

private:
    int m_characters;
    const QLineEdit *m_field;
    mutable QString m_accepted; // the text as it stands: every text validated here is taken
};

} // namespace

EntryField::EntryField(QWidget *parent) : QLineEdit(parent), m_entry(this, this)
{
    connect(this, &QLineEdit::textChanged, this, [this] {
        Q_EMIT changed();
        afterChange();
    });
}

void EntryField::setTypingLimit(int characters)
{
    setValidator(new TypingLimit(characters, this));
}

void EntryField::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    m_entry.focusIn(event);
}

void EntryField::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    m_entry.mouseReleased();
}

} // namespace pelmora
