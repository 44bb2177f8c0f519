// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Places the controls of the program's windows in its faces and colours: labels in bold dark
// blue Arial, fields and buttons in MS Sans Serif. Each control is named as the window calls it.
// The first group takes positions in pixels; the second, in twips, serves the windows whose
// layouts were drawn in twips with fields and buttons of the standard sizes. The last group names
// the fields for screen readers in the words of their captions.

#include "formwindow.h"

#include <QLabel>
#include <QString>
#include <QStringList>

class QGroupBox;
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

// The name of a member of a control array: "txtbp(3)".
QString memberName(const char *array, int index);
// The names of the members first to last, in order.
QStringList memberNames(const char *array, int first, int last);

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

// Names for screen readers.

// A caption as it is spoken: without its ":-" marks ("Arrears:-" is "Arrears").
QString spokenCaption(const QString &caption);

// The label becomes the caption of the field: the field is named by the caption's words and the
// label is its buddy. A caption holding an "&" gets no buddy, which would hide the "&" as an
// access-key marker.
void captionField(QLabel *label, QWidget *field);

// A field named by the heading it stands under and its own item or row: "B.PAY, Jul 13".
void nameUnder(QWidget *field, const QString &heading, const QString &item);
// The total of the fields under or beside a heading: "B.PAY, total".
void nameAsTotal(QWidget *field, const QString &heading);

// A field to the right of its label, captioned by it; positions in twips.
template <typename Field>
Field *labelledField(QLabel *label, const char *name, int x, int y, int width = fieldWidth)
{
    auto *created = field<Field>(label->parentWidget(), name, x, y, width);
    captionField(label, created);
    return created;
}

// A row of a label at labelX and its field at fieldX, the label captioning the field.
template <typename Field>
Field *labelledRow(QWidget *parent, const char *labelName, const QString &caption, int labelX, const char *fieldName,
                   int fieldX, int y, int width = fieldWidth)
{
    return labelledField<Field>(label(parent, labelName, caption, labelX, y), fieldName, fieldX, y, width);
}

} // namespace pelmora::placement
