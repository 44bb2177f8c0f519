// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "houseproperty.h"

#include "core/figures.h"

namespace pelmora {

namespace {

double countedInterest(double interest, const HousePropertyTexts &in)
{
    // A rented-out house counts the interest in full.
    if (in.kind != PropertyKind::SelfOccupied)
        return interest;
    const double limit = in.loan == HousingLoan::Before1April1999 ? interestLimitLoanBefore1999
                                                                   : interestLimitLoanAfter1999;
    return interest > limit ? limit : interest;
}

// The total deductions in words, with the limit on the interest that applied, if any.
Working deductionsWorking(double interest, double counted, double repairs, double others, double total,
                          const HousePropertyTexts &in)
{
    if (in.kind != PropertyKind::SelfOccupied)
        return {"Interest {} (no limit: rented out) + repairs {} + others {} = {}", {interest, repairs, others, total}};
    const bool before1999 = in.loan == HousingLoan::Before1April1999;
    const Words loan = before1999 ? Words("loan before 1-4-99") : Words("loan after 1-4-99");
    if (counted < interest)
        return {"Interest {} limited to {} ({}) + repairs {} + others {} = {}",
                {interest, counted, loan, repairs, others, total}};
    const double limit = before1999 ? interestLimitLoanBefore1999 : interestLimitLoanAfter1999;
    return {"Interest {} (not above the {} limit, {}) + repairs {} + others {} = {}",
            {interest, limit, loan, repairs, others, total}};
}

} // namespace

Calculation<HousePropertyResults> computeHouseProperty(const HousePropertyTexts &in)
{
    return calculate([&] {
        HousePropertyResults out;
        const double rentalValue = strictFigure(in.txtarv, "Annual Rental Value");
        const double propertyTaxes = strictFigure(in.txtptax, "Less:- Property Taxes");
        out.txtghi.text = figureText(rentalValue - propertyTaxes, "Gross Income");
        const double grossIncome = strictFigure(out.txtghi.text, "Gross Income");
        out.txtrep.text = figureText(roundHalfEven(grossIncome * 0.3), "Repairs & Maintainance");

        const double interest = strictFigure(in.txtintt, "Interest on Borrowed Capital");
        const double others = strictFigure(in.txtoth, "Others");
        const double repairs = strictFigure(out.txtrep.text, "Repairs & Maintainance");
        const double counted = countedInterest(interest, in);
        out.txttd.text = figureText(counted + repairs + others, "Total Deductions");

        const double deductions = strictFigure(out.txttd.text, "Total Deductions");
        const double income = grossIncome - deductions;
        out.txtihp.text = figureText(income, "Income from House Property");

        out.txtghi.working = {"Rental value {} − property taxes {} = {}", {rentalValue, propertyTaxes, grossIncome}};
        out.txtrep.working = {"30 % of {} = {}", {grossIncome, Rounded{grossIncome * 0.3, repairs}}};
        out.txttd.working = deductionsWorking(interest, counted, repairs, others, deductions, in);
        out.txtihp.working = {"Gross income {} − deductions {} = {}", {grossIncome, deductions, income}};
        return out;
    });
}

Calculation<std::string> housePropertyIncomeToHandOver(const std::string &txtihp)
{
    return calculate([&] { return figureText(strictFigure(txtihp, "Income from House Property"), "Income from House Property"); });
}

} // namespace pelmora
