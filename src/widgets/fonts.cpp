// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fonts.h"

#include <QStringList>

namespace pelmora::fonts {

void installSubstitutes()
{
    QFont::insertSubstitutions(QStringLiteral("Arial"), QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")});
    QFont::insertSubstitutions(QStringLiteral("MS Sans Serif"),
                               QStringList{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")});
    QFont::insertSubstitutions(QStringLiteral("Tahoma"), QStringList{QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans")});
}

namespace {
QFont face(const QString &family, qreal points, bool bold, bool italic)
{
    QFont font(family);
    font.setPointSizeF(points);
    font.setBold(bold);
    font.setItalic(italic);
    return font;
}
} // namespace

QFont arial(qreal points, bool bold, bool italic)
{
    return face(QStringLiteral("Arial"), points, bold, italic);
}

QFont msSansSerif(qreal points, bool bold)
{
    return face(QStringLiteral("MS Sans Serif"), points, bold, false);
}

} // namespace pelmora::fonts
