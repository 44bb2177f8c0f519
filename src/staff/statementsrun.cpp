// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statementsrun.h"

#include "statementdestination.h"

#include <algorithm>

namespace pelmora {

StatementsRun::StatementsRun(StatementDestination &destination) : m_destination(destination)
{
}

const RegisterEntry &StatementsRun::workOut(const QString &path)
{
    WorkedOutFile file = m_windows.workOut(path);
    for (const PrintedStatement &printed : file.statements) {
        const SavedStatement saved =
            m_destination.deliver(file.owner + QStringLiteral(" - ") + printed.documentName, printed.statement);
        if (!saved.path.isEmpty())
            m_written.append(saved.path);
        if (!saved.problem.isEmpty() && file.entry.workedOut())
            file.entry.refusal = saved.problem.toStdString();
    }
    m_entries.push_back(std::move(file.entry));
    return m_entries.back();
}

void StatementsRun::finish()
{
    const QString name = QString::fromUtf8(registerName);
    const auto pages = registerStatement(m_entries);
    if (const auto *error = std::get_if<CalculationError>(&pages)) {
        m_registerProblems.append(QString::fromStdString(error->message()));
    } else {
        const SavedStatement saved = m_destination.deliver(name, std::get<Statement>(pages));
        if (!saved.path.isEmpty())
            m_written.append(saved.path);
        if (!saved.problem.isEmpty())
            m_registerProblems.append(saved.problem);
    }
    const SavedStatement table = m_destination.keepTable(name, registerCsv(m_entries));
    if (!table.path.isEmpty())
        m_written.append(table.path);
    if (!table.problem.isEmpty())
        m_registerProblems.append(table.problem);
    m_destination.finish();
}

int StatementsRun::notWorkedOut() const
{
    return int(std::count_if(m_entries.begin(), m_entries.end(), [](const RegisterEntry &entry) { return !entry.workedOut(); }));
}

} // namespace pelmora
