// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "flatbuttonstyle.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionButton>
#include <qdrawutil.h>

namespace pelmora {

namespace {

// Fusion and its like paint a button as a gradient lightened from its colour, whatever the
// palette says; only the bevel is drawn differently here.
class FlatButtonStyle : public QProxyStyle
{
public:
    using QProxyStyle::QProxyStyle;

    void drawControl(ControlElement element, const QStyleOption *option, QPainter *painter,
                     const QWidget *widget) const override
    {
        const auto *button = qstyleoption_cast<const QStyleOptionButton *>(option);
        if (element != CE_PushButtonBevel || !button) {
            QProxyStyle::drawControl(element, option, painter, widget);
            return;
        }
        const QPalette &palette = button->palette;
        QRect face = button->rect;
        const auto frame = [&](QPalette::ColorRole colour, int width) {
            painter->fillRect(face, palette.color(colour));
            face.adjust(width, width, -width, -width);
        };
        if (button->state & State_HasFocus)
            frame(QPalette::Highlight, 2);
        else if (button->features & QStyleOptionButton::DefaultButton)
            frame(QPalette::Shadow, 1);
        const QBrush fill = palette.button();
        qDrawWinButton(painter, face, palette, button->state & (State_Sunken | State_On), &fill);
    }
};

} // namespace

QStyle *flatButtonStyle()
{
    // Over the style the application has; gone with the application.
    static QPointer<QStyle> style;
    if (!style) {
        style = new FlatButtonStyle(QApplication::style()->name());
        style->setParent(qApp);
    }
    return style;
}

} // namespace pelmora
