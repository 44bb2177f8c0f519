// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A printer that keeps every operation with its arguments instead of drawing. Its text width
// is a fixed share of the point size per character (wider in bold), so tests that check
// positions do not depend on the fonts installed.

#include "print/printer.h"

#include <array>
#include <cstddef>
#include <functional>
#include <string>
#include <vector>

class RecordingPrinter : public pelmora::Printer
{
public:
    // In this order, so that the font settings are FontName to FontUnderline.
    enum class Operation {
        ScaleMode, FontName, FontSize, FontBold, FontItalic, FontUnderline, Orientation,
        CurrentX, CurrentY, TextWidth, Print, Line, EndDoc,
    };

    // The font and position in force.
    struct State {
        std::string fontName;
        float fontSize = 0;
        bool bold = false, italic = false, underline = false;
        float x = 0, y = 0;
    };

    // One operation as called: a text (name, printed or measured text), a number (size, flag,
    // position, scale mode or orientation) or the four ends of a line; and the state after it.
    struct Call {
        Operation operation;
        std::string text;
        std::array<float, 4> numbers{};
        State state;
    };

    // Width of a text in inches: 0.6 of the point size per character, 10% more in bold.
    static float widthOf(std::string_view text, const State &state)
    {
        float characters = 0;
        for (unsigned char c : text)
            characters += (c & 0xC0) != 0x80; // each UTF-8 character once
        return characters * 0.6f * state.fontSize / 72.0f * (state.bold ? 1.1f : 1.0f);
    }

    void setScaleMode(pelmora::ScaleMode mode) override { record(Operation::ScaleMode, {}, float(mode)); }
    void setFontName(std::string_view name) override
    {
        state.fontName = name;
        record(Operation::FontName, state.fontName);
    }
    void setFontSize(float points) override { state.fontSize = points; record(Operation::FontSize, {}, points); }
    void setFontBold(bool on) override { state.bold = on; record(Operation::FontBold, {}, on); }
    void setFontItalic(bool on) override { state.italic = on; record(Operation::FontItalic, {}, on); }
    void setFontUnderline(bool on) override { state.underline = on; record(Operation::FontUnderline, {}, on); }
    void setOrientation(pelmora::Orientation o) override { record(Operation::Orientation, {}, float(o)); }
    void setCurrentX(float x) override { state.x = x; record(Operation::CurrentX, {}, x); }
    void setCurrentY(float y) override { state.y = y; record(Operation::CurrentY, {}, y); }
    float textWidth(std::string_view text) override
    {
        record(Operation::TextWidth, std::string(text));
        return widthOf(text, state);
    }
    void print(std::string_view text) override { record(Operation::Print, std::string(text)); }
    void line(float x1, float y1, float x2, float y2) override { record(Operation::Line, {}, x1, y1, x2, y2); }
    pelmora::JobOutcome endDoc() override
    {
        record(Operation::EndDoc);
        if (onEndDoc)
            onEndDoc(*this);
        return refuseJob ? pelmora::JobOutcome{false, "The printer refused the statement."} : pelmora::JobOutcome{};
    }

    // The positions in calls of the calls that drew something, Print or Line, in order.
    std::vector<std::size_t> outputs() const
    {
        std::vector<std::size_t> drawn;
        for (std::size_t i = 0; i < calls.size(); ++i)
            if (calls[i].operation == Operation::Print || calls[i].operation == Operation::Line)
                drawn.push_back(i);
        return drawn;
    }

    std::vector<Call> calls;
    State state;
    bool refuseJob = false;
    std::function<void(const RecordingPrinter &)> onEndDoc;

private:
    void record(Operation operation, std::string text = {}, float a = 0, float b = 0, float c = 0, float d = 0)
    {
        calls.push_back({operation, std::move(text), {a, b, c, d}, state});
    }
};
