// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's faces. The windows were drawn with Windows faces; the desktop's closest
// ones stand in for them (for Arial a face of the same metrics).

#include <QFont>

namespace pelmora::fonts {

// Maps the Windows faces onto the faces a Debian desktop has. Called once at start-up.
void installSubstitutes();

QFont arial(qreal points, bool bold = false, bool italic = false);
QFont msSansSerif(qreal points, bool bold = false);

} // namespace pelmora::fonts
