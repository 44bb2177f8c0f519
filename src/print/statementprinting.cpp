// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statementprinting.h"

#include "app/platform.h"

#include <QString>

namespace pelmora {

void printAndReport(Platform &platform, QWidget *window, const QString &documentName, const Statement &statement)
{
    const std::unique_ptr<Printer> printer = platform.openPrinter(documentName);
    const JobOutcome outcome = printStatement(statement, *printer);
    if (!outcome.notice.empty())
        platform.showMessage(window, QString::fromStdString(outcome.notice));
}

} // namespace pelmora
