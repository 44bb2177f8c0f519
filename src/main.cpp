// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/commandline.h"
#include "app/frmmain.h"
#include "app/frmsplash.h"
#include "app/processsignals.h"
#include "app/qtplatform.h"
#include "core/credits.h"
#include "staff/statementscommand.h"
#include "staff/unattendedrun.h"
#include "widgets/fonts.h"

#include <QApplication>

#include <memory>

int main(int argc, char *argv[])
{
    pelmora::keepRunningOnFileSizeLimit();
    const pelmora::CommandLineRequest request = pelmora::answerCommandLine(argc, argv);
    if (request.reply)
        return request.reply->exitStatus;

    if (request.run != pelmora::CommandLineRequest::Run::Windows) {
        // No window is shown, so none needs a display, whatever the environment names.
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication application(argc, argv);
        QApplication::setApplicationName(QStringLiteral("Pelmora"));
        pelmora::fonts::installSubstitutes();
        return pelmora::runUnattended(request);
    }

    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Pelmora"));
    // The desktop matches the windows to the installed desktop entry, and shows its icon.
    QGuiApplication::setDesktopFileName(QString::fromUtf8(pelmora::credits::desktopId));
    pelmora::fonts::installSubstitutes();

    pelmora::QtPlatform platform;
    std::unique_ptr<pelmora::frmmain> mainWindow;
    auto *splash = new pelmora::frmSplash([&] {
        mainWindow = std::make_unique<pelmora::frmmain>(platform);
        pelmora::addStatementsCommand(*mainWindow);
        mainWindow->show();
        if (!request.figuresFile.isEmpty())
            mainWindow->figuresFile().open(mainWindow.get(), request.figuresFile);
    });
    splash->show();
    return application.exec();
}
