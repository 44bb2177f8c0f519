// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printer that statements go to on this desktop.

#include "printer.h"

#include <QString>

#include <memory>

namespace pelmora {

// The system's default printer; when none is installed, a PDF file of the given document name
// in the user's documents folder.
std::unique_ptr<Printer> openSystemPrinter(const QString &documentName);

// A PDF file of the given document name in the folder, whatever printers there are.
std::unique_ptr<Printer> openPdfFilePrinter(const QString &folder, const QString &documentName);

} // namespace pelmora
