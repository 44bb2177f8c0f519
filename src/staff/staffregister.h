// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The register of an office's staff: one row per file of figures worked out, with the main
// window's figures from Gross Salary to Balance Tax, and the files that could not be worked out
// with the reason the windows gave. Written as a CSV text for spreadsheets and as printed pages.

#include "core/calculation.h"
#include "print/statement.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

// The main window's figures in the register, in the window's order, by their captions.
inline constexpr std::array<std::string_view, 18> registerFigureCaptions = {
    "Gross Salary",           "Transport Allowance",        "House Rent Allowance",
    "Allowances Exempt u/s 10", "Income from Salary",        "Income from Other Sources",
    "Income from House Property", "Gross Total Income",      "Deductions u/s 80",
    "Net Taxable Income",     "Gross Tax",                  "Relief u/s 87A",
    "Relief u/s 89",          "Net Tax",                    "Education Cess",
    "Total Tax",              "Tax Deducted",               "Balance Tax",
};
using RegisterFigures = std::array<std::string, registerFigureCaptions.size()>;

inline constexpr std::string_view changedSinceSaved = "changed since saved";
inline constexpr const char *registerName = "Staff register 2013-14";

// One file of figures: worked out, with the main window's figures as the program wrote them, or
// not, with the reason.
struct RegisterEntry {
    std::string fileName;
    std::string employee;
    RegisterFigures figures;
    // A figure a worksheet handed back differs from the one the file's main window held.
    bool changed = false;
    // Why the file was not worked out; empty when it was.
    std::string refusal;

    bool workedOut() const { return refusal.empty(); }
};

// UTF-8, comma-separated, a heading line first, then one line per entry in their order; a text
// holding a comma, a quote or a line break is quoted, its quotes doubled. The last column says
// "changed since saved", or why the file was not worked out.
std::string registerCsv(const std::vector<RegisterEntry> &entries);

// The sum of each figure over the entries worked out, as the program writes figures.
Calculation<RegisterFigures> registerTotals(const std::vector<RegisterEntry> &entries);

// A4 landscape pages, each headed by the title and the column headings and numbered: a row per
// entry worked out, the totals, then the files not worked out and why.
Calculation<Statement> registerStatement(const std::vector<RegisterEntry> &entries);

} // namespace pelmora
