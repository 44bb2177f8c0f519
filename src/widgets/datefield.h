// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A date: left-aligned, initially empty. A text that is not a date shows the warning mark of an
// amount field that does not read whole; a date that reads says in its tooltip what it means.
// The field's description tells a screen reader the same. The mark hides no character.

#include "entryfield.h"
#include "readingmark.h"

#include <functional>
#include <optional>

namespace pelmora {

class WholeText;

class DateField : public EntryField
{
    Q_OBJECT
public:
    // What a text means, or none when it is not a date.
    using Meaning = std::function<std::optional<QString>(const QString &text)>;

    explicit DateField(QWidget *parent = nullptr);

    void setMeaning(Meaning meaning);
    // What the mark says; empty while the text is a date, or empty.
    QString readingHint() const;

protected:
    void afterChange() override;

private:
    void showMeaning();

    Meaning m_meaning;
    ReadingMark m_mark;
    WholeText *m_wholeText;
};

} // namespace pelmora
