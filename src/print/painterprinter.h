// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printer interface drawn with QPainter on a page device: positions in inches from the
// corner of the device's printable area, text measured with the very font, on the very device,
// that then prints it.

#include "printer.h"

#include <QFont>
#include <QPainter>

#include <memory>

namespace pelmora {

class PrintTarget;

class PainterPrinter final : public Printer
{
public:
    explicit PainterPrinter(std::unique_ptr<PrintTarget> target);
    ~PainterPrinter() override;

    void setScaleMode(ScaleMode mode) override;
    void setFontName(std::string_view name) override;
    void setFontSize(float points) override;
    void setFontBold(bool on) override;
    void setFontItalic(bool on) override;
    void setFontUnderline(bool on) override;
    void setOrientation(Orientation orientation) override;
    void setCurrentX(float x) override { m_x = x; }
    void setCurrentY(float y) override { m_y = y; }

    float textWidth(std::string_view text) override;
    void print(std::string_view text) override;
    void line(float x1, float y1, float x2, float y2) override;
    JobOutcome endDoc() override;

private:
    // The first output opens the page, with the orientation set before it.
    bool open();
    // The current font, at the device's resolution.
    QFont deviceFont() const;
    double dotsPerInch() const;

    std::unique_ptr<PrintTarget> m_target; // outlives the painter that paints on its device
    QPainter m_painter;
    QFont m_font;
    bool m_started = false;
    bool m_painting = false;
    float m_x = 0;
    float m_y = 0;
};

} // namespace pelmora
