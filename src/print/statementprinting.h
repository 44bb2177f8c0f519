// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A window's Print: the statement goes to the platform's printer, and the user is told where
// a file was saved or that the job was refused. Nothing in the window changes.

#include "statement.h"

class QString;
class QWidget;

namespace pelmora {

class Platform;

void printAndReport(Platform &platform, QWidget *window, const QString &documentName, const Statement &statement);

} // namespace pelmora
