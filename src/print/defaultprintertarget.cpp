// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "defaultprintertarget.h"

#include <QPrinterInfo>

namespace pelmora {

DefaultPrinterTarget::DefaultPrinterTarget(const QPrinterInfo &printer, const QString &documentName)
    : m_printer(printer, QPrinter::HighResolution)
{
    m_printer.setDocName(documentName);
    m_printer.setOutputFormat(QPrinter::NativeFormat);
    m_printer.setFullPage(false);
    m_printer.setCopyCount(1);
}

JobOutcome DefaultPrinterTarget::deliver(bool painted)
{
    if (painted && m_printer.printerState() != QPrinter::Error && m_printer.printerState() != QPrinter::Aborted)
        return {};
    return {false, QStringLiteral("The printer %1 did not accept the statement.")
                       .arg(m_printer.printerName())
                       .toStdString()};
}

} // namespace pelmora
