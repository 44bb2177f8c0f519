// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "section80.h"

#include "app/figures.h"

namespace pelmora {

Calculation<Section80Results> computeSection80(const Section80Inputs &in)
{
    return calculate([&] {
        const auto f = lenientFigure;
        Section80Results out;
        const std::string *items80C[] = {&in.txtgpf, &in.txtgis, &in.txthba, &in.txtlic,  &in.txtppf, &in.txtnsc,
                                         &in.txtnsci, &in.txttf1, &in.txttf2, &in.txtinf, &in.txtos};
        double total80C = 0;
        for (const std::string *item : items80C)
            total80C += f(*item);
        out.txt80c = figureText(total80C);

        // The government's contribution counts on top of the combined limit.
        out.txttot1 = figureText(f(out.txt80c) + f(in.txt80ccc) + f(in.txt80ccdec));
        if (f(out.txttot1) > section80CombinedLimit)
            out.txttot1 = figureText(f(in.txt80ccdgc) + section80CombinedLimit);
        else
            out.txttot1 = figureText(f(out.txttot1) + f(in.txt80ccdgc));

        out.txt80ccf = f(in.txt80ccf) > section80CcfLimit ? "20000" : in.txt80ccf;

        out.txtgt80 = figureText(f(out.txttot1) + f(in.txt80d) + f(in.txt80g) + f(out.txt80ccf) + f(in.txtoth));
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
