// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printers.h"

#include "painterprinter.h"
#include "pdffiletarget.h"
#include "statement.h"

namespace pelmora {

std::unique_ptr<Printer> openPdfFilePrinter(const QString &folder, const QString &documentName,
                                            const QString &whyNotPrinted)
{
    return std::make_unique<PainterPrinter>(std::make_unique<PdfFileTarget>(folder, documentName, whyNotPrinted));
}

SavedStatement saveStatement(const QString &folder, const QString &documentName, const Statement &statement)
{
    auto target = std::make_unique<PdfFileTarget>(folder, documentName, QString());
    const PdfFileTarget &file = *target;
    PainterPrinter printer(std::move(target));
    const JobOutcome outcome = printStatement(statement, printer);
    if (outcome.accepted)
        return {file.savedPath(), {}};
    return {{}, QString::fromStdString(outcome.notice).trimmed()};
}

} // namespace pelmora
