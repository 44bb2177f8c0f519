#pragma once

// Places the controls of a worksheet window at positions given in twips, in the program's
// faces and colours: labels in bold dark blue Arial, fields and buttons in MS Sans Serif.

#include "app/formwindow.h"

#include <QString>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QWidget;

namespace pelmora::placement {

constexpr int fieldWidth = 1215;
constexpr int fieldHeight = 285;
constexpr int buttonWidth = 1452;
constexpr int buttonHeight = 375;

// A plain-text label: an "&" in its caption is an ordinary character.
QLabel *label(QWidget *parent, const char *name, const QString &caption, int x, int y);

// Names, places and sets the face of a field of the standard size.
void prepareField(QWidget *field, const char *name, int x, int y);

// An amount, result or other field of the standard size.
template <typename Field>
Field *field(QWidget *parent, const char *name, int x, int y)
{
    auto *created = new Field(parent);
    prepareField(created, name, x, y);
    return created;
}

// A push button; Enter reaches it through the window, never as a dialog's auto-default.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, int x, int y);

// A frame with a caption, holding option buttons.
QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, QRect twips);
QRadioButton *option(QGroupBox *frame, const char *name, const QString &caption, QRect twips);

} // namespace pelmora::placement
