// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Print on a real print service: a CUPS daemon of the test's own, its configuration in a
// temporary folder, listening only on a socket there, with a queue on A4 or Letter paper with
// half-inch margins. Each row: what the user is told, that no field changed, and where the
// statement went: to the queue (one page of the queue's paper and orientation, figures at their
// column edges, nothing outside the printable area) or into the documents folder.

#include "salary/form1.h"
#include "worksheetdriver.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <csignal>

using namespace pelmora;

namespace {

QString run(const QString &command)
{
    QStringList words = QProcess::splitCommand(command);
    QProcess process;
    process.start(words.takeFirst(), words);
    process.waitForFinished(10000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

QStringList queueOn(const char *paper)
{
    return {QStringLiteral("lpadmin -p q -E -v file:///dev/null -P q.ppd -o PageSize=%1").arg(QLatin1String(paper)),
            QStringLiteral("lpadmin -d q")};
}

const QString taxFile = QStringLiteral("Tax computation 2013-14.pdf");
const QString saved = QStringLiteral(" The statement was saved as\n");

} // namespace

class TestPrintService : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        m_cupsd = QStandardPaths::findExecutable(QStringLiteral("cupsd"), {QStringLiteral("/usr/sbin")});
        if (m_cupsd.isEmpty())
            QSKIP("the CUPS daemon is not installed (Debian's cups)");
        // The program, lpadmin and the documents folder see only the test's own service and home.
        for (const char *variable : {"PRINTER", "LPDEST"})
            qunsetenv(variable);
        qputenv("CUPS_SERVER", m_base.filePath(QStringLiteral("socket")).toUtf8());
        qputenv("CUPS_SERVERROOT", m_base.filePath(QStringLiteral("root")).toUtf8());
        qputenv("HOME", m_base.filePath(QStringLiteral("home")).toUtf8());
        qputenv("XDG_CONFIG_HOME", m_base.filePath(QStringLiteral("home/.config")).toUtf8());
    }

    void init()
    {
        QDir root(m_base.filePath(QStringLiteral("root")));
        root.removeRecursively();
        QDir(m_base.filePath(QStringLiteral("home"))).removeRecursively();
        for (const char *folder : {"spool", "cache", "state", "log"})
            QVERIFY(root.mkpath(QLatin1String(folder)));
        const auto write = [&root](const char *name, const QString &text) {
            QFile file(root.filePath(QLatin1String(name)));
            return file.open(QIODevice::WriteOnly) && file.write(text.toUtf8()) == text.toUtf8().size();
        };
        QVERIFY(write("cups-files.conf", QStringLiteral("ServerRoot %1\nRequestRoot %1/spool\nCacheDir %1/cache\n"
                                                        "StateDir %1/state\nErrorLog %1/log/error_log\n"
                                                        "ServerBin /usr/lib/cups\nDataDir /usr/share/cups\n"
                                                        "FileDevice Yes\n")
                                             .arg(root.path())));
        QVERIFY(write("cupsd.conf", QStringLiteral("Listen %1\nBrowsing No\nWebInterface No\nPreserveJobFiles Yes\n"
                                                   "DefaultAuthType None\n<Policy default>\n<Limit All>\n"
                                                   "Order deny,allow\n</Limit>\n</Policy>\n")
                                        .arg(QString::fromUtf8(qgetenv("CUPS_SERVER")))));
        // cups-pdf's description of its queue, with a half-inch margin on A4 and on Letter.
        QFile ppd(QStringLiteral("/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd"));
        QVERIFY2(ppd.open(QIODevice::ReadOnly), "cups-pdf is needed (printer-driver-cups-pdf)");
        QVERIFY(write("q.ppd", QString::fromUtf8(ppd.readAll())
                                   .replace(QLatin1String("\"0 0 595 842\""), QLatin1String("\"36 36 559 806\""))
                                   .replace(QLatin1String("\"0 0 612 792\""), QLatin1String("\"36 36 576 756\""))));
        QDir::setCurrent(root.path());
        m_daemon.start(m_cupsd, {QStringLiteral("-f"), QStringLiteral("-c"), root.filePath(QStringLiteral("cupsd.conf")),
                                 QStringLiteral("-s"), root.filePath(QStringLiteral("cups-files.conf"))});
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(QString::fromUtf8(qgetenv("CUPS_SERVER"))).exists(), 5000);
        QVERIFY(d.start());
        d.platform.printServicePatience = std::chrono::seconds(2);
    }

    void cleanup()
    {
        d.stop();
        stopDaemon();
    }

    void printsOrSavesAndSaysWhy_data()
    {
        QTest::addColumn<QStringList>("commands"); // "stop" and "hang" for the daemon itself
        QTest::addColumn<bool>("salary");
        QTest::addColumn<QString>("told");
        QTest::addColumn<QString>("pageSize"); // of the job the queue holds, in points; "" for none
        QTest::addColumn<double>("columnEdge"); // of the first column of figures, inches
        QTest::addColumn<bool>("scaled");
        QTest::newRow("A4: the tax statement as laid out, portrait")
            << queueOn("A4") << false << QString() << "595 x 842" << 6.0 << false;
        QTest::newRow("Letter: the tax statement made smaller to fit, portrait")
            << queueOn("Letter") << false << QString() << "612 x 792" << 6.0 << true;
        QTest::newRow("Letter: the salary statement as laid out, landscape")
            << queueOn("Letter") << true << QString() << "792 x 612" << 2.0 << false;
        QTest::newRow("a held queue takes the job without a word")
            << queueOn("A4") + QStringList{QStringLiteral("cupsdisable q")} << false << QString() << "595 x 842" << 6.0
            << false;
        QTest::newRow("a rejecting queue: its reason told, saved")
            << queueOn("A4") + QStringList{QStringLiteral("cupsreject -r \"Out of paper\" q")} << false
            << "The printer q refused the statement: Destination \"q\" is not accepting jobs. (Out of paper)"
            << QString() << 0.0 << false;
        QTest::newRow("printers but no default: saved")
            << queueOn("A4").mid(0, 1) << false << "No printer is set as the default printer." << QString() << 0.0
            << false;
        QTest::newRow("no printer: saved") << QStringList() << false << "No printer is installed." << QString() << 0.0
                                           << false;
        QTest::newRow("the service stopped: saved") << queueOn("A4") + QStringList{QStringLiteral("stop")} << false
                                                    << "The print service is not running." << QString() << 0.0 << false;
        QTest::newRow("the service hung: saved, the window busy meanwhile")
            << queueOn("A4") + QStringList{QStringLiteral("hang")} << false << "The print service did not answer."
            << QString() << 0.0 << false;
    }
    void printsOrSavesAndSaysWhy()
    {
        QFETCH(QStringList, commands);
        QFETCH(bool, salary);
        QFETCH(QString, told);
        QFETCH(QString, pageSize);
        QFETCH(double, columnEdge);
        QFETCH(bool, scaled);
        for (const QString &command : commands) {
            if (command == QLatin1String("stop"))
                stopDaemon();
            else if (command == QLatin1String("hang"))
                QVERIFY(::kill(pid_t(m_daemon.processId()), SIGSTOP) == 0);
            else
                run(command);
        }
        QWidget *window = d.main.get();
        QPushButton *print = d.main->cmdprint;
        if (salary) {
            Form1 *form = d.open(d.main->cmdcalgs, d.main->form1);
            d.type(form->txtbp[0], QStringLiteral("10000"));
            QTest::mouseClick(form->cmdcal, Qt::LeftButton);
            window = form;
            print = form->cmdprn;
        } else {
            d.type(d.main->txtgs, QStringLiteral("600000"));
            QTest::mouseClick(d.main->cmdcalc, Qt::LeftButton);
        }
        const QMap<QString, QString> before = d.snapshot(window);
        QElapsedTimer clicking;
        clicking.start();
        QTest::mouseClick(print, Qt::LeftButton);
        if (commands.contains(QStringLiteral("hang"))) {
            QVERIFY(QApplication::overrideCursor() && QApplication::overrideCursor()->shape() == Qt::WaitCursor);
            QTest::mouseClick(print, Qt::LeftButton); // not a second job
        }
        QVERIFY(clicking.elapsed() < 1000);
        QTRY_VERIFY_WITH_TIMEOUT(!QApplication::overrideCursor(), 10000);

        const QString documents = QDir::home().filePath(QStringLiteral("Documents"));
        QCOMPARE(d.platform.messages, told.isEmpty() ? QStringList() : QStringList{told + saved + documents + u'/' + taxFile});
        QCOMPARE(QDir(documents).entryList(QDir::Files), told.isEmpty() ? QStringList() : QStringList{taxFile});
        QCOMPARE(d.snapshot(window), before);
        const QString job = QStringLiteral("spool/d00001-001");
        QCOMPARE(QFileInfo::exists(job), !pageSize.isEmpty());
        if (pageSize.isEmpty())
            return;
        const QString info = run(QStringLiteral("pdfinfo ") + job);
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n[\\s\\S]*Page size:\\s+") + pageSize)),
                 qPrintable(info));

        // Every word inside the half-inch margins; the first column's figures end at its edge,
        // or short of it on a page made smaller, which then reaches down to the bottom margin.
        const double width = pageSize.section(u' ', 0, 0).toDouble(), height = pageSize.section(u' ', 2, 2).toDouble();
        const QString figure = salary ? QStringLiteral("10000") : QStringLiteral("600000");
        double lowest = 0, firstColumnEnd = width;
        const QRegularExpression word(QStringLiteral("xMin=\"([\\d.]+)\" yMin=\"([\\d.]+)\" xMax=\"([\\d.]+)\" "
                                                     "yMax=\"([\\d.]+)\">([^<]*)</word>"));
        for (const auto &match : word.globalMatch(run(QStringLiteral("pdftotext -bbox ") + job + QStringLiteral(" -")))) {
            const double xMin = match.captured(1).toDouble(), yMin = match.captured(2).toDouble();
            const double xMax = match.captured(3).toDouble(), yMax = match.captured(4).toDouble();
            QVERIFY2(xMin >= 36 && yMin >= 36 && xMax <= width - 36 && yMax <= height - 36, qPrintable(match.captured(5)));
            lowest = std::max(lowest, yMax);
            if (match.captured(5) == figure)
                firstColumnEnd = std::min(firstColumnEnd, xMax);
        }
        const double edge = 36 + columnEdge * 72;
        QVERIFY2(scaled ? firstColumnEnd < edge - 5 && lowest > height - 36 - 3 : qAbs(firstColumnEnd - edge) < 0.5,
                 qPrintable(QStringLiteral("%1 %2").arg(firstColumnEnd).arg(lowest)));
    }

private:
    void stopDaemon()
    {
        if (m_daemon.state() == QProcess::NotRunning)
            return;
        ::kill(pid_t(m_daemon.processId()), SIGCONT);
        m_daemon.terminate();
        QVERIFY(m_daemon.waitForFinished(5000));
    }

    QTemporaryDir m_base;
    QString m_cupsd;
    QProcess m_daemon;
    WorksheetDriver d;
};

QTEST_MAIN(TestPrintService)
#include "tst_printservice.moc"
