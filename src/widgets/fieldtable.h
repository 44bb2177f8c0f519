// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A window's fields, declared once in a table of one line a field: its name, its kind (the
// member of the window that holds it), the caption that names it and its place, the member of
// the window's texts that the rules and the printed statements read it into, the result a
// calculation writes into it, and how an amount reads. The window builds its fields from the
// table; the year file keeps them by the table's names; the window's texts and the writing of
// its results come from the same lines. A window of rows (the salary statement's months, the
// relief's earlier years) declares a line for each column in the same way.

#include "amountfield.h"
#include "carrierfield.h"
#include "controlplacement.h"
#include "datefield.h"
#include "fieldtexts.h"
#include "namefield.h"
#include "resultfield.h"

#include "core/figures.h"
#include "core/working.h"

#include <QLabel>
#include <QStringList>

#include <array>
#include <string>
#include <type_traits>
#include <variant>

namespace pelmora {

// Where a field stands, in twips.
struct FieldPlace {
    int x = 0;
    int y = 0;
    int width = placement::fieldWidth;
};

// Where a window has no results to write back.
struct NoResults {
};

template <typename Window, typename Texts, typename Results = NoResults>
struct FieldLine {
    using TextsType = Texts;
    // The kinds of field, each by the window's member that holds one.
    using Member = std::variant<AmountField *Window::*, ResultField *Window::*, NameField *Window::*,
                                DateField *Window::*, CarrierField *Window::*>;

    // The label left of the field, whose words name it for a screen reader: its name, its words,
    // where it starts, in twips, and the window's member that keeps it, where the window needs it
    // later. A field without one is named by its window in other words.
    struct Caption {
        const char *labelName = nullptr;
        const char *words = nullptr;
        int x = 0;
        QLabel *Window::*kept = nullptr;
    };

    const char *name;
    Member member;
    Caption caption;
    FieldPlace place;
    std::string Texts::*text; // none for a field that only carries figures between windows
    const Figure Results::*result = nullptr;
    Reading reading = Reading::Lenient; // an amount field's
};

// Builds the table's fields on the window in the table's order, each caption just before its field.
template <typename Window, typename Table>
void buildFields(Window &window, const Table &table)
{
    for (const auto &line : table) {
        QLabel *caption = line.caption.words ? placement::label(&window, line.caption.labelName,
                                                                QString::fromUtf8(line.caption.words), line.caption.x,
                                                                line.place.y)
                                             : nullptr;
        std::visit(
            [&](auto member) {
                using Field = std::remove_pointer_t<std::remove_reference_t<decltype(window.*member)>>;
                auto *field = placement::field<Field>(&window, line.name, line.place.x, line.place.y, line.place.width);
                if constexpr (std::is_same_v<Field, AmountField>) {
                    if (line.reading != Reading::Lenient)
                        field->setReading(line.reading);
                }
                if (caption)
                    placement::captionField(caption, field);
                window.*member = field;
            },
            line.member);
        if (line.caption.kept)
            window.*line.caption.kept = caption;
    }
}

// A column of a window's rows, one field a row: "txtbp(0)" down to "txtbp(13)". Rows above
// firstRow have no field, and their texts stay empty.
template <typename Window, typename Texts, typename Results, std::size_t rows>
struct ColumnLine {
    using TextsType = Texts;
    static constexpr std::size_t rowCount = rows;
    template <typename Field>
    using Cells = std::array<Field *, rows>;
    using Member = std::variant<Cells<AmountField> Window::*, Cells<ResultField> Window::*>;

    const char *name;
    Member member;
    int column; // where the window places it, among its columns
    const char *heading; // the words that name each of its fields with its row, for a screen reader
    std::array<std::string, rows> Texts::*text;
    const std::array<Figure, rows> Results::*result = nullptr;
    int firstRow = 0;
};

// Builds a row's field of each of the table's columns, named for a screen reader by the column's
// heading and the row's name: "B.PAY, Jul 13". A column has no field in the rows above its first.
// The window places each: placeOf(column, row) gives its rectangle in pixels.
template <typename Window, typename Table, typename Place>
void buildRow(Window &window, const Table &table, int row, const QString &rowName, Place placeOf)
{
    for (const auto &column : table) {
        std::visit(
            [&](auto member) {
                auto &cells = window.*member;
                using Field = std::remove_pointer_t<typename std::remove_reference_t<decltype(cells)>::value_type>;
                if (row < column.firstRow) {
                    cells[row] = nullptr;
                    return;
                }
                auto *cell = placement::field<Field>(&window, placement::memberName(column.name, row),
                                                     placeOf(column.column, row));
                placement::nameUnder(cell, QString::fromLatin1(column.heading), rowName);
                cells[row] = cell;
            },
            column.member);
    }
}

namespace fieldtable {

inline std::string textOfField(const QLineEdit *field)
{
    return textOf(field);
}

template <typename Field, std::size_t rows>
std::array<std::string, rows> textOfField(const std::array<Field *, rows> &cells)
{
    return textsOf(cells);
}

inline void writeField(QLineEdit *field, const Figure &figure)
{
    writeFigure(field, figure);
}

template <typename Field, std::size_t rows>
void writeField(const std::array<Field *, rows> &cells, const std::array<Figure, rows> &figures)
{
    for (std::size_t row = 0; row < rows; ++row)
        if (cells[row])
            writeFigure(cells[row], figures[row]);
}

} // namespace fieldtable

// Reads the texts of the window's fields into their members.
template <typename Texts, typename Window, typename Table>
void readTexts(Texts &texts, const Window &window, const Table &table)
{
    for (const auto &line : table)
        if (line.text)
            std::visit([&](auto member) { texts.*line.text = fieldtable::textOfField(window.*member); }, line.member);
}

// The texts of the window's fields, each in its member.
template <typename Table, typename Window>
auto textsOf(const Window &window, const Table &table)
{
    typename std::decay_t<decltype(*std::begin(table))>::TextsType texts;
    readTexts(texts, window, table);
    return texts;
}

// Writes each result into its field, with how it was worked out, in the table's order.
template <typename Table, typename Window, typename Results>
void writeResults(Window &window, const Table &table, const Results &results)
{
    for (const auto &line : table) {
        if (line.result)
            std::visit([&](auto member) { fieldtable::writeField(window.*member, results.*line.result); }, line.member);
    }
}

// The fields' names in the table's order, as the year file keeps them; a column's from its first row down.
template <typename Table>
QStringList fieldNames(const Table &table)
{
    QStringList names;
    for (const auto &line : table) {
        if constexpr (requires { line.firstRow; }) {
            using Line = std::decay_t<decltype(line)>;
            names += placement::memberNames(line.name, line.firstRow, int(Line::rowCount) - 1);
        } else {
            names.append(QString::fromLatin1(line.name));
        }
    }
    return names;
}

} // namespace pelmora
