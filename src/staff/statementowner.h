// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Whose statements a file of figures gives, as their file names begin: "Asha Rao - Tax
// computation 2013-14.pdf".

#include <string>
#include <string_view>

namespace pelmora {

// The employee's name, its spaces at either end left off, when it makes a safe file name on any
// desktop the statements may be copied to: not empty, no folder separator or character another
// system refuses, no control character, not hidden, not ending in a point, not too long. Else
// the file of figures' own name without its suffix.
std::string statementOwner(std::string_view employee, std::string_view fileBaseName);

} // namespace pelmora
