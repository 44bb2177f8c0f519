// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Statements for many files of figures: each file worked out in turn by windows of the run's
// own, its statements handed to a destination, and at the end the staff register of them all.
// The caller takes the files one at a time, so it can show progress and stop between files.

#include "staffregister.h"
#include "staffwindows.h"

#include <QStringList>

#include <vector>

namespace pelmora {

class StatementDestination;

class StatementsRun
{
public:
    explicit StatementsRun(StatementDestination &destination);

    // Works the file out and delivers its statements; its register entry. A statement that
    // could not be delivered makes the file one not worked out.
    const RegisterEntry &workOut(const QString &path);
    // Delivers the register of the files worked out so far, then waits for the destination.
    void finish();

    const std::vector<RegisterEntry> &entries() const { return m_entries; }
    // Every file written, statements and register, in the order written.
    const QStringList &written() const { return m_written; }
    // Why the register went nowhere; empty when it was delivered.
    const QStringList &registerProblems() const { return m_registerProblems; }
    int notWorkedOut() const;

private:
    StaffWindows m_windows;
    StatementDestination &m_destination;
    std::vector<RegisterEntry> m_entries;
    QStringList m_written;
    QStringList m_registerProblems;
};

} // namespace pelmora
