// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The printer interface drawn with QPainter on a page device: positions in inches from the
// corner of the device's printable area, text measured with the very font, on the very device,
// that then prints it. The pages are drawn at the document's end: when what a page holds reaches
// past the printable area, that whole page is drawn smaller, the same in both directions, so
// that it fits.

#include "printer.h"

#include <QFont>
#include <QLineF>
#include <QPointF>
#include <QRectF>

#include <memory>
#include <vector>

class QPainter;

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
    void newPage() override;
    JobOutcome endDoc() override;

private:
    struct PlacedText {
        QFont font;
        QPointF topLeft; // inches
        QString text;
    };
    struct Page {
        std::vector<PlacedText> texts;
        std::vector<QLineF> lines; // inches
        QRectF covered; // inches: what the page's texts and rules cover
    };

    // The font at the device's resolution.
    QFont deviceFont(const QFont &font) const;
    double dotsPerInch() const;
    // The scale at which the page fits its printable area: 1 when it fits as it is.
    double fittingScale(const Page &page) const;
    void paintPage(QPainter &painter, const Page &page) const;
    bool paint();

    std::unique_ptr<PrintTarget> m_target;
    QFont m_font;
    // The first output opens the page, with the orientation set before it.
    bool m_started = false;
    float m_x = 0;
    float m_y = 0;
    std::vector<Page> m_pages{1};
};

} // namespace pelmora
