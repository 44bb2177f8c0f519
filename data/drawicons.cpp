// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// A build tool: draws the program's picture at each size of the icon theme, as the PNG files
// <folder>/<size>x<size>/apps/org.example.pelmora.Pelmora.png, with the very renderer the
// program uses for its window icon.

#include "core/credits.h"
#include "widgets/pelmoraicon.h"

#include <QDir>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (int size : pelmora::iconSizes) {
        const QString apps = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = folder.filePath(apps + QStringLiteral("/%1.png").arg(QString::fromUtf8(pelmora::credits::desktopId)));
        if (!folder.mkpath(apps) || !pelmora::programImage(size).save(path)) {
            std::fprintf(stderr, "%s: cannot write %s\n", argv[0], qPrintable(path));
            return 1;
        }
    }
    return 0;
}
