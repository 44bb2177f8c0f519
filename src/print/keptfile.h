// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A file written whole under a temporary name in its folder, then given its name there: NAME.SUFFIX,
// or "NAME (2).SUFFIX", "NAME (3).SUFFIX" ... so that no file is ever replaced. A file not kept
// leaves nothing behind; a kept one has the mode of any new file of the user's.

#include <QString>
#include <QTemporaryFile>

namespace pelmora {

class KeptFile
{
public:
    // The folder is made when missing.
    KeptFile(const QString &folder, const QString &name, const QString &suffix);

    // To write into, once open() said it could be.
    QFile &file() { return m_file; }
    bool isOpen() const { return m_problem.isEmpty(); }
    // Gives the finished file its name; the path, or empty when it could not be kept.
    QString keep();
    // Why the file could not be written or kept.
    QString problem() const { return m_problem; }

private:
    QString m_folder;
    QString m_name;
    QString m_suffix;
    QTemporaryFile m_file;
    QString m_problem;
};

} // namespace pelmora
