// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "amountfield.h"

#include "fieldtexts.h"
#include "wholetext.h"

namespace pelmora {

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

} // namespace pelmora
