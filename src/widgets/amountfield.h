// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The field kinds that every window is built from. Their change and focus behaviour is
// written here once: a window only says which commit buttons a change disables.

#include "core/figures.h"
#include "readingmark.h"

#include <QLineEdit>

namespace pelmora {

class KeyboardEntry;
class WholeText;

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
    KeyboardEntry *m_keyboard;
    bool m_selectAllOnRelease = false;
};

// The employee's name: left-aligned, initially empty, and an emptied name stays empty.
class NameField : public EntryField
{
    Q_OBJECT
public:
    explicit NameField(QWidget *parent = nullptr);
};

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

// A computed figure: read-only, right-aligned, dark red, skipped by the Tab key, initially "0".
// Its whole text stays in view.
class ResultField : public QLineEdit
{
    Q_OBJECT
public:
    explicit ResultField(QWidget *parent = nullptr);
};

// Gives a field the look and focus of a result field (read-only, dark red, no Tab stop).
void showAsResult(QLineEdit *field);

} // namespace pelmora

namespace pelmora {

// A figure carried between windows that is never shown: hidden, read-only, initially "0".
class CarrierField : public QLineEdit
{
    Q_OBJECT
public:
    explicit CarrierField(QWidget *parent = nullptr);
};

} // namespace pelmora
