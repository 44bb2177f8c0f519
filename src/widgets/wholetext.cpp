// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "wholetext.h"

#include <QEvent>
#include <QFontMetrics>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>

#include <algorithm>

namespace pelmora {

namespace {

// Small enough for fifteen characters in the narrowest field; smaller still would not be read.
constexpr qreal smallestPoints = 4;
constexpr qreal step = 0.25;

// What QLineEdit keeps free beside its text inside the contents rectangle: a margin of two pixels
// on either side, and one pixel for the caret.
constexpr int lineEditMargins = 2 * 2 + 1;

} // namespace

WholeText::WholeText(QLineEdit *field) : QObject(field), m_field(field), m_font(field->font())
{
    field->installEventFilter(this);
    connect(field, &QLineEdit::textChanged, this, &WholeText::fit);
}

void WholeText::setMarkRoom(int pixels)
{
    if (pixels == m_markRoom)
        return;
    m_markRoom = pixels;
    fit();
}

int WholeText::room() const
{
    // As QLineEdit lays out its text.
    QStyleOptionFrame frame;
    frame.initFrom(m_field);
    frame.rect = m_field->contentsRect();
    frame.lineWidth = m_field->hasFrame() ? m_field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &frame, m_field) : 0;
    frame.state |= QStyle::State_Sunken;
    const QRect contents = m_field->style()->subElementRect(QStyle::SE_LineEditContents, &frame, m_field);
    const QMargins margins = m_field->textMargins();
    return contents.width() - margins.left() - margins.right() - m_markRoom - lineEditMargins;
}

int WholeText::needed(const QFont &font) const
{
    const QFontMetrics metrics(font, m_field);
    // Glyphs that reach beyond their advance are given room for it, as QLineEdit does.
    return metrics.horizontalAdvance(m_field->text()) + std::max(0, -metrics.minLeftBearing())
        + std::max(0, -metrics.minRightBearing());
}

bool WholeText::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_field && !m_fitting) {
        if (event->type() == QEvent::FontChange) {
            m_font = m_field->font(); // the window chose a new size of type
            fit();
        } else if (event->type() == QEvent::Resize) {
            fit();
        }
    }
    return QObject::eventFilter(watched, event);
}

void WholeText::fit()
{
    const int room = this->room();
    QFont font = m_font;
    if (needed(font) > room && font.pointSizeF() > 0) {
        // Type shrinks nearly in proportion; the last steps make up for hinting.
        qreal points = std::max(smallestPoints, std::floor(font.pointSizeF() * room / needed(font) / step) * step);
        font.setPointSizeF(points);
        while (needed(font) > room && points > smallestPoints) {
            points = std::max(smallestPoints, points - step);
            font.setPointSizeF(points);
        }
    }
    if (font == m_field->font())
        return;
    m_fitting = true;
    m_field->setFont(font);
    m_fitting = false;
}

} // namespace pelmora
