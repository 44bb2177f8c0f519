// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

namespace pelmora {

// Keeps the program running where the system would end it. A file size limit (ulimit -f) ends a
// process that writes past it; ignored, the write fails instead, and a save or a statement cut
// short is reported like one on a full disk, the figures typed kept. Called first in main().
void keepRunningOnFileSizeLimit();

} // namespace pelmora
