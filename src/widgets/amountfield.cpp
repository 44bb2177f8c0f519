// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "amountfield.h"

#include "keyboardentry.h"

#include "fieldtexts.h"
#include "wholetext.h"

#include <QAction>
#include <QFocusEvent>
#include <QStyle>
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

EntryField::EntryField(QWidget *parent) : QLineEdit(parent), m_keyboard(new KeyboardEntry(this))
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
    if (!m_keyboard->entered(event))
        return;
    selectAll();
    // A click places the caret after the focus arrives; select again once the button is up.
    m_selectAllOnRelease = event->reason() == Qt::MouseFocusReason;
}

void EntryField::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    if (m_selectAllOnRelease && !hasSelectedText())
        selectAll();
    m_selectAllOnRelease = false;
}

NameField::NameField(QWidget *parent) : EntryField(parent) {}

AmountField::AmountField(QWidget *parent)
    : EntryField(parent)
    , m_readingMark(this)
    , m_wholeText(new WholeText(this))
{
    setAlignment(Qt::AlignRight);
    setText(QStringLiteral("0"));
}

void AmountField::explain(const QString &working)
{
    m_working = working;
    describe();
}

void AmountField::setReading(Reading reading)
{
    m_reading = reading;
    showReading();
}

QString AmountField::readingHint() const
{
    return m_readingMark.hint();
}

void AmountField::afterChange()
{
    if (text().isEmpty()) {
        setText(QStringLiteral("0"));
        selectAll(); // what is typed next replaces the "0"
    }
    showReading();
}

void AmountField::showReading()
{
    if (!m_readingMark.show(QString::fromStdString(pelmora::readingHint(textOf(this), m_reading))))
        return;
    m_wholeText->setMarkRoom(m_readingMark.room());
    describe();
}

void AmountField::describe()
{
    // What a screen reader says of the field: how it was worked out, and how its text reads.
    const QString hint = m_readingMark.hint();
    const QString description = m_working.isEmpty() || hint.isEmpty() ? m_working + hint
                                                                      : m_working + QStringLiteral(". ") + hint;
    setToolTip(m_working);
    setAccessibleDescription(description);
}

ResultField::ResultField(QWidget *parent) : QLineEdit(parent)
{
    new WholeText(this);
    setAlignment(Qt::AlignRight);
    writeFigure(this, "0", notWorkedOutYet);
    showAsResult(this);
}

void showAsResult(QLineEdit *field)
{
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, QColor(128, 0, 0));
    field->setPalette(palette);
}

} // namespace pelmora

namespace pelmora {

CarrierField::CarrierField(QWidget *parent) : QLineEdit(parent)
{
    setText(QStringLiteral("0"));
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

} // namespace pelmora
