// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Statements for a whole staff: pelmora --statements over N varied files of figures (the salary
// statement, the worksheets, different classes and figures), as an office runs it; files a
// second and the run's peak resident memory, for N = 10, 100 and 1000.

#include "benchmark.h"
#include "silentplatform.h"

#include "app/frmmain.h"
#include "app/windowfigures.h"
#include "salary/form1.h"
#include "widgets/amountfield.h"
#include "widgets/choicebox.h"
#include "widgets/namefield.h"
#include "worksheets/form2.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"
#include "worksheets/frmrel89.h"
#include "yearfile/yearfilestorage.h"

#include <QElapsedTimer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>

#include <vector>

extern char **environ;

namespace {

using pelmora::yearfile::YearFigures;

// The kinds of employee an office has, as the windows save them.
std::vector<YearFigures> staffKinds()
{
    std::vector<YearFigures> kinds;
    const auto kind = [&](auto fill) {
        bench::SilentPlatform platform;
        pelmora::frmmain m(platform);
        m.txtname->setText(QStringLiteral("Employee"));
        m.txtdedtax->setText(QStringLiteral("2000"));
        fill(m);
        kinds.push_back(pelmora::collectFigures(m));
    };
    kind([](pelmora::frmmain &m) { m.txtgs->setText(QStringLiteral("640000")); });
    kind([](pelmora::frmmain &m) {
        m.cmdcalgs->click();
        for (pelmora::AmountField *bp : m.form1.window()->txtbp)
            bp->setText(QStringLiteral("28000"));
        m.form1.window()->cboclass1->setEditText(QStringLiteral("Y"));
        m.cmdcalhr->click();
        m.form2.window()->txtRP->setText(QStringLiteral("9000"));
        m.cmdcalded80->click();
        m.reb88.window()->txtlic->setText(QStringLiteral("60000"));
    });
    kind([](pelmora::frmmain &m) {
        m.cmdcalgs->click();
        for (pelmora::AmountField *bp : m.form1.window()->txtbp)
            bp->setText(QStringLiteral("41000"));
        m.cmdcalhp->click();
        m.form4.window()->optrent->setChecked(true);
        m.form4.window()->txtarv->setText(QStringLiteral("120000"));
        m.cmdcalrel89->click();
        m.rel89.window()->txtinc[2]->setText(QStringLiteral("280000"));
        m.rel89.window()->txtarr[2]->setText(QStringLiteral("25000"));
    });
    return kinds;
}

// Runs the program to its end; its peak resident memory in kB, or -1.
long runToEnd(const std::vector<std::string> &arguments)
{
    std::vector<char *> argv;
    for (const std::string &argument : arguments)
        argv.push_back(const_cast<char *>(argument.c_str()));
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    const int spawned = posix_spawn(&child, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        return -1;
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) != child)
        return -1;
    return usage.ru_maxrss;
}

} // namespace

PELMORA_BENCHMARK("staff")
{
    const std::vector<YearFigures> kinds = staffKinds();
    for (const int count : {10, 100, 1000}) {
        QTemporaryDir staff;
        std::vector<std::string> arguments{PELMORA_PROGRAM, "--statements", staff.filePath(QStringLiteral("out")).toStdString()};
        for (int i = 0; i < count; ++i) {
            YearFigures figures = kinds[std::size_t(i) % kinds.size()];
            QMap<QString, QString> &main = figures[QStringLiteral("frmmain")].texts;
            main[QStringLiteral("txtname")] = QStringLiteral("Employee %1").arg(i);
            main[QStringLiteral("txtdedtax")] = QString::number(1000 + 37 * i);
            if (figures.contains(QStringLiteral("Form1")))
                figures[QStringLiteral("Form1")].texts[QStringLiteral("txtbp(5)")] = QString::number(25000 + 13 * i);
            const QString path = staff.filePath(QStringLiteral("employee %1.pelmora").arg(i));
            pelmora::yearfile::saveYearFigures(path, figures, pelmora::windowLayouts());
            arguments.push_back(path.toStdString());
        }
        QElapsedTimer clock;
        clock.start();
        const long peak = runToEnd(arguments);
        const double seconds = double(clock.nsecsElapsed()) / 1e9;
        const std::string files = std::to_string(count) + " files";
        bench::report("staff: " + files + ", files a second", count / seconds, "files/s", "over 16.7, a thousand in a minute");
        bench::report("staff: " + files + ", peak resident", double(peak) / 1024, "MB", "under 120");
    }
}
