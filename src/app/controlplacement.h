#pragma once

// Places the controls of the program's windows in its faces and colours: labels in bold dark
// blue Arial, fields and buttons in MS Sans Serif. Each control is named as the window calls it.
// The first group takes positions in pixels; the second, in twips, serves the windows whose
// layouts were drawn in twips with fields and buttons of the standard sizes.

#include "formwindow.h"

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

// The colour of a label's or frame's text while it is enabled; disabled, it keeps the style's grey.
void setTextColour(QWidget *widget, const QColor &colour);

// A plain-text label (an "&" in its caption is an ordinary character) in bold dark blue Arial
// of the given size.
QLabel *label(QWidget *parent, const QString &name, const QString &caption, qreal points, QRect pixels);

// Names a field, gives it the fields' face and puts it at pixels.
void prepareField(QWidget *field, const QString &name, QRect pixels);

template <typename Field>
Field *field(QWidget *parent, const QString &name, QRect pixels)
{
    auto *created = new Field(parent);
    prepareField(created, name, pixels);
    return created;
}

// A push button, drawn flat in the window's colour; Enter reaches it through its window, never as
// a dialog's auto-default.
QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QFont &font, QRect pixels);

// Positions in twips.

// A label of 9.75 points, sized to its caption.
QLabel *label(QWidget *parent, const char *name, const QString &caption, int x, int y);

template <typename Field>
Field *field(QWidget *parent, const char *name, int x, int y, int width = fieldWidth)
{
    return field<Field>(parent, QString::fromLatin1(name), FormWindow::twipsRect(x, y, width, fieldHeight));
}

// A big button: bold 9.75 points, of the standard size.
QPushButton *button(QWidget *parent, const char *name, const QString &caption, int x, int y);

// A frame with a caption, holding option buttons.
QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, QRect twips);
QRadioButton *option(QGroupBox *frame, const char *name, const QString &caption, QRect twips);

} // namespace pelmora::placement
