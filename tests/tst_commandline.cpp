// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The command line, answered before any window exists.

#include "app/commandline.h"

#include <QTest>

using namespace pelmora;

class TestCommandLine : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void answers_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<int>("exitStatus"); // -1: no answer, the windows start
        QTest::addColumn<QString>("firstLine"); // or the file to open
        QTest::newRow("no option") << "" << -1 << "";
        QTest::newRow("Qt's own option") << "-platform xcb" << -1 << "";
        QTest::newRow("a file") << "-style fusion taxes.pelmora" << -1 << "taxes.pelmora";
        QTest::newRow("--version") << "--version" << 0 << "Pelmora 1.0";
        QTest::newRow("--help") << "--help" << 0 << "Usage: pelmora [options] [file...]";
        QTest::newRow("unknown option") << "--printer" << 2 << "pelmora: Unknown option 'printer'.";
        QTest::newRow("two files") << "a.pelmora b.pelmora" << 2 << "pelmora: Unexpected argument 'b.pelmora'.";
        QTest::newRow("statements, no folder") << "--statements" << 2 << "pelmora: Missing value after '--statements'.";
        QTest::newRow("statements, no file") << "--statements out" << 2 << "pelmora: No file of figures given.";
        QTest::newRow("print, no file") << "--print" << 2 << "pelmora: No file of figures given.";
        QTest::newRow("statements into a file") << "--statements /dev/null a.pelmora" << 2
                                                << "pelmora: '/dev/null' is not a folder.";
        QTest::newRow("statements and print") << "--print --statements out a.pelmora" << 2
                                              << "pelmora: --statements and --print cannot be given together.";
    }
    void answers()
    {
        QFETCH(QString, options);
        QFETCH(int, exitStatus);
        const QString commandLine = QStringLiteral("/usr/bin/pelmora ") + options;
        const CommandLineRequest request = readCommandLine(commandLine.split(u' ', Qt::SkipEmptyParts));
        const auto &reply = request.reply;
        QCOMPARE(reply ? reply->exitStatus : -1, exitStatus);
        QTEST(reply ? reply->text.section(QLatin1Char('\n'), 0, 0) : request.figuresFile, "firstLine");
        QVERIFY(!reply || exitStatus == 0 || reply->text.count(QLatin1Char('\n')) == 1);
    }

    void listsTheStatementsInItsHelp()
    {
        const QString help = readCommandLine({QStringLiteral("pelmora"), QStringLiteral("--help")}).reply->text;
        QVERIFY2(help.contains(QLatin1String("--statements <folder>")), qPrintable(help));
        QVERIFY2(help.contains(QLatin1String("--print ")), qPrintable(help));
    }

    void takesManyFilesForTheStatements_data()
    {
        QTest::addColumn<QString>("options");
        QTest::addColumn<CommandLineRequest::Run>("run");
        QTest::addColumn<QString>("folder");
        QTest::newRow("statements") << "--statements out a.pelmora b.pelmora" << CommandLineRequest::Run::Statements << "out";
        QTest::newRow("print") << "--print a.pelmora b.pelmora" << CommandLineRequest::Run::Print << "";
    }
    void takesManyFilesForTheStatements()
    {
        QFETCH(QString, options);
        const CommandLineRequest request = readCommandLine((QStringLiteral("pelmora ") + options).split(u' '));
        QVERIFY(!request.reply);
        QTEST(request.run, "run");
        QTEST(request.statementsFolder, "folder");
        QCOMPARE(request.files, QStringList({QStringLiteral("a.pelmora"), QStringLiteral("b.pelmora")}));
    }
};

QTEST_APPLESS_MAIN(TestCommandLine)
#include "tst_commandline.moc"
