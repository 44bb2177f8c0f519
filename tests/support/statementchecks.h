#pragma once

// Checks of a statement played on a RecordingPrinter against the page's table: each item's
// text, place, style and the order of the printer calls that place it.

#include "print/statement.h"
#include "recordingprinter.h"

#include <QTest>

#include <numeric>
#include <string>
#include <vector>

// One item of a page's table.
struct PageItem {
    enum Kind { Label, Figure, LabelAndFigure, Centred, Rule } kind;
    int order;
    float y;
    char style;        // the style letter; 0 for a rule
    float x;           // where a label starts; the width a text is centred across; a rule's left end
    std::string label; // label or centred text
    float edge;        // the column edge a figure ends at; a rule's right end
    std::string figure;

    int outputs() const { return kind == LabelAndFigure ? 2 : 1; }
};

inline PageItem label(int order, float y, char style, float x, std::string text)
{
    return {PageItem::Label, order, y, style, x, std::move(text), 0, {}};
}
inline PageItem figure(int order, float y, char style, float edge, std::string text)
{
    return {PageItem::Figure, order, y, style, 0, {}, edge, std::move(text)};
}
inline PageItem line(int order, float y, char style, float x, std::string text, float edge, std::string figureText)
{
    return {PageItem::LabelAndFigure, order, y, style, x, std::move(text), edge, std::move(figureText)};
}
inline PageItem centred(int order, float y, char style, float width, std::string text)
{
    return {PageItem::Centred, order, y, style, width, std::move(text), 0, {}};
}
inline PageItem rule(int order, float y, float x1, float x2)
{
    return {PageItem::Rule, order, y, 0, x1, {}, x2, {}};
}

// A setting expected among a statement's opening calls.
struct Setting {
    Setting(RecordingPrinter::Operation operation, float value, std::string text = {})
        : operation(operation), value(value), text(std::move(text))
    {
    }
    RecordingPrinter::Operation operation;
    float value;
    std::string text;
};

// Where the first output of a page item stands among the printer's outputs.
inline std::size_t firstOutputOf(const std::vector<PageItem> &page, std::size_t item)
{
    return std::accumulate(page.begin(), page.begin() + std::ptrdiff_t(item), std::size_t(0),
                           [](std::size_t n, const PageItem &i) { return n + std::size_t(i.outputs()); });
}

// The call that printed the figure of a page item.
inline std::size_t figureCall(const RecordingPrinter &printer, const std::vector<PageItem> &page, std::size_t item)
{
    const std::size_t output = firstOutputOf(page, item) + (page[item].kind == PageItem::LabelAndFigure ? 1 : 0);
    return printer.outputs().at(output);
}

// The call of the n-th text printed at height y (from 0).
inline std::size_t printedAt(const RecordingPrinter &printer, float y, int n)
{
    for (std::size_t i = 0; i < printer.calls.size(); ++i) {
        const auto &call = printer.calls[i];
        if (call.operation == RecordingPrinter::Operation::Print && call.state.y == y && n-- == 0)
            return i;
    }
    return printer.calls.size() - 1;
}

// The text was measured where it was printed and placed to end exactly at the edge.
inline void checkEndsAt(const RecordingPrinter::Call &printed, float edge)
{
    QCOMPARE(printed.state.x, edge - RecordingPrinter::widthOf(printed.text, printed.state));
}

inline void pageItemRows(const std::vector<PageItem> &page)
{
    QTest::addColumn<int>("item");
    for (std::size_t i = 0; i < page.size(); ++i) {
        const PageItem &item = page[i];
        const std::string what = item.kind == PageItem::Rule ? "rule"
                                 : item.label.empty()        ? "figure " + item.figure
                                 : item.kind == PageItem::LabelAndFigure ? item.label + " with " + item.figure
                                                                         : item.label;
        QTest::addRow("%02d %s", item.order, what.c_str()) << int(i);
    }
}

inline void checkLeft(const RecordingPrinter &printer, std::size_t at, float x, float y, const std::string &text)
{
    using Operation = RecordingPrinter::Operation;
    QVERIFY(at >= 2);
    QCOMPARE(printer.calls[at - 2].operation, Operation::CurrentX);
    QCOMPARE(printer.calls[at - 2].numbers[0], x);
    QCOMPARE(printer.calls[at - 1].operation, Operation::CurrentY);
    QCOMPARE(printer.calls[at - 1].numbers[0], y);
    QCOMPARE(printer.calls[at].text, text);
}

inline void checkRight(const RecordingPrinter &printer, std::size_t at, float edge, float y, const std::string &text)
{
    using Operation = RecordingPrinter::Operation;
    QVERIFY(at >= 3);
    QCOMPARE(printer.calls[at - 3].operation, Operation::TextWidth);
    QCOMPARE(printer.calls[at - 3].text, text);
    QCOMPARE(printer.calls[at - 2].operation, Operation::CurrentX);
    QCOMPARE(printer.calls[at - 1].operation, Operation::CurrentY);
    QCOMPARE(printer.calls[at - 1].numbers[0], y);
    QCOMPARE(printer.calls[at].text, text);
    checkEndsAt(printer.calls[at], edge);
}

inline void checkCentred(const RecordingPrinter &printer, std::size_t at, float width, float y, const std::string &text)
{
    using Operation = RecordingPrinter::Operation;
    QVERIFY(at >= 3);
    QCOMPARE(printer.calls[at - 3].operation, Operation::CurrentY);
    QCOMPARE(printer.calls[at - 3].numbers[0], y);
    QCOMPARE(printer.calls[at - 2].operation, Operation::TextWidth);
    QCOMPARE(printer.calls[at - 2].text, text);
    QCOMPARE(printer.calls[at - 1].operation, Operation::CurrentX);
    const auto &printed = printer.calls[at];
    QCOMPARE(printed.text, text);
    QCOMPARE(printed.state.x, (width - RecordingPrinter::widthOf(text, printed.state)) / 2);
}

inline void checkStyle(const RecordingPrinter::Call &printed, const pelmora::FontStyle &style)
{
    QCOMPARE(printed.state.fontName, std::string("Tahoma"));
    QCOMPARE(printed.state.fontSize, style.points);
    QCOMPARE(printed.state.bold, style.bold);
    QCOMPARE(printed.state.italic, style.italic);
    QCOMPARE(printed.state.underline, style.underline);
}

// Checks the item of the current data row against what the printer recorded.
inline void checkPageItem(const RecordingPrinter &printer, const std::vector<PageItem> &page,
                          pelmora::FontStyle (*styleOf)(char))
{
    using Operation = RecordingPrinter::Operation;
    QFETCH(int, item);
    const PageItem &expected = page[std::size_t(item)];
    const std::vector<std::size_t> outputs = printer.outputs();
    const std::size_t first = firstOutputOf(page, std::size_t(item));
    QVERIFY(first + std::size_t(expected.outputs()) <= outputs.size());
    const std::size_t at = outputs[first];
    const auto &call = printer.calls[at];

    if (expected.kind == PageItem::Rule) {
        QCOMPARE(call.operation, Operation::Line);
        QCOMPARE(call.numbers, (std::array<float, 4>{expected.x, expected.y, expected.edge, expected.y}));
        return;
    }
    QCOMPARE(call.operation, Operation::Print);
    checkStyle(call, styleOf(expected.style));
    switch (expected.kind) {
    case PageItem::Label:
        checkLeft(printer, at, expected.x, expected.y, expected.label);
        break;
    case PageItem::Figure:
        checkRight(printer, at, expected.edge, expected.y, expected.figure);
        break;
    case PageItem::Centred:
        checkCentred(printer, at, expected.x, expected.y, expected.label);
        break;
    case PageItem::LabelAndFigure: {
        checkLeft(printer, at, expected.x, expected.y, expected.label);
        const std::size_t figureAt = outputs[first + 1];
        QCOMPARE(printer.calls[figureAt].operation, Operation::Print);
        checkStyle(printer.calls[figureAt], styleOf(expected.style));
        checkRight(printer, figureAt, expected.edge, expected.y, expected.figure);
        break;
    }
    case PageItem::Rule:
        break;
    }
}

// The page has the table's outputs and no others, and ends its document once, last.
inline void checkItemCountAndEnd(const RecordingPrinter &printer, const std::vector<PageItem> &page)
{
    QCOMPARE(printer.outputs().size(), firstOutputOf(page, page.size()));
    QCOMPARE(printer.count(RecordingPrinter::Operation::EndDoc), std::size_t(1));
    QCOMPARE(printer.calls.back().operation, RecordingPrinter::Operation::EndDoc);
}

// The statement begins with exactly these settings, in this order, before anything else.
inline void checkOpeningSettings(const RecordingPrinter &printer, const std::vector<Setting> &expected)
{
    QVERIFY(printer.calls.size() > expected.size());
    for (std::size_t i = 0; i < expected.size(); ++i) {
        QCOMPARE(printer.calls[i].operation, expected[i].operation);
        QCOMPARE(printer.calls[i].numbers[0], expected[i].value);
        QCOMPARE(printer.calls[i].text, expected[i].text);
    }
    const auto next = printer.calls[expected.size()].operation;
    QVERIFY(next == RecordingPrinter::Operation::CurrentX || next == RecordingPrinter::Operation::CurrentY);
}

// Between two printed texts, the font settings made are exactly those that differ.
inline void checkStyleChangesAreMinimal(const RecordingPrinter &printer)
{
    using Operation = RecordingPrinter::Operation;
    const RecordingPrinter::Call *previous = nullptr;
    int settings = 0;
    for (const auto &call : printer.calls) {
        switch (call.operation) {
        case Operation::FontSize:
        case Operation::FontBold:
        case Operation::FontItalic:
        case Operation::FontUnderline:
        case Operation::FontName:
            ++settings;
            break;
        case Operation::Print:
            if (previous) {
                const auto &a = previous->state;
                const auto &b = call.state;
                const int differences = (a.fontSize != b.fontSize) + (a.bold != b.bold) + (a.italic != b.italic)
                    + (a.underline != b.underline) + (a.fontName != b.fontName);
                QCOMPARE(settings, differences);
            }
            previous = &call;
            settings = 0;
            break;
        default:
            break;
        }
    }
}

// Papers with the margins that the page must keep free; a printable area starts a quarter
// inch in from the top-left corner.
inline void paperRows()
{
    QTest::addColumn<double>("width");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("rightMargin");
    QTest::addColumn<double>("bottomMargin");
    QTest::newRow("A4, printable area a quarter inch in all round") << 8.27 << 11.69 << 0.25 << 0.25;
    QTest::newRow("Letter, a quarter inch right and an eighth at the bottom") << 8.5 << 11.0 << 0.25 << 0.125;
}

// Every text (a cell 1.2 times its point size high) and rule lies inside the paper, less its
// margins, in the page's orientation.
inline void checkFitsPaper(const RecordingPrinter &printer, pelmora::Orientation orientation)
{
    using Operation = RecordingPrinter::Operation;
    QFETCH(double, width);
    QFETCH(double, height);
    QFETCH(double, rightMargin);
    QFETCH(double, bottomMargin);
    if (orientation == pelmora::Orientation::Landscape)
        std::swap(width, height);
    constexpr double corner = 0.25;
    const double right = width - corner - rightMargin;
    const double bottom = height - corner - bottomMargin;
    for (const auto &call : printer.calls) {
        if (call.operation == Operation::Print) {
            const double textRight = call.state.x + RecordingPrinter::widthOf(call.text, call.state);
            const double textBottom = call.state.y + 1.2 * call.state.fontSize / 72;
            QVERIFY2(call.state.x >= 0 && textRight <= right && textBottom <= bottom, call.text.c_str());
        } else if (call.operation == Operation::Line) {
            QVERIFY(call.numbers[0] >= 0 && call.numbers[2] <= right && call.numbers[3] <= bottom);
        }
    }
}
