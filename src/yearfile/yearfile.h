// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A file of the year's figures: JSON text naming its format, the format's version and the
// financial year, and each open window's controls (docs/file-format.md). Reading refuses, with
// the reason in a sentence for the user, anything the program would not have written.

#include "yearfigures.h"
#include "yearfilelayout.h"

#include <QByteArray>

#include <optional>
#include <variant>

namespace pelmora::yearfile {

inline constexpr int formatVersion = 1;
inline constexpr qsizetype largestFile = 1024 * 1024;
// No field ever needs more; a longer text is damage, not figures.
inline constexpr qsizetype longestText = 1000;

// How a refusal names a window and its controls to the user: by their titles and captions where
// the program knows them, otherwise by the names the file gives them.
class Captions
{
public:
    virtual ~Captions() = default;
    virtual QString window(const QString &window) const { return window; }
    virtual QString control(const QString &window, const QString &control) const
    {
        Q_UNUSED(window);
        return control;
    }
};

QByteArray writeYearFigures(const YearFigures &figures);

// The figures of the windows laid out, or why the bytes are not a file of them.
std::variant<YearFigures, QString> readYearFigures(const QByteArray &bytes, const QList<WindowLayout> &layouts,
                                                   const Captions &captions = Captions());

// Why the figures could not be read back once written: a text longer than a file may hold.
std::optional<QString> unwritableText(const YearFigures &figures, const Captions &captions = Captions());

} // namespace pelmora::yearfile
