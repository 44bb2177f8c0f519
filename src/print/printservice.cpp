// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "printservice.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>


namespace pelmora {

namespace {

struct LoadedService {
    const PrintService *service = nullptr;
    QString problem;
};

// Beside the installed program, where it is installed; or, in the build tree, beside the
// program or one folder above a test's.
QStringList libraryFolders()
{
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral(PELMORA_LIBRARY_FROM_PROGRAM)), program.path(), program.filePath(QStringLiteral(".."))};
}

LoadedService load()
{
    QLibrary library;
    for (const QString &folder : libraryFolders()) {
        library.setFileName(QDir(folder).filePath(QStringLiteral("libpelmora_cups.so")));
        if (library.load())
            break;
    }
    using Entry = const PrintService *(*)();
    if (const auto entry = reinterpret_cast<Entry>(library.resolve("pelmora_print_service")))
        return {entry(), {}};
    // Kept loaded for the rest of the run, like any library the program links.
    return {nullptr, QStringLiteral("Pelmora's part that prints cannot be loaded (%1).").arg(library.errorString())};
}

const LoadedService &loaded()
{
    // Asked first from a worker thread: loaded once, whichever asks first.
    static const LoadedService service = load();
    return service;
}

} // namespace

const PrintService *printService()
{
    return loaded().service;
}

QString printServiceMissing()
{
    return loaded().problem;
}

} // namespace pelmora
