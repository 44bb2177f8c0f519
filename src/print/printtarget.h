// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where a painted statement goes: a page device to paint on, and the hand-over of the
// finished page (to the printer's queue, or into a file).

#include "printer.h"

#include <QPagedPaintDevice>

namespace pelmora {

class PrintTarget
{
public:
    virtual ~PrintTarget() = default;

    virtual QPagedPaintDevice &device() = 0;
    // Turns the page before it is painted.
    virtual void setOrientation(QPageLayout::Orientation orientation) { device().setPageOrientation(orientation); }
    // False when the job is already known to fail, so that nothing is painted in vain.
    virtual bool ready() const { return true; }
    // Called once, after painting has ended; painted is false when the device refused the
    // painting. A refused job leaves nothing behind.
    virtual JobOutcome deliver(bool painted) = 0;
};

} // namespace pelmora
