// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printers that statements go to on this desktop.

#include "printer.h"
#include "printservice.h"

#include <QString>

#include <memory>

namespace pelmora {


// A PDF file of the given document name in the folder; the user is told why it was saved rather
// than printed.
std::unique_ptr<Printer> openPdfFilePrinter(const QString &folder, const QString &documentName,
                                            const QString &whyNotPrinted = noPrinterInstalled());

} // namespace pelmora
