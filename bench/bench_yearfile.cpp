// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Save and Open of a file of figures with every window open and filled: the windows' contents
// collected and written safely to disk, and read back, checked and put into every field.

#include "benchmark.h"
#include "silentplatform.h"

#include "app/frmmain.h"
#include "app/windowfigures.h"
#include "salary/form1.h"
#include "widgets/amountfield.h"
#include "widgets/namefield.h"
#include "widgets/resultfield.h"
#include "yearfile/yearfilestorage.h"

#include <QPushButton>
#include <QTemporaryDir>

PELMORA_BENCHMARK("files of figures")
{
    bench::SilentPlatform platform;
    pelmora::frmmain main(platform);
    main.show();
    for (QPushButton *calc : {main.cmdcalgs, main.cmdcalhr, main.cmdcalhp, main.cmdcalded80})
        calc->click();
    pelmora::Form1 *salary = main.form1.window();
    salary->txtgp[0]->setText(QStringLiteral("4600"));

    // Two files whose pay differs, so that each Open really rewrites the pay columns.
    QTemporaryDir folder;
    const QString files[] = {folder.filePath(QStringLiteral("a.pelmora")), folder.filePath(QStringLiteral("b.pelmora"))};
    for (const QString &path : files) {
        salary->txtbp[0]->setText(salary->txtbp[0]->text() + QLatin1Char('5'));
        salary->cmdcal->click();
        pelmora::yearfile::saveYearFigures(path, pelmora::collectFigures(main), pelmora::windowLayouts());
    }

    pelmora::FiguresFile &file = main.figuresFile();
    int turn = 0;
    const double open = bench::medianMicroseconds([&] { file.open(&main, files[++turn % 2]); }, 31);
    bench::report("files of figures: Open, every window filled", open / 1000, "ms", "under 10 ms");

    const QString figures[] = {main.txtgs->text(), main.txtgs->text() + QLatin1Char('1')};
    const double save = bench::medianMicroseconds(
        [&] {
            main.txtgs->setText(figures[++turn % 2]);
            file.save(&main);
        },
        31);
    bench::report("files of figures: Save, every window open", save / 1000, "ms", "under 10 ms");
}
