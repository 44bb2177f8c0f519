// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "painterprinter.h"

#include "printtarget.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
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

PainterPrinter::~PainterPrinter() = default;

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
    m_target->setOrientation(orientation == Orientation::Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
}

float PainterPrinter::textWidth(std::string_view text)
{
    const QFontMetricsF metrics(deviceFont(m_font), &m_target->device());
    return float(metrics.horizontalAdvance(fromUtf8(text)) / dotsPerInch());
}

void PainterPrinter::print(std::string_view text)
{
    m_started = true;
    const QFontMetricsF metrics(deviceFont(m_font), &m_target->device());
    const QString placed = fromUtf8(text);
    const QPointF topLeft(m_x, m_y);
    Page &page = m_pages.back();
    page.covered |= QRectF(topLeft, QSizeF(metrics.horizontalAdvance(placed), metrics.height()) / dotsPerInch());
    page.texts.push_back({m_font, topLeft, placed});
}

void PainterPrinter::line(float x1, float y1, float x2, float y2)
{
    m_started = true;
    const QLineF rule(x1, y1, x2, y2);
    Page &page = m_pages.back();
    page.covered |= QRectF(rule.p1(), rule.p2()).normalized();
    page.lines.push_back(rule);
}

void PainterPrinter::newPage()
{
    m_started = true;
    m_pages.emplace_back();
}

JobOutcome PainterPrinter::endDoc()
{
    m_started = true;
    return m_target->deliver(m_target->ready() && paint());
}

bool PainterPrinter::paint()
{
    QPainter painter;
    if (!painter.begin(&m_target->device()))
        return false;
    for (std::size_t page = 0; page < m_pages.size(); ++page) {
        if (page > 0 && !m_target->device().newPage())
            return false;
        paintPage(painter, m_pages[page]);
    }
    return painter.end();
}

void PainterPrinter::paintPage(QPainter &painter, const Page &page) const
{
    painter.save();
    const double dpi = dotsPerInch();
    const double scale = fittingScale(page);
    if (scale < 1)
        painter.scale(scale, scale);
    painter.setPen(Qt::black);
    for (const PlacedText &placed : page.texts) {
        const QFont font = deviceFont(placed.font);
        painter.setFont(font);
        // The position is the top of the character cell; Qt draws from the baseline.
        const QPointF baseline = placed.topLeft * dpi + QPointF(0, QFontMetricsF(font, &m_target->device()).ascent());
        painter.drawText(baseline, placed.text);
    }
    painter.setPen(QPen(Qt::black, 0)); // cosmetic: the thinnest line the device draws
    for (const QLineF &rule : page.lines)
        painter.drawLine(QLineF(rule.p1() * dpi, rule.p2() * dpi));
    painter.restore();
}

double PainterPrinter::fittingScale(const Page &page) const
{
    const QSizeF printable = m_target->device().pageLayout().paintRect(QPageLayout::Inch).size();
    double scale = 1;
    if (page.covered.right() > printable.width())
        scale = printable.width() / page.covered.right();
    if (page.covered.bottom() > printable.height())
        scale = std::min(scale, printable.height() / page.covered.bottom());
    return scale;
}

QFont PainterPrinter::deviceFont(const QFont &font) const
{
    return QFont(font, &m_target->device());
}

double PainterPrinter::dotsPerInch() const
{
    return m_target->device().logicalDpiX();
}

} // namespace pelmora
