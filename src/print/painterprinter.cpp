// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "painterprinter.h"

#include "printtarget.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPen>

namespace pelmora {

namespace {

QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), qsizetype(text.size()));
}

} // namespace

PainterPrinter::PainterPrinter(std::unique_ptr<PrintTarget> target)
    : m_target(std::move(target))
{
    // Outlines at every size: the page is measured and drawn with the face's own metrics.
    m_font.setStyleStrategy(QFont::PreferOutline);
    m_font.setHintingPreference(QFont::PreferNoHinting);
}

PainterPrinter::~PainterPrinter()
{
    // A job dropped before endDoc() leaves nothing behind.
    if (m_painter.isActive())
        m_painter.end();
}

void PainterPrinter::setScaleMode(ScaleMode)
{
    // Inches are the only unit.
}

void PainterPrinter::setFontName(std::string_view name)
{
    m_font.setFamily(fromUtf8(name));
}

void PainterPrinter::setFontSize(float points)
{
    m_font.setPointSizeF(points);
}

void PainterPrinter::setFontBold(bool on)
{
    m_font.setBold(on);
}

void PainterPrinter::setFontItalic(bool on)
{
    m_font.setItalic(on);
}

void PainterPrinter::setFontUnderline(bool on)
{
    m_font.setUnderline(on);
}

void PainterPrinter::setOrientation(Orientation orientation)
{
    if (m_started)
        return;
    m_target->device().setPageOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape
                                                                                : QPageLayout::Portrait);
}

float PainterPrinter::textWidth(std::string_view text)
{
    const QFontMetricsF metrics(deviceFont(), &m_target->device());
    return float(metrics.horizontalAdvance(fromUtf8(text)) / dotsPerInch());
}

void PainterPrinter::print(std::string_view text)
{
    if (!open())
        return;
    const QFont font = deviceFont();
    const QFontMetricsF metrics(font, &m_target->device());
    m_painter.setFont(font);
    m_painter.setPen(Qt::black);
    // The position is the top of the character cell; Qt draws from the baseline.
    m_painter.drawText(QPointF(m_x * dotsPerInch(), m_y * dotsPerInch() + metrics.ascent()), fromUtf8(text));
}

void PainterPrinter::line(float x1, float y1, float x2, float y2)
{
    if (!open())
        return;
    m_painter.setPen(QPen(Qt::black, 0)); // cosmetic: the thinnest line the device draws
    const double dpi = dotsPerInch();
    m_painter.drawLine(QPointF(x1 * dpi, y1 * dpi), QPointF(x2 * dpi, y2 * dpi));
}

JobOutcome PainterPrinter::endDoc()
{
    const bool opened = open();
    const bool painted = opened && m_painter.end();
    m_painting = false;
    return m_target->deliver(painted);
}

bool PainterPrinter::open()
{
    if (!m_started) {
        m_started = true;
        m_painting = m_target->ready() && m_painter.begin(&m_target->device());
    }
    return m_painting;
}

QFont PainterPrinter::deviceFont() const
{
    return QFont(m_font, &m_target->device());
}

double PainterPrinter::dotsPerInch() const
{
    return m_target->device().logicalDpiX();
}

} // namespace pelmora
