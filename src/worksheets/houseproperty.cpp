// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "houseproperty.h"

#include "app/figures.h"

namespace pelmora {

namespace {

double countedInterest(double interest, const HousePropertyInputs &in)
{
    // A rented-out house counts the interest in full.
    if (in.kind != PropertyKind::SelfOccupied)
        return interest;
    const double limit = in.loan == HousingLoan::Before1April1999 ? interestLimitLoanBefore1999
                                                                   : interestLimitLoanAfter1999;
    return interest > limit ? limit : interest;
}

} // namespace

Calculation<HousePropertyResults> computeHouseProperty(const HousePropertyInputs &in)
{
    return calculate([&] {
        HousePropertyResults out;
        const double rentalValue = strictFigure(in.txtarv, "Annual Rental Value");
        const double propertyTaxes = strictFigure(in.txtptax, "Less:- Property Taxes");
        out.txtghi = figureText(rentalValue - propertyTaxes);
        out.txtrep = figureText(roundHalfEven(strictFigure(out.txtghi, "Gross Income") * 0.3));

        const double interest = strictFigure(in.txtintt, "Interest on Borrowed Capital");
        const double others = strictFigure(in.txtoth, "Others");
        const double repairs = strictFigure(out.txtrep, "Repairs & Maintainance");
        out.txttd = figureText(countedInterest(interest, in) + repairs + others);

        out.txtihp = figureText(strictFigure(out.txtghi, "Gross Income") - strictFigure(out.txttd, "Total Deductions"));
        return out;
    });
}

Calculation<std::string> housePropertyIncomeToHandOver(const std::string &txtihp)
{
    return calculate([&] { return figureText(strictFigure(txtihp, "Income from House Property")); });
}

} // namespace pelmora
