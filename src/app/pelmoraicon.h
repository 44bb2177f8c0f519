#pragma once

// The program's own pictures, drawn in code: its icon (a calculator on a tax form) and the
// mouse pointer of the web link.

#include <QCursor>
#include <QIcon>
#include <QPixmap>

namespace pelmora {

QPixmap programPicture(int size);
QIcon programIcon();
QCursor linkCursor();

} // namespace pelmora
