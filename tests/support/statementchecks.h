// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Checks of a statement played on a RecordingPrinter against its page table: each text's
// placing, place, font and text, and the style changes before it.

#include "print/statement.h"
#include "recordingprinter.h"
#include "statementpages.h"

#include <QStringList>
#include <QTest>

#include <algorithm>

// The statement of texts whose sums fit a double.
inline pelmora::Statement built(const pelmora::Calculation<pelmora::Statement> &outcome)
{
    return std::get<pelmora::Statement>(outcome);
}

// The message for texts whose printed sum goes beyond a double; "" when the statement was built.
inline QString refusal(const pelmora::Calculation<pelmora::Statement> &outcome)
{
    const auto *error = std::get_if<pelmora::CalculationError>(&outcome);
    return error ? QString::fromStdString(error->message()) : QString();
}

inline const QString tooLarge = QStringLiteral("A figure is too large to calculate with. Please check the amounts.");

inline RecordingPrinter played(const pelmora::Statement &statement)
{
    RecordingPrinter printer;
    pelmora::printStatement(statement, printer);
    return printer;
}

// How the output at calls[at] was placed, read from the calls before it: a right text is
// measured, then placed at x and y; a left text placed at x and y; a centred text placed at
// y, measured, then placed at x.
inline char placingOf(const RecordingPrinter &printer, std::size_t at)
{
    using Op = RecordingPrinter::Operation;
    const auto &calls = printer.calls;
    const auto is = [&](std::size_t back, Op op) { return at >= back && calls[at - back].operation == op; };
    const auto measured = [&](std::size_t back) {
        return is(back, Op::TextWidth) && calls[at - back].text == calls[at].text;
    };
    if (calls[at].operation == Op::Line)
        return PageItem::Rule;
    if (is(1, Op::CurrentY) && is(2, Op::CurrentX))
        return measured(3) ? PageItem::Right : PageItem::Left;
    return is(1, Op::CurrentX) && measured(2) && is(3, Op::CurrentY) ? char(PageItem::Centred) : '?';
}

// What an item prints with the named filling, or with every field blank.
inline std::string expectedText(const PageItem &item, bool blank)
{
    return !blank || item.source == PageItem::Fixed ? item.text : item.source == PageItem::Sum ? "0" : "";
}

// One row per item of the page, for the named filling and for blank fields.
inline void pageRows(const std::vector<PageItem> &page)
{
    QTest::addColumn<int>("item");
    QTest::addColumn<bool>("blank");
    for (bool blank : {false, true})
        for (std::size_t i = 0; i < page.size(); ++i)
            QTest::addRow("%s %02zu %s", blank ? "blank:" : "named:", i, page[i].text.c_str()) << int(i) << blank;
}

// The item of the current row was printed as the page has it, and the printer recorded the
// page's items and nothing else, then ended the document once.
inline void checkPageItem(const RecordingPrinter &printer, const std::vector<PageItem> &page)
{
    QFETCH(int, item);
    QFETCH(bool, blank);
    const std::vector<std::size_t> outputs = printer.outputs();
    QCOMPARE(outputs.size(), page.size());
    const auto isEnd = [](const auto &call) { return call.operation == RecordingPrinter::Operation::EndDoc; };
    QCOMPARE(std::find_if(printer.calls.begin(), printer.calls.end(), isEnd) + 1, printer.calls.end());
    const PageItem &want = page[std::size_t(item)];
    const RecordingPrinter::Call &got = printer.calls[outputs[std::size_t(item)]];
    QCOMPARE(placingOf(printer, outputs[std::size_t(item)]), char(want.kind));
    if (want.kind == PageItem::Rule) {
        QCOMPARE(got.numbers, (std::array<float, 4>{want.at, want.y, want.to, want.y}));
        return;
    }
    QCOMPARE(got.text, expectedText(want, blank));
    QCOMPARE(got.state.y, want.y);
    QCOMPARE(got.state.fontName, std::string("Tahoma"));
    const pelmora::FontStyle style{got.state.fontSize, got.state.bold, got.state.italic, got.state.underline};
    QVERIFY(style == want.style);
    // Since the text before it, exactly the font settings that differ were made.
    using Op = RecordingPrinter::Operation;
    std::size_t before = outputs[std::size_t(item)];
    int settings = 0;
    while (before > 0 && printer.calls[--before].operation != Op::Print)
        settings += printer.calls[before].operation >= Op::FontName && printer.calls[before].operation <= Op::FontUnderline;
    if (const auto &a = printer.calls[before].state, &b = got.state; printer.calls[before].operation == Op::Print)
        QCOMPARE(settings, (a.fontSize != b.fontSize) + (a.bold != b.bold) + (a.italic != b.italic)
                               + (a.underline != b.underline) + (a.fontName != b.fontName));
    // A right text ends exactly at its edge, measured in the font that prints it.
    const float width = RecordingPrinter::widthOf(got.text, got.state);
    QCOMPARE(got.state.x, want.kind == PageItem::Left    ? want.at
                          : want.kind == PageItem::Right ? want.at - width
                                                         : (want.at - width) / 2);
}

// Every printed text in order; and what the page prints with the named filling.
inline QStringList printedTexts(const RecordingPrinter &printer)
{
    QStringList texts;
    for (const auto &call : printer.calls)
        if (call.operation == RecordingPrinter::Operation::Print)
            texts.append(QString::fromStdString(call.text));
    return texts;
}
inline QStringList namedTexts(const std::vector<PageItem> &page)
{
    QStringList texts;
    for (const PageItem &item : page)
        if (item.kind != PageItem::Rule)
            texts.append(QString::fromStdString(item.text));
    return texts;
}
