// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdfdocumenttarget.h"

namespace pelmora {

PdfDocumentTarget::PdfDocumentTarget(const QPageSize &paper, const QMarginsF &margins, const QString &documentName)
    : m_paper(paper)
    , m_margins(margins)
    , m_writer(&m_document)
{
    m_document.open(QIODevice::WriteOnly);
    m_writer.setTitle(documentName);
    m_writer.setCreator(QStringLiteral("Pelmora"));
    setOrientation(QPageLayout::Portrait);
}

void PdfDocumentTarget::setOrientation(QPageLayout::Orientation orientation)
{
    QMarginsF margins = m_margins;
    if (orientation == QPageLayout::Landscape) {
        // Whichever way the printer turns a landscape page, no margin of the page may be
        // narrower than the edge of the paper it could land on.
        const qreal across = std::max(m_margins.top(), m_margins.bottom());
        const qreal down = std::max(m_margins.left(), m_margins.right());
        margins = QMarginsF(across, down, across, down);
    }
    m_writer.setPageLayout(QPageLayout(m_paper, orientation, margins, QPageLayout::Millimeter));
}

JobOutcome PdfDocumentTarget::deliver(bool painted)
{
    return {painted, painted ? std::string() : "The statement could not be drawn."};
}

} // namespace pelmora
