// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "hraexemption.h"

#include "core/figures.h"

namespace pelmora {

namespace {

// Calculate puts "0" into an emptied field before it reads any.
std::string_view filled(const std::string &text)
{
    return text.empty() ? std::string_view("0") : std::string_view(text);
}

} // namespace

Calculation<HraResults> computeHraExemption(const HraWorksheetTexts &in)
{
    return calculate([&] {
        const double basicPay = strictFigure(filled(in.txtbp), "Basic Pay");
        const double dearness = strictFigure(filled(in.txtda), "Dearness Allow.");
        const double hraDrawn = strictFigure(filled(in.txthra), "HRA Drawn");
        const double gradePay = strictFigure(filled(in.txtnpa), "Grade Pay");

        HraResults out;
        out.txtns.text = figureText(basicPay + dearness + gradePay, "Total Salary");

        const double rentPaid = strictFigure(filled(in.txtRP), "Rent Paid (Annual)");
        const double salary = strictFigure(out.txtns.text, "Total Salary");
        const double tenth = roundHalfEven(salary * 0.1);
        const double excessRent = rentPaid - tenth;
        out.txthrx.text = figureText(excessRent < hraDrawn ? excessRent : hraDrawn, "HRA Exemption");
        const double smaller = strictFigure(out.txthrx.text, "HRA Exemption");
        if (smaller < 0)
            out.txthrx.text = figureText(0, "HRA Exemption");

        out.txtns.working = {"Basic pay {} + dearness allowance {} + grade pay {} = {}",
                             {basicPay, dearness, gradePay, salary}};
        const Working::Part excess[] = {rentPaid, salary, Rounded{salary * 0.1, tenth}, excessRent, hraDrawn};
        if (smaller < 0)
            out.txthrx.working = {"Rent {} − a tenth of salary {} ({}) = {}; the smaller of it and HRA drawn {} "
                                  "is below 0: 0",
                                  {excess[0], excess[1], excess[2], excess[3], excess[4]}};
        else if (excessRent < hraDrawn)
            out.txthrx.working = {"Rent {} − a tenth of salary {} ({}) = {}, less than HRA drawn {}: {}",
                                  {excess[0], excess[1], excess[2], excess[3], excess[4], smaller}};
        else
            out.txthrx.working = {"Rent {} − a tenth of salary {} ({}) = {}, not less than HRA drawn {}: {}",
                                  {excess[0], excess[1], excess[2], excess[3], excess[4], smaller}};
        return out;
    });
}

Calculation<HraPayFigures> hraOpeningFigures(const HraCarriers &carriers)
{
    return calculate([&] {
        const double basicPay = strictFigure(carriers.txtbp, "Basic Pay");
        const double dearness = strictFigure(carriers.txtda, "Dearness Allowance");
        const double hraReceived = strictFigure(carriers.txthrr, "HRA Received");
        const double gradePay = strictFigure(carriers.txtnpa, "Grade Pay");
        HraPayFigures figures;
        figures.txtbp = figureText(basicPay, "Basic Pay");
        figures.txtnpa = figureText(gradePay, "Grade Pay");
        figures.txtda = figureText(dearness, "Dearness Allowance");
        figures.txthra = figureText(hraReceived, "HRA Received");
        return figures;
    });
}

Calculation<std::string> hraExemptionToHandOver(const std::string &txthrx)
{
    return calculate([&] { return figureText(strictFigure(txthrx, "HRA Exemption"), "HRA Exemption"); });
}

} // namespace pelmora
