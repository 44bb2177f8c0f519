// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "form10e.h"

#include "placement.h"

#include "core/figures.h"

namespace pelmora {

namespace {

constexpr FontStyle heading{11, true, false, false};
constexpr FontStyle bold{9, true, false, false};
constexpr FontStyle regular{9, false, false, false};
constexpr FontStyle small{7, false, false, false};

constexpr float left = 1.0f;
constexpr float right = 7.25f;
constexpr float figureEdge = right;
constexpr float line = 0.15f;
constexpr float smallLine = 0.11f;
// Characters of a line in 9-point type, by its width in inches; of 7-point type in a column.
constexpr std::size_t perInch = 15;
constexpr std::size_t perInchBold = 13;
constexpr std::size_t perColumn = 13;

class Form10EWriter
{
public:
    Form10EWriter()
        : m_writer({ScaleModeSetting{ScaleMode::Inches}, FontNameSetting{"Tahoma"}, FontSizeSetting{regular.points},
                    FontBoldSetting{regular.bold}, FontUnderlineSetting{regular.underline},
                    FontItalicSetting{regular.italic}, OrientationSetting{Orientation::Portrait}},
                   regular)
    {
    }

    // The text wrapped within x and the right edge; the y below its last line.
    float text(float y, const FontStyle &style, float x, float edge, std::string_view words)
    {
        m_writer.useStyle(style);
        const float step = style.points < regular.points ? smallLine : line;
        const std::size_t characters =
            style.points < regular.points ? perColumn : std::size_t((edge - x) * float(style.bold ? perInchBold : perInch));
        for (std::string &piece : wrapped(words, characters)) {
            // A piece the count let through too wide is cut at the edge, never drawn past it.
            m_writer.add(LeftTextWithin{x, y, edge, std::move(piece)});
            y += step;
        }
        return y;
    }
    void figure(float y, const FontStyle &style, float edge, std::string text)
    {
        m_writer.useStyle(style);
        m_writer.add(RightText{edge, y, std::move(text)});
    }
    void rule(float y, float x1, float x2) { m_writer.add(Rule{x1, x2, y}); }

    Statement take() { return m_writer.take(); }

private:
    StatementWriter m_writer;
};

const char *const tableColumns[] = {
    "Previous year(s)",
    "Total income of the relevant previous year (Rs.)",
    "Salary received in arrears or advance relating to the relevant previous year as mentioned in column (1) (Rs.)",
    "Total income (as increased by salary received in arrears or advance) of the relevant previous year mentioned in "
    "column (1) [Add columns (2) and (3)] (Rs.)",
    "Tax on total income [as per column (2)] (Rs.)",
    "Tax on total income [as per column (4)] (Rs.)",
    "Difference in tax [Amount under column (6) minus amount under column (5)] (Rs.)",
};
constexpr int columns = 7;
constexpr float columnWidth = (right - left) / columns;
constexpr float columnLeft(int column) { return left + float(column) * columnWidth; }
constexpr float columnRight(int column) { return columnLeft(column + 1) - 0.06f; }

Statement form10EItems(const Form10ETexts &t)
{
    Form10EWriter s;
    float y = 0.5f;
    s.text(y, heading, left, right, "FORM NO. 10E");
    s.text(y += 0.2f, regular, left, right, "[See rule 21AA]");
    y = s.text(y + 0.22f, bold, left, right,
               "Form for furnishing particulars of income under section 192(2A) for the year ending 31st March, 2014 "
               "for claiming relief under section 89(1) by a Government servant or an employee in a company, "
               "co-operative society, local authority, university, institution, association or body");

    y += 0.12f;
    const float answerX = 4.0f;
    s.text(y, regular, left, answerX - 0.1f, "1. Name and address of the employee");
    const float nameEnd = s.text(y, regular, answerX, right, t.txtnam);
    y = s.text(nameEnd, regular, answerX, right, t.txtadd);
    s.text(y, regular, left, answerX - 0.1f, "2. Permanent account number");
    y = s.text(y, regular, answerX, right, t.txtpan);
    s.text(y, regular, left, answerX - 0.1f, "3. Residential status");
    y = s.text(y, regular, answerX, right, "Resident");

    y = s.text(y + 0.1f, bold, left, right,
               "Particulars of income referred to in rule 21A of the Income-tax Rules, 1962, during the previous year "
               "relevant to assessment year 2014-15");
    const float textEdge = 6.25f;
    const auto item = [&](const char *words, const std::string &figure) {
        s.figure(y, regular, figureEdge, figure);
        y = s.text(y, regular, left + 0.2f, textEdge, words);
    };
    y += 0.06f;
    item("1. (a) Salary received in arrears or in advance in accordance with the provisions of sub-rule (2) of "
         "rule 21A",
         t.txtitem2);
    item("(b) Payment in the nature of gratuity in respect of past services, extending over a period of not less "
         "than 5 years in accordance with the provisions of sub-rule (3) of rule 21A",
         "Nil");
    item("(c) Payment in the nature of compensation from the employer or former employer at or in connection with "
         "termination of employment after continuous service of not less than 3 years or where the unexpired "
         "portion of term of employment is also not less than 3 years in accordance with the provisions of sub-rule "
         "(4) of rule 21A",
         "Nil");
    item("(d) Payment in commutation of pension in accordance with the provisions of sub-rule (5) of rule 21A", "Nil");
    y = s.text(y, regular, left, right,
               "2. Detailed particulars of payments referred to above may be given in Annexure I, II, IIA, III or IV, "
               "as the case may be");

    y = s.text(y + 0.12f, bold, left, right, "ANNEXURE I");
    item("1. Total income (excluding salary received in arrears or advance)", t.txtitem1);
    item("2. Salary received in arrears or advance", t.txtitem2);
    item("3. Total income (as increased by salary received in arrears or advance) [Add items 1 and 2]", t.txtitem3);
    item("4. Tax on total income [as per item 3]", t.txtitem4);
    item("5. Tax on total income [as per item 1]", t.txtitem5);
    item("6. Tax on salary received in arrears or advance [Difference of items 4 and 5]", t.txtitem6);
    item("7. Tax computed in accordance with Table \"A\" [Brought from column (7) of Table \"A\"]", t.txtitem7);
    item("8. Relief under section 89(1) [Indicate the difference between the amounts mentioned against items 6 and "
         "7]",
         t.txtitem8);

    y = s.text(y + 0.12f, bold, left, right, "TABLE \"A\"");
    float below = y;
    for (int column = 0; column < columns; ++column)
        below = std::max(below, s.text(y, small, columnLeft(column), columnRight(column), tableColumns[column]));
    s.rule(below + 0.02f, left, right);
    y = below + 0.08f;
    for (int row = 0; row < form10EYears; ++row) {
        if (readLenient(t.txtarr[row]) == 0)
            continue;
        s.text(y, regular, columnLeft(0), columnRight(0), t.years[row]);
        const std::string *figures[] = {&t.txtinc[row], &t.txtarr[row], &t.txtincarr[row], &t.txttax1[row],
                                        &t.txttax2[row], &t.txtdif[row]};
        for (int column = 1; column < columns; ++column)
            s.figure(y, regular, columnRight(column), *figures[column - 1]);
        y += line;
    }
    s.rule(y, left, right);
    s.text(y + 0.04f, bold, columnLeft(0), columnRight(4), "Total");
    s.figure(y + 0.04f, bold, columnRight(6), t.txtitem7);
    y += 0.04f + line;

    y = s.text(y + 0.16f, bold, left, right, "Verification");
    y = s.text(y, regular, left, right,
               "I, " + t.txtnam + ", do hereby declare that what is stated above is true to the best of my knowledge "
                                  "and belief.");
    s.text(y + 0.1f, regular, left, right, "Verified today, the ____ day of ________, 20__");
    s.text(y + 0.45f, regular, 5.0f, right, "Signature of the employee");
    return s.take();
}

} // namespace

Calculation<Statement> form10E(const Form10ETexts &texts)
{
    return calculate([&] { return form10EItems(texts); });
}

} // namespace pelmora
