// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "filldowncolumn.h"

#include "widgets/amountfield.h"

namespace pelmora {

FillDownColumn::FillDownColumn(const std::array<AmountField *, rows> &fields, QObject *parent)
    : QObject(parent), m_fields(fields)
{
    // Connected after the commit buttons' watch, so a change disables them first; the field's
    // own emptied-becomes-"0" follows the fill-down.
    for (int row = 0; row < rows; ++row)
        connect(m_fields[row], &AmountField::changed, this, [this, row] { fillFrom(row); });
}

void FillDownColumn::write(int row, const QString &text)
{
    m_fields[row]->setText(text);
    fillFrom(row);
}

void FillDownColumn::fillFrom(int row)
{
    // A later row written by this loop passes nothing on: the loop fills the rows after it.
    if (m_filling)
        return;
    m_filling = true;
    QString text = m_fields[row]->text();
    if (text.isEmpty())
        text = QStringLiteral("0");
    for (int later = row + 1; later < rows; ++later) {
        if (m_fields[later]->text() != text)
            m_fields[later]->setText(text);
    }
    m_filling = false;
}

} // namespace pelmora
