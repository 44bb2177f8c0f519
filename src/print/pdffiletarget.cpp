// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "pdffiletarget.h"

#include <QDir>
#include <QFileInfo>
#include <QPageLayout>

#include <sys/stat.h>

namespace pelmora {

namespace {

// Far more statements of one name than anyone keeps; only a guard against looping for ever.
constexpr int mostCopies = 9999;

QString temporaryTemplate(const QString &folder)
{
    // In the same folder, so the finished file is only renamed into place.
    return QDir(folder).filePath(QStringLiteral(".pelmora-XXXXXX.pdf.part"));
}

// A temporary file is readable by its owner alone; a statement is a file like any other the user
// makes: 0666 less the umask. (The umask can only be read by setting it, and set back at once.)
void giveNewFileMode(const QFile &file)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(file.handle(), 0666 & ~mask);
}

} // namespace

PdfFileTarget::PdfFileTarget(const QString &folder, const QString &documentName, const QString &whyNotPrinted)
    : m_folder(folder)
    , m_documentName(documentName)
    , m_whyNotPrinted(whyNotPrinted)
    , m_file(temporaryTemplate(folder))
    , m_writer(&m_file)
{
    if (!QDir().mkpath(m_folder))
        m_problem = QStringLiteral("the folder cannot be created");
    else if (!m_file.open())
        m_problem = m_file.errorString();
    else
        giveNewFileMode(m_file);
    m_writer.setTitle(documentName);
    m_writer.setCreator(QStringLiteral("Pelmora"));
    const QMarginsF quarterInch(0.25, 0.25, 0.25, 0.25);
    m_writer.setPageLayout(
        QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, quarterInch, QPageLayout::Inch));
}

PdfFileTarget::~PdfFileTarget() = default;

JobOutcome PdfFileTarget::deliver(bool painted)
{
    if (!m_problem.isEmpty())
        return refused(m_problem);
    if (!painted || m_file.error() != QFileDevice::NoError || !m_file.flush()) {
        // A write cut short (the disk filled up during it) fails without a cause; writing the
        // rest once more fails with it: "No space left on device".
        m_file.flush();
        return refused(m_file.errorString());
    }

    const QDir folder(m_folder);
    for (int copy = 1; copy <= mostCopies; ++copy) {
        const QString name = copy == 1 ? m_documentName : QStringLiteral("%1 (%2)").arg(m_documentName).arg(copy);
        const QString path = folder.absoluteFilePath(name + QStringLiteral(".pdf"));
        if (QFileInfo::exists(path))
            continue;
        // Renaming never replaces a file, even one that appeared since the check.
        if (m_file.rename(path)) {
            m_file.setAutoRemove(false); // the statement is the user's now
            return {true, QStringLiteral("%1 The statement was saved as\n%2")
                              .arg(m_whyNotPrinted, QDir::toNativeSeparators(path))
                              .toStdString()};
        }
        if (!QFileInfo::exists(path))
            return refused(m_file.errorString());
    }
    return refused(QStringLiteral("too many statements of this name"));
}

JobOutcome PdfFileTarget::refused(const QString &reason) const
{
    return {false, QStringLiteral("%1 The statement could not be saved in %2 (%3).")
                       .arg(m_whyNotPrinted, QDir::toNativeSeparators(m_folder), reason)
                       .toStdString()};
}

} // namespace pelmora
