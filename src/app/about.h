// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>

namespace pelmora {

// What About Pelmora says: the version, the licence and the credits.
QString aboutText();

} // namespace pelmora
