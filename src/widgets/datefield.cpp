// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "datefield.h"

#include "wholetext.h"

namespace pelmora {

DateField::DateField(QWidget *parent) : EntryField(parent), m_mark(this), m_wholeText(new WholeText(this))
{
    setAlignment(Qt::AlignLeft);
}

void DateField::setMeaning(Meaning meaning)
{
    m_meaning = std::move(meaning);
    showMeaning();
}

QString DateField::readingHint() const
{
    return m_mark.hint();
}

void DateField::afterChange()
{
    showMeaning();
}

void DateField::showMeaning()
{
    const std::optional<QString> meaning = m_meaning ? m_meaning(text()) : std::optional<QString>(QString());
    if (m_mark.show(meaning ? QString() : QStringLiteral("Not a date: type it as 07/12/1953")))
        m_wholeText->setMarkRoom(m_mark.room());
    const QString said = meaning.value_or(m_mark.hint());
    setToolTip(meaning.value_or(QString()));
    setAccessibleDescription(said);
}

} // namespace pelmora
