// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "readingmark.h"

#include <QAction>
#include <QLineEdit>
#include <QStyle>

namespace pelmora {

ReadingMark::ReadingMark(QLineEdit *field)
    : m_field(field), m_mark(new QAction(field->style()->standardIcon(QStyle::SP_MessageBoxWarning), QString(), field))
{
    // QLineEdit shows the button of an action it is given whether the action is visible or not;
    // the button hides only when it is told that its action changed. So the mark is hidden
    // after it is added, never before.
    field->addAction(m_mark, QLineEdit::LeadingPosition);
    m_mark->setVisible(false);
}

bool ReadingMark::show(const QString &hint)
{
    // Only a change of the hint touches the mark: an unchanged one costs no layout.
    if (hint == m_mark->toolTip() && m_mark->isVisible() == !hint.isEmpty())
        return false;
    m_mark->setToolTip(hint);
    m_mark->setVisible(!hint.isEmpty());
    return true;
}

QString ReadingMark::hint() const
{
    return m_mark->toolTip();
}

int ReadingMark::room() const
{
    if (!m_mark->isVisible())
        return 0;
    // Qt places the mark's button a quarter of an icon from the edge, an icon and six pixels wide.
    const int icon = m_field->style()->pixelMetric(QStyle::PM_SmallIconSize, nullptr, m_field);
    return icon / 4 + icon + 6;
}

} // namespace pelmora
