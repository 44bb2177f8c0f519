// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printer the statements draw on: a few properties (unit, font, orientation, current
// position) and four operations. Positions and widths are single-precision inches measured
// from the top-left corner of the printable area. The statements are written against this
// interface only; the windows hand them a real printer, a PDF file or, in tests, a recorder.

#include <string>
#include <string_view>

namespace pelmora {

enum class ScaleMode { Inches = 5 };

enum class Orientation { Portrait = 1, Landscape = 2 };

// What became of a print job, and what the user should be told about it.
struct JobOutcome {
    bool accepted = true;
    // Shown in a message box when not empty: where a file was written, or why the job was refused.
    std::string notice;
};

class Printer
{
public:
    virtual ~Printer() = default;

    // Settings take effect for all following output and stay until changed again.
    virtual void setScaleMode(ScaleMode mode) = 0;
    virtual void setFontName(std::string_view name) = 0;
    virtual void setFontSize(float points) = 0;
    virtual void setFontBold(bool on) = 0;
    virtual void setFontItalic(bool on) = 0;
    virtual void setFontUnderline(bool on) = 0;
    // Applies to the page that the first output opens; ignored once output has begun.
    virtual void setOrientation(Orientation orientation) = 0;
    virtual void setCurrentX(float x) = 0;
    virtual void setCurrentY(float y) = 0;

    // The width the text would take if printed now, with the current font; 0 for "".
    virtual float textWidth(std::string_view text) = 0;
    // Draws the text on one line with the top-left corner of its first character cell at the
    // current position. The text is never wrapped or clipped.
    virtual void print(std::string_view text) = 0;
    // A black line of the thinnest width.
    virtual void line(float x1, float y1, float x2, float y2) = 0;
    // Ends the page: what follows is drawn on a new one, positions measured from its corner.
    virtual void newPage() = 0;
    // Ends the document: what was drawn goes out as one job of its pages.
    virtual JobOutcome endDoc() = 0;
};

} // namespace pelmora
