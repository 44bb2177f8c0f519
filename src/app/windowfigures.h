// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The year's figures as the windows hold them: collected from the main window and the open
// worksheets, and put back into them.

#include "yearfile/yearfigures.h"

namespace pelmora {

class frmmain;

yearfile::YearFigures collectFigures(frmmain &main);

// Fills every window from the figures as the program would write its fields. A worksheet the
// figures lack is closed; one they hold is created hidden if it is not open. Print and every
// Back are disabled until Calculate, whatever they were.
void restoreFigures(frmmain &main, const yearfile::YearFigures &figures);

} // namespace pelmora
