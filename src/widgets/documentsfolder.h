// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The user's documents folder: where a statement that could not be printed is saved, and where
// the file dialogs start without a file in use. It may not exist yet.

#include <QString>

namespace pelmora {

QString documentsFolder();

} // namespace pelmora
