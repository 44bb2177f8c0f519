// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// pelmora --statements FOLDER FILE... and pelmora --print FILE...: the statements of every file
// with no window and no question. A line per file on standard error as it is worked out
// ("12/200 Asha Rao"), then every file not worked out with its reason; on standard output only
// the paths written.

#include <QStringList>

#include <cstdio>

namespace pelmora {

struct CommandLineRequest;

// The exit status: 0 when every file was worked out and the register delivered, 1 when not.
// Needs the application object.
int runUnattended(const CommandLineRequest &request, std::FILE *output = stdout, std::FILE *errors = stderr);

} // namespace pelmora
