// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "taxstatement.h"

#include "core/agecategory.h"

#include "core/credits.h"

namespace pelmora {

namespace {

constexpr FontStyle title{12, true, false, true};
constexpr FontStyle bold{9, true, false, false};
constexpr FontStyle regular{9, false, false, false};
constexpr FontStyle footer{8, false, true, false};

// The statement's lines as the table of the page gives them: a label at its indent, a figure
// at its column edge, a rule under or around figures.
class TaxStatementWriter
{
public:
    TaxStatementWriter()
        : m_writer(
              {
                  ScaleModeSetting{ScaleMode::Inches},
                  FontNameSetting{"Tahoma"},
                  FontSizeSetting{title.points},
                  FontBoldSetting{title.bold},
                  FontUnderlineSetting{title.underline},
                  FontItalicSetting{title.italic},
                  // A salary statement printed before must not leave this page landscape.
                  OrientationSetting{Orientation::Portrait},
              },
              title)
    {
    }

    void label(float y, const FontStyle &style, float x, std::string text)
    {
        m_writer.useStyle(style);
        m_writer.add(LeftText{x, y, std::move(text)});
    }
    void labelWithin(float y, const FontStyle &style, float x, float right, std::string text)
    {
        m_writer.useStyle(style);
        m_writer.add(LeftTextWithin{x, y, right, std::move(text)});
    }
    void figure(float y, const FontStyle &style, float edge, std::string text)
    {
        m_writer.useStyle(style);
        m_writer.add(RightText{edge, y, std::move(text)});
    }
    void line(float y, const FontStyle &style, float x, std::string text, float edge, std::string figureText)
    {
        label(y, style, x, std::move(text));
        figure(y, style, edge, std::move(figureText));
    }
    void rule(float y, float x1, float x2) { m_writer.add(Rule{x1, x2, y}); }

    Statement take() { return m_writer.take(); }

private:
    StatementWriter m_writer;
};

std::string text(const char *utf8)
{
    return utf8;
}

Statement taxStatementItems(const TaxStatementTexts &texts)
{
    const auto &m = texts.frmmain;
    const auto &hp = texts.form4;
    const auto &d = texts.frmreb88;
    TaxStatementWriter s;

    s.label(0.40f, title, 1.0f, "CALCULATION OF INCOME TAX FOR THE YEAR 2013-14");
    // A name too long for the page is cut at the right edge of the figures, the page unchanged.
    s.labelWithin(0.60f, title, 1.0f, 7.0f, m.txtname);
    // A payer of 60 or more is taxed on other slabs: the statement says so under the name.
    if (const std::optional<AgeCategory> category = ageCategoryOf(m.txtdob); category && *category != AgeCategory::BelowSixty)
        s.label(0.85f, regular, 1.0f, std::string(ageCategoryMeaning(*category)));

    s.label(1.15f, bold, 1.0f, "INCOME FROM 'SALARY'");
    s.line(1.30f, regular, 1.0f, "Gross Salary :-", 6.0f, m.txtgs);
    s.label(1.45f, regular, 1.0f, "Less Allowances Exempt u/s 10 :-");
    s.line(1.60f, regular, 1.2f, "Transport Allowance :-", 5.0f, m.txttp);
    s.line(1.75f, regular, 1.2f, "House Rent Allowance :-", 5.0f, m.txthra);
    s.rule(1.90f, 4.0f, 5.0f);
    s.figure(1.75f, regular, 6.0f, m.txtexall);
    s.rule(1.90f, 5.0f, 6.0f);
    s.figure(1.90f, bold, 7.0f, m.txtnsal);

    s.label(2.20f, bold, 1.0f, "INCOME FROM 'HOUSE PROPERTY'");
    s.line(2.35f, regular, 1.0f, "Annual Rental Value", 6.0f, hp.txtarv);
    s.line(2.50f, regular, 1.0f, "Less Property Taxes :-", 6.0f, hp.txtptax);
    s.rule(2.65f, 5.0f, 6.0f);
    s.line(2.65f, regular, 1.0f, "Gross Income from House Property :-", 6.0f, hp.txtghi);
    s.label(2.80f, regular, 1.0f, "Less Deductions u/s 24 :-");
    s.line(2.95f, regular, 1.2f, "Repairs & Maintenance :-", 5.0f, hp.txtrep);
    s.line(3.10f, regular, 1.2f, "Interest on Borrowed Capital :-", 5.0f, hp.txtintt);
    s.line(3.25f, regular, 1.2f, "Others :-", 5.0f, hp.txtoth);
    s.figure(3.25f, regular, 6.0f, hp.txttd);
    s.rule(3.40f, 4.0f, 6.0f);
    s.figure(3.40f, bold, 7.0f, hp.txtihp);

    s.line(3.70f, bold, 1.0f, "INCOME FROM 'OTHER SOURCES' :-", 7.0f, m.txtos);
    s.rule(3.85f, 6.0f, 7.0f);
    s.line(4.00f, bold, 1.0f, "GROSS TOTAL INCOME :-", 7.0f, m.txtgti);

    s.label(4.30f, regular, 1.0f, "Deductions u/s 80 :-");
    s.label(4.45f, regular, 1.2f, "Section 80C :-");
    s.line(4.60f, regular, 1.4f, "GPF -", 5.0f, d.txtgpf);
    s.line(4.75f, regular, 1.4f, "CGEGIS -", 5.0f, d.txtgis);
    s.line(4.90f, regular, 1.4f, "HBA -", 5.0f, d.txthba);
    s.line(5.05f, regular, 1.4f, "LIC -", 5.0f, d.txtlic);
    s.line(5.20f, regular, 1.4f, "PPF -", 5.0f, d.txtppf);
    s.line(5.35f, regular, 1.4f, "NSC -", 5.0f, d.txtnsc);
    s.line(5.50f, regular, 1.4f, "NSC Interest -", 5.0f, d.txtnsci);
    s.line(5.65f, regular, 1.4f, "Tuition Fee (I) -", 5.0f, d.txttf1);
    s.line(5.80f, regular, 1.4f, "Tuition Fee (II) -", 5.0f, d.txttf2);
    s.line(5.95f, regular, 1.4f, "Infrastructure Bonds -", 5.0f, d.txtinf);
    s.line(6.10f, regular, 1.4f, "Other Savings -", 5.0f, d.txtos);
    s.line(6.25f, regular, 1.2f, "Total (80C) -", 5.0f, d.txt80c);
    s.rule(6.25f, 4.0f, 5.0f);
    s.line(6.40f, regular, 1.2f, "Jeevan Suraksha (80CCC) :-", 5.0f, d.txt80ccc);
    s.line(6.55f, regular, 1.2f, "NPS (EC + GC) (80CCD):-", 5.0f, printedSum("The printed NPS (EC + GC) (80CCD)", {d.txt80ccdgc, d.txt80ccdec}));
    s.rule(6.70f, 4.0f, 5.0f);
    s.line(6.70f, regular, 1.2f, "Total(80C+80CCC+80CCD) -", 6.0f, d.txttot1);
    s.line(6.85f, regular, 1.2f, "Infrastructure Bonds (80CCF) -", 6.0f, d.txt80ccf);
    s.line(7.00f, regular, 1.2f, "Mediclaim/CGHS (80D) : -", 6.0f, d.txt80d);
    s.line(7.15f, regular, 1.2f, "Donations (80G) :-", 6.0f, d.txt80g);
    s.line(7.30f, regular, 1.2f, "Other Deductions :-", 6.0f, d.txtoth);
    s.line(7.45f, bold, 1.0f, "Total Deductions u/s 80 :-", 7.0f, d.txtgt80);
    s.rule(7.45f, 5.0f, 6.0f);

    s.line(7.60f, bold, 1.0f, "NET TAXABLE INCOME :-", 7.0f, m.txtnti);
    s.rule(7.60f, 6.0f, 7.0f);
    s.rule(7.75f, 6.0f, 7.0f);
    s.line(7.75f, bold, 1.0f, "GROSS TAX :-", 7.0f, m.txtgtax);
    s.line(7.90f, bold, 1.0f, "Relief u/s 87A :-", 7.0f, m.txtrel87A);
    s.line(8.05f, bold, 1.0f, "Relief u/s 89 :-", 7.0f, m.txtrel89);
    s.rule(8.20f, 6.0f, 7.0f);
    s.line(8.20f, bold, 1.0f, "NET TAX :-", 7.0f, m.txtntax);
    s.line(8.35f, bold, 1.0f, "Education Cess :-", 7.0f, m.txtcess);
    s.line(8.50f, bold, 1.0f, "TOTAL TAX :-", 7.0f, m.txtttax);
    s.rule(8.50f, 6.0f, 7.0f);
    s.line(8.65f, bold, 1.0f, "TAX DEDUCTED :-", 7.0f, m.txtdedtax);
    s.line(8.80f, bold, 1.0f, "BALANCE TAX :-", 7.0f, m.txtbaltax);
    s.rule(8.80f, 6.0f, 7.0f);
    s.rule(8.95f, 6.0f, 7.0f);

    s.label(10.25f, footer, 1.0f,
            "Generated by Pelmora :- " + text(credits::author) + ", free download: " + text(credits::webAddress));
    s.label(10.45f, footer, 1.0f, "For suggestions/ reporting of bugs contact " + text(credits::contactAddress));
    return s.take();
}

} // namespace

Calculation<Statement> taxStatement(const TaxStatementTexts &texts)
{
    return calculate([&] { return taxStatementItems(texts); });
}

} // namespace pelmora
