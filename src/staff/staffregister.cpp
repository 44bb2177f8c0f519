// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "staffregister.h"

#include "core/credits.h"
#include "print/placement.h"

#include <algorithm>

namespace pelmora {

namespace {

// The page, in inches from the corner of the printable area of an A4 page on its side.
constexpr float pageWidth = 11.1f;
constexpr float markX = 0.0f;
constexpr float fileX = 0.12f;
constexpr float fileRight = 1.2f;
constexpr float nameX = 1.25f;
constexpr float nameRight = 2.3f;
constexpr float firstFigureEdge = 2.85f;
constexpr float figureStep = 0.48f;
constexpr float titleY = 0.1f;
constexpr float headingY = 0.45f;
constexpr float headingLine = 0.1f;
constexpr float headingRuleY = 0.82f;
constexpr float firstRowY = 0.88f;
constexpr float rowHeight = 0.16f;
constexpr int rowsPerPage = 38;
constexpr float footerY = 7.45f;
// Headings break into lines of this many characters at most.
constexpr std::size_t headingCharacters = 9;

constexpr FontStyle titleStyle{11, true, false, false};
constexpr FontStyle headingStyle{5, true, false, false};
constexpr FontStyle rowStyle{6.5f, false, false, false};
constexpr FontStyle totalStyle{6.5f, true, false, false};
constexpr FontStyle footerStyle{6.5f, false, true, false};

float figureEdge(std::size_t column)
{
    return firstFigureEdge + figureStep * float(column);
}

std::string csvField(std::string_view text)
{
    if (text.find_first_of(",\"\r\n") == std::string_view::npos)
        return std::string(text);
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string note(const RegisterEntry &entry)
{
    if (!entry.workedOut())
        return "not worked out: " + entry.refusal;
    return entry.changed ? std::string(changedSinceSaved) : std::string();
}

// A line of the pages below the headings: a row of figures, the totals, or a file not worked out.
struct PageLine {
    enum class Kind { Row, Totals, FailuresHeading, Failure } kind;
    const RegisterEntry *entry = nullptr;
};

class RegisterPages
{
public:
    RegisterPages(const std::vector<RegisterEntry> &entries, const RegisterFigures &totals)
        : m_totals(totals)
        , m_writer({ScaleModeSetting{ScaleMode::Inches}, FontNameSetting{"Tahoma"},
                    OrientationSetting{Orientation::Landscape}, FontSizeSetting{rowStyle.points},
                    FontBoldSetting{false}, FontItalicSetting{false}, FontUnderlineSetting{false}},
                   rowStyle)
    {
        for (const RegisterEntry &entry : entries) {
            if (entry.workedOut())
                m_lines.push_back({PageLine::Kind::Row, &entry});
        }
        m_lines.push_back({PageLine::Kind::Totals});
        bool headed = false;
        for (const RegisterEntry &entry : entries) {
            if (entry.workedOut())
                continue;
            if (!headed)
                m_lines.push_back({PageLine::Kind::FailuresHeading});
            headed = true;
            m_lines.push_back({PageLine::Kind::Failure, &entry});
        }
        m_marked = std::any_of(entries.begin(), entries.end(), [](const RegisterEntry &entry) { return entry.changed; });
    }

    Statement write()
    {
        const int pages = int((m_lines.size() + rowsPerPage - 1) / rowsPerPage);
        for (int page = 0; page < pages; ++page) {
            if (page > 0)
                m_writer.add(PageBreak{});
            writeHeadings();
            const std::size_t first = std::size_t(page) * rowsPerPage;
            const std::size_t end = std::min(m_lines.size(), first + rowsPerPage);
            for (std::size_t line = first; line < end; ++line)
                writeLine(m_lines[line], firstRowY + rowHeight * float(line - first));
            writeFooter(page + 1, pages);
        }
        return m_writer.take();
    }

private:
    void writeHeadings()
    {
        m_writer.useStyle(titleStyle);
        m_writer.add(CentredText{pageWidth, titleY,
                                 std::string("STAFF REGISTER OF INCOME TAX FOR THE YEAR ") + credits::taxYear});
        m_writer.useStyle(headingStyle);
        const float lastLineY = headingY + 2 * headingLine;
        m_writer.add(LeftText{fileX, lastLineY, "File"});
        m_writer.add(LeftText{nameX, lastLineY, "Name"});
        for (std::size_t column = 0; column < registerFigureCaptions.size(); ++column) {
            const std::vector<std::string> lines = wrapped(registerFigureCaptions[column], headingCharacters);
            // The last line of each heading on one line across the page.
            float y = lastLineY - headingLine * float(lines.size() - 1);
            for (const std::string &line : lines) {
                m_writer.add(RightText{figureEdge(column), y, line});
                y += headingLine;
            }
        }
        m_writer.add(Rule{0, pageWidth, headingRuleY});
    }

    void writeLine(const PageLine &line, float y)
    {
        switch (line.kind) {
        case PageLine::Kind::Row:
            m_writer.useStyle(rowStyle);
            if (line.entry->changed)
                m_writer.add(LeftText{markX, y, "*"});
            writeNames(line.entry->fileName, line.entry->employee, y);
            writeFigures(line.entry->figures, y);
            break;
        case PageLine::Kind::Totals:
            m_writer.add(Rule{firstFigureEdge - figureStep, pageWidth, y});
            m_writer.useStyle(totalStyle);
            m_writer.add(LeftText{fileX, y + 0.03f, "Total"});
            writeFigures(m_totals, y + 0.03f);
            break;
        case PageLine::Kind::FailuresHeading:
            m_writer.useStyle(totalStyle);
            m_writer.add(LeftText{fileX, y, "Files not worked out"});
            break;
        case PageLine::Kind::Failure:
            m_writer.useStyle(rowStyle);
            m_writer.add(LeftTextWithin{fileX, y, fileRight, line.entry->fileName});
            m_writer.add(LeftTextWithin{nameX, y, pageWidth, line.entry->refusal});
            break;
        }
    }

    void writeNames(const std::string &fileName, const std::string &employee, float y)
    {
        m_writer.add(LeftTextWithin{fileX, y, fileRight, fileName});
        m_writer.add(LeftTextWithin{nameX, y, nameRight, employee});
    }

    void writeFigures(const RegisterFigures &figures, float y)
    {
        for (std::size_t column = 0; column < figures.size(); ++column)
            m_writer.add(RightText{figureEdge(column), y, figures[column]});
    }

    void writeFooter(int page, int pages)
    {
        m_writer.useStyle(footerStyle);
        if (m_marked)
            m_writer.add(LeftText{markX, footerY, "* " + std::string(changedSinceSaved)
                                                      + ": a figure a worksheet handed back differs from the file's"});
        m_writer.add(RightText{pageWidth, footerY, "Page " + std::to_string(page) + " of " + std::to_string(pages)});
    }

    const RegisterFigures &m_totals;
    StatementWriter m_writer;
    std::vector<PageLine> m_lines;
    bool m_marked = false;
};

} // namespace

std::string registerCsv(const std::vector<RegisterEntry> &entries)
{
    std::string csv = "File,Name";
    for (std::string_view caption : registerFigureCaptions)
        csv += ',' + csvField(caption);
    csv += ",Note\r\n";
    for (const RegisterEntry &entry : entries) {
        csv += csvField(entry.fileName) + ',' + csvField(entry.employee);
        for (const std::string &figure : entry.figures)
            csv += ',' + csvField(figure);
        csv += ',' + csvField(note(entry)) + "\r\n";
    }
    return csv;
}

Calculation<RegisterFigures> registerTotals(const std::vector<RegisterEntry> &entries)
{
    return calculate([&] {
        RegisterFigures totals;
        for (std::size_t column = 0; column < totals.size(); ++column) {
            const std::string caption = "Total " + std::string(registerFigureCaptions[column]);
            double sum = 0;
            for (const RegisterEntry &entry : entries) {
                if (entry.workedOut())
                    sum += lenientFigure(entry.figures[column], caption);
            }
            totals[column] = figureText(sum, caption);
        }
        return totals;
    });
}

Calculation<Statement> registerStatement(const std::vector<RegisterEntry> &entries)
{
    Calculation<RegisterFigures> totals = registerTotals(entries);
    if (const auto *error = std::get_if<CalculationError>(&totals))
        return *error;
    return RegisterPages(entries, std::get<RegisterFigures>(totals)).write();
}

} // namespace pelmora
