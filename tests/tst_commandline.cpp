// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, answered before any window or application object exists: --help and
// --version on standard output, anything unknown refused on one line with status 2, and the
// windows for no option or for Qt's own.

#include "app/commandline.h"

#include <QTest>

using namespace pelmora;

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitStatus"); // -1: no answer, the windows start
        QTest::addColumn<QString>("firstLine");
        QTest::newRow("no option") << QStringList() << -1 << QString();
        QTest::newRow("Qt's own option") << QStringList{QStringLiteral("-platform"), QStringLiteral("xcb")} << -1 << QString();
        QTest::newRow("--version") << QStringList{QStringLiteral("--version")} << 0 << QStringLiteral("Pelmora 1.0");
        QTest::newRow("--help") << QStringList{QStringLiteral("--help")} << 0 << QStringLiteral("Usage: pelmora [options]");
        QTest::newRow("unknown option") << QStringList{QStringLiteral("--print")} << 2
                                        << QStringLiteral("pelmora: Unknown option 'print'.");
        QTest::newRow("an argument") << QStringList{QStringLiteral("taxes.pdf")} << 2
                                     << QStringLiteral("pelmora: Unexpected argument 'taxes.pdf'.");
    }
    void answers()
    {
        QFETCH(QStringList, options);
        QFETCH(int, exitStatus);
        QFETCH(QString, firstLine);
        const auto reply = replyToCommandLine(QStringList{QStringLiteral("/usr/bin/pelmora")} + options);
        QCOMPARE(reply ? reply->exitStatus : -1, exitStatus);
        if (reply) {
            QCOMPARE(reply->text.section(QLatin1Char('\n'), 0, 0), firstLine);
            QVERIFY(exitStatus == 0 || reply->text.count(QLatin1Char('\n')) == 1);
        }
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
