// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A statement as a PDF document in memory, laid out on a printer's paper within its margins, to
// be handed to the print service.

#include "printtarget.h"

#include <QBuffer>
#include <QMarginsF>
#include <QPdfWriter>

namespace pelmora {

class PdfDocumentTarget final : public PrintTarget
{
public:
    // The margins in millimetres, the paper upright.
    PdfDocumentTarget(const QPageSize &paper, const QMarginsF &margins, const QString &documentName);

    QPagedPaintDevice &device() override { return m_writer; }
    void setOrientation(QPageLayout::Orientation orientation) override;
    JobOutcome deliver(bool painted) override;

    // The finished document, once delivered.
    QByteArray pdf() const { return m_document.data(); }

private:
    QPageSize m_paper;
    QMarginsF m_margins;
    QBuffer m_document;
    QPdfWriter m_writer;
};

} // namespace pelmora
