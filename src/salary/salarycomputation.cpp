// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "salarycomputation.h"

#include "app/figures.h"

#include <algorithm>

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
std::string entryList(const std::array<std::string_view, N> &entries)
{
    std::string list;
    for (std::size_t i = 0; i < N; ++i) {
        if (i > 0)
            list += i + 1 == N ? " or " : ", ";
        list += '"';
        list += entries[i];
        list += '"';
    }
    return list;
}

// The position of a box's text among its entries: the whole text, case-sensitive.
template <std::size_t N>
std::size_t choice(const std::string &text, const std::array<std::string_view, N> &entries, std::string_view caption)
{
    const auto found = std::find(entries.begin(), entries.end(), text);
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

// Up to 800 a month of transport allowance is exempt; the arrears rows do not count.
double transportExemption(const MonthTexts &txttpa2)
{
    double exemption = 0;
    for (int i = firstYearRow; i < monthRows; ++i)
        exemption += std::min(lenientFigure(txttpa2[i]), exemptTransportPerMonth);
    return exemption;
}

} // namespace

Calculation<SalaryResults> computeSalary(const SalarySheet &in)
{
    return calculate([&] {
        const auto f = lenientFigure;
        const auto round = roundHalfEven;
        const auto scheme = choice(in.cbonps, pensionSchemeEntries, pensionSchemeCaption);
        const auto hraClass = HraClass(choice(in.cboclass1, hraClassEntries, hraClassCaption));
        const auto transportClass = TransportClass(choice(in.cboclass3, transportClassEntries, transportClassCaption));
        const bool inPensionScheme = pensionSchemeEntries[scheme] == "Y";

        SalaryResults out;

        // The increment due on 1 July, always from the June pay. Its fill-down replaces what
        // the later rows held.
        MonthTexts bp = in.txtbp;
        if (in.chkinc) {
            const double june = f(bp[julyRow - 1]);
            out.julyBasicPay = figureText(june + incrementOn(june + f(in.txtgp[julyRow - 1])));
            std::fill(bp.begin() + julyRow, bp.end(), *out.julyBasicPay);
        }
        const auto &gp = in.txtgp;

        // The pay texts stay as they are from here on: each is read once.
        using Figures = std::array<double, monthRows>;
        Figures basicPay{};
        Figures gradePay{};
        Figures pay{}; // basic pay + grade pay
        for (int i = 0; i < monthRows; ++i) {
            // The arrears rows' basic pay must be a number: it is all their DA arrears rest on.
            basicPay[i] = i < firstYearRow ? strictFigure(bp[i], std::string(monthCaptions[i]) + " B.PAY") : f(bp[i]);
            gradePay[i] = f(gp[i]);
            pay[i] = basicPay[i] + gradePay[i];
        }

        // Each figure is written as text and read back as its field will show it; the later
        // steps and the totals use those readings.
        const auto write = [&](std::string &field, double value) {
            field = figureText(value);
            return f(field);
        };

        // Dearness allowance. The arrears rows show only the difference of the two rates.
        Figures da{};
        for (int i = 0; i < monthRows; ++i) {
            da[i] = write(out.txtda[i], i < firstYearRow ? round(pay[i] * arrearsDaRate) - round(pay[i] * paidDaRate)
                                                         : round(pay[i] * daRate(i)));
        }

        Figures hra{};
        for (int i = firstYearRow; i < monthRows; ++i)
            hra[i] = write(out.txthra[i], hraClass == HraClass::None ? 0 : round(pay[i] * hraRate(hraClass)));

        // Transport allowance with the dearness allowance on it; in the arrears rows only the
        // arrears of that dearness allowance.
        Figures tpa{};
        for (int i = 0; i < monthRows; ++i) {
            const TransportTier tier = transportTier(transportClass, basicPay[i], gradePay[i]);
            if (transportClass == TransportClass::None || tier == TransportTier::None) {
                tpa[i] = write(out.txttpa2[i], 0);
                continue;
            }
            const double base = transportBase(transportClass, tier);
            tpa[i] = write(out.txttpa2[i], i < firstYearRow ? round(base * arrearsDaRate) - round(base * paidDaRate)
                                                            : base + round(base * daRate(i)));
        }

        Figures mgc{};
        for (int i = 0; i < monthRows; ++i) {
            const double contributory = i < firstYearRow ? da[i] : pay[i] + da[i];
            mgc[i] = write(out.txtmgc[i], inPensionScheme ? round(contributory * contributionRate) : 0);
        }

        // Row totals. Basic and grade pay of the arrears rows were paid in the year before.
        Figures total{};
        for (int i = 0; i < monthRows; ++i) {
            total[i] = write(out.txtttl[i], i < firstYearRow ? da[i] + tpa[i] + mgc[i]
                                                             : pay[i] + da[i] + hra[i] + tpa[i] + mgc[i]);
        }

        const auto columnTotal = [](const Figures &figures, int fromRow) {
            double sum = 0;
            for (int i = fromRow; i < monthRows; ++i)
                sum += figures[i];
            return figureText(sum);
        };
        out.txtbpt = columnTotal(basicPay, firstYearRow);
        out.txtgpt = columnTotal(gradePay, firstYearRow);
        out.txtdat = columnTotal(da, 0);
        out.txthrat = columnTotal(hra, firstYearRow);
        out.txtmgct = columnTotal(mgc, 0);
        out.txttpat = columnTotal(tpa, 0);
        out.txtttlt = columnTotal(total, 0);

        double grandTotal = f(out.txtttlt);
        for (const std::string &extra : in.txtoth)
            grandTotal += f(extra);
        out.txtgtotal = figureText(grandTotal);
        return out;
    });
}

Calculation<HandOver> computeHandOver(const HandOverSource &in)
{
    return calculate([&] {
        const double basicPay = strictFigure(in.txtbpt, "B.PAY total");
        const double dearnessAllowance = strictFigure(in.txtdat, "DA total");
        const double grossSalary = strictFigure(in.txtgtotal, "G.Total");
        const double hraReceived = strictFigure(in.txthrat, "HRA total");
        const double gradePay = strictFigure(in.txtgpt, "G.PAY total");
        const double contribution = strictFigure(in.txtmgct, "MGC total");
        return HandOver{
            .txtgs = figureText(grossSalary),
            .txttp = figureText(transportExemption(in.txttpa2)),
            .txtbp = figureText(basicPay),
            .txtda = figureText(dearnessAllowance),
            .txthrr = figureText(hraReceived),
            .txtnpa = figureText(gradePay),
            .txtmgc = figureText(contribution),
        };
    });
}

} // namespace pelmora::salary
