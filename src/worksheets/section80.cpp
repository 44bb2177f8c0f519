// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "section80.h"

#include "core/figures.h"

namespace pelmora {

Calculation<Section80Results> computeSection80(const Section80Inputs &in)
{
    return calculate([&] {
        const auto f = lenientFigure;
        Section80Results out;
        auto &why = out.workings;
        const std::string *items80C[] = {&in.txtgpf, &in.txtgis, &in.txthba, &in.txtlic,  &in.txtppf, &in.txtnsc,
                                         &in.txtnsci, &in.txttf1, &in.txttf2, &in.txtinf, &in.txtos};
        std::vector<double> items(std::size(items80C));
        double total80C = 0;
        for (std::size_t i = 0; i < items.size(); ++i)
            total80C += items[i] = f(*items80C[i]);
        out.txt80c = figureText(total80C);
        const double shown80C = f(out.txt80c);
        why.txt80c = {"The 80C items: {+} = {}", {shown80C}, std::move(items)};

        // The government's contribution counts on top of the combined limit.
        const double jeevanSuraksha = f(in.txt80ccc), employees = f(in.txt80ccdec), government = f(in.txt80ccdgc);
        out.txttot1 = figureText(shown80C + jeevanSuraksha + employees);
        const double combined = f(out.txttot1);
        const bool limited = combined > section80CombinedLimit;
        if (limited)
            out.txttot1 = figureText(government + section80CombinedLimit);
        else
            out.txttot1 = figureText(combined + government);
        const double total = f(out.txttot1);
        why.txttot1 = {limited ? "{} + {} + {} = {}, above 100000: 100000 + government's contribution {} = {}"
                               : "{} + {} + {} = {}, not above 100000; + government's contribution {} = {}",
                       {shown80C, jeevanSuraksha, employees, combined, government, total}};

        const double bonds = f(in.txt80ccf);
        out.txt80ccf = bonds > section80CcfLimit ? "20000" : in.txt80ccf;

        const double mediclaim = f(in.txt80d), donations = f(in.txt80g), counted = f(out.txt80ccf), others = f(in.txtoth);
        out.txtgt80 = figureText(total + mediclaim + donations + counted + others);
        const double grandTotal = f(out.txtgt80);
        if (bonds > section80CcfLimit)
            why.txtgt80 = {"{} + 80D {} + 80G {} + 80CCF 20000 ({} is above its limit) + others {} = {}",
                           {total, mediclaim, donations, bonds, others, grandTotal}};
        else
            why.txtgt80 = {"{} + 80D {} + 80G {} + 80CCF {} + others {} = {}",
                           {total, mediclaim, donations, counted, others, grandTotal}};
        return out;
    });
}

bool mediclaimAboveLimit(std::string_view txt80d)
{
    const auto mediclaim = readStrict(txt80d);
    return mediclaim && *mediclaim > mediclaimLimit;
}

Calculation<std::string> section80TotalToHandOver(const std::string &txtgt80)
{
    return calculate([&] { return figureText(lenientFigure(txtgt80)); });
}

Calculation<std::string> pensionContributionOnOpening(const std::string &txtmgc)
{
    return calculate([&] { return figureText(lenientFigure(txtmgc)); });
}

} // namespace pelmora
