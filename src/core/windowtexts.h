// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The texts of a window's fields by their names, as the rules work from them and the printed
// statements show them. Each window reads its fields into these through its table of fields.

#include <array>
#include <string>

namespace pelmora {

// The main window, its fields in the order they stand.
struct MainWindowTexts {
    std::string txtname;
    std::string txtgs;     // gross salary
    std::string txttp;     // exempt transport allowance
    std::string txthra;    // exempt house rent allowance
    std::string txtexall;  // exempt allowances
    std::string txtnsal;   // income from salary
    std::string txtos;     // income from other sources
    std::string txthp;     // income from house property
    std::string txtgti;    // gross total income
    std::string txtded80;  // deductions under section 80
    std::string txtnti;    // net taxable income
    std::string txtgtax;   // gross tax
    std::string txtrel87A; // relief under section 87A
    std::string txtrel89;  // relief under section 89
    std::string txtntax;   // net tax
    std::string txtcess;   // education cess
    std::string txtttax;   // total tax
    std::string txtdedtax; // tax deducted
    std::string txtbaltax; // balance tax
    std::string txtdob;    // date of birth; empty for a payer below 60
};

// The HRA exemption worksheet.
struct HraWorksheetTexts {
    std::string txtbp;  // basic pay
    std::string txtda;  // dearness allowance
    std::string txtnpa; // grade pay
    std::string txtns;  // total salary
    std::string txthra; // HRA drawn
    std::string txtRP;  // rent paid
    std::string txthrx; // exemption
};

enum class PropertyKind { RentedOut, SelfOccupied };
enum class HousingLoan { Before1April1999, After1April1999 };

// The house property worksheet: its two choices and its fields.
struct HousePropertyTexts {
    PropertyKind kind = PropertyKind::RentedOut;
    HousingLoan loan = HousingLoan::After1April1999;
    std::string txtarv;  // annual rental value
    std::string txtptax; // property taxes
    std::string txtghi;  // gross income
    std::string txtrep;  // repairs and maintenance
    std::string txtintt; // interest on borrowed capital, as entered
    std::string txtoth;  // other deductions
    std::string txttd;   // total deductions
    std::string txtihp;  // income from house property
};

// The section 80 worksheet.
struct Section80Texts {
    // Section 80C items, added in this order.
    std::string txtgpf;
    std::string txtgis;
    std::string txthba;
    std::string txtlic;
    std::string txtppf;
    std::string txtnsc;
    std::string txtnsci;
    std::string txttf1; // tuition fee, first child
    std::string txttf2; // tuition fee, second child
    std::string txtinf;
    std::string txtos; // other savings
    std::string txt80c;

    std::string txt80ccc;
    std::string txt80ccdec; // pension scheme, employee's contribution
    std::string txt80ccdgc; // pension scheme, government's contribution
    std::string txttot1;    // limited total of 80C, 80CCC and 80CCD
    std::string txt80ccf;
    std::string txt80d; // Mediclaim
    std::string txt80g; // donations
    std::string txtoth; // other deductions
    std::string txtgt80;
};

// The salary statement, its arrays indexed by month row (0 "Jan 13" to 13 "Feb 14"); the HRA
// column has no fields in the two arrears rows, whose texts stay empty.
struct SalaryStatementTexts {
    using MonthTexts = std::array<std::string, 14>;

    std::string txtnam;
    MonthTexts Label1; // the month captions
    MonthTexts txtbp, txtgp, txtda, txthra, txtmgc, txttpa2, txtttl;
    std::string txtbpt, txtgpt, txtdat, txthrat, txtmgct, txttpat, txtttlt;
    std::array<std::string, 6> txtoth;
    std::string txtgtotal;
};

inline constexpr int form10EYears = 8;

// The relief u/s 89(1) worksheet, as Form 10E prints it; Table A's rows newest year first.
struct Form10ETexts {
    std::string txtnam, txtadd, txtpan;
    std::array<std::string, form10EYears> years; // "2012-13" and so on
    std::array<std::string, form10EYears> txtinc, txtarr, txtincarr, txttax1, txttax2, txtdif;
    std::string txtitem1, txtitem2, txtitem3, txtitem4, txtitem5, txtitem6, txtitem7, txtitem8;
};

} // namespace pelmora
