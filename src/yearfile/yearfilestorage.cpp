// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "yearfilestorage.h"

#include "yearfile.h"

#include <QFile>
#include <QSaveFile>

namespace pelmora::yearfile {

namespace {

QString systemReason(const QFileDevice &file)
{
    return QStringLiteral("The system says: %1.").arg(file.errorString());
}

} // namespace

std::variant<YearFigures, QString> loadYearFigures(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return systemReason(file);
    // One byte more than a file may hold is enough to refuse it, however large it is.
    const QByteArray bytes = file.read(largestFile + 1);
    if (file.error() != QFileDevice::NoError)
        return systemReason(file);
    return readYearFigures(bytes);
}

std::optional<QString> saveYearFigures(const QString &path, const YearFigures &figures)
{
    if (std::optional<QString> refusal = unwritableText(figures))
        return refusal;
    const QByteArray bytes = writeYearFigures(figures);
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
