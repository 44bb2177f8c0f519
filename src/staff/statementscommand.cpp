// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statementscommand.h"

#include "statementdestination.h"
#include "statementsrun.h"

#include "app/frmmain.h"
#include "widgets/documentsfolder.h"
#include "widgets/platform.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProgressDialog>

namespace pelmora {

namespace {

const QString commandTitle = QStringLiteral("Statements for Several Files");

QString summary(const StatementsRun &run, qsizetype chosen, const QString &folder)
{
    const qsizetype done = qsizetype(run.entries().size());
    const qsizetype workedOut = done - run.notWorkedOut();
    QStringList lines;
    if (done < chosen)
        lines << QStringLiteral("Cancelled after %1 of %2 files.").arg(done).arg(chosen);
    lines << QStringLiteral("%1 of %2 files worked out. %3 saved in\n%4")
                 .arg(workedOut)
                 .arg(done)
                 .arg(workedOut > 0 ? QStringLiteral("The statements and the staff register were")
                                    : QStringLiteral("The staff register was"),
                      QDir::toNativeSeparators(folder));
    if (run.notWorkedOut() > 0) {
        lines << QString() << QStringLiteral("Not worked out:");
        for (const RegisterEntry &entry : run.entries()) {
            if (!entry.workedOut())
                lines << QString::fromStdString(entry.fileName) + QStringLiteral(": ") + QString::fromStdString(entry.refusal);
        }
    }
    if (!run.registerProblems().isEmpty())
        lines << QString() << run.registerProblems();
    return lines.join(u'\n');
}

} // namespace

void addStatementsCommand(frmmain &main)
{
    auto *command = new QAction(QStringLiteral("Statements for Several &Files…"), &main);
    command->setObjectName(QStringLiteral("statementsForSeveralFiles"));
    QObject::connect(command, &QAction::triggered, &main, [&main] { writeStatementsForSeveralFiles(main); });
    main.addBackgroundCommand(command);
}

void writeStatementsForSeveralFiles(frmmain &main)
{
    Platform &platform = main.platform();
    const QString inUse = main.figuresFile().path();
    const QStringList files =
        platform.askFilesToOpen(&main, inUse.isEmpty() ? documentsFolder() : QFileInfo(inUse).absolutePath());
    if (files.isEmpty())
        return;
    const QString folder = platform.askFolder(&main, documentsFolder());
    if (folder.isEmpty())
        return;

    StatementsFolder destination(folder);
    StatementsRun run(destination);
    QProgressDialog progress(QString(), QStringLiteral("Cancel"), 0, int(files.size()), &main);
    progress.setWindowTitle(commandTitle);
    progress.setWindowModality(Qt::WindowModal);
    progress.setMinimumDuration(0);
    progress.setAutoClose(false);
    const auto showWorkingOut = [&](qsizetype index) {
        progress.setLabelText(QStringLiteral("Working out %1 of %2: %3")
                                  .arg(index + 1)
                                  .arg(files.size())
                                  .arg(QFileInfo(files[index]).fileName()));
    };
    showWorkingOut(0);
    // Shown and drawn before the first file, which may take a while.
    progress.show();
    QCoreApplication::processEvents();
    for (qsizetype index = 0; index < files.size() && !progress.wasCanceled(); ++index) {
        showWorkingOut(index);
        run.workOut(files[index]);
        // Shows the step and takes a Cancel pressed meanwhile: the run stops between files.
        progress.setValue(int(index + 1));
    }
    run.finish();
    progress.close();
    platform.showMessage(&main, summary(run, files.size(), folder));
}

} // namespace pelmora
