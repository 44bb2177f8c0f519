// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A set of windows of its own, never shown, that works out one file of figures after another
// as a user would: the file opened, each worksheet it holds opened by its Calc. button,
// calculated and handed back in the order of the work, the main window calculated, and every
// statement printed. The windows the user has open are not touched.

#include "staffregister.h"
#include "unattendedplatform.h"

#include <QString>

#include <memory>
#include <vector>

namespace pelmora {

class frmmain;

struct WorkedOutFile {
    RegisterEntry entry;
    // Whose statements they are, as their file names begin.
    QString owner;
    // In the order they were printed; none when the file was not worked out.
    std::vector<PrintedStatement> statements;
};

class StaffWindows
{
public:
    StaffWindows();
    ~StaffWindows();

    // The file's register entry and statements; a file that cannot be opened, or that a window
    // refuses, gets the message the windows would have shown, and no statement.
    WorkedOutFile workOut(const QString &path);

private:
    // Whether the windows refused: the message is then the file's refusal.
    bool refused(WorkedOutFile &file) const;
    bool workOutWorksheets(WorkedOutFile &file, const QStringList &held);
    bool printStatements(WorkedOutFile &file, const QStringList &held);

    UnattendedPlatform m_platform;
    std::unique_ptr<frmmain> m_windows;
};

} // namespace pelmora
