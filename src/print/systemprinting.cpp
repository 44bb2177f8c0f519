// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "systemprinting.h"

#include "busywindow.h"
#include "painterprinter.h"
#include "pdfdocumenttarget.h"
#include "pdffiletarget.h"
#include "printers.h"
#include "printservice.h"

#include "widgets/documentsfolder.h"
#include "widgets/platform.h"

#include <QApplication>
#include <QEventLoop>
#include <QFutureWatcher>
#include <QTimer>
#include <QtConcurrent/QtConcurrentRun>

#include <functional>

namespace pelmora {

namespace {

// The statements on their way.
int pendingJobs = 0;

// One statement on its way: the printer looked up, the page drawn on its paper, the document
// submitted; or, at the first problem, saved instead. Lives until the user has been told.
class SystemPrintJob final : public QObject
{
public:
    SystemPrintJob(Platform &platform, QWidget *window, const QString &documentName, const Statement &statement,
                   std::chrono::milliseconds patience)
        : QObject(qApp)
        , m_platform(platform)
        , m_window(window)
        , m_documentName(documentName)
        , m_statement(statement)
        , m_limit{patience, m_abandoned}
        , m_busy(std::make_unique<BusyWindow>(window))
    {
        ++pendingJobs;
    }
    ~SystemPrintJob() override { --pendingJobs; }

    void start()
    {
        ask(
            [limit = m_limit] {
                const PrintService *service = printService();
                return service ? service->findDefaultPrinter(limit) : PrintServiceAnswer{printServiceMissing(), {}, {}, {}};
            },
            &SystemPrintJob::printOn);
    }

private:
    using Step = void (SystemPrintJob::*)(const PrintServiceAnswer &);

    // The question runs on a worker thread with copies of all it needs, so that one left
    // unanswered can finish whenever it likes.
    void ask(std::function<PrintServiceAnswer()> question, Step then)
    {
        auto *answer = new QFutureWatcher<PrintServiceAnswer>(this);
        auto *patience = new QTimer(answer);
        patience->setSingleShot(true);
        const auto settle = [this, answer, patience, then](const PrintServiceAnswer &said) {
            patience->stop();
            answer->disconnect(this);
            answer->deleteLater();
            (this->*then)(said);
        };
        connect(answer, &QFutureWatcherBase::finished, this, [answer, settle] { settle(answer->result()); });
        connect(patience, &QTimer::timeout, this, [this, settle] {
            *m_abandoned = true;
            settle({printServiceDidNotAnswer(), {}, {}, {}});
        });
        answer->setFuture(QtConcurrent::run(std::move(question)));
        // Beyond the worker's own limit, which it keeps unless a wait is stuck where it cannot
        // look at the clock (looking up the service's host name).
        patience->start(m_limit.wait + std::chrono::seconds(1));
    }

    void printOn(const PrintServiceAnswer &printer)
    {
        if (!printer.problem.isEmpty())
            return saveInstead(printer.problem);
        auto target = std::make_unique<PdfDocumentTarget>(printer.paper, printer.margins, m_documentName);
        const PdfDocumentTarget &document = *target;
        PainterPrinter page(std::move(target));
        const JobOutcome drawn = printStatement(m_statement, page);
        if (!drawn.accepted)
            return saveInstead(QString::fromStdString(drawn.notice));
        ask([limit = m_limit, name = printer.printer, pdf = document.pdf(), title = m_documentName] {
            return printService()->submitPdf(name, pdf, title, limit);
        }, &SystemPrintJob::finish);
    }

    void finish(const PrintServiceAnswer &submitted)
    {
        if (!submitted.problem.isEmpty())
            return saveInstead(submitted.problem);
        m_busy.reset();
        deleteLater();
    }

    void saveInstead(const QString &whyNotPrinted)
    {
        m_busy.reset();
        const JobOutcome saved = printStatement(
            m_statement, *openPdfFilePrinter(documentsFolder(), m_documentName, whyNotPrinted));
        m_platform.showMessage(m_window, QString::fromStdString(saved.notice));
        deleteLater();
    }

    Platform &m_platform;
    QPointer<QWidget> m_window;
    QString m_documentName;
    Statement m_statement;
    std::shared_ptr<std::atomic_bool> m_abandoned = std::make_shared<std::atomic_bool>(false);
    AnswerLimit m_limit;
    std::unique_ptr<BusyWindow> m_busy;
};

} // namespace

void printOnDefaultPrinter(Platform &platform, QWidget *window, const QString &documentName,
                           const Statement &statement, std::chrono::milliseconds patience)
{
    (new SystemPrintJob(platform, window, documentName, statement, patience))->start();
}

void finishPendingPrints()
{
    QEventLoop waiting;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, &waiting, [&] {
        // A finished job is deleted later: its end is looked for after it.
        if (pendingJobs == 0)
            waiting.quit();
    });
    look.start(20);
    if (pendingJobs > 0)
        waiting.exec();
}

} // namespace pelmora
