// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printers.h"

#include "defaultprintertarget.h"
#include "painterprinter.h"
#include "pdffiletarget.h"

#include <QPrinterInfo>

namespace pelmora {

std::unique_ptr<Printer> openSystemPrinter(const QString &documentName)
{
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    if (printer.isNull())
        return openPdfFilePrinter(PdfFileTarget::documentsFolder(), documentName);
    return std::make_unique<PainterPrinter>(std::make_unique<DefaultPrinterTarget>(printer, documentName));
}

std::unique_ptr<Printer> openPdfFilePrinter(const QString &folder, const QString &documentName)
{
    return std::make_unique<PainterPrinter>(std::make_unique<PdfFileTarget>(folder, documentName));
}

} // namespace pelmora
