// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Files of the year's figures on disk. A save replaces the file whole or not at all: an
// interrupted one leaves the previous file as it was and no temporary file behind.

#include "yearfigures.h"
#include "yearfile.h"

#include <optional>
#include <variant>

namespace pelmora::yearfile {

// The suffix of a file of figures, without its point.
inline constexpr const char *suffix = "pelmora";

// The figures of the file, or why they cannot be had, in a sentence for the user. Anything but a
// regular file (a folder, a pipe, a device) is refused before it is read.
std::variant<YearFigures, QString> loadYearFigures(const QString &path, const QList<WindowLayout> &layouts,
                                                   const Captions &captions = Captions());

// Why a folder, a pipe or a device is not opened.
inline QString notAFileOfFigures()
{
    return QStringLiteral("It is not a file of figures.");
}

// Why the figures could not be saved; nothing when they were. Figures that Open would refuse, or
// read back otherwise, are not saved, nor is a file of no write permission replaced.
std::optional<QString> saveYearFigures(const QString &path, const YearFigures &figures,
                                      const QList<WindowLayout> &layouts, const Captions &captions = Captions());

} // namespace pelmora::yearfile
