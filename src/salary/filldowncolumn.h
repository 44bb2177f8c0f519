// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The fill-down of a pay column of the salary statement: a figure typed into a month row is
// the pay from that month on, so every later row takes the same text. After any change of row
// i, rows i+1..13 hold row i's text, an emptied row i and all rows after it hold "0", and the
// rows before i are untouched.
//
// The column writes the later rows itself rather than relying on each row passing the change
// on: a write of the text a row already holds changes nothing and tells nobody, yet the rows
// after it may still differ.

#include <QObject>

#include <array>

namespace pelmora {

class AmountField;

class FillDownColumn : public QObject
{
    Q_OBJECT
public:
    static constexpr int rows = 14;

    FillDownColumn(const std::array<AmountField *, rows> &fields, QObject *parent);

    // Writes a figure into a row as the program does, and fills it down even when the row held
    // that text already.
    void write(int row, const QString &text);

private:
    void fillFrom(int row);

    std::array<AmountField *, rows> m_fields;
    bool m_filling = false;
};

} // namespace pelmora
