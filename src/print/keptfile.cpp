// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "keptfile.h"

#include <QDir>
#include <QFileInfo>

#include <sys/stat.h>

namespace pelmora {

namespace {

// Far more files of one name than anyone keeps; only a guard against looping for ever.
constexpr int mostCopies = 9999;

QString temporaryTemplate(const QString &folder, const QString &suffix)
{
    // In the same folder, so the finished file is only renamed into place.
    return QDir(folder).filePath(QStringLiteral(".pelmora-XXXXXX.%1.part").arg(suffix));
}

// A temporary file is readable by its owner alone; a kept file is a file like any other the user
// makes: 0666 less the umask. (The umask can only be read by setting it, and set back at once.)
void giveNewFileMode(const QFile &file)
{
    const mode_t mask = ::umask(0);
    ::umask(mask);
    ::fchmod(file.handle(), 0666 & ~mask);
}

} // namespace

KeptFile::KeptFile(const QString &folder, const QString &name, const QString &suffix)
    : m_folder(folder)
    , m_name(name)
    , m_suffix(suffix)
    , m_file(temporaryTemplate(folder, suffix))
{
    if (!QDir().mkpath(m_folder))
        m_problem = QStringLiteral("the folder cannot be created");
    else if (!m_file.open())
        m_problem = m_file.errorString();
    else
        giveNewFileMode(m_file);
}

QString KeptFile::keep()
{
    if (!m_problem.isEmpty())
        return {};
    if (m_file.error() != QFileDevice::NoError || !m_file.flush()) {
        // A write cut short (the disk filled up during it) fails without a cause; writing the
        // rest once more fails with it: "No space left on device".
        m_file.flush();
        m_problem = m_file.errorString();
        return {};
    }
    const QDir folder(m_folder);
    for (int copy = 1; copy <= mostCopies; ++copy) {
        const QString name = copy == 1 ? m_name : QStringLiteral("%1 (%2)").arg(m_name).arg(copy);
        const QString path = folder.absoluteFilePath(name + u'.' + m_suffix);
        if (QFileInfo::exists(path))
            continue;
        // Renaming never replaces a file, even one that appeared since the check.
        if (m_file.rename(path)) {
            m_file.setAutoRemove(false); // the user's now
            return path;
        }
        if (!QFileInfo::exists(path)) {
            m_problem = m_file.errorString();
            return {};
        }
    }
    m_problem = QStringLiteral("too many files of this name");
    return {};
}

} // namespace pelmora
