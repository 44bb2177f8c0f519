#pragma once

// Checks of a statement played on a RecordingPrinter against its page table: each text's
// placing, place, font and text, the style changes and the paper.

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
    // A right text ends exactly at its edge, measured in the font that prints it.
    const float width = RecordingPrinter::widthOf(got.text, got.state);
    QCOMPARE(got.state.x, want.kind == PageItem::Left    ? want.at
                          : want.kind == PageItem::Right ? want.at - width
                                                         : (want.at - width) / 2);
}

// Between two printed texts, exactly the font settings that differ are made.
inline void checkStyleChangesAreMinimal(const RecordingPrinter &printer)
{
    using Op = RecordingPrinter::Operation;
    const RecordingPrinter::State *previous = nullptr;
    int settings = 0;
    for (const auto &call : printer.calls) {
        if (call.operation >= Op::FontName && call.operation <= Op::FontUnderline) {
            ++settings;
        } else if (call.operation == Op::Print) {
            if (previous) {
                const auto &a = *previous, &b = call.state;
                QCOMPARE(settings, (a.fontSize != b.fontSize) + (a.bold != b.bold) + (a.italic != b.italic)
                                       + (a.underline != b.underline) + (a.fontName != b.fontName));
            }
            previous = &call.state;
            settings = 0;
        }
    }
}

// The texts printed in the places of the page's sums.
inline QStringList printedSums(const RecordingPrinter &printer, const std::vector<PageItem> &page)
{
    QStringList sums;
    const std::vector<std::size_t> outputs = printer.outputs();
    for (std::size_t i = 0; i < page.size() && i < outputs.size(); ++i)
        if (page[i].source == PageItem::Sum)
            sums.append(QString::fromStdString(printer.calls[outputs[i]].text));
    return sums;
}
// Or, for a refused statement, the message the user is shown instead.
inline QStringList printedSums(const pelmora::Calculation<pelmora::Statement> &outcome, const std::vector<PageItem> &page)
{
    if (const auto *refusal = std::get_if<pelmora::CalculationError>(&outcome))
        return {QString::fromStdString(refusal->message())};
    return printedSums(played(built(outcome)), page);
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

// Papers less the margins the page must keep free, the printable area starting a quarter inch
// in from the top-left corner: the width and height left for the page, in portrait.
inline void paperRows()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::newRow("A4, a quarter inch margin all round") << 8.27 - 0.5 << 11.69 - 0.5;
    QTest::newRow("Letter, a quarter inch, an eighth at the bottom") << 8.5 - 0.5 << 11.0 - 0.375;
}

// Every text (a cell 1.2 times its point size high) and rule lies inside the room the paper
// leaves, in the page's orientation.
inline void checkFitsPaper(const RecordingPrinter &printer, pelmora::Orientation orientation)
{
    QFETCH(double, width);
    QFETCH(double, height);
    if (orientation == pelmora::Orientation::Landscape)
        std::swap(width, height);
    for (const auto &call : printer.calls) {
        const float x = call.state.x, y = call.state.y;
        if (call.operation == RecordingPrinter::Operation::Print)
            QVERIFY2(x >= 0 && x + RecordingPrinter::widthOf(call.text, call.state) <= width
                         && y + 1.2 * call.state.fontSize / 72 <= height,
                     call.text.c_str());
        else if (call.operation == RecordingPrinter::Operation::Line)
            QVERIFY(call.numbers[0] >= 0 && call.numbers[2] <= width && call.numbers[3] <= height);
    }
}
