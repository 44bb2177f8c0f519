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
        struct Item {
            Words name;
            const std::string *text;
        };
        const Item items80C[] = {
            {"GPF", &in.txtgpf},         {"CGEGIS", &in.txtgis},         {"HBA", &in.txthba},
            {"LIC", &in.txtlic},         {"PPF", &in.txtppf},            {"NSC", &in.txtnsc},
            {"NSC interest", &in.txtnsci}, {"tuition fee (I)", &in.txttf1}, {"tuition fee (II)", &in.txttf2},
            {"infrastructure bonds", &in.txtinf}, {"other savings", &in.txtos}};
        NamedTerms items;
        double total80C = 0;
        for (const auto &[name, text] : items80C)
            total80C += items.terms.emplace_back(name, f(*text)).figure;
        out.txt80c = figureText(total80C);
        const double shown80C = f(out.txt80c);
        if (items.leavesOut())
            why.txt80c = {"80C items {} = {} (the other 80C items are 0)", {std::move(items), shown80C}};
        else
            why.txt80c = {"80C items {} = {}", {std::move(items), shown80C}};

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
        if (limited)
            why.txttot1 = {"80C {} + 80CCC {} + employee's contribution {} = {}, above {}: {} + government's "
                           "contribution {} = {}",
                           {shown80C, jeevanSuraksha, employees, combined, section80CombinedLimit,
                            section80CombinedLimit, government, total}};
        else
            why.txttot1 = {"80C {} + 80CCC {} + employee's contribution {} = {}, not above {}; + government's "
                           "contribution {} = {}",
                           {shown80C, jeevanSuraksha, employees, combined, section80CombinedLimit, government, total}};

        const double bonds = f(in.txt80ccf);
        out.txt80ccf = bonds > section80CcfLimit ? "20000" : in.txt80ccf;

        const double mediclaim = f(in.txt80d), donations = f(in.txt80g), counted = f(out.txt80ccf), others = f(in.txtoth);
        out.txtgt80 = figureText(total + mediclaim + donations + counted + others);
        const double grandTotal = f(out.txtgt80);
        if (bonds > section80CcfLimit)
            why.txtgt80 = {"80C+80CCC+80CCD {} + 80D {} + 80G {} + 80CCF {} ({} is above its limit) + others {} = {}",
                           {total, mediclaim, donations, section80CcfLimit, bonds, others, grandTotal}};
        else
            why.txtgt80 = {"80C+80CCC+80CCD {} + 80D {} + 80G {} + 80CCF {} + others {} = {}",
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
