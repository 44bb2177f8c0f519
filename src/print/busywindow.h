// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A window at work on something that takes a while: the wait cursor is shown and the window
// takes no clicks and no keys, so that nothing (Print, Calculate) is pressed a second time
// meanwhile. It still draws itself. Over when destroyed.

#include <QObject>
#include <QPointer>
#include <QWidget>

namespace pelmora {

class BusyWindow final : public QObject
{
public:
    explicit BusyWindow(QWidget *window);
    ~BusyWindow() override;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    QPointer<QWidget> m_window;
};

} // namespace pelmora
