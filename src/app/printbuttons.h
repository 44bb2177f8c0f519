// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the Print buttons do: the main window's prints the tax computation statement, the
// salary window's the salary statement. Each reads the fields as they stand and changes none;
// a statement with a sum too large to work out is not printed, and the user is told why.

namespace pelmora {

class Form1;
class Platform;
class frmmain;
class frmrel89;

// Reads the main window, the house property worksheet and the section 80 worksheet. A worksheet
// never opened is created hidden, in its initial state, and stays hidden.
void printTaxStatement(frmmain &main);

// Reads the salary window's own fields and month captions.
void printSalaryStatement(Form1 &salary, Platform &platform);

// Reads the relief u/s 89(1) worksheet's own fields: Form 10E.
void printForm10E(frmrel89 &relief, Platform &platform);

} // namespace pelmora
