// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pelmoraicon.h"

#include <QPainter>
#include <QPainterPath>
#include <QSvgRenderer>

namespace pelmora {

namespace {

// The one source of the program's picture, the same SVG that is installed as its icon.
const QString pictureSource = QStringLiteral(":/pelmora/org.example.pelmora.Pelmora.svg");

} // namespace

QImage programImage(int pixels)
{
    QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QSvgRenderer renderer(pictureSource);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

QPixmap programPicture(int size, qreal devicePixelRatio)
{
    QPixmap pixmap = QPixmap::fromImage(programImage(qRound(size * devicePixelRatio)));
    pixmap.setDevicePixelRatio(devicePixelRatio);
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : iconSizes)
        icon.addPixmap(QPixmap::fromImage(programImage(size)));
    return icon;
}

QCursor linkCursor()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);

    // An arrow pointing up-left, with a small globe at its tail for the web.
    QPainterPath arrow;
    arrow.moveTo(1, 1);
    arrow.lineTo(1, 17);
    arrow.lineTo(5, 13);
    arrow.lineTo(8, 20);
    arrow.lineTo(11, 19);
    arrow.lineTo(8, 12);
    arrow.lineTo(13, 12);
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);

    const QRectF globe(16, 16, 14, 14);
    painter.setPen(QPen(QColor(0, 0, 160), 1.2));
    painter.setBrush(QColor(180, 210, 255));
    painter.drawEllipse(globe);
    painter.drawLine(QPointF(globe.left(), globe.center().y()), QPointF(globe.right(), globe.center().y()));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(globe.adjusted(4, 0, -4, 0));
    painter.end();
    return QCursor(pixmap, 1, 1);
}

} // namespace pelmora
