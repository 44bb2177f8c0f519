// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command line: --help and --version, answered before any window exists, so without a
// display. Qt's own options (-platform, -style, -session ...) are left for QApplication to take.

#include <QString>
#include <QStringList>

#include <optional>

namespace pelmora {

// What the program answers instead of starting its windows.
struct CommandLineReply
{
    int exitStatus;
    QString text; // for standard output when the status is 0, else for standard error
};

// arguments begin with the program's own name; no reply means the windows start.
std::optional<CommandLineReply> replyToCommandLine(const QStringList &arguments);

// Answers the program's command line: writes the reply, if there is one, and returns its exit status.
std::optional<int> answerCommandLine(int argc, char *argv[]);

} // namespace pelmora
