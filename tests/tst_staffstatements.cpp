// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Statements for a whole staff: each file worked out as the windows work it out by hand, the
// command line's run over a staff folder with bad files in it, and the menu's run beside the
// user's own windows.

#include "recordingplatform.h"
#include "app/commandline.h"
#include "app/frmmain.h"
#include "salary/form1.h"
#include "staff/statementdestination.h"
#include "staff/statementscommand.h"
#include "staff/statementsrun.h"
#include "staff/unattendedrun.h"
#include "widgets/amountfield.h"
#include "widgets/namefield.h"
#include "widgets/resultfield.h"
#include "worksheets/form2.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"
#include "worksheets/frmrel89.h"

#include <QAction>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cstdio>

using namespace pelmora;
using namespace Qt::StringLiterals;

namespace {

// An employee's figures as the office types them; an empty text leaves its worksheet unopened.
struct Employee {
    QString name;
    QString grossSalary; // typed in the main window when there is no salary statement
    QString basicPay;    // every month of the salary statement
    QString rentPaid;    // the HRA worksheet
    QString rentalValue; // the house property worksheet, the house let out
    QString lic;         // the section 80 worksheet
    QString arrears;     // the relief worksheet's arrears of 2011-12
    bool calculated;     // every window calculated and handed back before the file was saved
};

// Types the employee's figures into windows of their own and saves them as the program saves.
bool save(const Employee &e, const QString &path)
{
    RecordingPlatform platform;
    frmmain m(platform);
    m.txtname->setText(e.name);
    m.txtgs->setText(e.grossSalary);
    m.txtdedtax->setText(u"1000"_s);
    const auto work = [&](QPushButton *open, auto &slot, const QString &figure, auto fill, auto calculate, auto back) {
        if (figure.isEmpty())
            return;
        open->click();
        auto *worksheet = slot.window();
        fill(worksheet);
        if (e.calculated) {
            (worksheet->*calculate)->click();
            (worksheet->*back)->click();
        }
    };
    work(m.cmdcalgs, m.form1, e.basicPay, [&](Form1 *s) { for (AmountField *bp : s->txtbp) bp->setText(e.basicPay); },
         &Form1::cmdcal, &Form1::cmdbak);
    work(m.cmdcalhr, m.form2, e.rentPaid, [&](Form2 *h) { h->txtRP->setText(e.rentPaid); }, &Form2::cmdcal, &Form2::cmdback);
    work(m.cmdcalhp, m.form4, e.rentalValue, [&](Form4 *h) {
        h->optrent->setChecked(true);
        h->txtarv->setText(e.rentalValue);
    }, &Form4::cmdtot, &Form4::cmdbk);
    work(m.cmdcalded80, m.reb88, e.lic, [&](frmreb88 *d) { d->txtlic->setText(e.lic); }, &frmreb88::cmdtot, &frmreb88::cmdbk);
    if (e.calculated)
        m.cmdcalc->click();
    work(m.cmdcalrel89, m.rel89, e.arrears, [&](frmrel89 *r) {
        r->txtinc[1]->setText(u"300000"_s);
        r->txtarr[1]->setText(e.arrears);
    }, &frmrel89::cmdcalc, &frmrel89::cmdbk);
    if (e.calculated)
        m.cmdcalc->click();
    platform.fileChosen = path;
    m.figuresFile().saveAs(&m);
    return platform.messages.isEmpty() && QFileInfo::exists(path);
}

// What a user gets for the file: opened, each worksheet it holds calculated and handed back in
// the order of the work, the main window calculated, then every Print pressed.
struct ByHand {
    QStringList statements; // each "NAME\n" and the printer's calls
    QStringList figures;    // the main window's, Gross Salary to Balance Tax
    QStringList messages;
};

QString recorded(const QString &documentName, const QStringList &calls)
{
    return documentName + u'\n' + calls.join(u'\n');
}

ByHand workOutByHand(const QString &path)
{
    RecordingPlatform platform;
    frmmain m(platform);
    m.figuresFile().open(&m, path);
    const auto work = [&](QPushButton *open, auto &slot, auto calculate, auto back) {
        if (!slot.exists())
            return;
        open->click();
        (slot.window()->*calculate)->click();
        (slot.window()->*back)->click();
    };
    work(m.cmdcalgs, m.form1, &Form1::cmdcal, &Form1::cmdbak);
    work(m.cmdcalhr, m.form2, &Form2::cmdcal, &Form2::cmdback);
    work(m.cmdcalhp, m.form4, &Form4::cmdtot, &Form4::cmdbk);
    work(m.cmdcalded80, m.reb88, &frmreb88::cmdtot, &frmreb88::cmdbk);
    m.cmdcalc->click();
    if (m.rel89.exists()) {
        work(m.cmdcalrel89, m.rel89, &frmrel89::cmdcalc, &frmrel89::cmdbk);
        m.cmdcalc->click();
    }
    m.cmdprint->click();
    if (m.form1.exists())
        m.form1.window()->cmdprn->click();
    if (m.rel89.exists())
        m.rel89.window()->cmdprint->click();
    ByHand result;
    for (const RecordingPlatform::PrintJob &job : platform.printJobs)
        result.statements << recorded(m.txtname->text() + u" - "_s + job.documentName, job.printer.calls);
    for (const QLineEdit *field : std::initializer_list<const QLineEdit *>{m.txtgs, m.txttp, m.txthra, m.txtexall, m.txtnsal, m.txtos, m.txthp, m.txtgti,
                                   m.txtded80, m.txtnti, m.txtgtax, m.txtrel87A, m.txtrel89, m.txtntax, m.txtcess,
                                   m.txtttax, m.txtdedtax, m.txtbaltax})
        result.figures << field->text();
    result.messages = platform.messages;
    return result;
}

// Keeps each statement as a printer's calls, as the recording platform keeps what Print prints.
class RecordedStatements final : public StatementDestination
{
public:
    SavedStatement deliver(const QString &documentName, const Statement &statement) override
    {
        RecordingPrinter printer;
        printStatement(statement, printer);
        statements << recorded(documentName, printer.calls);
        return {};
    }
    SavedStatement keepTable(const QString &, const std::string &) override { return {}; }
    QStringList statements;
};

QStringList figuresOf(const RegisterEntry &entry)
{
    QStringList figures;
    for (const std::string &figure : entry.figures)
        figures << QString::fromStdString(figure);
    return figures;
}

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("unreadable");
}

const Employee asha{u"Asha Rao"_s, {}, u"25000"_s, u"9000"_s, {}, u"40000"_s, {}, true};

QString streamText(std::FILE *stream)
{
    std::fflush(stream);
    std::rewind(stream);
    QByteArray text;
    char buffer[4096];
    while (const std::size_t read = std::fread(buffer, 1, sizeof buffer, stream))
        text.append(buffer, qsizetype(read));
    std::fclose(stream);
    return QString::fromUtf8(text);
}

// Every named field's and box's text of the window and its worksheets.
QMap<QString, QString> snapshot(const QWidget &window)
{
    QMap<QString, QString> texts;
    const QList<QWidget *> windows = QList<QWidget *>{const_cast<QWidget *>(&window)} + QApplication::topLevelWidgets();
    for (const QWidget *shown : windows) {
        for (const QLineEdit *field : shown->findChildren<QLineEdit *>())
            texts.insert(shown->objectName() + u'.' + field->objectName(), field->text());
    }
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(Employee)

class TestStaffStatements : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void eachFileAsTheWindowsGiveIt_data()
    {
        QTest::addColumn<Employee>("employee");
        QTest::addColumn<bool>("changed");
        QTest::newRow("salary, HRA and section 80, calculated") << asha << false;
        QTest::newRow("salary and HRA, saved before Calculate")
            << Employee{u"Ravi Kumar"_s, {}, u"31000"_s, u"120000"_s, {}, {}, {}, false} << true;
        QTest::newRow("main window only") << Employee{u"Meena Iyer"_s, u"640000"_s, {}, {}, {}, {}, {}, false} << false;
        QTest::newRow("house property and section 80, before Calculate")
            << Employee{u"John D'Souza"_s, u"520000"_s, {}, {}, u"96000"_s, u"60000"_s, {}, false} << true;
        QTest::newRow("every worksheet, calculated")
            << Employee{u"Lata Devi"_s, {}, u"42000"_s, u"15000"_s, u"60000"_s, u"70000"_s, u"40000"_s, true} << false;
        QTest::newRow("relief, saved before Calculate")
            << Employee{u"Arun Sen"_s, {}, u"38000"_s, {}, {}, {}, u"30000"_s, false} << true;
    }
    void eachFileAsTheWindowsGiveIt()
    {
        QFETCH(Employee, employee);
        const QString path = m_folder.filePath(u"employee.pelmora"_s);
        QFile::remove(path);
        QVERIFY(save(employee, path));
        const ByHand byHand = workOutByHand(path);
        QCOMPARE(byHand.messages, QStringList());

        RecordedStatements statements;
        StatementsRun run(statements);
        const RegisterEntry &entry = run.workOut(path);
        QCOMPARE(QString::fromStdString(entry.refusal), QString());
        QCOMPARE(statements.statements, byHand.statements);
        QCOMPARE(figuresOf(entry), byHand.figures);
        QCOMPARE(QString::fromStdString(entry.employee), employee.name);
        QTEST(entry.changed, "changed");
    }

    // The command line's run over a folder: the bad files named with their reasons, the others done.
    void staffFolder()
    {
        QTemporaryDir staff;
        QStringList files;
        const auto add = [&](const QString &name, const Employee &employee) {
            files << staff.filePath(name);
            return save(employee, files.last());
        };
        QVERIFY(add(u"asha.pelmora"_s, asha));
        QVERIFY(add(u"asha-again.pelmora"_s, asha));
        QVERIFY(add(u"slash.pelmora"_s, Employee{u"Rao/Asha"_s, u"400000"_s, {}, {}, {}, {}, {}, true}));
        const QString quoted = u"Ann \"Annie\", D'Souza"_s;
        QVERIFY(add(u"quoted.pelmora"_s, Employee{quoted, u"400000"_s, {}, {}, {}, {}, {}, true}));
        QVERIFY(add(u"refused.pelmora"_s, Employee{u"Too Large"_s, u"1e999"_s, {}, {}, {}, {}, {}, false}));
        files << staff.filePath(u"damaged.pelmora"_s) << staff.filePath(u"other.pelmora"_s)
              << staff.filePath(u"folder.pelmora"_s) << staff.filePath(u"missing.pelmora"_s);
        QFile damaged(files[5]);
        QVERIFY(damaged.open(QIODevice::WriteOnly) && damaged.write(contents(files[0]).left(60)) > 0);
        damaged.close();
        QFile other(files[6]);
        QVERIFY(other.open(QIODevice::WriteOnly) && other.write("%PDF-1.4\n") > 0);
        other.close();
        QVERIFY(QDir().mkpath(files[7]));

        QTemporaryDir out;
        CommandLineRequest request;
        request.run = CommandLineRequest::Run::Statements;
        request.statementsFolder = out.filePath(u"statements"_s);
        request.files = files;
        std::FILE *output = std::tmpfile();
        std::FILE *errors = std::tmpfile();
        QCOMPARE(runUnattended(request, output, errors), 1);

        const QStringList written = streamText(output).split(u'\n', Qt::SkipEmptyParts);
        QStringList names;
        for (const QString &path : written) {
            QVERIFY2(contents(path).size() > 1000, qPrintable(path));
            names << QFileInfo(path).fileName();
        }
        QCOMPARE(names, QStringList({u"Asha Rao - Tax computation 2013-14.pdf"_s, u"Asha Rao - Salary statement 2013-14.pdf"_s,
                                     u"Asha Rao - Tax computation 2013-14 (2).pdf"_s,
                                     u"Asha Rao - Salary statement 2013-14 (2).pdf"_s, u"slash - Tax computation 2013-14.pdf"_s,
                                     u"quoted - Tax computation 2013-14.pdf"_s, u"Staff register 2013-14.pdf"_s,
                                     u"Staff register 2013-14.csv"_s}));
        QCOMPARE(QDir(request.statementsFolder).entryList(QDir::Files | QDir::Hidden).size(), names.size());

        const QStringList progress = streamText(errors).split(u'\n', Qt::SkipEmptyParts);
        QCOMPARE(progress.mid(0, 9), QStringList({u"1/9 Asha Rao"_s, u"2/9 Asha Rao"_s, u"3/9 Rao/Asha"_s, u"4/9 "_s + quoted,
                                                  u"5/9 Too Large"_s, u"6/9 damaged.pelmora"_s, u"7/9 other.pelmora"_s,
                                                  u"8/9 folder.pelmora"_s, u"9/9 missing.pelmora"_s}));
        QCOMPARE(progress.size(), 9 + 5);

        // The table as a spreadsheet reads it.
        QProcess python;
        python.start(u"python3"_s, {u"-c"_s, u"import csv, json, sys; "
                                             "print(json.dumps(list(csv.reader(open(sys.argv[1], newline='', encoding='utf-8')))))"_s,
                                    written.last()});
        QVERIFY(python.waitForFinished());
        const QJsonArray rows = QJsonDocument::fromJson(python.readAllStandardOutput()).array();
        QCOMPARE(rows.size(), 1 + files.size());
        QStringList fileNames, employees, notes;
        for (const QJsonValue &row : rows) {
            QCOMPARE(row.toArray().size(), 21);
            fileNames << row[0].toString();
            employees << row[1].toString();
            notes << row[20].toString();
        }
        QCOMPARE(fileNames.mid(1, 5), QStringList({u"asha.pelmora"_s, u"asha-again.pelmora"_s, u"slash.pelmora"_s,
                                                   u"quoted.pelmora"_s, u"refused.pelmora"_s}));
        QCOMPARE(employees[4], quoted);
        QCOMPARE(rows[1].toArray().at(19).toString(), workOutByHand(files[0]).figures.last());
        QCOMPARE(notes.mid(1, 4), QStringList({u""_s, u""_s, u""_s, u""_s}));
        QCOMPARE(notes[5], u"not worked out: "_s + workOutByHand(files[4]).messages.value(0));
        for (int row = 6; row <= 9; ++row)
            QVERIFY2(notes[row].startsWith(u"not worked out: Pelmora cannot open \""_s + fileNames[row] + u"\". "_s),
                     qPrintable(notes[row]));
        QVERIFY(progress.contains(u"Not worked out: missing.pelmora: "_s + notes[9].mid(16)));
    }

    void exitStatus_data()
    {
        QTest::addColumn<bool>("withABadFile");
        QTest::addColumn<int>("status");
        QTest::newRow("every file worked out") << false << 0;
        QTest::newRow("a file not worked out") << true << 1;
    }
    void exitStatus()
    {
        QFETCH(bool, withABadFile);
        QTemporaryDir staff;
        CommandLineRequest request;
        request.run = CommandLineRequest::Run::Statements;
        request.statementsFolder = staff.filePath(u"out"_s);
        request.files = {staff.filePath(u"a.pelmora"_s)};
        QVERIFY(save(asha, request.files[0]));
        if (withABadFile)
            request.files << staff.filePath(u"none.pelmora"_s);
        std::FILE *discard = std::tmpfile();
        QTEST(runUnattended(request, discard, discard), "status");
        std::fclose(discard);
    }

    // The menu's run works in windows of its own: the user's figures, file and title stay.
    void menuRunLeavesTheUserAlone()
    {
        QTemporaryDir staff;
        const QStringList files{staff.filePath(u"a.pelmora"_s), staff.filePath(u"b.pelmora"_s)};
        QVERIFY(save(asha, files[0]));
        QVERIFY(save(Employee{u"Ravi Kumar"_s, {}, u"31000"_s, u"12000"_s, {}, {}, {}, false}, files[1]));

        RecordingPlatform platform;
        frmmain user(platform);
        addStatementsCommand(user);
        user.show();
        user.txtname->setText(u"The user"_s);
        user.txtgs->setText(u"777777"_s);
        platform.fileChosen = staff.filePath(u"mine.pelmora"_s);
        user.figuresFile().saveAs(&user);
        user.txtos->setText(u"5"_s); // typed since saved
        user.cmdcalgs->click();
        const QString title = user.windowTitle();
        const QMap<QString, QString> before = snapshot(user);

        platform.filesChosen = files;
        platform.folderChosen = staff.filePath(u"out"_s);
        auto *command = user.findChild<QAction *>(u"statementsForSeveralFiles"_s);
        QVERIFY(command);
        QVERIFY(user.actions().indexOf(command) < user.actions().size() - 2); // before About
        command->trigger();
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY2(platform.messages[0].startsWith(u"2 of 2 files worked out."_s), qPrintable(platform.messages[0]));
        QVERIFY(platform.messages[0].contains(QDir::toNativeSeparators(platform.folderChosen)));
        QCOMPARE(QDir(platform.folderChosen).entryList(QDir::Files).size(), 2 + 2 + 2);
        QCOMPARE(snapshot(user), before);
        QCOMPARE(user.windowTitle(), title);
        QCOMPARE(user.figuresFile().path(), staff.filePath(u"mine.pelmora"_s));
        QVERIFY(user.form1.window()->isVisible());
    }

    // Cancel takes effect between files: those done are whole, the rest not begun.
    void cancelStopsBetweenFiles()
    {
        QTemporaryDir staff;
        QStringList files;
        for (const QString &name : {u"a"_s, u"b"_s, u"c"_s}) {
            files << staff.filePath(name + u".pelmora"_s);
            QVERIFY(save(asha, files.last()));
        }
        RecordingPlatform platform;
        frmmain user(platform);
        platform.filesChosen = files;
        platform.folderChosen = staff.filePath(u"out"_s);
        QTimer::singleShot(0, &user, [&] {
            auto *progress = user.findChild<QProgressDialog *>();
            QVERIFY(progress && progress->isVisible());
            // Pressed while the first file is reported done.
            connect(progress->findChild<QProgressBar *>(), &QProgressBar::valueChanged, progress, [progress](int done) {
                if (done == 1)
                    progress->cancel();
            });
        });
        writeStatementsForSeveralFiles(user);
        QCOMPARE(platform.messages.size(), 1);
        QVERIFY2(platform.messages[0].startsWith(u"Cancelled after 1 of 3 files.\n1 of 1 files worked out."_s),
                 qPrintable(platform.messages[0]));
        QCOMPARE(QDir(platform.folderChosen).entryList(QDir::Files | QDir::Hidden),
                 QStringList({u"Asha Rao - Salary statement 2013-14.pdf"_s, u"Asha Rao - Tax computation 2013-14.pdf"_s,
                              u"Staff register 2013-14.csv"_s, u"Staff register 2013-14.pdf"_s}));
    }

private:
    QTemporaryDir m_folder;
};

QTEST_MAIN(TestStaffStatements)
#include "tst_staffstatements.moc"
