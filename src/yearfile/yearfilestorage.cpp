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
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        return systemReason(file);
    return std::nullopt;
}

} // namespace pelmora::yearfile
