// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The controls each window keeps in a file of figures, by name and kind. A file must hold every
// control of each window it holds, but for those added later; a control it holds beyond these is
// ignored. The windows give the names, each from its own table of fields.

#include <QList>
#include <QString>
#include <QStringList>

namespace pelmora::yearfile {

struct ChoiceLayout
{
    QString frame;       // the option group's frame
    QStringList options; // the option buttons, one of which is chosen
};

struct WindowLayout
{
    QString window;
    bool required; // the main window; the worksheets are held only while open
    QStringList texts;
    QStringList checks;
    QList<ChoiceLayout> choices;
    // Texts of a later Pelmora than the first files: a file without one holds it empty.
    QStringList textsAddedLater = {};
};

} // namespace pelmora::yearfile
