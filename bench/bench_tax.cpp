// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The main window's figures: one tax computation, one Calculate click, and the time from
// process start to the splash window's first paint.

#include "benchmark.h"
#include "silentplatform.h"

#include "app/frmmain.h"
#include "app/frmsplash.h"
#include "tax/taxcomputation.h"
#include "widgets/amountfield.h"
#include "widgets/namefield.h"
#include "widgets/platform.h"
#include "widgets/resultfield.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPaintEvent>
#include <QProcess>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

// Prints a line when the splash window (or any of its panels) is first painted, and ends the process.
class FirstPaintProbe : public QObject
{
public:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::Paint) {
            std::puts("painted");
            std::fflush(stdout);
            std::_Exit(0); // nothing more to measure; skip the orderly shutdown
        }
        return false;
    }
};

} // namespace

// Started as a child process by the first-paint benchmark: show the splash, report its first paint.
static const struct FirstPaintChild {
    FirstPaintChild()
    {
        const char *mode = std::getenv("PELMORA_BENCH_CHILD");
        if (!mode || std::strcmp(mode, "first-paint") != 0)
            return;
        int argc = 1;
        char name[] = "pelmora_bench";
        char *argv[] = {name, nullptr};
        QApplication application(argc, argv);
        auto *splash = new pelmora::frmSplash([] {});
        FirstPaintProbe probe;
        application.installEventFilter(&probe);
        splash->show();
        std::exit(application.exec());
    }
} firstPaintChild;

PELMORA_BENCHMARK("tax")
{
    const pelmora::MainWindowTexts inputs{.txtgs = "600000", .txttp = "9600", .txthra = "50000", .txtos = "5000",
                                          .txthp = "0", .txtded80 = "100000", .txtrel89 = "0", .txtdedtax = "40000",
                                          .txtdob = ""};
    const double computation = bench::medianMicroseconds([&] { (void)pelmora::computeTax(inputs); }, 101, 200);
    bench::report("tax: one computation in the rules", computation, "us", "under 5 us");

    bench::SilentPlatform platform;
    pelmora::frmmain window(platform);
    window.show();
    window.txtded80->setText(QStringLiteral("100000"));
    // Each click follows a new gross salary, so that every result field really changes.
    const QString salaries[] = {QStringLiteral("600000"), QStringLiteral("807000")};
    int turn = 0;
    const double click = bench::medianMicroseconds(
        [&] {
            window.txtgs->setText(salaries[++turn % 2]);
            window.cmdcalc->click();
        },
        101, 20);
    bench::report("tax: one Calculate click in the main window", click, "us", "under 200 us");

    std::vector<double> samples;
    for (int run = 0; run < 9; ++run) {
        QProcess child;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("PELMORA_BENCH_CHILD"), QStringLiteral("first-paint"));
        child.setProcessEnvironment(environment);
        QElapsedTimer timer;
        timer.start();
        child.start(QCoreApplication::applicationFilePath(), {});
        if (!child.waitForReadyRead(10000)) {
            child.kill();
            child.waitForFinished();
            continue;
        }
        samples.push_back(timer.nsecsElapsed() / 1e6);
        child.waitForFinished();
    }
    if (samples.empty()) {
        std::puts("tax: first paint of the splash window could not be measured");
        return;
    }
    std::nth_element(samples.begin(), samples.begin() + samples.size() / 2, samples.end());
    bench::report("start: process start to the splash window's first paint", samples[samples.size() / 2], "ms",
                  "under 150 ms");
}
