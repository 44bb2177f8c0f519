#include "pelmoraicon.h"

#include <QPainter>
#include <QPainterPath>

namespace pelmora {

namespace {
const QColor darkGreen(0, 64, 0);
const QColor paper(250, 250, 240);
const QColor keyColour(0, 128, 128);
} // namespace

QPixmap programPicture(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);

    // The form: a sheet with ruled lines.
    painter.setPen(QPen(darkGreen, 1));
    painter.setBrush(paper);
    painter.drawRoundedRect(QRectF(2.5, 1.5, 20, 27), 2, 2);
    painter.setPen(QPen(Qt::gray, 1));
    for (int y = 7; y <= 13; y += 3)
        painter.drawLine(QPointF(6, y), QPointF(19, y));

    // The calculator in front of it: a display and a grid of keys.
    painter.setPen(QPen(darkGreen, 1));
    painter.setBrush(darkGreen);
    painter.drawRoundedRect(QRectF(13.5, 12.5, 17, 18), 2, 2);
    painter.setBrush(QColor(200, 230, 200));
    painter.drawRect(QRectF(15.5, 14.5, 13, 4));
    painter.setPen(Qt::NoPen);
    painter.setBrush(keyColour.lighter(150));
    for (int row = 0; row < 3; ++row) {
        for (int column = 0; column < 3; ++column)
            painter.drawRect(QRectF(16 + column * 4.3, 20 + row * 3.3, 3, 2.3));
    }
    return pixmap;
}

QIcon programIcon()
{
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128})
        icon.addPixmap(programPicture(size));
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
