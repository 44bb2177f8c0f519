// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "busywindow.h"

#include <QApplication>

namespace pelmora {

BusyWindow::BusyWindow(QWidget *window)
    : m_window(window)
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    qApp->installEventFilter(this);
}

BusyWindow::~BusyWindow()
{
    QApplication::restoreOverrideCursor();
}

bool BusyWindow::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::ShortcutOverride: // taken, so that no access key fires
    case QEvent::Shortcut:
        break;
    default:
        return false;
    }
    const auto *widget = qobject_cast<const QWidget *>(watched);
    if (!m_window || !widget || widget->window() != m_window)
        return false;
    event->accept();
    return true;
}

} // namespace pelmora
