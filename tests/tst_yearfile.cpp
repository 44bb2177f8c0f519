// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// Files of figures: saved and opened again as typed, bad files refused, a failed save harmless.

#include "worksheetdriver.h"
#include "app/processsignals.h"
#include "app/windowfigures.h"
#include "widgets/choicebox.h"
#include "salary/form1.h"
#include "widgets/datefield.h"
#include "widgets/formwindow.h"
#include "worksheets/form2.h"
#include "worksheets/form4.h"
#include "worksheets/frmreb88.h"
#include "worksheets/frmrel89.h"
#include "yearfile/yearfile.h"
#include "yearfile/yearfilelayout.h"
#include "yearfile/yearfilestorage.h"

#include <QCheckBox>
#include <QJsonArray>
#include <QMenu>
#include <QTimer>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRadioButton>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <QRandomGenerator>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>

using namespace pelmora;
using namespace Qt::StringLiterals;

class TestYearFile : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        QStandardPaths::setTestModeEnabled(true); // Save As makes the documents folder
        keepRunningOnFileSizeLimit();
    }
    void init()
    {
        QVERIFY(d.start());
        d.platform.fileChosen = m_folder.filePath(u"year.pelmora"_s);
    }
    void cleanup() { d.stop(); }

    void roundTrip()
    {
        for (QPushButton *calc : {d.main->cmdcalgs, d.main->cmdcalhr, d.main->cmdcalded80})
            calc->click();
        Form4 *house = d.open(d.main->cmdcalhp, d.main->form4);
        for (QRadioButton *option : {house->optso, house->optb499, house->optrent})
            option->setChecked(true); // the loan's date keeps its choice for a let house
        Form1 *salary = d.main->form1.window();
        salary->chkinc->setChecked(false);
        salary->cboclass1->setEditText(u""_s);
        salary->cboclass3->setEditText(u"Oth"_s); // typed, none of the entries
        salary->cbonps->setEditText(u"Y"_s);
        const QStringList figures{u"%1,025"_s, u"%1e3"_s, u"-%1.5"_s, u"%1"_s};
        for (QWidget *window : formWindows()) {
            const QList<QLineEdit *> fields = window->findChildren<QLineEdit *>(QRegularExpression(u"^txt"_s));
            for (int i = 1; i <= fields.size(); ++i)
                fields[i - 1]->setText(figures[i % 4].arg(i));
        }
        d.main->txtname->setText(u"Ravi Kumār ₹ नाम"_s);
        d.main->txtdob->setText(u"15/08/1953"_s);
        salary->txtnam->setText(u"A name of thirty-five characters ok"_s); // beyond what can be typed
        calculateEverywhere();
        for (QWidget *shown : QWidgetList{salary, d.main->form2.window(), d.main->reb88.window()})
            shown->hide();
        const QMap<QString, QString> before = windowsNow();

        QTest::keyClick(house, Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(d.main->windowTitle().endsWith(u" - year.pelmora"_s));
        const QString path = d.platform.fileChosen;
        QVERIFY(d.start());
        d.platform.fileChosen = path;
        d.open(d.main->cmdcalhp, d.main->form4)->optso->setChecked(true);
        d.platform.answer = Platform::UnsavedChanges::Discard; // the choice made here
        QApplication::setActiveWindow(d.main.get());
        QTest::keyClick(d.main.get(), Qt::Key_O, Qt::ControlModifier);
        QCOMPARE(d.platform.messages, QStringList());
        QCOMPARE(windowsNow(), before);
        for (QWidget *window : formWindows())
            for (QPushButton *commit : window->findChildren<QPushButton *>(QRegularExpression(u"^cmd(pr|ba?c?k)"_s)))
                QVERIFY2(!commit->isEnabled(), qPrintable(commit->objectName()));
        QVERIFY(d.main->txtnti->toolTip().startsWith(u"From the opened file"_s));
        calculateEverywhere();
        QCOMPARE(windowsNow(), before);
    }

    // A Mediclaim above its limit, as an older file may hold it, comes back as saved and without a
    // word; the next Calculate holds it to the limit.
    void mediclaimAboveItsLimitRestoredAsSaved()
    {
        frmreb88 *section80 = d.open(d.main->cmdcalded80, d.main->reb88);
        section80->txt80d->setText(u"40000"_s);
        d.main->figuresFile().save(d.main.get());
        QVERIFY(d.start());
        d.platform.fileChosen = m_folder.filePath(u"year.pelmora"_s);
        d.main->figuresFile().open(d.main.get());
        section80 = d.main->reb88.window();
        QCOMPARE(section80->txt80d->text(), u"40000"_s);
        QCOMPARE(d.platform.messages, QStringList());
        section80->cmdtot->click();
        QCOMPARE(d.platform.messages.size(), 1);
        QCOMPARE(section80->txt80d->text(), u"30000"_s);
        QCOMPARE(section80->txtgt80->text(), u"30000"_s);
    }

    // A file exactly as the documented format has it and an earlier Pelmora wrote it, kept as it
    // was: each of its controls, found by the name the file gives it, shows its text or choice.
    void opensAFileAsAnEarlierPelmoraWroteIt()
    {
        const QString path = QFINDTESTDATA("data/earlier-pelmora.pelmora");
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QJsonObject windows = QJsonDocument::fromJson(file.readAll()).object()[u"windows"_s].toObject();
        QCOMPARE(windows.size(), 5);
        d.main->figuresFile().open(d.main.get(), path);
        QCOMPARE(d.platform.messages, QStringList());
        QCOMPARE(d.main->txtdob->text(), QString());
        for (auto window = windows.begin(); window != windows.end(); ++window) {
            const QWidget *shown = nullptr;
            for (const QWidget *topLevel : QApplication::topLevelWidgets())
                if (topLevel->objectName() == window.key())
                    shown = topLevel;
            QVERIFY2(shown, qPrintable(window.key()));
            const QJsonObject controls = window->toObject();
            for (auto control = controls.begin(); control != controls.end(); ++control) {
                const QString where = window.key() + u'.' + control.key();
                const QWidget *named = shown->findChild<const QWidget *>(control.key());
                QVERIFY2(named, qPrintable(where));
                QString holds;
                if (const auto *field = qobject_cast<const QLineEdit *>(named))
                    holds = field->text();
                else if (const auto *box = qobject_cast<const QComboBox *>(named))
                    holds = box->currentText();
                else if (const auto *check = qobject_cast<const QCheckBox *>(named))
                    holds = check->isChecked() ? u"true"_s : u"false"_s;
                else if (const auto *option = shown->findChild<const QRadioButton *>(control->toString()))
                    holds = option->isChecked() ? control->toString() : QString();
                const QString saved = control->isBool() ? (control->toBool() ? u"true"_s : u"false"_s) : control->toString();
                QVERIFY2(holds == saved, qPrintable(where + u" holds "_s + holds + u", not "_s + saved));
            }
        }
    }

    // The relief worksheet and the arrears carried to it come back as saved.
    void reliefWorksheetRoundTrip()
    {
        d.main->txtarr->setText(u"5466"_s);
        frmrel89 *relief = d.open(d.main->cmdcalrel89, d.main->rel89);
        relief->txtinc[4]->setText(u"410000"_s);
        relief->txtarr[4]->setText(u"60,000"_s);
        relief->txtpan->setText(u"ABCDE1234F"_s);
        relief->chkwoman->setChecked(true);
        const QMap<QString, QString> before = d.snapshot(relief);
        d.main->figuresFile().save(d.main.get());
        QVERIFY(d.start());
        d.main->figuresFile().open(d.main.get(), m_folder.filePath(u"year.pelmora"_s));
        QCOMPARE(d.platform.messages, QStringList());
        QVERIFY(d.main->rel89.exists());
        QCOMPARE(d.snapshot(d.main->rel89.window()), before);
        QVERIFY(d.main->rel89.window()->chkwoman->isChecked());
        QCOMPARE(d.main->txtarr->text(), u"5466"_s);
        QVERIFY(!d.main->rel89.window()->cmdbk->isEnabled());
    }

    // A file of an earlier Pelmora holds no date of birth: it opens, the date empty.
    void fileWithoutADateOfBirthOpens()
    {
        d.main->txtdob->setText(u"15/08/1953"_s);
        QJsonObject file = QJsonDocument::fromJson(yearfile::writeYearFigures(collectFigures(*d.main))).object();
        QJsonObject windows = file[u"windows"_s].toObject(), main = windows[u"frmmain"_s].toObject();
        main.remove(u"txtdob"_s);
        windows[u"frmmain"_s] = main;
        file[u"windows"_s] = windows;
        QFile older(m_folder.filePath(u"older.pelmora"_s));
        QVERIFY(older.open(QIODevice::WriteOnly) && older.write(QJsonDocument(file).toJson()) > 0);
        older.close();
        d.main->figuresFile().open(d.main.get(), older.fileName());
        QCOMPARE(d.platform.messages, QStringList());
        QCOMPARE(d.main->txtdob->text(), QString());
        QCOMPARE(d.main->figuresFile().path(), older.fileName());
    }

    // And Print is disabled though no field of the main window changes.
    void openingClosesTheWorksheetsTheFileLacks()
    {
        d.main->figuresFile().save(d.main.get());
        d.main->cmdcalc->click();
        d.open(d.main->cmdcalhp, d.main->form4)->txtintt->setText(u"5678"_s);
        d.platform.answer = Platform::UnsavedChanges::Discard;
        d.main->figuresFile().open(d.main.get());
        QCOMPARE(d.platform.questions, QStringList{u"year.pelmora"_s});
        QVERIFY(!d.main->form4.exists());
        QVERIFY(!d.main->cmdprint->isEnabled());
    }

    void badFileChangesNothing_data()
    {
        QTest::addColumn<QString>("control"); // "key/key/...=JSON value" changed in a good file
        QTest::addColumn<QByteArray>("bytes"); // or the file itself; "/" for a folder
        QTest::addColumn<QString>("reason");
        QTest::newRow("another format") << "format=\"Other\"" << ""_ba << "It is not a Pelmora file.";
        QTest::newRow("newer version") << "version=2" << ""_ba
                                       << "It was saved by a newer Pelmora, in version 2 of the format; this "
                                          "Pelmora reads version 1.";
        QTest::newRow("another year") << "financialYear=\"2014-15\"" << ""_ba
                                      << "It holds the figures of the financial year \"2014-15\", not of 2013-14.";
        QTest::newRow("malformed") << "" << "{\"format\": \"Pelmora\""_ba
                                   << "Its text is damaged: unterminated string at character 20.";
        QTest::newRow("number for a text") << "windows/frmmain/txtgs=25000" << ""_ba
                                           << "In the window \"Pelmora - Income Tax Calculator\", \"Gross Salary\" should be a text.";
        QTest::newRow("no such option") << "windows/Form4/frmask=\"optboth\"" << ""_ba
                                        << "In the window \"Pelmora - Income from House Property\", \"Please Specify\" should be one of "
                                           "\"Self Occupied\", \"Rented Out\".";
        QTest::newRow("1,001 characters") << u"windows/Form4/txtoth=\"%1\""_s.arg(QString(1001, u'1')) << ""_ba
                                          << "In the window \"Pelmora - Income from House Property\", \"Others\" is longer than 1,000 "
                                             "characters.";
        QTest::newRow("over 1 MB") << "" << QByteArray(1024 * 1024, ' ')
                                   << "It is larger than 1 MB, far larger than a Pelmora file.";
        QTest::newRow("a folder") << "" << "/"_ba << "It is not a file of figures.";
        QTest::newRow("a named pipe, which would block the reading") << "" << "|"_ba << "It is not a file of figures.";
        QTest::newRow("unreadable") << "" << "-"_ba << "The system says: Permission denied.";
    }
    void badFileChangesNothing()
    {
        QFETCH(QString, control);
        QFETCH(QByteArray, bytes);
        d.open(d.main->cmdcalhp, d.main->form4)->optso->setChecked(true);
        QJsonObject file = QJsonDocument::fromJson(yearfile::writeYearFigures(collectFigures(*d.main))).object();
        d.main->txtgs->setText(u"1234"_s);
        d.main->form4.window()->txtintt->setText(u"5678"_s);
        const QMap<QString, QString> before = windowsNow();
        const QString tag = QString::fromUtf8(QTest::currentDataTag());
        const QString path = m_folder.filePath(tag);
        if (bytes == "/") {
            QVERIFY(QDir().mkpath(path));
        } else if (bytes == "|") {
            QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
        } else if (bytes == "-") {
            if (::geteuid() == 0)
                QSKIP("the administrator reads any file");
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            QVERIFY(out.setPermissions({}));
        } else {
            QFile out(path);
            QVERIFY(out.open(QIODevice::WriteOnly));
            if (!control.isEmpty()) {
                const QJsonArray value = QJsonDocument::fromJson("[" + control.section(u'=', 1).toUtf8() + "]").array();
                file = changed(file, control.section(u'=', 0, 0).split(u'/'), value.first());
            }
            out.write(bytes.isEmpty() || bytes.startsWith(' ') ? QJsonDocument(file).toJson() + bytes : bytes);
        }
        d.main->figuresFile().open(d.main.get(), path);
        QFETCH(QString, reason);
        QCOMPARE(d.platform.messages, QStringList{u"Pelmora cannot open \"%1\". %2"_s.arg(tag, reason)});
        QCOMPARE(windowsNow(), before);
        QCOMPARE(d.main->figuresFile().path(), QString());
    }

    // Each save that cannot be done keeps the previous file as it was and says why.
    void failedSaveKeepsThePreviousFile_data()
    {
        QTest::addColumn<QString>("fault");
        QTest::addColumn<QString>("reason"); // how the message goes on after the file's name
        QTest::newRow("a folder in place of the file") << "folder" << "The system says: ";
        QTest::newRow("a disk full (a limit on file sizes), the program kept running") << "limit" << "The system says: ";
        QTest::newRow("a read-only file, by anyone, the administrator too") << "read-only" << "year.pelmora is read-only.";
        QTest::newRow("texts of 1,000 control characters, which would make a file Open refuses")
            << "control" << "Its figures would make a file larger than 1 MB";
    }
    void failedSaveKeepsThePreviousFile()
    {
        QFETCH(QString, fault);
        QTemporaryDir folder;
        d.platform.fileChosen = folder.filePath(u"year.pelmora"_s);
        if (fault == u"folder")
            QVERIFY(QDir().mkpath(d.platform.fileChosen));
        d.main->figuresFile().saveAs(d.main.get());
        const QByteArray previous = contents(d.platform.fileChosen);
        d.platform.messages.clear();
        d.main->txtgs->setText(u"99999"_s);
        if (fault == u"read-only")
            QVERIFY(QFile::setPermissions(d.platform.fileChosen, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther));
        if (fault == u"control") {
            for (QPushButton *calc : {d.main->cmdcalgs, d.main->cmdcalhr, d.main->cmdcalhp, d.main->cmdcalded80})
                calc->click();
            for (QWidget *window : formWindows())
                for (QLineEdit *field : window->findChildren<QLineEdit *>(QRegularExpression(u"^txt"_s)))
                    field->setText(QString(1000, QChar(1)));
            for (QComboBox *box : d.main->form1.window()->findChildren<QComboBox *>())
                box->setEditText(QString(1000, QChar(1)));
        }
        rlimit limit{};
        QVERIFY(getrlimit(RLIMIT_FSIZE, &limit) == 0);
        const rlimit before = limit;
        limit.rlim_cur = fault == u"limit" ? 100 : limit.rlim_cur;
        QVERIFY(setrlimit(RLIMIT_FSIZE, &limit) == 0);
        d.main->figuresFile().save(d.main.get());
        setrlimit(RLIMIT_FSIZE, &before);
        QFETCH(QString, reason);
        QCOMPARE(d.platform.messages.size(), 1);
        QVERIFY2(d.platform.messages.last().startsWith(u"Pelmora cannot save \"year.pelmora\". "_s + reason),
                 qPrintable(d.platform.messages.last()));
        QCOMPARE(contents(d.platform.fileChosen), previous);
        QCOMPARE(QDir(folder.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{u"year.pelmora"_s});
    }

    // Whatever Save writes, Open reads back to the same texts: every field of every window with
    // texts of control characters, byte-order marks, quotes, other scripts and any length.
    void whatSaveWritesOpensAlike()
    {
        QRandomGenerator random(2013);
        const QList<char16_t> awkward{u'\x01', u'\x1f', u'\t', u'\n', u'"', u'\\', u'/', u'\xfeff', u'\xfffe',
                                     u'\x2028', u'\x0915', u'\x20b9', u'0', u'9', u',', u'.', u'e', u' '};
        for (int round = 0; round < 40; ++round) {
            yearfile::YearFigures figures;
            for (const yearfile::WindowLayout &layout : windowLayouts()) {
                yearfile::WindowContents &contents = figures[layout.window];
                for (const QString &name : layout.texts) {
                    QString text;
                    const int length = random.bounded(round % 10 == 9 ? 1001 : 12);
                    for (int i = 0; i < length; ++i)
                        text += QChar(awkward[random.bounded(int(awkward.size()))]);
                    contents.texts.insert(name, text);
                }
                for (const QString &name : layout.checks)
                    contents.checks.insert(name, random.bounded(2));
                for (const yearfile::ChoiceLayout &choice : layout.choices)
                    contents.choices.insert(choice.frame, choice.options[random.bounded(int(choice.options.size()))]);
            }
            const QString path = m_folder.filePath(u"round.pelmora"_s);
            // Only what is too large to save is refused: every text of every character is kept.
            if (const auto refused = yearfile::saveYearFigures(path, figures, windowLayouts())) {
                QVERIFY2(refused->startsWith(u"Its figures would make a file larger than 1 MB"_s), qPrintable(*refused));
                continue;
            }
            const auto opened = yearfile::loadYearFigures(path, windowLayouts());
            const auto *read = std::get_if<yearfile::YearFigures>(&opened);
            QVERIFY2(read, qPrintable(read ? QString() : std::get<QString>(opened)));
            QCOMPARE(*read, figures);
        }
    }

    void exitQuestion_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<Platform::UnsavedChanges>("answer");
        QTest::addColumn<bool>("closeBox");
        QTest::addColumn<int>("quits");
        QTest::addColumn<QString>("saved"); // txtgs in the file afterwards
        using Answer = Platform::UnsavedChanges;
        QTest::newRow("unchanged") << "" << Answer::Cancel << false << 1 << "600000";
        QTest::newRow("Save") << "1" << Answer::Save << false << 1 << "6000001";
        QTest::newRow("Discard") << "1" << Answer::Discard << true << 1 << "600000";
        QTest::newRow("Cancel") << "1" << Answer::Cancel << true << 0 << "600000";
    }
    void exitQuestion()
    {
        QFETCH(QString, change);
        QFETCH(Platform::UnsavedChanges, answer);
        QFETCH(bool, closeBox);
        d.main->txtgs->setText(u"600000"_s);
        d.main->figuresFile().save(d.main.get());
        d.type(d.main->txtgs, u"600000"_s + change);
        d.platform.answer = answer;
        if (closeBox)
            QCOMPARE(d.main->close(), answer != Platform::UnsavedChanges::Cancel);
        else
            d.main->cmdexit->click();
        QCOMPARE(d.platform.questions.size(), change.isEmpty() ? 0 : 1); // asked only about a change
        QTEST(d.platform.quitRequests, "quits");
        const QJsonObject file = QJsonDocument::fromJson(contents(d.platform.fileChosen)).object();
        QTEST(file[u"windows"_s][u"frmmain"_s][u"txtgs"_s].toString(), "saved");
    }

    // With no file in use, Open asks before it replaces figures typed since the start.
    void openQuestion_data()
    {
        QTest::addColumn<QString>("typed"); // "window.field:text", or a worksheet opened only
        QTest::addColumn<Platform::UnsavedChanges>("answer");
        QTest::addColumn<bool>("asked");
        QTest::addColumn<bool>("opened");
        using Answer = Platform::UnsavedChanges;
        QTest::newRow("nothing typed: no question") << "" << Answer::Cancel << false << true;
        QTest::newRow("a worksheet opened, nothing typed: no question") << "cmdcalhp" << Answer::Cancel << false << true;
        QTest::newRow("typed in the main window, Open") << "frmmain.txtgs:600000" << Answer::Discard << true << true;
        QTest::newRow("typed in the main window, Cancel keeps all") << "frmmain.txtgs:600000" << Answer::Cancel << true << false;
        QTest::newRow("typed in a worksheet only, Cancel") << "Form4.txtintt:5000" << Answer::Cancel << true << false;
    }
    void openQuestion()
    {
        QFETCH(QString, typed);
        QFETCH(Platform::UnsavedChanges, answer);
        d.main->txtos->setText(u"777"_s);
        d.main->figuresFile().saveAs(d.main.get());
        QVERIFY(d.start());
        d.platform.fileChosen = m_folder.filePath(u"year.pelmora"_s);
        d.platform.answer = answer;
        if (typed == u"cmdcalhp" || typed.startsWith(u"Form4"))
            d.open(d.main->cmdcalhp, d.main->form4);
        if (typed.contains(u':')) {
            QWidget *window = typed.startsWith(u"Form4") ? static_cast<QWidget *>(d.main->form4.window()) : d.main.get();
            auto *field = window->findChild<QLineEdit *>(typed.section(u'.', 1).section(u':', 0, 0));
            QVERIFY(field);
            d.type(field, typed.section(u':', 1));
        }
        const QMap<QString, QString> before = windowsNow();
        d.main->figuresFile().open(d.main.get());
        QTEST(d.platform.questions == QStringList{u"Discard the figures typed?"_s}, "asked");
        QFETCH(bool, opened);
        QCOMPARE(d.main->txtos->text(), opened ? u"777"_s : u"0"_s);
        if (!opened)
            QCOMPARE(windowsNow(), before);
    }

    // What the background offers, with its access keys and keys: a right click, Shift+F10 on a
    // control without a menu of its own, or F1 for About.
    void backgroundMenu_data()
    {
        QTest::addColumn<QString>("focused");
        QTest::addColumn<QString>("menu"); // its first entry
        QTest::newRow("on a button, the background menu") << "cmdexit" << "&Open…Ctrl+O";
        QTest::newRow("in a field, the field's own") << "txtname" << "&Undo\tCtrl+Z";
    }
    void backgroundMenu()
    {
        QStringList entries;
        for (const QAction *action : d.main->actions())
            entries.append(action->text() + action->shortcut().toString());
        QCOMPARE(entries, QStringList({u"&Open…Ctrl+O"_s, u"&SaveCtrl+S"_s, u"Save &As…Ctrl+Shift+S"_s, u""_s,
                                       u"&About PelmoraF1"_s}));
        QTest::keyClick(d.main.get(), Qt::Key_F1);
        QVERIFY(d.platform.aboutTexts.value(0).startsWith(u"Pelmora 1.0\n"_s));
        QVERIFY(d.platform.aboutTexts.value(0).contains(u"GPL-3.0-or-later"_s));

        QFETCH(QString, focused);
        auto *control = d.main->findChild<QWidget *>(focused);
        QVERIFY(control);
        control->setFocus(Qt::TabFocusReason);
        QStringList shown;
        QTimer::singleShot(0, this, [&] {
            if (!QTest::qWaitFor([] { return QApplication::activePopupWidget() != nullptr; }))
                return;
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            for (const QAction *action : menu ? menu->actions().mid(0, 1) : QList<QAction *>())
                shown.append(action->text() + action->shortcut().toString());
            QApplication::activePopupWidget()->close();
        });
        QTest::keyClick(control, Qt::Key_F10, Qt::ShiftModifier);
        (void)QTest::qWaitFor([&] { return !shown.isEmpty(); }, 2000); // a field's menu does not wait to be closed
        QTEST(shown.join(u' '), "menu");
    }

    // Every shorter file, and every file with a byte spoilt: refused, or read back alike; no crash.
    void damagedFiles()
    {
        d.open(d.main->cmdcalhp, d.main->form4);
        d.main->txtname->setText(u"ऋ\"\\"_s);
        const QByteArray good = yearfile::writeYearFigures(collectFigures(*d.main));
        for (qsizetype size = 0; size < good.lastIndexOf('}'); ++size)
            QVERIFY2(std::holds_alternative<QString>(yearfile::readYearFigures(good.left(size), windowLayouts())), good.left(size));
        for (qsizetype at = 0; at < good.size(); ++at) {
            for (char spoilt : {'"', '}', '\0', '\xff', '7', 't'}) {
                QByteArray bytes = good;
                bytes[at] = spoilt;
                const auto read = yearfile::readYearFigures(bytes, windowLayouts());
                if (const auto *figures = std::get_if<yearfile::YearFigures>(&read))
                    QCOMPARE(std::get<yearfile::YearFigures>(yearfile::readYearFigures(yearfile::writeYearFigures(*figures), windowLayouts())), *figures);
            }
        }
    }

private:
    static QJsonObject changed(QJsonObject object, QStringList path, const QJsonValue &value)
    {
        const QString key = path.takeFirst();
        object[key] = path.isEmpty() ? value : changed(object[key].toObject(), path, value);
        return object;
    }

    static QByteArray contents(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : "unreadable"_ba;
    }

    static QWidgetList formWindows()
    {
        QWidgetList windows = QApplication::topLevelWidgets();
        windows.removeIf([](const QWidget *window) { return !qobject_cast<const FormWindow *>(window); });
        return windows;
    }

    // Every named text, choice and option of every window there is, and whether it is shown.
    QMap<QString, QString> windowsNow() const
    {
        QMap<QString, QString> now;
        for (const QWidget *window : formWindows()) {
            QMap<QString, QString> controls = d.snapshot(window);
            for (const QAbstractButton *option : window->findChildren<QAbstractButton *>())
                controls.insert(option->objectName(), option->isCheckable() ? QString::number(option->isChecked()) : u""_s);
            controls.insert(u"shown"_s, QString::number(window->isVisible()));
            for (auto control = controls.cbegin(); control != controls.cend(); ++control)
                now.insert(window->objectName() + u'.' + control.key(), control.value());
        }
        return now;
    }

    void calculateEverywhere()
    {
        for (QWidget *window : formWindows())
            static_cast<FormWindow *>(window)->defaultButton()->click();
    }

    QTemporaryDir m_folder;
    WorksheetDriver d;
};

QTEST_MAIN(TestYearFile)
#include "tst_yearfile.moc"
