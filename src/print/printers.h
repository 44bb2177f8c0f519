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

struct Statement;

// A statement saved as a PDF file of the given document name in the folder, made if missing;
// numbered rather than overwriting, as openPdfFilePrinter() saves it.
struct SavedStatement {
    QString path;    // empty when it could not be saved
    QString problem; // why, in a sentence
};
SavedStatement saveStatement(const QString &folder, const QString &documentName, const Statement &statement);

} // namespace pelmora
