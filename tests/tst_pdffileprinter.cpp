// The PDF back end, used when no printer is installed: each statement becomes a one-page PDF
// of the right orientation, whose text can be extracted, in a folder that is created when
// missing, without overwriting an earlier statement and without leaving a half-written file.

#include "app/credits.h"
#include "app/fonts.h"
#include "print/pdffiletarget.h"
#include "print/printers.h"
#include "print/salarystatement.h"
#include "print/taxstatement.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace pelmora;

namespace {

struct PdfInfo {
    int pages = 0;
    QSizeF pointSize;
};

QString run(const QString &program, const QStringList &arguments)
{
    QProcess process;
    process.start(program, arguments);
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {};
    return QString::fromUtf8(process.readAllStandardOutput());
}

PdfInfo pdfInfo(const QString &path)
{
    const QString info = run(QStringLiteral("pdfinfo"), {path});
    PdfInfo result;
    result.pages = QRegularExpression(QStringLiteral("Pages:\\s+(\\d+)")).match(info).captured(1).toInt();
    const auto size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+) pts")).match(info);
    result.pointSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    return result;
}

QString extractedText(const QString &path)
{
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), path, QStringLiteral("-")});
}

// The right end, in points from the page's left edge, of each word on the page.
QMultiHash<QString, double> wordRightEnds(const QString &path)
{
    const QString html = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), path, QStringLiteral("-")});
    QMultiHash<QString, double> ends;
    static const QRegularExpression word(QStringLiteral("<word xMin=\"[\\d.]+\" yMin=\"[\\d.]+\" xMax=\"([\\d.]+)\" "
                                                        "yMax=\"[\\d.]+\">([^<]*)</word>"));
    for (const auto &match : word.globalMatch(html))
        ends.insert(match.captured(2), match.captured(1).toDouble());
    return ends;
}

TaxStatementTexts taxTexts()
{
    TaxStatementTexts t;
    t.frmmain = {.txtname = "Anand Kumar Verma", .txtgs = "654321", .txttp = "9600", .txthra = "31250.5",
                 .txtexall = "40850.5", .txtnsal = "613470.5", .txtos = "1200", .txtgti = "580000",
                 .txtnti = "430000", .txtgtax = "23000", .txtrel87A = "0", .txtrel89 = "0", .txtntax = "23000",
                 .txtcess = "690", .txtttax = "23690", .txtdedtax = "20000", .txtbaltax = "3690"};
    t.form4 = {.txtarv = "0", .txtptax = "0", .txtghi = "0", .txtrep = "0", .txtintt = "150000", .txtoth = "0",
               .txttd = "150000", .txtihp = "-150000"};
    t.frmreb88.txtgpf = "72000";
    t.frmreb88.txt80ccdgc = "300";
    t.frmreb88.txt80ccdec = "65";
    t.frmreb88.txtgt80 = "150000";
    return t;
}

SalaryStatementTexts salaryTexts()
{
    SalaryStatementTexts t;
    t.txtnam = "Anand Kumar Verma";
    const char *months[] = {"Jan 13", "Feb 13", "Mar 13", "Apr 13", "May 13", "Jun 13", "Jul 13",
                            "Aug 13", "Sep 13", "Oct 13", "Nov 13", "Dec 13", "Jan 14", "Feb 14"};
    for (int i = 0; i < 14; ++i) {
        t.Label1[i] = months[i];
        t.txtbp[i] = "15600";
        t.txtgp[i] = "5400";
        t.txtda[i] = "16800";
    }
    t.txtda[0] = "200";
    t.txtda[1] = "100";
    t.txtgtotal = "987654";
    return t;
}

} // namespace

class TestPdfFilePrinter : public QObject
{
    Q_OBJECT

private:
    // Prints one statement as PDF into the folder; returns the path the user was told.
    static QString printInto(const QString &folder, const QString &documentName, const Statement &statement)
    {
        const auto printer = openPdfFilePrinter(folder, documentName);
        const JobOutcome outcome = printStatement(statement, *printer);
        if (!outcome.accepted)
            return {};
        const QString notice = QString::fromStdString(outcome.notice);
        return notice.section(QLatin1Char('\n'), 1);
    }

private Q_SLOTS:
    void initTestCase()
    {
        fonts::installSubstitutes();
        for (const char *tool : {"pdfinfo", "pdftotext"})
            QVERIFY2(!QStandardPaths::findExecutable(QString::fromUtf8(tool)).isEmpty(), "poppler-utils is needed");
    }

    void makesOnePageOfTheRightOrientation_data()
    {
        QTest::addColumn<QString>("documentName");
        QTest::addColumn<Statement>("statement");
        QTest::addColumn<QSizeF>("pageSize"); // A4, in points
        QTest::addColumn<QStringList>("texts");
        QTest::newRow("tax computation statement, portrait")
            << QString::fromUtf8(taxStatementName) << taxStatement(taxTexts()) << QSizeF(595.28, 841.89)
            << QStringList{QStringLiteral("CALCULATION OF INCOME TAX FOR THE YEAR 2013-14"),
                           QStringLiteral("Anand Kumar Verma"), QStringLiteral("Gross Salary :-"),
                           QStringLiteral("654321"), QStringLiteral("31250.5"), QStringLiteral("-150000"),
                           QStringLiteral("NPS (EC + GC) (80CCD):-"), QStringLiteral("365"),
                           QStringLiteral("BALANCE TAX :-"), QStringLiteral("3690"),
                           QStringLiteral("For suggestions/ reporting of bugs contact ")
                               + QString::fromUtf8(credits::contactAddress)};
        QTest::newRow("salary statement, landscape")
            << QString::fromUtf8(salaryStatementName) << salaryStatement(salaryTexts()) << QSizeF(841.89, 595.28)
            << QStringList{QStringLiteral("DETAILS OF SALARY RECEIVED FOR THE YEAR 2013 - 2014"),
                           QStringLiteral("Anand Kumar Verma"), QStringLiteral("Tpt. All."),
                           QStringLiteral("Mar 13"), QStringLiteral("Feb 14"), QStringLiteral("15600"),
                           QStringLiteral("DA Arr."), QStringLiteral("GRAND TOTAL :-"), QStringLiteral("987654"),
                           QStringLiteral("Generated by Pelmora")};
    }
    void makesOnePageOfTheRightOrientation()
    {
        QFETCH(QString, documentName);
        QFETCH(Statement, statement);
        QFETCH(QSizeF, pageSize);
        QFETCH(QStringList, texts);
        QTemporaryDir folder;
        const QString path = printInto(folder.path(), documentName, statement);
        QCOMPARE(path, QDir(folder.path()).absoluteFilePath(documentName + QStringLiteral(".pdf")));
        const PdfInfo info = pdfInfo(path);
        QCOMPARE(info.pages, 1);
        const QSizeF off = info.pointSize - pageSize;
        QVERIFY2(qAbs(off.width()) < 1 && qAbs(off.height()) < 1,
                 qPrintable(QStringLiteral("%1 x %2").arg(info.pointSize.width()).arg(info.pointSize.height())));
        const QString extracted = extractedText(path);
        for (const QString &text : texts)
            QVERIFY2(extracted.contains(text), qPrintable(text));
        // Nothing else: no temporary file is left beside the statement.
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files | QDir::Hidden),
                 QStringList{documentName + QStringLiteral(".pdf")});
    }

    void rightAlignedFiguresEndAtTheirColumnEdge_data()
    {
        QTest::addColumn<QString>("figure");
        QTest::addColumn<double>("edge"); // inches from the printable area's left edge
        QTest::newRow("gross salary at 6.0") << QStringLiteral("654321") << 6.0;
        QTest::newRow("house rent allowance with a fraction at 5.0") << QStringLiteral("31250.5") << 5.0;
        QTest::newRow("negative house property income, bold, at 7.0") << QStringLiteral("-150000") << 7.0;
        QTest::newRow("balance tax, bold, at 7.0") << QStringLiteral("3690") << 7.0;
    }
    void rightAlignedFiguresEndAtTheirColumnEdge()
    {
        QFETCH(QString, figure);
        QFETCH(double, edge);
        QTemporaryDir folder;
        const QString path = printInto(folder.path(), QString::fromUtf8(taxStatementName), taxStatement(taxTexts()));
        const QList<double> ends = wordRightEnds(path).values(figure);
        QVERIFY2(!ends.isEmpty(), qPrintable(figure));
        const double margin = 0.25;
        // A glyph's ink may stop short of its advance by a little; never beyond it.
        for (double end : ends)
            QVERIFY2(end <= (margin + edge) * 72 + 0.05 && end > (margin + edge) * 72 - 1.0,
                     qPrintable(QStringLiteral("ends at %1 pt").arg(end)));
    }

    void aSecondPrintDoesNotOverwriteTheFirst()
    {
        QTemporaryDir folder;
        const QString name = QString::fromUtf8(taxStatementName);
        const QString first = printInto(folder.path(), name, taxStatement(taxTexts()));
        QFile firstFile(first);
        QVERIFY(firstFile.open(QIODevice::ReadOnly));
        const QByteArray firstBytes = firstFile.readAll();
        firstFile.close();

        TaxStatementTexts other = taxTexts();
        other.frmmain.txtname = "Second Person";
        const QString second = printInto(folder.path(), name, taxStatement(other));
        const QString third = printInto(folder.path(), name, taxStatement(taxTexts()));
        QCOMPARE(QFileInfo(second).fileName(), name + QStringLiteral(" (2).pdf"));
        QCOMPARE(QFileInfo(third).fileName(), name + QStringLiteral(" (3).pdf"));
        QVERIFY(firstFile.open(QIODevice::ReadOnly));
        QCOMPARE(firstFile.readAll(), firstBytes);
        QVERIFY(extractedText(second).contains(QStringLiteral("Second Person")));
        QCOMPARE(pdfInfo(third).pages, 1);
    }

    void aRefusedJobSaysSoAndLeavesNoFile()
    {
        QTemporaryDir base;
        QFile blocker(base.filePath(QStringLiteral("not a folder")));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        const QString folder = blocker.fileName() + QStringLiteral("/Documents");
        const auto printer = openPdfFilePrinter(folder, QString::fromUtf8(taxStatementName));
        const JobOutcome outcome = printStatement(taxStatement(taxTexts()), *printer);
        QVERIFY(!outcome.accepted);
        QVERIFY(QString::fromStdString(outcome.notice).contains(QDir::toNativeSeparators(folder)));
        QCOMPARE(QDir(base.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
                 QStringList{QStringLiteral("not a folder")});
    }

    void savesInTheDocumentsFolderCreatingIt()
    {
        QTemporaryDir home;
        const QByteArray oldHome = qgetenv("HOME");
        const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.filePath(QStringLiteral(".config"))));
        const QString documents = PdfFileTarget::documentsFolder();
        const QString path =
            printInto(documents, QString::fromUtf8(salaryStatementName), salaryStatement(salaryTexts()));
        qputenv("HOME", oldHome);
        qputenv("XDG_CONFIG_HOME", oldConfig);

        QCOMPARE(documents, home.filePath(QStringLiteral("Documents")));
        QCOMPARE(path, QDir(documents).absoluteFilePath(QStringLiteral("Salary statement 2013-14.pdf")));
        QCOMPARE(pdfInfo(path).pages, 1);
    }
};

QTEST_MAIN(TestPdfFilePrinter)
#include "tst_pdffileprinter.moc"
