// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statementdestination.h"

#include "print/keptfile.h"
#include "print/systemprinting.h"

#include <QDir>

namespace pelmora {

SavedStatement StatementsFolder::deliver(const QString &documentName, const Statement &statement)
{
    return saveStatement(m_folder, documentName, statement);
}

SavedStatement StatementsFolder::keepTable(const QString &name, const std::string &csv)
{
    KeptFile table(m_folder, name, QStringLiteral("csv"));
    if (table.isOpen())
        table.file().write(csv.data(), qint64(csv.size()));
    const QString path = table.keep();
    if (path.isEmpty())
        return {{}, QStringLiteral("The register could not be saved in %1 (%2).")
                        .arg(QDir::toNativeSeparators(m_folder), table.problem())};
    return {path, {}};
}

SavedStatement DefaultPrinter::deliver(const QString &documentName, const Statement &statement)
{
    printOnDefaultPrinter(m_jobs, nullptr, documentName, statement);
    return {};
}

void DefaultPrinter::finish()
{
    finishPendingPrints();
}

} // namespace pelmora
