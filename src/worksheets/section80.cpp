// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "section80.h"

#include "core/figures.h"

namespace pelmora {

Calculation<Section80Results> computeSection80(const Section80Texts &in)
{
    return calculate([&] {
        const auto f = lenientFigure;
        Section80Results out;
        // Each item by the short name of the printed statement, and by its field's caption.
        struct Item {
            Words name;
            Words caption;
            const std::string *text;
        };
        const Item items80C[] = {
            {"GPF", "GPF", &in.txtgpf},
            {"CGEGIS", "CGEGIS", &in.txtgis},
            {"HBA", "House Building Advance", &in.txthba},
            {"LIC", "Life Insurance Premium", &in.txtlic},
            {"PPF", "PPF", &in.txtppf},
            {"NSC", "National Savings Certificate", &in.txtnsc},
            {"NSC interest", "Interest on NSC", &in.txtnsci},
            {"tuition fee (I)", "Tution Fee, Child I", &in.txttf1},
            {"tuition fee (II)", "Tution Fee, Child II", &in.txttf2},
            {"infrastructure bonds", "Infrastructure Bonds", &in.txtinf},
            {"other savings", "Other Savings", &in.txtos},
        };
        NamedTerms items;
        double total80C = 0;
        for (const Item &item : items80C)
            total80C += items.terms.emplace_back(item.name, f(*item.text, item.caption.text())).figure;
        out.txt80c.text = figureText(total80C, "Section 80C, Total");
        const double shown80C = f(out.txt80c.text, "Section 80C, Total");
        if (items.leavesOut())
            out.txt80c.working = {"80C items {} = {} (the other 80C items are 0)", {std::move(items), shown80C}};
        else
            out.txt80c.working = {"80C items {} = {}", {std::move(items), shown80C}};

        // The government's contribution counts on top of the combined limit.
        const double jeevanSuraksha = f(in.txt80ccc, "Jeevan Suraksha");
        const double employees = f(in.txt80ccdec, "New Pen. Sch. (Emp.Cont.)");
        const double government = f(in.txt80ccdgc, "New Pen. Sch. (Gov.Cont.)");
        const std::string_view limitedTotal = "Total - 80C+80CCC+80CCD";
        out.txttot1.text = figureText(shown80C + jeevanSuraksha + employees, limitedTotal);
        const double combined = f(out.txttot1.text, limitedTotal);
        const bool limited = combined > section80CombinedLimit;
        if (limited)
            out.txttot1.text = figureText(government + section80CombinedLimit, limitedTotal);
        else
            out.txttot1.text = figureText(combined + government, limitedTotal);
        const double total = f(out.txttot1.text, limitedTotal);
        if (limited)
            out.txttot1.working = {"80C {} + 80CCC {} + employee's contribution {} = {}, above {}: {} + government's "
                                   "contribution {} = {}",
                                   {shown80C, jeevanSuraksha, employees, combined, section80CombinedLimit,
                                    section80CombinedLimit, government, total}};
        else
            out.txttot1.working = {"80C {} + 80CCC {} + employee's contribution {} = {}, not above {}; + government's "
                                   "contribution {} = {}",
                                   {shown80C, jeevanSuraksha, employees, combined, section80CombinedLimit, government, total}};

        const double bonds = f(in.txt80ccf, "Infra. Bonds");
        out.txt80ccf = bonds > section80CcfLimit ? decimalText(section80CcfLimit) : in.txt80ccf;

        const double mediclaim = f(in.txt80d, "Mediclaim/CGHS"), donations = f(in.txt80g, "Donations");
        const double counted = f(out.txt80ccf, "Infra. Bonds"), others = f(in.txtoth, "Other Deductions");
        out.txtgt80.text = figureText(total + mediclaim + donations + counted + others, "GRAND TOTAL");
        const double grandTotal = f(out.txtgt80.text, "GRAND TOTAL");
        if (bonds > section80CcfLimit)
            out.txtgt80.working = {"80C+80CCC+80CCD {} + 80D {} + 80G {} + 80CCF {} ({} is above its limit) + others {} = {}",
                                   {total, mediclaim, donations, section80CcfLimit, bonds, others, grandTotal}};
        else
            out.txtgt80.working = {"80C+80CCC+80CCD {} + 80D {} + 80G {} + 80CCF {} + others {} = {}",
                                   {total, mediclaim, donations, counted, others, grandTotal}};
        return out;
    });
}

bool mediclaimAboveLimit(std::string_view txt80d)
{
    // Above as the grand total reads it, so that no text the total counts passes the limit; and
    // above as the user meant it, "31,000" for one.
    const auto meant = readStrict(txt80d);
    return readLenient(txt80d) > mediclaimLimit || (meant && *meant > mediclaimLimit);
}

Calculation<std::string> section80TotalToHandOver(const std::string &txtgt80)
{
    return calculate([&] { return figureText(lenientFigure(txtgt80, "GRAND TOTAL"), "GRAND TOTAL"); });
}

Calculation<std::string> pensionContributionOnOpening(const std::string &txtmgc)
{
    return calculate([&] {
        return figureText(lenientFigure(txtmgc, "MGC, total"), "New Pen. Sch. (Emp.Cont.)");
    });
}

} // namespace pelmora
