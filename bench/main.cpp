// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "benchmark.h"

#include "widgets/fonts.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    pelmora::fonts::installSubstitutes();
    const QString only = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString();
    for (const auto &benchmark : bench::registry()) {
        if (!only.isEmpty() && !QString::fromStdString(benchmark.name).contains(only))
            continue;
        benchmark.run();
    }
    return 0;
}
