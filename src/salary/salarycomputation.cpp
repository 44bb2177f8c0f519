// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "salarycomputation.h"

#include "core/figures.h"

#include <algorithm>
#include <cmath>

namespace pelmora::salary {

namespace {

constexpr double arrearsDaRate = 0.8; // the new rate of January and February 2013 ...
constexpr double paidDaRate = 0.72;   // ... of which the old one was already paid
constexpr double springDaRate = 0.8;  // March to June 2013
constexpr double autumnDaRate = 0.9;  // July 2013 to February 2014
constexpr double incrementRate = 0.03;
constexpr double contributionRate = 0.1;
constexpr double exemptTransportPerMonth = 800;

// In the order of the boxes' entries.
enum class HraClass { X, Y, Z, None };
enum class TransportClass { Metro, Other, None }; // "A/A-1", "Oth.", "NA"
enum class TransportTier { Higher, Middle, Lower, None };

// The entries of a box as a message lists them: "X", "Y", "Z" or "NA".
template <std::size_t N>
std::string entryList(const std::array<Words, N> &entries)
{
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0)
            list += i + 1 == N ? " or " : ", ";
        list += '"';
        list += entries[i].text();
        list += '"';
    }
    return list;
}

// The position of a box's text among its entries: the whole text, case-sensitive.
template <std::size_t N>
std::size_t choice(const std::string &text, const std::array<Words, N> &entries, std::string_view caption)
{
    const auto found = std::find_if(entries.begin(), entries.end(), [&](Words entry) { return entry.text() == text; });
    if (found == entries.end())
        throw CalculationError::unknownChoice(std::string(caption), entryList(entries));
    return std::size_t(found - entries.begin());
}

double daRate(int row)
{
    return row < julyRow ? springDaRate : autumnDaRate;
}

double hraRate(HraClass hraClass)
{
    switch (hraClass) {
    case HraClass::X:
        return 0.3;
    case HraClass::Y:
        return 0.2;
    case HraClass::Z:
        return 0.1;
    case HraClass::None:
        break;
    }
    return 0;
}

TransportTier transportTier(TransportClass transportClass, double basicPay, double gradePay)
{
    if (gradePay >= 5400)
        return TransportTier::Higher;
    if (gradePay >= 4200 || basicPay >= 7440)
        return TransportTier::Middle;
    // Below both bounds: only a row with some basic pay draws the lowest allowance.
    const bool paid = transportClass == TransportClass::Metro ? basicPay > 0 : roundHalfEven(basicPay) != 0;
    return paid ? TransportTier::Lower : TransportTier::None;
}

// Transport allowance before the dearness allowance on it.
double transportBase(TransportClass transportClass, TransportTier tier)
{
    constexpr double metro[] = {3200, 1600, 600};
    constexpr double other[] = {1600, 800, 400};
    const auto index = std::size_t(tier);
    return transportClass == TransportClass::Metro ? metro[index] : other[index];
}

// The rise of the annual increment on a month's pay: 3%, rounded, then raised to the next
// multiple of 10 unless it is one.
double incrementOn(double pay)
{
    double rise = roundHalfEven(pay * incrementRate);
    const double tens = roundHalfEven(rise / 10);
    if (10 * tens > rise)
        rise = 10 * tens;
    if (10 * tens < rise)
        rise = 10 * tens + 10;
    return rise;
}

// A month's cell as its column and row name it: "B.PAY, Jul 13".
std::string cellCaption(std::string_view heading, int row)
{
    return std::string(heading) + ", " + std::string(monthCaptions[row]);
}

// Up to 800 a month of transport allowance is exempt; the arrears rows do not count.
double transportExemption(const MonthTexts &txttpa2)
{
    double exemption = 0;
    for (int i = firstYearRow; i < monthRows; ++i)
        exemption += std::min(lenientFigure(txttpa2[i], cellCaption("TPA", i)), exemptTransportPerMonth);
    return exemption;
}

constexpr Words rateWords(double rate)
{
    return rate == 0.9   ? Words("90 %")
           : rate == 0.8 ? Words("80 %")
           : rate == 0.3 ? Words("30 %")
           : rate == 0.2 ? Words("20 %")
                         : Words("10 %");
}

// The increment in words: the rounded 3 % and, unless it is one, the next multiple of ten.
Working incrementWorking(double basicPay, double gradePay, double rise, double julyBasicPay)
{
    const double pay = basicPay + gradePay;
    const Rounded threePercent{pay * incrementRate, roundHalfEven(pay * incrementRate)};
    if (threePercent.rounded == rise)
        return {"3 % of ({} + {}) = {}, a multiple of ten; {} + {} = {}",
                {basicPay, gradePay, threePercent, basicPay, rise, julyBasicPay}};
    return {"3 % of ({} + {}) = {}, raised to the next ten: {}; {} + {} = {}",
            {basicPay, gradePay, threePercent, rise, basicPay, rise, julyBasicPay}};
}

// The transport allowance in words: the class, the tier and why the row falls in it, and the sum.
Working transportWorking(Words transportClass, TransportTier tier, double basicPay, double gradePay, int row,
                         double base, double allowance)
{
    // By tier, and for the middle tier by which of its two conditions held.
    constexpr Words yearPatterns[] = {
        "{} higher tier (grade pay {} is 5400 or more){}: {} + {} of {} = {}",
        "{} middle tier (grade pay {} is 4200 or more){}: {} + {} of {} = {}",
        "{} middle tier (grade pay {} below 4200, basic pay {} is 7440 or more): {} + {} of {} = {}",
        "{} lower tier (grade pay {} below 4200, basic pay {} below 7440): {} + {} of {} = {}",
    };
    constexpr Words arrearsPatterns[] = {
        "{} higher tier (grade pay {} is 5400 or more){}: arrears of the DA on {}: 80 % of it {} less the 72 % "
        "already paid {} = {}",
        "{} middle tier (grade pay {} is 4200 or more){}: arrears of the DA on {}: 80 % of it {} less the 72 % "
        "already paid {} = {}",
        "{} middle tier (grade pay {} below 4200, basic pay {} is 7440 or more): arrears of the DA on {}: 80 % of it "
        "{} less the 72 % already paid {} = {}",
        "{} lower tier (grade pay {} below 4200, basic pay {} below 7440): arrears of the DA on {}: 80 % of it {} "
        "less the 72 % already paid {} = {}",
    };
    const std::size_t reason = tier == TransportTier::Higher ? 0
                               : tier == TransportTier::Lower ? 3
                               : gradePay >= 4200             ? 1
                                                              : 2;
    // The first two reasons name no basic pay: no words stand in its place.
    const Working::Part basic = reason < 2 ? Working::Part(Words()) : Working::Part(basicPay);
    if (row < firstYearRow) {
        const Rounded paid{base * paidDaRate, roundHalfEven(base * paidDaRate)};
        const Rounded due{base * arrearsDaRate, roundHalfEven(base * arrearsDaRate)};
        return {arrearsPatterns[reason], {transportClass, gradePay, basic, base, due, paid, allowance}};
    }
    return {yearPatterns[reason], {transportClass, gradePay, basic, base, rateWords(daRate(row)), base, allowance}};
}

// A figure of a month's cell, read leniently. A figure beyond a double is rare: its cell is
// named only then.
double cellFigure(const std::string &text, std::string_view heading, int row)
{
    const double figure = readLenient(text);
    return std::isfinite(figure) ? figure : lenientFigure(text, cellCaption(heading, row));
}

// Each figure is written as text and read back as its field will show it; the later columns
// and the totals use those readings.
double writeCell(Figure &field, double value, std::string_view heading, int row)
{
    field.text = decimalText(value);
    const double shown = readLenient(field.text);
    if (!std::isfinite(value) || !std::isfinite(shown))
        throw CalculationError::resultTooLarge(cellCaption(heading, row));
    return shown;
}

using Figures = std::array<double, monthRows>;

// The pay of each month, each text read once.
struct MonthPay {
    Figures basicPay{};
    Figures gradePay{};
    Figures pay{}; // basic pay + grade pay
};

// The increment due on 1 July, always from the June pay; its fill-down replaces what the later
// rows held. The basic pay with it.
MonthTexts withJulyIncrement(const SalarySheet &in, SalaryResults &out)
{
    MonthTexts bp = in.txtbp;
    const double june = cellFigure(bp[julyRow - 1], "B.PAY", julyRow - 1);
    const double juneGradePay = cellFigure(in.txtgp[julyRow - 1], "G.PAY", julyRow - 1);
    const double rise = incrementOn(june + juneGradePay);
    out.julyBasicPay = Figure{figureText(june + rise, cellCaption("B.PAY", julyRow)),
                              incrementWorking(june, juneGradePay, rise, june + rise)};
    std::fill(bp.begin() + julyRow, bp.end(), out.julyBasicPay->text);
    return bp;
}

MonthPay monthPay(const MonthTexts &bp, const MonthTexts &gp)
{
    MonthPay month;
    for (int i = 0; i < monthRows; ++i) {
        // The arrears rows' basic pay must be a number: it is all their DA arrears rest on.
        month.basicPay[i] = i < firstYearRow ? strictFigure(bp[i], std::string(monthCaptions[i]) + " B.PAY")
                                             : cellFigure(bp[i], "B.PAY", i);
        month.gradePay[i] = cellFigure(gp[i], "G.PAY", i);
        month.pay[i] = month.basicPay[i] + month.gradePay[i];
    }
    return month;
}

// Dearness allowance. The arrears rows show only the difference of the two rates.
Figures dearnessAllowance(const MonthPay &month, SalaryResults &out)
{
    const auto round = roundHalfEven;
    const Figures &pay = month.pay;
    Figures da{};
    for (int i = 0; i < monthRows; ++i) {
        if (i < firstYearRow) {
            const Rounded due{pay[i] * arrearsDaRate, round(pay[i] * arrearsDaRate)};
            const Rounded paid{pay[i] * paidDaRate, round(pay[i] * paidDaRate)};
            da[i] = writeCell(out.txtda[i], due.rounded - paid.rounded, "DA", i);
            out.txtda[i].working = {"80 % of ({} + {}) = {} less the 72 % already paid {} = {}",
                                    {month.basicPay[i], month.gradePay[i], due, paid, da[i]}};
            continue;
        }
        const Rounded due{pay[i] * daRate(i), round(pay[i] * daRate(i))};
        da[i] = writeCell(out.txtda[i], due.rounded, "DA", i);
        out.txtda[i].working = {"{} of ({} + {}) = {}", {rateWords(daRate(i)), month.basicPay[i], month.gradePay[i], due}};
    }
    return da;
}

// House rent allowance; the arrears rows have none.
Figures houseRentAllowance(const MonthPay &month, HraClass hraClass, SalaryResults &out)
{
    const Figures &pay = month.pay;
    Figures hra{};
    for (int i = firstYearRow; i < monthRows; ++i) {
        if (hraClass == HraClass::None) {
            hra[i] = writeCell(out.txthra[i], 0, "HRA", i);
            out.txthra[i].working = {"HRA class NA: no HRA", {}};
            continue;
        }
        const Rounded due{pay[i] * hraRate(hraClass), roundHalfEven(pay[i] * hraRate(hraClass))};
        hra[i] = writeCell(out.txthra[i], due.rounded, "HRA", i);
        out.txthra[i].working = {"Class {}: {} of ({} + {}) = {}",
                                 {hraClassEntries[std::size_t(hraClass)], rateWords(hraRate(hraClass)),
                                  month.basicPay[i], month.gradePay[i], due}};
    }
    return hra;
}

// Transport allowance with the dearness allowance on it; in the arrears rows only the arrears
// of that dearness allowance.
Figures transportAllowance(const MonthPay &month, TransportClass transportClass, SalaryResults &out)
{
    const auto round = roundHalfEven;
    Figures tpa{};
    for (int i = 0; i < monthRows; ++i) {
        const TransportTier tier = transportTier(transportClass, month.basicPay[i], month.gradePay[i]);
        if (transportClass == TransportClass::None || tier == TransportTier::None) {
            tpa[i] = writeCell(out.txttpa2[i], 0, "TPA", i);
            if (transportClass == TransportClass::None)
                out.txttpa2[i].working = {"Transport class NA: no transport allowance", {}};
            else
                out.txttpa2[i].working = {"No tier (grade pay {} below 4200, no basic pay): 0", {month.gradePay[i]}};
            continue;
        }
        const double base = transportBase(transportClass, tier);
        tpa[i] = writeCell(out.txttpa2[i], i < firstYearRow ? round(base * arrearsDaRate) - round(base * paidDaRate)
                                                            : base + round(base * daRate(i)),
                           "TPA", i);
        out.txttpa2[i].working = transportWorking(transportClassEntries[std::size_t(transportClass)], tier,
                                                  month.basicPay[i], month.gradePay[i], i, base, tpa[i]);
    }
    return tpa;
}

// The government's matching contribution to the New Pension Scheme; in the arrears rows, on the
// arrears of DA only.
Figures pensionContribution(const MonthPay &month, const Figures &da, bool inPensionScheme, SalaryResults &out)
{
    Figures mgc{};
    for (int i = 0; i < monthRows; ++i) {
        const double contributory = i < firstYearRow ? da[i] : month.pay[i] + da[i];
        mgc[i] = writeCell(out.txtmgc[i], inPensionScheme ? roundHalfEven(contributory * contributionRate) : 0, "MGC", i);
        const Rounded due{contributory * contributionRate, mgc[i]};
        if (!inPensionScheme)
            out.txtmgc[i].working = {"Not in the New Pension Scheme: 0", {}};
        else if (i < firstYearRow)
            out.txtmgc[i].working = {"10 % of DA {} = {}", {da[i], due}};
        else
            out.txtmgc[i].working = {"10 % of ({} + {} + DA {}) = {}", {month.basicPay[i], month.gradePay[i], da[i], due}};
    }
    return mgc;
}

// Row totals. Basic and grade pay of the arrears rows were paid in the year before.
Figures rowTotals(const MonthPay &month, const Figures &da, const Figures &hra, const Figures &tpa, const Figures &mgc,
                  SalaryResults &out)
{
    Figures total{};
    for (int i = 0; i < monthRows; ++i) {
        if (i < firstYearRow) {
            total[i] = writeCell(out.txtttl[i], da[i] + tpa[i] + mgc[i], "TOTAL", i);
            out.txtttl[i].working = {"DA {} + TPA {} + MGC {} = {}", {da[i], tpa[i], mgc[i], total[i]}};
            continue;
        }
        total[i] = writeCell(out.txtttl[i], month.pay[i] + da[i] + hra[i] + tpa[i] + mgc[i], "TOTAL", i);
        out.txtttl[i].working = {"B.PAY {} + G.PAY {} + DA {} + HRA {} + TPA {} + MGC {} = {}",
                                 {month.basicPay[i], month.gradePay[i], da[i], hra[i], tpa[i], mgc[i], total[i]}};
    }
    return total;
}

// A column's total from its first row of the year, or from the arrears rows on.
Figure columnTotal(const Figures &figures, int fromRow, std::string_view heading)
{
    double sum = 0;
    for (int i = fromRow; i < monthRows; ++i)
        sum += figures[i];
    return {figureText(sum, std::string(heading) + ", total"),
            {fromRow == 0 ? Words("Jan 13 to Feb 14: {} = {}") : Words("Mar 13 to Feb 14: {} = {}"),
             {Terms{std::vector<double>(figures.begin() + fromRow, figures.end())}, sum}}};
}

// The year's total with the annual figures: arrears, bonus and the rest.
Figure grandTotal(const std::array<std::string, extras> &txtoth, const Figure &txtttlt)
{
    const double yearTotal = lenientFigure(txtttlt.text, "TOTAL, total");
    double grandTotal = yearTotal;
    NamedTerms annualFigures;
    annualFigures.terms.reserve(extras);
    for (std::size_t i = 0; i < extras; ++i)
        grandTotal += annualFigures.terms.emplace_back(extrasCaptions[i], lenientFigure(txtoth[i], extrasCaptions[i].text())).figure;
    const Words pattern = annualFigures.leavesOut()
                              ? Words("TOTAL {} + the annual figures {} = {} (the other annual figures are 0)")
                              : Words("TOTAL {} + the annual figures {} = {}");
    return {figureText(grandTotal, "G.Total"), {pattern, {yearTotal, std::move(annualFigures), grandTotal}}};
}

} // namespace

Calculation<SalaryResults> computeSalary(const SalarySheet &in)
{
    return calculate([&] {
        const auto scheme = choice(in.cbonps, pensionSchemeEntries, pensionSchemeCaption);
        const auto hraClass = HraClass(choice(in.cboclass1, hraClassEntries, hraClassCaption));
        const auto transportClass = TransportClass(choice(in.cboclass3, transportClassEntries, transportClassCaption));
        const bool inPensionScheme = pensionSchemeEntries[scheme].text() == "Y";

        SalaryResults out;
        const MonthPay pay = monthPay(in.chkinc ? withJulyIncrement(in, out) : in.txtbp, in.txtgp);
        const Figures da = dearnessAllowance(pay, out);
        const Figures hra = houseRentAllowance(pay, hraClass, out);
        const Figures tpa = transportAllowance(pay, transportClass, out);
        const Figures mgc = pensionContribution(pay, da, inPensionScheme, out);
        const Figures total = rowTotals(pay, da, hra, tpa, mgc, out);

        out.txtbpt = columnTotal(pay.basicPay, firstYearRow, "B.PAY");
        out.txtgpt = columnTotal(pay.gradePay, firstYearRow, "G.PAY");
        out.txtdat = columnTotal(da, 0, "DA");
        out.txthrat = columnTotal(hra, firstYearRow, "HRA");
        out.txtmgct = columnTotal(mgc, 0, "MGC");
        out.txttpat = columnTotal(tpa, 0, "TPA");
        out.txtttlt = columnTotal(total, 0, "TOTAL");
        out.txtgtotal = grandTotal(in.txtoth, out.txtttlt);
        return out;
    });
}

Calculation<SalaryHandOver> computeHandOver(const HandOverSource &in)
{
    return calculate([&] {
        const double basicPay = strictFigure(in.txtbpt, "B.PAY total");
        const double dearnessAllowance = strictFigure(in.txtdat, "DA total");
        const double grossSalary = strictFigure(in.txtgtotal, "G.Total");
        const double hraReceived = strictFigure(in.txthrat, "HRA total");
        const double gradePay = strictFigure(in.txtgpt, "G.PAY total");
        const double contribution = strictFigure(in.txtmgct, "MGC total");
        return SalaryHandOver{
            .txtgs = figureText(grossSalary, "G.Total"),
            .txttp = figureText(transportExemption(in.txttpa2), "Transport Allowance"),
            .txtbp = figureText(basicPay, "B.PAY, total"),
            .txtda = figureText(dearnessAllowance, "DA, total"),
            .txthrr = figureText(hraReceived, "HRA, total"),
            .txtnpa = figureText(gradePay, "G.PAY, total"),
            .txtmgc = figureText(contribution, "MGC, total"),
            .txtarr = figureText(strictFigure(in.txtttl[0], "TOTAL, Jan 13") + strictFigure(in.txtttl[1], "TOTAL, Feb 13"),
                                 "Arrears"),
        };
    });
}

} // namespace pelmora::salary
