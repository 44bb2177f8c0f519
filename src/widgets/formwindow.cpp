// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "formwindow.h"

#include "pelmoraicon.h"

#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QShortcut>
#include <QKeyEvent>
#include <QPushButton>
#include <QScreen>

namespace pelmora {

QColor windowColour()
{
    return {0, 192, 192};
}

namespace {

const QColor navy(0, 0, 128);
const QColor disabledGrey(80, 80, 80);

// Every colour role in every state, so that nothing of the desktop's theme (a dark one, say)
// shows through: black text on white fields and on the teal, raised edges in the teal's own
// shades, navy for a selection and for the keyboard focus, and greys for disabled texts that
// stay readable on white and on teal.
QPalette windowPalette()
{
    const QColor teal = windowColour();
    QPalette palette(Qt::black, teal, teal.lighter(150), teal.darker(200), teal.darker(150), Qt::black, Qt::white,
                     Qt::white, teal);
    palette.setColor(QPalette::Highlight, navy);
    palette.setColor(QPalette::HighlightedText, Qt::white);
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        palette.setColor(QPalette::Disabled, role, disabledGrey);
    return palette;
}

} // namespace

FormWindow::FormWindow(const QString &title, QSize clientSize, QWidget *parent) : QWidget(parent, Qt::Window)
{
    setWindowTitle(title);
    setWindowIcon(programIcon());
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
                   | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setFixedSize(clientSize);
    setPalette(windowPalette());
    setAutoFillBackground(true);

    // Shift+F10 asks the focused control for its menu, as the Menu key does.
    auto *menuKey = new QShortcut(QKeySequence(Qt::SHIFT | Qt::Key_F10), this);
    connect(menuKey, &QShortcut::activated, this, [this] {
        QWidget *focused = focusWidget() ? focusWidget() : this;
        const QPoint at = focused->rect().center();
        QContextMenuEvent asked(QContextMenuEvent::Keyboard, at, focused->mapToGlobal(at));
        QCoreApplication::sendEvent(focused, &asked);
    });
}

FormWindow::~FormWindow()
{
    // The window built on this one is gone already, but QWidget's destructor has yet to close
    // the window, and the focus leaving a control makes it signal (a combo box's "activated"):
    // nothing may reach what is left of the window.
    for (QObject *control : findChildren<QObject *>())
        control->blockSignals(true);
}

void FormWindow::setDefaultButton(QPushButton *button)
{
    if (m_defaultButton)
        m_defaultButton->setDefault(false);
    m_defaultButton = button;
    if (button)
        button->setDefault(true);
}

void FormWindow::chainTabOrder(const QList<QWidget *> &order)
{
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void FormWindow::bringForward()
{
    show();
    setWindowState(windowState() & ~Qt::WindowMinimized);
    raise();
    activateWindow();
}

QRect FormWindow::twipsRect(int x, int y, int width, int height)
{
    return {pixels(x), pixels(y), pixels(width), pixels(height)};
}

void FormWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() != Qt::Key_Return && event->key() != Qt::Key_Enter) {
        QWidget::keyPressEvent(event);
        return;
    }
    // Enter on a button presses that button; anywhere else it presses the default button.
    auto *focused = qobject_cast<QPushButton *>(focusWidget());
    QPushButton *target = focused ? focused : m_defaultButton;
    if (target && target->isEnabled())
        target->click();
    event->accept();
}

void FormWindow::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    if (m_placed)
        return;
    m_placed = true;
    centreOnScreen(this);
}

void centreOnScreen(QWidget *window)
{
    if (const QScreen *screen = window->screen()) {
        QRect frame = window->frameGeometry();
        frame.moveCenter(screen->availableGeometry().center());
        window->move(frame.topLeft());
    }
}

} // namespace pelmora
