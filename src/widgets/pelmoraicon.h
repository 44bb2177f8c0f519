// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's own pictures: its icon (a calculator on a tax form), drawn from the SVG that is
// also installed as the desktop's icon, and the mouse pointer of the web link.

#include <QCursor>
#include <QIcon>
#include <QImage>
#include <QPixmap>

namespace pelmora {

// The sizes, in pixels, of the icon theme's pictures; the window icon holds the same.
inline constexpr int iconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

QImage programImage(int pixels);
// Sharp on a screen of the given ratio of device pixels to logical ones; size is in logical pixels.
QPixmap programPicture(int size, qreal devicePixelRatio);
QIcon programIcon();
QCursor linkCursor();

} // namespace pelmora
