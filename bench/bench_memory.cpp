// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// What the program takes in memory with its main window up, beside a bare Qt Widgets window of
// the same size with as many labels and line edits, measured in the same run on the same
// platform; and whether the print service's library is loaded before anything is printed.

#include "benchmark.h"
#include "silentplatform.h"

#include "app/frmmain.h"

#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QThread>

namespace {

// The resident memory of a program started with the arguments, once its window is up; in kB.
struct Resident {
    double kilobytes = 0;
    bool printServiceLoaded = false;
};

Resident residentOf(const QString &program, const QStringList &arguments, int settleMilliseconds)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(program, arguments);
    Resident resident;
    if (!process.waitForStarted())
        return resident;
    QThread::msleep(settleMilliseconds);
    const QString proc = QStringLiteral("/proc/%1/").arg(process.processId());
    QFile status(proc + QStringLiteral("status")), maps(proc + QStringLiteral("maps"));
    if (status.open(QIODevice::ReadOnly)) {
        const auto found = QRegularExpression(QStringLiteral("VmRSS:\\s+(\\d+)")).match(QString::fromLatin1(status.readAll()));
        resident.kilobytes = found.captured(1).toDouble();
    }
    if (maps.open(QIODevice::ReadOnly))
        resident.printServiceLoaded = maps.readAll().contains("libcups");
    process.kill();
    process.waitForFinished();
    return resident;
}

} // namespace

PELMORA_BENCHMARK("memory")
{
    bench::SilentPlatform platform;
    const pelmora::frmmain main(platform);
    const QStringList bare{QString::number(main.findChildren<QLabel *>().size()),
                           QString::number(main.findChildren<QLineEdit *>().size()),
                           QString::number(main.width()), QString::number(main.height())};
    // The splash shows for three seconds before the main window.
    const Resident program = residentOf(QStringLiteral(PELMORA_PROGRAM), {}, 4500);
    const Resident window = residentOf(QStringLiteral(PELMORA_BARE_WINDOW), bare, 1500);
    bench::report("memory: resident with the main window up", program.kilobytes / 1024, "MB", "");
    bench::report("memory: a bare window of as many labels and line edits", window.kilobytes / 1024, "MB", "");
    bench::report("memory: the program against the bare window", program.kilobytes / window.kilobytes, "x",
                  "within 1.2");
    bench::report("memory: the print service's library loaded at start", program.printServiceLoaded, "", "no (0)");
}
