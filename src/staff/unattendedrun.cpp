// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "unattendedrun.h"

#include "statementdestination.h"
#include "statementsrun.h"

#include "app/commandline.h"

#include <QDir>
#include <QFileInfo>
#include <QTextStream>

#include <memory>

namespace pelmora {

int runUnattended(const CommandLineRequest &request, std::FILE *output, std::FILE *errors)
{
    QTextStream out(output);
    QTextStream err(errors);
    std::unique_ptr<StatementDestination> destination;
    DefaultPrinter *printer = nullptr;
    if (request.run == CommandLineRequest::Run::Print)
        destination.reset(printer = new DefaultPrinter);
    else
        destination = std::make_unique<StatementsFolder>(request.statementsFolder);

    StatementsRun run(*destination);
    const qsizetype count = request.files.size();
    for (qsizetype index = 0; index < count; ++index) {
        const QString &path = request.files[index];
        const RegisterEntry &entry = run.workOut(path);
        const QString who = entry.employee.empty() ? QFileInfo(path).fileName() : QString::fromStdString(entry.employee);
        err << QStringLiteral("%1/%2 %3\n").arg(index + 1).arg(count).arg(who);
        err.flush();
    }
    run.finish();

    for (const QString &path : run.written())
        out << QDir::toNativeSeparators(path) << '\n';
    for (const RegisterEntry &entry : run.entries()) {
        if (!entry.workedOut())
            err << QStringLiteral("Not worked out: %1: %2\n").arg(QString::fromStdString(entry.fileName),
                                                                 QString::fromStdString(entry.refusal));
    }
    for (const QString &problem : run.registerProblems())
        err << problem << '\n';
    if (printer) {
        for (const QString &message : printer->messages())
            err << message << '\n';
    }
    return run.notWorkedOut() == 0 && run.registerProblems().isEmpty() ? 0 : 1;
}

} // namespace pelmora
