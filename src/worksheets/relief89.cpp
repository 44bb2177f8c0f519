// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "relief89.h"

#include "core/agecategory.h"
#include "core/dates.h"
#include "core/figures.h"
#include "core/taxslabs.h"

#include <algorithm>
#include <string>

namespace pelmora {

namespace {

// An earlier year's rates for resident individuals: nothing up to the payer's first limit, then
// 10 % to the first band's top, 20 % to the second's, 30 % above; a very senior citizen's 10 %
// band is empty, for the limit is at its top. Where a surcharge applied, it is 10 % of the tax
// above an income of 1000000, with marginal relief.
struct EarlierYear {
    Words name;
    int endYear; // the calendar year in which the financial year ends
    double men, women, senior;
    int seniorAge;
    double verySenior; // 0 in the years before the very senior citizens' slab
    double firstTop, secondTop;
    bool surcharge;
    double cess;
    Words cessPercent;
    Words man, woman, seniorCitizen;
};

constexpr EarlierYear years[earlierYears] = {
    {"2012-13", 2013, 200000, 200000, 250000, 60, 500000, 500000, 1000000, false, 0.03, "3 %", "below 60", "below 60",
     "senior citizen (60 or more)"},
    {"2011-12", 2012, 180000, 190000, 250000, 60, 500000, 500000, 800000, false, 0.03, "3 %", "man below 60",
     "woman below 60", "senior citizen (60 or more)"},
    {"2010-11", 2011, 160000, 190000, 240000, 65, 0, 500000, 800000, false, 0.03, "3 %", "man below 65",
     "woman below 65", "senior citizen (65 or more)"},
    {"2009-10", 2010, 160000, 190000, 240000, 65, 0, 300000, 500000, false, 0.03, "3 %", "man below 65",
     "woman below 65", "senior citizen (65 or more)"},
    {"2008-09", 2009, 150000, 180000, 225000, 65, 0, 300000, 500000, true, 0.03, "3 %", "man below 65",
     "woman below 65", "senior citizen (65 or more)"},
    {"2007-08", 2008, 110000, 145000, 195000, 65, 0, 150000, 250000, true, 0.03, "3 %", "man below 65",
     "woman below 65", "senior citizen (65 or more)"},
    {"2006-07", 2007, 100000, 135000, 185000, 65, 0, 150000, 250000, true, 0.02, "2 %", "man below 65",
     "woman below 65", "senior citizen (65 or more)"},
    {"2005-06", 2006, 100000, 135000, 185000, 65, 0, 150000, 250000, true, 0.02, "2 %", "man below 65",
     "woman below 65", "senior citizen (65 or more)"},
};

constexpr double surchargeFrom = 1000000;
constexpr double surchargeRate = 0.1;

// Whether a person born on that date attains the age on or before the last day of the year that
// ends in endYear: a person attains an age on the day before the anniversary of their birth.
bool attains(const std::optional<Date> &born, int age, int endYear)
{
    return born && *born <= Date{endYear - age, 4, 1};
}

// The tax of the bands from the limit up, as the rates give it, unrounded.
double slabTax(const EarlierYear &year, double limit, double income)
{
    const struct {
        double from, to, rate;
    } bands[] = {{year.firstTop > limit ? limit : year.firstTop, year.firstTop, 0.1},
                 {std::max(limit, year.firstTop), year.secondTop, 0.2},
                 {std::max(limit, year.secondTop), income, 0.3}};
    double tax = 0;
    for (const auto &band : bands)
        tax += std::max(0.0, std::min(income, band.to) - band.from) * band.rate;
    return tax;
}

} // namespace

std::string_view earlierYearName(int row)
{
    return years[row].name.text();
}

YearTax earlierYearTax(int row, double income, std::string_view born, bool woman)
{
    const EarlierYear &year = years[row];
    const std::optional<Date> birth = readDate(born);
    const bool verySenior = year.verySenior > 0 && attains(birth, 80, year.endYear);
    const bool senior = attains(birth, year.seniorAge, year.endYear);
    const double limit = verySenior ? year.verySenior : senior ? year.senior : woman ? year.women : year.men;
    const Words payer = verySenior ? Words("very senior citizen (80 or more)")
                        : senior   ? year.seniorCitizen
                        : woman    ? year.woman
                                   : year.man;
    if (income <= limit)
        return {0, {"{}, {}: {} is {} or less: no tax", {year.name, payer, income, limit}}};
    const double tax = slabTax(year, limit, income);
    double surcharge = 0;
    if (year.surcharge && income > surchargeFrom) {
        // Marginal relief: the tax and surcharge never exceed the tax at 1000000 plus the income above it.
        surcharge = std::min(tax * surchargeRate, slabTax(year, limit, surchargeFrom) + (income - surchargeFrom) - tax);
    }
    const double exact = (tax + surcharge) + (tax + surcharge) * year.cess;
    const double total = roundHalfEven(exact);
    if (surcharge > 0)
        return {total, {"{}, {}: slab tax on {} (nothing to {}) {} + surcharge {} + {} cess = {}",
                        {year.name, payer, income, limit, tax, surcharge, year.cessPercent, Rounded{exact, total}}}};
    return {total, {"{}, {}: slab tax on {} (nothing to {}) {} + {} cess = {}",
                    {year.name, payer, income, limit, tax, year.cessPercent, Rounded{exact, total}}}};
}

YearTax thisYearTax(double income, std::string_view born)
{
    const auto [bands, category] = slabsOf(ageCategoryOf(born).value_or(AgeCategory::BelowSixty));
    double tax = 0;
    for (std::size_t band = 0; band < bands.size(); ++band) {
        const double to = band + 1 < bands.size() ? bands[band + 1].from : income;
        tax += std::max(0.0, std::min(income, to) - bands[band].from) * bands[band].rate;
    }
    const double relief = income <= reliefIncomeLimit87A ? std::min(tax, reliefLimit87A) : 0;
    const double net = tax - relief;
    const double exact = net + net * cessRate;
    const double total = roundHalfEven(exact);
    return {total, {"2013-14: {}slab tax on {} {} − relief u/s 87A {} + 3 % cess = {}",
                    {category, income, tax, relief, Rounded{exact, total}}}};
}

Calculation<Relief89Results> computeRelief89(const Relief89Inputs &in)
{
    return calculate([&] {
        if (!ageCategoryOf(in.txtdob))
            throw CalculationError::notADate("Date of Birth");
        Relief89Results out;
        const auto write = [](Figure &field, double value, std::string_view caption) {
            field.text = figureText(value, caption);
            return lenientFigure(field.text, caption);
        };
        double arrears = 0, differences = 0;
        NamedTerms arrearTerms, differenceTerms;
        for (int row = 0; row < earlierYears; ++row) {
            // A field's caption with its year, "Arrears, 2008-09", as a refusal names it.
            const auto caption = [&](std::string_view what) {
                std::string text(what);
                text.append(", ").append(years[row].name.text());
                return text;
            };
            const double income = lenientFigure(in.txtinc[row], caption("Total income"));
            const double arrear = lenientFigure(in.txtarr[row], caption("Arrears"));
            out.takesPart[row] = arrear != 0;
            if (!out.takesPart[row]) {
                const Figure none{"0", {"{}: no arrears of this year, so it takes no part: 0", {years[row].name}}};
                out.txtincarr[row] = out.txttax1[row] = out.txttax2[row] = out.txtdif[row] = none;
                continue;
            }
            const double increased = write(out.txtincarr[row], income + arrear, caption("Total income as increased"));
            out.txtincarr[row].working = {"{} + arrears {} = {}", {income, arrear, increased}};
            YearTax before = earlierYearTax(row, income, in.txtdob, in.woman);
            YearTax after = earlierYearTax(row, increased, in.txtdob, in.woman);
            const double taxBefore = write(out.txttax1[row], before.tax, caption("Tax on total income"));
            const double taxAfter = write(out.txttax2[row], after.tax, caption("Tax on increased income"));
            out.txttax1[row].working = std::move(before.working);
            out.txttax2[row].working = std::move(after.working);
            const double difference = write(out.txtdif[row], taxAfter - taxBefore, caption("Difference in tax"));
            out.txtdif[row].working = {"{} − {} = {}", {taxAfter, taxBefore, difference}};
            arrears += arrear;
            differences += difference;
            arrearTerms.terms.push_back({years[row].name, arrear});
            differenceTerms.terms.push_back({years[row].name, difference});
        }
        const double item2 = write(out.txtitem2, arrears, "Salary received in arrears or advance");
        out.txtitem2.working = {"The arrears of the years: {} = {}", {arrearTerms, item2}};
        const double item3 = lenientFigure(in.txtitem3, "Total income (as increased by salary received in arrears or advance)");
        if (item3 - item2 < 0)
            throw CalculationError::inconsistent("The arrears are more than the total income. Please check the figures.");
        const double item1 = write(out.txtitem1, item3 - item2, "Total income (excluding salary received in arrears or advance)");
        out.txtitem1.working = {"Item 3 {} − item 2 {} = {}", {item3, item2, item1}};

        YearTax withArrears = thisYearTax(item3, in.txtdob);
        YearTax without = thisYearTax(item1, in.txtdob);
        const double item4 = write(out.txtitem4, withArrears.tax, "Tax on total income [as per item 3]");
        const double item5 = write(out.txtitem5, without.tax, "Tax on total income [as per item 1]");
        out.txtitem4.working = std::move(withArrears.working);
        out.txtitem5.working = std::move(without.working);
        const double item6 = write(out.txtitem6, item4 - item5, "Tax on salary received in arrears or advance");
        out.txtitem6.working = {"Item 4 {} − item 5 {} = {}", {item4, item5, item6}};
        const double item7 = write(out.txtitem7, differences, "Tax computed in accordance with Table \"A\"");
        out.txtitem7.working = {"The differences of Table A: {} = {}", {differenceTerms, item7}};
        const double relief = write(out.txtitem8, std::max(0.0, item6 - item7), "Relief under section 89(1)");
        if (item6 - item7 > 0)
            out.txtitem8.working = {"Item 6 {} − item 7 {} = {}", {item6, item7, relief}};
        else
            out.txtitem8.working = {"Item 6 {} − item 7 {} is not more than 0. The arrears would have cost more tax in the "
                                    "years they belong to: no relief",
                                    {item6, item7}};
        return out;
    });
}

Calculation<std::string> relief89ToHandOver(const std::string &txtitem8)
{
    return calculate([&] {
        return figureText(lenientFigure(txtitem8, "Relief under section 89(1)"), "Relief u/s 89");
    });
}

} // namespace pelmora
