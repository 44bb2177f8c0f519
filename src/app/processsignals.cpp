// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "processsignals.h"

#include <csignal>

namespace pelmora {

void keepRunningOnFileSizeLimit()
{
    std::signal(SIGXFSZ, SIG_IGN);
}

} // namespace pelmora
