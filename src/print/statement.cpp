// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statement.h"

#include "placement.h"

#include "core/calculation.h"

namespace pelmora {

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

} // namespace

JobOutcome printStatement(const Statement &statement, Printer &printer)
{
    const Overloaded draw{
        [&](const ScaleModeSetting &setting) { printer.setScaleMode(setting.mode); },
        [&](const FontNameSetting &setting) { printer.setFontName(setting.name); },
        [&](const FontSizeSetting &setting) { printer.setFontSize(setting.points); },
        [&](const FontBoldSetting &setting) { printer.setFontBold(setting.on); },
        [&](const FontItalicSetting &setting) { printer.setFontItalic(setting.on); },
        [&](const FontUnderlineSetting &setting) { printer.setFontUnderline(setting.on); },
        [&](const OrientationSetting &setting) { printer.setOrientation(setting.orientation); },
        [&](const LeftText &text) { printLeft(printer, text.x, text.y, text.text); },
        [&](const LeftTextWithin &text) { printLeft(printer, text.x, text.y, cutTo(printer, text.right - text.x, text.text)); },
        [&](const RightText &text) { printRight(printer, text.edge, text.y, text.text); },
        [&](const CentredText &text) { printCentred(printer, text.width, text.y, text.text); },
        [&](const Rule &rule) { printer.line(rule.x1, rule.y, rule.x2, rule.y); },
        [&](const PageBreak &) { printer.newPage(); },
    };
    for (const StatementItem &item : statement)
        std::visit(draw, item);
    return printer.endDoc();
}

std::string printedSum(std::string_view caption, std::initializer_list<std::string_view> texts)
{
    double sum = 0;
    for (std::string_view text : texts)
        sum += lenientFigure(text, caption);
    return figureText(sum, caption);
}

StatementWriter::StatementWriter(Statement opening, FontStyle current)
    : m_statement(std::move(opening))
    , m_current(current)
{
}

void StatementWriter::useStyle(const FontStyle &style)
{
    if (style.bold != m_current.bold)
        add(FontBoldSetting{style.bold});
    if (style.italic != m_current.italic)
        add(FontItalicSetting{style.italic});
    if (style.underline != m_current.underline)
        add(FontUnderlineSetting{style.underline});
    if (style.points != m_current.points)
        add(FontSizeSetting{style.points});
    m_current = style;
}

} // namespace pelmora
