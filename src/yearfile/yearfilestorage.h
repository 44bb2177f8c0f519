// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Files of the year's figures on disk. A save replaces the file whole or not at all: an
// interrupted one leaves the previous file as it was and no temporary file behind.

#include "yearfigures.h"

#include <optional>
#include <variant>

namespace pelmora::yearfile {

// The suffix of a file of figures, without its point.
inline constexpr const char *suffix = "pelmora";

// The figures of the file, or why they cannot be had, in a sentence for the user.
std::variant<YearFigures, QString> loadYearFigures(const QString &path);

// Why the figures could not be saved; nothing when they were.
std::optional<QString> saveYearFigures(const QString &path, const YearFigures &figures);

} // namespace pelmora::yearfile
