// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A statement sent to the system's default printer, its page placed inside the printer's own
// margins, on the printer's own paper.

#include "printtarget.h"

#include <QPrinter>

class QPrinterInfo;

namespace pelmora {

class DefaultPrinterTarget final : public PrintTarget
{
public:
    DefaultPrinterTarget(const QPrinterInfo &printer, const QString &documentName);

    QPagedPaintDevice &device() override { return m_printer; }
    JobOutcome deliver(bool painted) override;

private:
    QPrinter m_printer;
};

} // namespace pelmora
