// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The statements' pages as tables, and the "named" filling: every field holds its own name.

#include "recordingprinter.h"
#include "core/credits.h"
#include "print/form10e.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"
#include "salary/salarycomputation.h"
#include "worksheets/relief89.h"

#include <array>
#include <map>
#include <optional>
#include <string>

// "R 6 1.3 9b frmmain.txtgs": a text ending at the edge 6 (L: starting at x, C: centred across a
// width) at y 1.3 in 9 points bold (i italic, u underlined, ? never set); "- 4 1.9 5": a rule.
struct PageLines {
    void text(char kind, float at, float y, const std::string &text)
    {
        QString style = font[0] ? QString::number(*font[0]) : QStringLiteral("?");
        for (int i = 1; i < 4; ++i)
            style += !font[i] ? QStringLiteral("?") : *font[i] ? QString(QLatin1Char("biu"[i - 1])) : QString();
        lines << QStringLiteral("%1 %2 %3 %4 ").arg(QLatin1Char(kind)).arg(at).arg(y).arg(style) + QString::fromStdString(text);
    }
    void rule(float y, float x1, float x2) { lines << QStringLiteral("- %1 %2 %3").arg(x1).arg(y).arg(x2); }
    QStringList lines;
    std::array<std::optional<float>, 4> font; // size, bold, italic, underline
};

// A font setting that changes nothing is a line of its own.
inline QStringList described(const pelmora::Statement &statement)
{
    using namespace pelmora;
    struct Describer : PageLines {
        void set(int property, float value)
        {
            const char *const names[] = {"size", "bold", "italic", "underline"};
            if (font[property] == value)
                lines << QStringLiteral("again ") + QString::fromLatin1(names[property]);
            font[property] = value;
        }
        void operator()(const ScaleModeSetting &s) { lines << QLatin1String(s.mode == ScaleMode::Inches ? "inches" : "?"); }
        void operator()(const OrientationSetting &s)
        {
            lines << QLatin1String(s.orientation == Orientation::Portrait ? "portrait" : "landscape");
        }
        void operator()(const FontNameSetting &s) { lines << QStringLiteral("font ") + QString::fromStdString(s.name); }
        void operator()(const FontSizeSetting &s) { set(0, s.points); }
        void operator()(const FontBoldSetting &s) { set(1, s.on); }
        void operator()(const FontItalicSetting &s) { set(2, s.on); }
        void operator()(const FontUnderlineSetting &s) { set(3, s.on); }
        void operator()(const LeftText &t) { text('L', t.x, t.y, t.text); }
        void operator()(const LeftTextWithin &t) { text('W', t.x, t.y, t.text + " <" + std::to_string(int(t.right)) + '|'); }
        void operator()(const RightText &t) { text('R', t.edge, t.y, t.text); }
        void operator()(const CentredText &t) { text('C', t.width, t.y, t.text); }
        void operator()(const Rule &r) { rule(r.y, r.x1, r.x2); }
        void operator()(const PageBreak &) { lines << QStringLiteral("page"); }
    } describer;
    for (const StatementItem &item : statement)
        std::visit(describer, item);
    return describer.lines;
}

struct PageBuilder : PageLines {
    using Style = pelmora::FontStyle;
    void left(float y, const Style &s, float x, const std::string &t) { add('L', y, s, x, t); }
    void right(float y, const Style &s, float edge, const std::string &t) { add('R', y, s, edge, t); }
    void centred(float y, const Style &s, float w, const std::string &t) { add('C', y, s, w, t); }
    void within(float y, const Style &s, float x, int right, const std::string &t)
    {
        add('W', y, s, x, t + " <" + std::to_string(right) + '|');
    }
    void line(float y, const Style &style, float x, const std::string &label, float edge, const std::string &figure)
    {
        left(y, style, x, label);
        right(y, style, edge, figure);
    }
    void add(char kind, float y, const Style &s, float at, const std::string &t)
    {
        font = {s.points, s.bold, s.italic, s.underline};
        text(kind, at, y, t);
    }
};

inline const QStringList &taxPage()
{
    static const QStringList page = [] {
        constexpr pelmora::FontStyle title{12, true, false, true}, bold{9, true, false, false},
            regular{9, false, false, false}, footer{8, false, true, false};
        PageBuilder p;
        p.lines << QStringLiteral("inches") << QStringLiteral("font Tahoma") << QStringLiteral("portrait");
        p.left(0.40f, title, 1.0f, "CALCULATION OF INCOME TAX FOR THE YEAR 2013-14");
        p.within(0.60f, title, 1.0f, 7, "frmmain.txtname");
        p.left(1.15f, bold, 1.0f, "INCOME FROM 'SALARY'");
        p.line(1.30f, regular, 1.0f, "Gross Salary :-", 6.0f, "frmmain.txtgs");
        p.left(1.45f, regular, 1.0f, "Less Allowances Exempt u/s 10 :-");
        p.line(1.60f, regular, 1.2f, "Transport Allowance :-", 5.0f, "frmmain.txttp");
        p.line(1.75f, regular, 1.2f, "House Rent Allowance :-", 5.0f, "frmmain.txthra");
        p.rule(1.90f, 4.0f, 5.0f);
        p.right(1.75f, regular, 6.0f, "frmmain.txtexall");
        p.rule(1.90f, 5.0f, 6.0f);
        p.right(1.90f, bold, 7.0f, "frmmain.txtnsal");
        p.left(2.20f, bold, 1.0f, "INCOME FROM 'HOUSE PROPERTY'");
        p.line(2.35f, regular, 1.0f, "Annual Rental Value", 6.0f, "Form4.txtarv");
        p.line(2.50f, regular, 1.0f, "Less Property Taxes :-", 6.0f, "Form4.txtptax");
        p.rule(2.65f, 5.0f, 6.0f);
        p.line(2.65f, regular, 1.0f, "Gross Income from House Property :-", 6.0f, "Form4.txtghi");
        p.left(2.80f, regular, 1.0f, "Less Deductions u/s 24 :-");
        p.line(2.95f, regular, 1.2f, "Repairs & Maintenance :-", 5.0f, "Form4.txtrep");
        p.line(3.10f, regular, 1.2f, "Interest on Borrowed Capital :-", 5.0f, "Form4.txtintt");
        p.line(3.25f, regular, 1.2f, "Others :-", 5.0f, "Form4.txtoth");
        p.right(3.25f, regular, 6.0f, "Form4.txttd");
        p.rule(3.40f, 4.0f, 6.0f);
        p.right(3.40f, bold, 7.0f, "Form4.txtihp");
        p.line(3.70f, bold, 1.0f, "INCOME FROM 'OTHER SOURCES' :-", 7.0f, "frmmain.txtos");
        p.rule(3.85f, 6.0f, 7.0f);
        p.line(4.00f, bold, 1.0f, "GROSS TOTAL INCOME :-", 7.0f, "frmmain.txtgti");
        p.left(4.30f, regular, 1.0f, "Deductions u/s 80 :-");
        p.left(4.45f, regular, 1.2f, "Section 80C :-");
        const char *const items80C[][2] = {
            {"GPF -", "txtgpf"}, {"CGEGIS -", "txtgis"}, {"HBA -", "txthba"}, {"LIC -", "txtlic"}, {"PPF -", "txtppf"},
            {"NSC -", "txtnsc"}, {"NSC Interest -", "txtnsci"}, {"Tuition Fee (I) -", "txttf1"},
            {"Tuition Fee (II) -", "txttf2"}, {"Infrastructure Bonds -", "txtinf"}, {"Other Savings -", "txtos"}};
        for (int i = 0; i < 11; ++i) // rows 0.15 apart from 4.60
            p.line(float((460 + 15 * i) / 100.0), regular, 1.4f, items80C[i][0], 5.0f,
                   std::string("frmreb88.") + items80C[i][1]);
        p.line(6.25f, regular, 1.2f, "Total (80C) -", 5.0f, "frmreb88.txt80c");
        p.rule(6.25f, 4.0f, 5.0f);
        p.line(6.40f, regular, 1.2f, "Jeevan Suraksha (80CCC) :-", 5.0f, "frmreb88.txt80ccc");
        p.line(6.55f, regular, 1.2f, "NPS (EC + GC) (80CCD):-", 5.0f, "365.5"); // 300 + 65.5
        p.rule(6.70f, 4.0f, 5.0f);
        p.line(6.70f, regular, 1.2f, "Total(80C+80CCC+80CCD) -", 6.0f, "frmreb88.txttot1");
        p.line(6.85f, regular, 1.2f, "Infrastructure Bonds (80CCF) -", 6.0f, "frmreb88.txt80ccf");
        p.line(7.00f, regular, 1.2f, "Mediclaim/CGHS (80D) : -", 6.0f, "frmreb88.txt80d");
        p.line(7.15f, regular, 1.2f, "Donations (80G) :-", 6.0f, "frmreb88.txt80g");
        p.line(7.30f, regular, 1.2f, "Other Deductions :-", 6.0f, "frmreb88.txtoth");
        p.line(7.45f, bold, 1.0f, "Total Deductions u/s 80 :-", 7.0f, "frmreb88.txtgt80");
        p.rule(7.45f, 5.0f, 6.0f);
        p.line(7.60f, bold, 1.0f, "NET TAXABLE INCOME :-", 7.0f, "frmmain.txtnti");
        p.rule(7.60f, 6.0f, 7.0f);
        p.rule(7.75f, 6.0f, 7.0f);
        p.line(7.75f, bold, 1.0f, "GROSS TAX :-", 7.0f, "frmmain.txtgtax");
        p.line(7.90f, bold, 1.0f, "Relief u/s 87A :-", 7.0f, "frmmain.txtrel87A");
        p.line(8.05f, bold, 1.0f, "Relief u/s 89 :-", 7.0f, "frmmain.txtrel89");
        p.rule(8.20f, 6.0f, 7.0f);
        p.line(8.20f, bold, 1.0f, "NET TAX :-", 7.0f, "frmmain.txtntax");
        p.line(8.35f, bold, 1.0f, "Education Cess :-", 7.0f, "frmmain.txtcess");
        p.line(8.50f, bold, 1.0f, "TOTAL TAX :-", 7.0f, "frmmain.txtttax");
        p.rule(8.50f, 6.0f, 7.0f);
        p.line(8.65f, bold, 1.0f, "TAX DEDUCTED :-", 7.0f, "frmmain.txtdedtax");
        p.line(8.80f, bold, 1.0f, "BALANCE TAX :-", 7.0f, "frmmain.txtbaltax");
        p.rule(8.80f, 6.0f, 7.0f);
        p.rule(8.95f, 6.0f, 7.0f);
        using std::string;
        namespace credits = pelmora::credits;
        p.left(10.25f, footer, 1.0f,
               string("Generated by Pelmora :- ") + credits::author + ", free download: " + credits::webAddress);
        p.left(10.45f, footer, 1.0f, string("For suggestions/ reporting of bugs contact ") + credits::contactAddress);
        return p.lines;
    }();
    return page;
}

inline const char *const monthColumns[] = {"txtbp", "txtgp", "txtda", "txthra", "txtmgc", "txttpa2", "txtttl"};

inline std::string element(const char *array, int index)
{
    return std::string("Form1.") + array + "(" + std::to_string(index) + ")";
}

inline const QStringList &salaryPage()
{
    static const QStringList page = [] {
        constexpr pelmora::FontStyle heading{10, true, false, true}, regular{10, false, false, false},
            bold{10, true, false, false}, footer{8, false, false, false};
        PageBuilder p;
        p.lines << QStringLiteral("inches") << QStringLiteral("font Tahoma") << QStringLiteral("landscape");
        p.centred(1.0f, heading, 10.0f, "DETAILS OF SALARY RECEIVED FOR THE YEAR 2013 - 2014");
        p.centred(1.2f, heading, 10.0f, "Form1.txtnam");
        const char *const headings[] = {"Month", "Basic", "GP", "Dearness", "HRA", "MGC", "Tpt. All.", "Total"};
        for (int column = 0; column < 8; ++column)
            p.right(1.6f, heading, 1.0f + float(column), headings[column]);
        p.right(1.8f, heading, 2.0f, "Pay");
        p.right(1.8f, heading, 4.0f, "Allowance");
        // Rows 0 and 1 are printed only as the arrears they add up to.
        for (int row = 2; row <= 13; ++row) {
            p.right(2.0f + 0.2f * float(row - 2), regular, 1.0f, std::string(pelmora::salary::monthCaptions[row]));
            for (int column = 0; column < 7; ++column)
                p.right(2.0f + 0.2f * float(row - 2), regular, 2.0f + float(column), element(monthColumns[column], row));
        }
        p.rule(4.4f, 1.0f, 8.1f);
        p.right(4.4f, regular, 1.0f, "DA Arr.");
        p.right(4.4f, regular, 4.0f, "0.3");  // 0.2 + 0.1, not 0.30000000000000004
        p.right(4.4f, regular, 6.0f, "12");   // "12abc" + ""
        p.right(4.4f, regular, 7.0f, "25");   // 15 + 10
        p.right(4.4f, regular, 8.0f, "37.3");
        p.right(4.6f, bold, 1.0f, "Totals");
        const char *const totals[] = {"txtbpt", "txtgpt", "txtdat", "txthrat", "txtmgct", "txttpat", "txtttlt"};
        for (int column = 0; column < 7; ++column)
            p.right(4.6f, bold, 2.0f + float(column), std::string("Form1.") + totals[column]);
        p.rule(4.8f, 1.0f, 8.1f);
        const char *const allowances[] = {"Other Allowances :-", "Over Time Allowance :-", "Honorarium :-",
                                          "Tuition Fee :-", "Bonus :-", "Arrears :-"};
        const int otherRow[] = {5, 2, 4, 3, 1, 0};
        const float otherY[] = {5.2f, 5.4f, 5.6f, 5.8f, 6.0f, 6.2f};
        for (int i = 0; i < 6; ++i) {
            p.right(otherY[i], regular, 7.0f, allowances[i]);
            p.right(otherY[i], regular, 8.0f, element("txtoth", otherRow[i]));
        }
        p.rule(6.4f, 7.0f, 8.1f);
        p.right(6.4f, bold, 7.0f, "GRAND TOTAL :-");
        p.right(6.4f, bold, 8.0f, "Form1.txtgtotal");
        p.rule(6.6f, 7.0f, 8.1f);
        p.left(7.0f, footer, 1.0f, "Generated by Pelmora");
        return p.lines;
    }();
    return page;
}

// The fields that are only added up hold figures that try the sums.
inline std::string filling(const std::string &name)
{
    static const std::map<std::string, std::string> figures = {
        {"frmreb88.txt80ccdgc", "300"}, {"frmreb88.txt80ccdec", "65.5"}, {"Form1.txtda(0)", "0.1"},
        {"Form1.txtda(1)", "0.2"}, {"Form1.txtmgc(0)", ""}, {"Form1.txtmgc(1)", "12abc"}, {"Form1.txttpa2(0)", "10"},
        {"Form1.txttpa2(1)", "15"}, {"frmrel89.txtarr(0)", "1000"}, {"frmrel89.txtarr(5)", "7"}};
    const auto figure = figures.find(name);
    return figure == figures.end() ? name : figure->second;
}

// A statement's texts filled by name, in the order the structs declare them.
using Filling = std::string (*)(const std::string &name);
inline pelmora::TaxStatementTexts namedTaxTexts(Filling fill = filling)
{
    const auto in = [=](std::string window) { return [=](const char *name) { return fill(window + name); }; };
    const auto m = in("frmmain."), h = in("Form4."), d = in("frmreb88.");
    return {{m("txtname"), m("txtgs"), m("txttp"), m("txthra"), m("txtexall"), m("txtnsal"), m("txtos"), m("txthp"),
             m("txtgti"), m("txtded80"), m("txtnti"), m("txtgtax"), m("txtrel87A"), m("txtrel89"), m("txtntax"),
             m("txtcess"), m("txtttax"), m("txtdedtax"), m("txtbaltax"), m("txtdob")},
            {pelmora::PropertyKind::RentedOut, pelmora::HousingLoan::After1April1999, h("txtarv"), h("txtptax"), h("txtghi"), h("txtrep"), h("txtintt"), h("txtoth"), h("txttd"), h("txtihp")},
            {d("txtgpf"), d("txtgis"), d("txthba"), d("txtlic"), d("txtppf"), d("txtnsc"), d("txtnsci"), d("txttf1"),
             d("txttf2"), d("txtinf"), d("txtos"), d("txt80c"), d("txt80ccc"), d("txt80ccdec"), d("txt80ccdgc"),
             d("txttot1"), d("txt80ccf"), d("txt80d"), d("txt80g"), d("txtoth"), d("txtgt80")}};
}

inline pelmora::SalaryStatementTexts namedSalaryTexts()
{
    using Texts = pelmora::SalaryStatementTexts;
    const auto f = [](const char *name) { return filling(std::string("Form1.") + name); };
    Texts t{f("txtnam"), {}, {}, {}, {}, {}, {}, {}, {}, f("txtbpt"), f("txtgpt"), f("txtdat"), f("txthrat"),
            f("txtmgct"), f("txttpat"), f("txtttlt"), {}, f("txtgtotal")};
    Texts::MonthTexts *columns[] = {&t.txtbp, &t.txtgp, &t.txtda, &t.txthra, &t.txtmgc, &t.txttpa2, &t.txtttl};
    for (int row = 0; row < 14; ++row) {
        t.Label1[row] = pelmora::salary::monthCaptions[row];
        for (int column = 0; column < 7; ++column)
            (*columns[column])[row] = filling(element(monthColumns[column], row));
    }
    for (int i = 0; i < 6; ++i)
        t.txtoth[i] = filling(element("txtoth", i));
    return t;
}

// Table A's rows with arrears print: those whose arrears the filling gives a figure.
inline pelmora::Form10ETexts namedForm10ETexts()
{
    const auto f = [](const std::string &name) { return filling("frmrel89." + name); };
    pelmora::Form10ETexts t{f("txtnam"), f("txtadd"), f("txtpan")};
    const std::pair<const char *, std::array<std::string, pelmora::form10EYears> *> columns[] = {
        {"txtinc", &t.txtinc},   {"txtarr", &t.txtarr},   {"txtincarr", &t.txtincarr},
        {"txttax1", &t.txttax1}, {"txttax2", &t.txttax2}, {"txtdif", &t.txtdif}};
    for (int row = 0; row < pelmora::form10EYears; ++row) {
        t.years[row] = pelmora::earlierYearName(row);
        for (const auto &[name, column] : columns)
            (*column)[row] = f(name + ("(" + std::to_string(row) + ")"));
    }
    for (std::string *item : {&t.txtitem1, &t.txtitem2, &t.txtitem3, &t.txtitem4, &t.txtitem5, &t.txtitem6,
                              &t.txtitem7, &t.txtitem8})
        *item = f("txtitem" + std::to_string(item - &t.txtitem1 + 1));
    return t;
}

inline pelmora::Statement built(const pelmora::Calculation<pelmora::Statement> &outcome)
{
    return std::get<pelmora::Statement>(outcome);
}
inline QStringList printedTexts(const pelmora::Statement &statement)
{
    RecordingPrinter printer;
    pelmora::printStatement(statement, printer);
    return printer.printed();
}
