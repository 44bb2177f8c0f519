// A window's Print through the platform: the statement goes to the platform's printer as one
// job, and the user hears about a saved file or a refused job in a message box.

#include "app/fonts.h"
#include "print/printers.h"
#include "print/statementprinting.h"
#include "print/taxstatement.h"
#include "recordingplatform.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>

using namespace pelmora;

namespace {

// The desktop without a printer: statements become PDF files in the folder.
class PdfOnlyPlatform : public RecordingPlatform
{
public:
    explicit PdfOnlyPlatform(QString folder) : m_folder(std::move(folder)) {}
    std::unique_ptr<Printer> openPrinter(const QString &documentName) override
    {
        return openPdfFilePrinter(m_folder, documentName);
    }

private:
    QString m_folder;
};

} // namespace

class TestStatementPrinting : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { fonts::installSubstitutes(); }

    void tellsTheUserOnlyWhatConcernsThem_data()
    {
        QTest::addColumn<bool>("refused");
        QTest::addColumn<QStringList>("messages");
        QTest::newRow("a job the printer accepts needs no message") << false << QStringList{};
        QTest::newRow("a refused job is reported")
            << true << QStringList{QStringLiteral("The printer refused the statement.")};
    }
    void tellsTheUserOnlyWhatConcernsThem()
    {
        QFETCH(bool, refused);
        QFETCH(QStringList, messages);
        RecordingPlatform platform;
        platform.refusePrintJobs = refused;
        QWidget window;
        printAndReport(platform, &window, QStringLiteral("Tax computation 2013-14"), taxStatement({}));
        QCOMPARE(platform.messages, messages);
        QCOMPARE(platform.printJobs.size(), std::size_t(1));
        QCOMPARE(platform.printJobs[0].documentName, QStringLiteral("Tax computation 2013-14"));
        QCOMPARE(platform.printJobs[0].printer->count(RecordingPrinter::Operation::EndDoc), std::size_t(1));
    }

    void givesTheFullPathOfASavedFile()
    {
        QTemporaryDir folder;
        PdfOnlyPlatform platform(folder.path());
        QWidget window;
        printAndReport(platform, &window, QStringLiteral("Tax computation 2013-14"), taxStatement({}));
        printAndReport(platform, &window, QStringLiteral("Tax computation 2013-14"), taxStatement({}));
        QCOMPARE(platform.messages.size(), 2);
        const QDir dir(folder.path());
        QVERIFY(platform.messages[0].endsWith(
            QDir::toNativeSeparators(dir.absoluteFilePath(QStringLiteral("Tax computation 2013-14.pdf")))));
        QVERIFY(platform.messages[1].endsWith(
            QDir::toNativeSeparators(dir.absoluteFilePath(QStringLiteral("Tax computation 2013-14 (2).pdf")))));
    }
};

QTEST_MAIN(TestStatementPrinting)
#include "tst_statementprinting.moc"
