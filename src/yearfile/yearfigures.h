// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a file of the year's figures holds: the contents of each window by its controls' names.
// Texts stay texts, exactly as they stood in the fields, so nothing is rounded or reformatted.

#include <QMap>
#include <QString>

namespace pelmora::yearfile {

struct WindowContents
{
    QMap<QString, QString> texts;   // fields and choice boxes
    QMap<QString, bool> checks;     // check boxes
    QMap<QString, QString> choices; // option groups: the frame's name, the chosen option's name

    bool operator==(const WindowContents &) const = default;
};

// Windows by name; a worksheet that is not open has no entry.
using YearFigures = QMap<QString, WindowContents>;

} // namespace pelmora::yearfile
