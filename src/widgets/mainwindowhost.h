// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window as the worksheets see it: where their Back hands its figures, and the
// desktop it runs on. A worksheet knows none of its fields.

#include "formwindow.h"

#include "core/handovers.h"

namespace pelmora {

class Platform;

class MainWindowHost : public FormWindow
{
    Q_OBJECT
public:
    Platform &platform() const { return m_platform; }

    // Takes a worksheet's figures into the fields they are for, brings the main window in front
    // of the worksheet and moves the focus to what comes next in the work.
    virtual void receive(const HandOver &handOver) = 0;

protected:
    MainWindowHost(Platform &platform, const QString &title, QSize clientSize, QWidget *parent)
        : FormWindow(title, clientSize, parent)
        , m_platform(platform)
    {
    }

private:
    Platform &m_platform;
};

} // namespace pelmora
