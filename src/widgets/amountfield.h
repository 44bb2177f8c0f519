// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entryfield.h"
#include "readingmark.h"

#include "core/figures.h"

namespace pelmora {

class WholeText;

// An amount: right-aligned, initially "0", and an emptied amount becomes "0" at once. A text that
// does not count as typed shows a warning mark inside the left edge, its tooltip saying how the
// text is read; the mark never hides a character, and the whole text stays in view.
class AmountField : public EntryField
{
    Q_OBJECT
public:
    explicit AmountField(QWidget *parent = nullptr);

    // How the window reads this field: leniently unless said otherwise.
    void setReading(Reading reading);
    // What the mark says; empty while the text reads as typed and no mark is shown.
    QString readingHint() const;
    // How the figure shown was worked out, for its tooltip; a screen reader hears it with the
    // reading hint.
    void explain(const QString &working);

protected:
    void afterChange() override;

private:
    void showReading();
    void describe();

    Reading m_reading = Reading::Lenient;
    ReadingMark m_readingMark;
    WholeText *m_wholeText;
    QString m_working;
};

} // namespace pelmora
