#include "controlplacement.h"

#include "app/fonts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

namespace pelmora::placement {

namespace {

// Only the enabled look: a disabled label or frame caption keeps the style's grey.
void setTextColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive}) {
        palette.setColor(group, QPalette::WindowText, colour);
        palette.setColor(group, QPalette::ButtonText, colour);
    }
    widget->setPalette(palette);
}

const QColor darkBlue(0, 0, 128);

} // namespace

QLabel *label(QWidget *parent, const char *name, const QString &caption, int x, int y)
{
    auto *created = new QLabel(caption, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setTextFormat(Qt::PlainText);
    created->setFont(fonts::arial(9.75, true));
    setTextColour(created, darkBlue);
    created->adjustSize();
    created->move(FormWindow::pixels(x), FormWindow::pixels(y) + 2);
    return created;
}

void prepareField(QWidget *field, const char *name, int x, int y)
{
    field->setObjectName(QString::fromLatin1(name));
    field->setGeometry(FormWindow::twipsRect(x, y, fieldWidth, fieldHeight));
    field->setFont(fonts::msSansSerif(8.25));
}

QPushButton *button(QWidget *parent, const char *name, const QString &caption, int x, int y)
{
    auto *created = new QPushButton(caption, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(FormWindow::twipsRect(x, y, buttonWidth, buttonHeight));
    created->setFont(fonts::msSansSerif(9.75, true));
    created->setAutoDefault(false);
    return created;
}

QGroupBox *frame(QWidget *parent, const char *name, const QString &caption, QRect twips)
{
    auto *created = new QGroupBox(caption, parent);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(FormWindow::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    created->setFont(fonts::arial(9.75, true));
    setTextColour(created, darkBlue);
    return created;
}

QRadioButton *option(QGroupBox *frame, const char *name, const QString &caption, QRect twips)
{
    auto *created = new QRadioButton(caption, frame);
    created->setObjectName(QString::fromLatin1(name));
    created->setGeometry(FormWindow::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return created;
}

} // namespace pelmora::placement
