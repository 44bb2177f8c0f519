// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The warning mark inside a field's leading edge, shown while the field's text does not read as
// typed, its tooltip saying how it reads instead.

#include <QObject>
#include <QString>

class QAction;
class QLineEdit;

namespace pelmora {

class ReadingMark
{
public:
    explicit ReadingMark(QLineEdit *field);

    // Shows the mark with this hint, or hides it for an empty one. Whether anything changed.
    bool show(const QString &hint);
    // The hint shown; empty while no mark is.
    QString hint() const;
    // The pixels the mark takes at the field's edge while shown.
    int room() const;

private:
    QLineEdit *m_field;
    QAction *m_mark;
};

} // namespace pelmora
