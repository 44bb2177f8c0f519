// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "yearfilestorage.h"

#include "yearfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>
#include <cstring>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace pelmora::yearfile {

namespace {

QString systemReason(const QFileDevice &file)
{
    return QStringLiteral("The system says: %1.").arg(file.errorString());
}

} // namespace

std::variant<YearFigures, QString> loadYearFigures(const QString &path, const QList<WindowLayout> &layouts,
                                                   const Captions &captions)
{
    // Opened without waiting, so that a pipe or a device in the file's place cannot hang the
    // window; only a regular file is read.
    const int descriptor = ::open(QFile::encodeName(path).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (descriptor < 0)
        return QStringLiteral("The system says: %1.").arg(QString::fromLocal8Bit(std::strerror(errno)));
    struct stat status{};
    if (::fstat(descriptor, &status) != 0 || !S_ISREG(status.st_mode)) {
        ::close(descriptor);
        return notAFileOfFigures();
    }
    QFile file;
    if (!file.open(descriptor, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(descriptor);
        return systemReason(file);
    }
    // One byte more than a file may hold is enough to refuse it, however large it is.
    const QByteArray bytes = file.read(largestFile + 1);
    if (file.error() != QFileDevice::NoError)
        return systemReason(file);
    return readYearFigures(bytes, layouts, captions);
}

std::optional<QString> saveYearFigures(const QString &path, const YearFigures &figures,
                                      const QList<WindowLayout> &layouts, const Captions &captions)
{
    if (std::optional<QString> refusal = unwritableText(figures, captions))
        return refusal;
    const QByteArray bytes = writeYearFigures(figures);
    // Never a file that Open would refuse, or would read otherwise.
    if (bytes.size() > largestFile) {
        return QStringLiteral("Its figures would make a file larger than 1 MB, which Pelmora could not open again. "
                              "Please shorten the longest texts.");
    }
    const auto readBack = readYearFigures(bytes, layouts, captions);
    if (const auto *refusal = std::get_if<QString>(&readBack))
        return QStringLiteral("Pelmora could not open the file again: %1").arg(*refusal);
    if (std::get<YearFigures>(readBack) != figures)
        return QStringLiteral("A text holds characters that would not read back as they are.");

    const QFileInfo existing(path);
    const QString folder = existing.absolutePath();
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("The folder %1 does not exist.").arg(QDir::toNativeSeparators(folder));
    // Refused for anyone, the administrator included, who could otherwise replace it.
    if (existing.exists() && !(existing.permissions() & (QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther)))
        return QStringLiteral("%1 is read-only.").arg(existing.fileName());
    QSaveFile file(path);
    // Unbuffered, and written to the end: Qt's buffered flush takes a write cut short by a full
    // disk for success, and the file would be replaced by its beginning.
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        return systemReason(file);
    for (qint64 written = 0; written < bytes.size();) {
        const qint64 more = file.write(bytes.constData() + written, bytes.size() - written);
        if (more <= 0)
            return systemReason(file); // the temporary file goes with the QSaveFile
        written += more;
    }
    if (!file.commit())
        return systemReason(file);
    return std::nullopt;
}

} // namespace pelmora::yearfile
