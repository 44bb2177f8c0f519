// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Print on a CUPS daemon of the test's own, listening only on a socket in a temporary folder,
// with a queue on A4 or Letter paper with half-inch margins.

#include "salary/form1.h"
#include "worksheetdriver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QThreadPool>

#include <csignal>

namespace {

// Runs a tool where Debian puts it, whatever the PATH: an ordinary user's lacks /usr/sbin, where
// the CUPS administration tools live. Returns why it failed; empty when it ran and exited 0.
QString run(const QString &command, QString *output = nullptr)
{
    QStringList words = QProcess::splitCommand(command);
    const QString name = words.takeFirst();
    const QStringList places{QStringLiteral("/usr/sbin"), QStringLiteral("/usr/bin"), QStringLiteral("/sbin"),
                             QStringLiteral("/bin")};
    const QString program = QStandardPaths::findExecutable(name, places);
    if (program.isEmpty())
        return name + QStringLiteral(" is not in ") + places.join(QLatin1String(", "));
    QProcess process;
    process.start(program, words);
    if (!process.waitForFinished(10000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return command + QStringLiteral(" failed: ") + QString::fromUtf8(process.readAllStandardError());
    if (output)
        *output = QString::fromUtf8(process.readAllStandardOutput());
    return {};
}

bool write(const QString &path, const QString &text)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
}

} // namespace

class TestPrintService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")}).isEmpty())
            QSKIP("the CUPS daemon is not installed (Debian's cups)");
        // The program and lpadmin see only the test's own service, and the user's home is the test's.
        qputenv("CUPS_SERVER", m_base.filePath(QStringLiteral("socket")).toUtf8());
        qputenv("CUPS_SERVERROOT", m_root.path().toUtf8());
        qputenv("HOME", m_base.filePath(QStringLiteral("home")).toUtf8());
    }

    void init()
    {
        m_root.removeRecursively();
        QDir::home().removeRecursively();
        QVERIFY(m_root.mkpath(QStringLiteral("spool")) && QDir::setCurrent(m_root.path()));
        QVERIFY(write(QStringLiteral("cups-files.conf"),
                      QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1\nStateDir %1\nErrorLog %1/log\n"
                                     "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\nFileDevice Yes\n")
                          .arg(m_root.path())));
        // Anyone may set up its queues.
        QVERIFY(write(QStringLiteral("cupsd.conf"),
                      QStringLiteral("Listen %1\nBrowsing No\nPreserveJobFiles Yes\nDefaultAuthType None\n"
                                     "<Policy default>\n<Limit All>\nOrder deny,allow\n</Limit>\n</Policy>\n")
                          .arg(QString::fromUtf8(qgetenv("CUPS_SERVER")))));
        // cups-pdf's description of its printer, with half-inch margins on A4 and on Letter.
        QFile ppd(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"));
        QVERIFY2(ppd.open(QIODevice::ReadOnly), "cups-pdf is needed (printer-driver-cups-pdf)");
        QString text = QString::fromUtf8(ppd.readAll());
        text.replace(QLatin1String("\"0 0 595 842\""), QLatin1String("\"36 36 559 806\""));
        text.replace(QLatin1String("\"0 0 612 792\""), QLatin1String("\"36 36 576 756\""));
        QVERIFY(write(QStringLiteral("q.ppd"), text));
        const QString files = QStringLiteral("-f -c %1/cupsd.conf -s %1/cups-files.conf").arg(m_root.path());
        m_daemon.start(QStringLiteral("/usr/sbin/cupsd"), QProcess::splitCommand(files));
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(QString::fromUtf8(qgetenv("CUPS_SERVER"))), 5000);
        QVERIFY(d.start());
        d.platform.printServicePatience = std::chrono::seconds(2);
    }

    void cleanup()
    {
        d.stop();
        if (m_daemon.processId())
            ::kill(pid_t(m_daemon.processId()), SIGCONT);
        m_daemon.terminate();
        QVERIFY(m_daemon.state() == QProcess::NotRunning || m_daemon.waitForFinished(5000));
        // A question the hung service was asked is answered once it runs again: its thread ends
        // before the next test, or before the program does.
        QVERIFY(QThreadPool::globalInstance()->waitForDone(10000));
    }

    void printsOrSavesAndSaysWhy_data()
    {
        QTest::addColumn<QString>("commands"); // "stop" and "hang" for the daemon itself
        QTest::addColumn<bool>("salary");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("pageSize"); // of the job the queue holds, in points; "" for none
        QTest::addColumn<bool>("scaled");
        const QString queue = QStringLiteral("lpadmin -p q -E -v file:///dev/null -P q.ppd -o PageSize=%1;lpadmin -d q;");
        const QString a4 = queue.arg(QLatin1String("A4")), letter = queue.arg(QLatin1String("Letter"));
        QTest::newRow("A4: the tax statement as laid out") << a4 << false << "" << "595 x 842" << false;
        QTest::newRow("Letter: the tax statement made smaller to fit") << letter << false << "" << "612 x 792" << true;
        QTest::newRow("Letter: the salary statement, landscape") << letter << true << "" << "792 x 612" << false;
        QTest::newRow("a held queue takes the job without a word")
            << a4 + QStringLiteral("cupsdisable q") << false << "" << "595 x 842" << false;
        QTest::newRow("a rejecting queue: its reason told, saved")
            << a4 + QStringLiteral("cupsreject -r \"Out of paper\" q") << false
            << "The printer q refused the statement: Destination \"q\" is not accepting jobs. (Out of paper)" << ""
            << false;
        QTest::newRow("printers but no default: saved")
            << a4.section(u';', 0, 0) << false << "No printer is set as the default printer." << "" << false;
        QTest::newRow("no printer: saved") << "" << false << "No printer is installed." << "" << false;
        QTest::newRow("the service stopped: saved")
            << a4 + QStringLiteral("stop") << false << "The print service is not running." << "" << false;
        QTest::newRow("the service hung: saved, the window busy meanwhile")
            << a4 + QStringLiteral("hang") << false << "The print service did not answer." << "" << false;
    }
    void printsOrSavesAndSaysWhy()
    {
        QFETCH(QString, commands);
        QFETCH(bool, salary);
        QFETCH(QString, told);
        QFETCH(QString, pageSize);
        QFETCH(bool, scaled);
        for (const QString &command : commands.split(u';', Qt::SkipEmptyParts)) {
            if (command == QLatin1String("stop")) {
                m_daemon.terminate();
                QVERIFY(m_daemon.waitForFinished(5000));
            } else if (command == QLatin1String("hang"))
                QVERIFY(::kill(pid_t(m_daemon.processId()), SIGSTOP) == 0);
            else if (const QString failure = run(command); !failure.isEmpty())
                QFAIL(qPrintable(failure));
        }
        QWidget *window = salary ? static_cast<QWidget *>(d.open(d.main->cmdcalgs, d.main->form1)) : d.main.get();
        d.type(salary ? d.main->form1.window()->txtbp[0] : d.main->txtgs, QStringLiteral("10000"));
        QTest::mouseClick(salary ? d.main->form1.window()->cmdcal : d.main->cmdcalc, Qt::LeftButton);
        QPushButton *print = salary ? d.main->form1.window()->cmdprn : d.main->cmdprint;
        const QMap<QString, QString> before = d.snapshot(window);
        QElapsedTimer clicking;
        clicking.start();
        QTest::mouseClick(print, Qt::LeftButton);
        if (commands.endsWith(QLatin1String("hang"))) {
            QVERIFY(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
            QTest::mouseClick(print, Qt::LeftButton); // not a second job
        }
        QVERIFY(clicking.elapsed() < 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::overrideCursor(), 10000);

        const QString savedAs = QDir::home().filePath(QStringLiteral("Documents/Tax computation 2013-14.pdf"));
        const QString message = told + QStringLiteral(" The statement was saved as\n") + savedAs;
        QCOMPARE(d.platform.messages, told.isEmpty() ? QStringList() : QStringList{message});
        QCOMPARE(QFileInfo::exists(savedAs), !told.isEmpty());
        QCOMPARE(d.snapshot(window), before);
        const QString job = QStringLiteral("spool/d00001-001");
        QCOMPARE(QFileInfo::exists(job), !pageSize.isEmpty());
        if (pageSize.isEmpty())
            return;
        QString info, words;
        QVERIFY(run(QStringLiteral("pdfinfo ") + job, &info).isEmpty());
        QVERIFY(run(QStringLiteral("pdftotext -bbox %1 -").arg(job), &words).isEmpty());
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n[\\s\\S]*Page size:\\s+") + pageSize)),
                 qPrintable(info));

        // Every word inside the margins; the first column ends at its edge, or short of it when scaled.
        const double width = pageSize.section(u' ', 0, 0).toDouble(), height = pageSize.section(u' ', 2, 2).toDouble();
        double lowest = 0, firstColumnEnd = width;
        const QRegularExpression word(
            QStringLiteral("xMin=\"(.+)\" yMin=\"(.+)\" xMax=\"(.+)\" yMax=\"(.+)\">(.*)</word>"));
        for (const auto &match : word.globalMatch(words)) {
            const double xMax = match.captured(3).toDouble(), yMax = match.captured(4).toDouble();
            const bool inside = match.captured(1).toDouble() >= 36 && match.captured(2).toDouble() >= 36;
            QVERIFY2(inside && xMax <= width - 36 && yMax <= height - 36, qPrintable(match.captured(5)));
            lowest = std::max(lowest, yMax);
            if (match.captured(5) == QLatin1String("10000"))
                firstColumnEnd = std::min(firstColumnEnd, xMax);
        }
        const double edge = 36 + (salary ? 2.0 : 6.0) * 72;
        QVERIFY2(scaled ? firstColumnEnd < edge - 5 && lowest > height - 36 - 3 : qAbs(firstColumnEnd - edge) < 0.5,
                 qPrintable(QStringLiteral("%1 %2").arg(firstColumnEnd).arg(lowest)));
    }

    // The main window closed while a statement waits for a hung service: the program ends only
    // once the statement is saved and the user told.
    void closingWaitsForAPendingPrint()
    {
        for (const QString &command : {QStringLiteral("lpadmin -p q -E -v file:///dev/null -P q.ppd"),
                                       QStringLiteral("lpadmin -d q")}) {
            if (const QString failure = run(command); !failure.isEmpty())
                QFAIL(qPrintable(failure));
        }
        QVERIFY(::kill(pid_t(m_daemon.processId()), SIGSTOP) == 0);
        d.type(d.main->txtgs, QStringLiteral("10000"));
        QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
        QTest::mouseClick(d.main->cmdprint, Qt::LeftButton);
        QVERIFY(d.main->close());
        const QString savedAs = QDir::home().filePath(QStringLiteral("Documents/Tax computation 2013-14.pdf"));
        QVERIFY(QFileInfo::exists(savedAs));
        QCOMPARE(d.platform.messages,
                 QStringList{QStringLiteral("The print service did not answer. The statement was saved as\n") + savedAs});
        QCOMPARE(d.platform.quitRequests, 1);
    }

private:
    QTemporaryDir m_base;
    QDir m_root{m_base.filePath(QStringLiteral("root"))};
    QProcess m_daemon;
    WorksheetDriver d;
};

QTEST_MAIN(TestPrintService)
#include "tst_printservice.moc"
