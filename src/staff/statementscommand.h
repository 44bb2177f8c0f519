// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// "Statements for Several Files…" on the main window's background menu: the files chosen, then a
// folder, the files worked out one by one behind a progress dialog that can cancel between
// files, and one message at the end with what was written, where, and which files failed and
// why. The windows the user works in, their file and title, stay as they were.

namespace pelmora {

class frmmain;

void addStatementsCommand(frmmain &main);

// What the command does, the menu aside.
void writeStatementsForSeveralFiles(frmmain &main);

} // namespace pelmora
