// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A statement saved as a PDF file when it cannot be printed: an A4 page with a quarter-inch
// margin, in a folder of the user's, named after the statement. An earlier statement of the
// same name is never overwritten: " (2)", " (3)" ... go before ".pdf". The page is written to
// a temporary file first, so a refused job leaves no half-written file; the finished file has
// the mode of any new file of the user's.

#include "keptfile.h"
#include "printtarget.h"

#include <QPdfWriter>
#include <QString>

namespace pelmora {

class PdfFileTarget final : public PrintTarget
{
public:
    // The folder is created when missing. The user is told why the statement was saved rather
    // than printed, then where it went.
    PdfFileTarget(const QString &folder, const QString &documentName, const QString &whyNotPrinted);
    ~PdfFileTarget() override;


    QPagedPaintDevice &device() override { return m_writer; }
    bool ready() const override { return m_file.isOpen(); }
    JobOutcome deliver(bool painted) override;
    // Where the statement went, once delivered; empty when it was refused.
    QString savedPath() const { return m_savedPath; }

private:
    JobOutcome refused(const QString &reason) const;

    QString m_folder;
    QString m_whyNotPrinted;
    KeptFile m_file;
    QPdfWriter m_writer;
    QString m_savedPath;
};

} // namespace pelmora
