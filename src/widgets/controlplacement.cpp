// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "controlplacement.h"

#include "flatbuttonstyle.h"
#include "fonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>

namespace pelmora::placement {

namespace {
const QColor darkBlue(0, 0, 128);

QRect pixelsOf(QRect twips)
{
    return FormWindow::twipsRect(twips.x(), twips.y(), twips.width(), twips.height());
}
} // namespace

void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(palette);
}

QLabel *label(QWidget *parent, const QString &name, const QString &caption, qreal points, QRect pixels)
{
    auto *created = new QLabel(caption, parent);
    created->setObjectName(name);
    created->setTextFormat(Qt::PlainText);
    created->setFont(fonts::arial(points, true));
    setTextColour(created, darkBlue);
    created->setGeometry(pixels);
    return created;
}

void prepareField(QWidget *field, const QString &name, QRect pixels)
{
    field->setObjectName(name);
    field->setGeometry(pixels);
    field->setFont(fonts::msSansSerif(8.25));
}

QPushButton *button(QWidget *parent, const QString &name, const QString &caption, const QFont &font, QRect pixels)
{
    auto *created = new QPushButton(caption, parent);
    created->setObjectName(name);
    created->setGeometry(pixels);
    created->setFont(font);
    created->setAutoDefault(false);
    created->setStyle(flatButtonStyle());
    return created;
}

QString memberName(const char *array, int index)
{
    return QStringLiteral("%1(%2)").arg(QLatin1String(array)).arg(index);
}

QStringList memberNames(const char *array, int first, int last)
{
    QStringList names;
    for (int index = first; index <= last; ++index)
        names.append(memberName(array, index));
    return names;
}

QLabel *label(QWidget *parent, const char *name, const QString &caption, int x, int y)
{
    QLabel *created = label(parent, QString::fromLatin1(name), caption, 9.75, {});
    created->adjustSize();
    created->move(FormWindow::pixels(x), FormWindow::pixels(y) + 2);
    return created;
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int x, int y)
{
    return button(parent, QString::fromLatin1(name), caption, fonts::msSansSerif(9.75, true),
                  FormWindow::twipsRect(x, y, buttonWidth, buttonHeight));
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, QRect twips)
{
    auto *created = new QGroupBox(caption, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(pixelsOf(twips));
    created->setFont(fonts::arial(9.75, true));
    setTextColour(created, darkBlue);
    return created;
}

QRadioButton *option(QGroupBox *frame, const char *name, const QString &caption, QRect twips)
{
    auto *created = new QRadioButton(caption, frame);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(pixelsOf(twips));
    return created;
}

QString spokenCaption(const QString &caption)
{
    static const QRegularExpression marks(QStringLiteral(":\\s?-"));
    return QString(caption).remove(marks).simplified();
}

void captionField(QLabel *label, QWidget *field)
{
    field->setAccessibleName(spokenCaption(label->text()));
    if (!label->text().contains(u'&'))
        label->setBuddy(field);
}

void nameUnder(QWidget *field, const QString &heading, const QString &item)
{
    field->setAccessibleName(spokenCaption(heading) + QStringLiteral(", ") + spokenCaption(item));
}

void nameAsTotal(QWidget *field, const QString &heading)
{
    nameUnder(field, heading, QStringLiteral("total"));
}

} // namespace pelmora::placement
