// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A printed statement as data: the settings and placed texts and rules it consists of, in the
// order they are printed. What a statement says is built from the texts of fields by a pure
// function; printStatement() draws any statement on any printer.

#include "printer.h"

#include "core/calculation.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

namespace pelmora {

struct ScaleModeSetting {
    ScaleMode mode;
    bool operator==(const ScaleModeSetting &) const = default;
};
struct FontNameSetting {
    std::string name;
    bool operator==(const FontNameSetting &) const = default;
};
struct FontSizeSetting {
    float points;
    bool operator==(const FontSizeSetting &) const = default;
};
struct FontBoldSetting {
    bool on;
    bool operator==(const FontBoldSetting &) const = default;
};
struct FontItalicSetting {
    bool on;
    bool operator==(const FontItalicSetting &) const = default;
};
struct FontUnderlineSetting {
    bool on;
    bool operator==(const FontUnderlineSetting &) const = default;
};
struct OrientationSetting {
    Orientation orientation;
    bool operator==(const OrientationSetting &) const = default;
};

// A text starting at x.
struct LeftText {
    float x;
    float y;
    std::string text;
    bool operator==(const LeftText &) const = default;
};
// A text starting at x that ends before the edge right: a text too long for the room is cut
// there, "…" showing where.
struct LeftTextWithin {
    float x;
    float y;
    float right;
    std::string text;
    bool operator==(const LeftTextWithin &) const = default;
};
// A text ending at a column edge.
struct RightText {
    float edge;
    float y;
    std::string text;
    bool operator==(const RightText &) const = default;
};
// A text centred across a width; one wider than that is cut to it, "…" showing where.
struct CentredText {
    float width;
    float y;
    std::string text;
    bool operator==(const CentredText &) const = default;
};
// A horizontal rule from x1 to x2.
struct Rule {
    float x1;
    float x2;
    float y;
    bool operator==(const Rule &) const = default;
};

// The end of a page: what follows goes on the next.
struct PageBreak {
    bool operator==(const PageBreak &) const = default;
};

using StatementItem = std::variant<ScaleModeSetting, FontNameSetting, FontSizeSetting, FontBoldSetting,
                                   FontItalicSetting, FontUnderlineSetting, OrientationSetting, LeftText,
                                   LeftTextWithin, RightText, CentredText, Rule, PageBreak>;
// A document's items in drawing order, most often one page's; a class of its own so that the platform can name it unseen.
struct Statement : std::vector<StatementItem> {
    using std::vector<StatementItem>::vector;
};

// Draws the items in their order, then ends the document: one job of its pages.
JobOutcome printStatement(const Statement &statement, Printer &printer);

// A figure worked out while printing: the lenient readings of the texts added up, written as
// shortest decimal text, fractions kept ("0" for blank texts). Throws CalculationError for a
// figure beyond the range of a double, so that the statement built with it is refused; the
// caption names the printed figure in the message.
std::string printedSum(std::string_view caption, std::initializer_list<std::string_view> texts);

// The font style of a run of text.
struct FontStyle {
    float points;
    bool bold;
    bool italic;
    bool underline;
    bool operator==(const FontStyle &) const = default;
};

// Builds a statement whose texts change style now and then: a change of style adds only the
// settings that differ from the style in force.
class StatementWriter
{
public:
    // The style that the statement's opening settings put in force.
    explicit StatementWriter(Statement opening, FontStyle current);

    void useStyle(const FontStyle &style);
    template <typename Item>
    void add(Item &&item)
    {
        m_statement.emplace_back(std::in_place_type<std::decay_t<Item>>, std::forward<Item>(item));
    }

    Statement take() { return std::move(m_statement); }

private:
    Statement m_statement;
    FontStyle m_current;
};

} // namespace pelmora
