// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The month-by-month salary statement of 2013-14: dearness allowance, house rent allowance,
// transport allowance and the matching pension contribution for each of the 14 month rows,
// the annual increment in July, the column totals and the grand total; and what Back hands
// to the main window.
//
// Month rows are indexed 0..13, "Jan 13" to "Feb 14". Rows 0 and 1 are the arrears rows: they
// carry only the arrears of the rise of dearness allowance from 72% to 80% for January and
// February 2013 and have no house rent allowance. Rows 2..13 are the twelve months of the year.

#include "core/calculation.h"
#include "core/handovers.h"
#include "core/working.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace pelmora::salary {

inline constexpr int monthRows = 14;
inline constexpr int firstYearRow = 2;
inline constexpr int julyRow = 6;
inline constexpr int extras = 6;

inline constexpr std::array<std::string_view, monthRows> monthCaptions{
    "Jan 13", "Feb 13", "Mar 13", "Apr 13", "May 13", "Jun 13", "Jul 13",
    "Aug 13", "Sep 13", "Oct 13", "Nov 13", "Dec 13", "Jan 14", "Feb 14",
};

// The entries of the three choice boxes, in the order of their lists.
inline constexpr std::array<Words, 2> pensionSchemeEntries{"Y", "N"};
inline constexpr std::array<Words, 4> hraClassEntries{"X", "Y", "Z", "NA"};
inline constexpr std::array<Words, 3> transportClassEntries{"A/A-1", "Oth.", "NA"};

// The annual figures' captions, from txtoth(0) to txtoth(5).
inline constexpr std::array<Words, extras> extrasCaptions{"Arrears", "Bonus", "OTA", "T.Fee", "Hon.", "Oth."};

// The names the boxes go by in messages.
inline constexpr std::string_view pensionSchemeCaption = "New Pen. Sch.";
inline constexpr std::string_view hraClassCaption = "HRA class";
inline constexpr std::string_view transportClassCaption = "TPA class";

using MonthTexts = std::array<std::string, monthRows>;

// The texts of the salary statement's inputs.
struct SalarySheet {
    MonthTexts txtbp;               // basic pay
    MonthTexts txtgp;               // grade pay
    std::string cbonps = "N";       // New Pension Scheme: "Y" or "N"
    std::string cboclass1 = "X";    // HRA class
    std::string cboclass3 = "A/A-1"; // transport class
    bool chkinc = true;             // work out the increment due in July
    std::array<std::string, extras> txtoth; // arrears, bonus, OTA, tuition fee, honorarium, other
};

using MonthFigures = std::array<Figure, monthRows>;

// The figures the computation writes, each with how it was worked out. txthra has no members
// for the arrears rows: its rows 0 and 1 stay empty and are never written.
struct SalaryResults {
    // The July basic pay with the increment, when chkinc asked for it. The window writes it into
    // txtbp(6), whose fill-down carries it to "Feb 14"; the figures below were worked out so.
    std::optional<Figure> julyBasicPay;
    MonthFigures txtda, txthra, txttpa2, txtmgc, txtttl;
    Figure txtbpt, txtgpt, txtdat, txthrat, txtmgct, txttpat, txtttlt, txtgtotal;
};

// Every step reads the figures as the earlier steps wrote them, so the results equal what
// the fields show. Fails on a choice box text that is none of its entries, on an arrears row's
// basic pay that is not a number, and on a figure beyond the range of a double.
Calculation<SalaryResults> computeSalary(const SalarySheet &sheet);

// The fields of the statement that Back hands over.
struct HandOverSource {
    std::string txtbpt;
    std::string txtdat;
    std::string txtgtotal;
    std::string txthrat;
    std::string txtgpt;
    std::string txtmgct;
    MonthTexts txttpa2;
    MonthTexts txtttl; // the arrears rows' totals go to the relief u/s 89(1)
};

// The totals are read strictly: they are figures Calculate wrote, never typed text. The exempt
// transport allowance is each year row's allowance up to 800 a month.
Calculation<SalaryHandOver> computeHandOver(const HandOverSource &source);

} // namespace pelmora::salary
