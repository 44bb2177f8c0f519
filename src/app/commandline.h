// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The command line: --help and --version, answered before any window exists, so without a
// display; a file of figures for the windows to open; or statements for many files, saved in a
// folder (--statements FOLDER) or printed (--print), with no window. Qt's own options
// (-platform, -style, -session ...) are left for QApplication to take.

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

struct CommandLineRequest
{
    enum class Run { Windows, Statements, Print };

    std::optional<CommandLineReply> reply; // instead of the windows
    QString figuresFile;                   // for the windows to open; empty for none
    Run run = Run::Windows;
    QString statementsFolder; // for Run::Statements
    QStringList files;        // for Run::Statements and Run::Print, in their order
};

// arguments begin with the program's own name.
CommandLineRequest readCommandLine(const QStringList &arguments);

// Reads the program's command line and writes the reply, if there is one.
CommandLineRequest answerCommandLine(int argc, char *argv[]);

} // namespace pelmora
