// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"
#include "app/credits.h"
#include "app/fonts.h"
#include "app/frmmain.h"
#include "app/frmsplash.h"
#include "app/platform.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    if (const std::optional<int> exitStatus = pelmora::answerCommandLine(argc, argv))
        return *exitStatus;

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    // The desktop matches the windows to the installed desktop entry, and shows its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(pelmora::credits::desktopId));
    pelmora::fonts::installSubstitutes();

    pelmora::QtPlatform platform;
    std::unique_ptr<pelmora::frmmain> mainWindow;
    auto *splash = new pelmora::frmSplash([&] {
        mainWindow = std::make_unique<pelmora::frmmain>(platform);
        mainWindow->show();
    });
    splash->show();
    return application.exec();
}
