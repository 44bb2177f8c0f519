// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdffiletarget.h"

#include <QDir>
#include <QPageLayout>

namespace pelmora {

PdfFileTarget::PdfFileTarget(const QString &folder, const QString &documentName, const QString &whyNotPrinted)
    : m_folder(folder)
    , m_whyNotPrinted(whyNotPrinted)
    , m_file(folder, documentName, QStringLiteral("pdf"))
    , m_writer(&m_file.file())
{
    m_writer.setTitle(documentName);
    m_writer.setCreator(QStringLiteral("Pelmora"));
    const QMarginsF quarterInch(0.25, 0.25, 0.25, 0.25);
    m_writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, quarterInch, QPageLayout::Inch));
}

PdfFileTarget::~PdfFileTarget() = default;

JobOutcome PdfFileTarget::deliver(bool painted)
{
    if (!m_file.isOpen())
        return refused(m_file.problem());
    if (!painted) {
        // A write cut short says why when the rest is written once more: "No space left on device".
        m_file.file().flush();
        return refused(m_file.file().errorString());
    }
    m_savedPath = m_file.keep();
    if (m_savedPath.isEmpty())
        return refused(m_file.problem());
    return {true, QStringLiteral("%1 The statement was saved as\n%2")
                      .arg(m_whyNotPrinted, QDir::toNativeSeparators(m_savedPath))
                      .toStdString()};
}

JobOutcome PdfFileTarget::refused(const QString &reason) const
{
    return {false, QStringLiteral("%1 The statement could not be saved in %2 (%3).")
                       .arg(m_whyNotPrinted, QDir::toNativeSeparators(m_folder), reason)
                       .toStdString()};
}

} // namespace pelmora
