// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A window's Print on the system's default printer, on that printer's default paper within its
// margins. The print service is asked off the window's thread, the window busy meanwhile; a
// service that does not answer in time counts as refusing. When the statement cannot be
// printed, it is saved as a PDF file in the documents folder, and the user is told why and
// where. Returns at once; nothing in the window changes.

#include "statement.h"

#include <QString>

#include <chrono>

class QWidget;

namespace pelmora {

class Platform;

constexpr std::chrono::milliseconds printServicePatience{4000};

void printOnDefaultPrinter(Platform &platform, QWidget *window, const QString &documentName,
                           const Statement &statement,
                           std::chrono::milliseconds patience = printServicePatience);

// Returns once every statement on its way has been printed or saved and its message shown: at
// most the print service's patience for each question it has still to answer. The program calls
// it before it ends, so that no statement is lost half-way.
void finishPendingPrints();

} // namespace pelmora
