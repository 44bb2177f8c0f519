// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printers.h"

#include "painterprinter.h"
#include "pdffiletarget.h"

namespace pelmora {

std::unique_ptr<Printer> openPdfFilePrinter(const QString &folder, const QString &documentName,
                                            const QString &whyNotPrinted)
{
    return std::make_unique<PainterPrinter>(std::make_unique<PdfFileTarget>(folder, documentName, whyNotPrinted));
}

} // namespace pelmora
