// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

// The print service's side of printing: CUPS itself. Built as a library of its own, loaded by
// printservice.cpp at the first Print, so that a run that prints nothing never loads CUPS and
// its network and TLS libraries.

#include "printservice.h"

#include <QSizeF>

#include <cups/cups.h>

namespace pelmora {

namespace {

using Clock = std::chrono::steady_clock;

// How often a wait for an answer looks at the clock and at whether the answer is still awaited.
constexpr double glanceSeconds = 0.25;

// One connection to the service, each wait on it bounded by the limit of the whole question.
class ServiceConnection
{
public:
    explicit ServiceConnection(const AnswerLimit &limit)
        : m_limit(limit)
        , m_deadline(Clock::now() + limit.wait)
        , m_http(httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1,
                              int(limit.wait.count()), nullptr))
    {
        if (m_http)
            httpSetTimeout(m_http, glanceSeconds, &ServiceConnection::keepWaiting, this);
    }
    ~ServiceConnection() { httpClose(m_http); }
    ServiceConnection(const ServiceConnection &) = delete;
    ServiceConnection &operator=(const ServiceConnection &) = delete;

    http_t *http() const { return m_http; }
    // True once a wait ran out: what failed then failed for want of an answer.
    bool gaveUp() const { return m_gaveUp; }

private:
    static int keepWaiting(http_t *, void *self)
    {
        auto *connection = static_cast<ServiceConnection *>(self);
        connection->m_gaveUp = *connection->m_limit.abandoned || Clock::now() >= connection->m_deadline;
        return connection->m_gaveUp ? 0 : 1;
    }

    AnswerLimit m_limit;
    Clock::time_point m_deadline;
    http_t *m_http;
    bool m_gaveUp = false;
};

struct DestinationDeleter {
    void operator()(cups_dest_t *dest) const { cupsFreeDests(1, dest); }
};
using Destination = std::unique_ptr<cups_dest_t, DestinationDeleter>;

struct DestinationInfoDeleter {
    void operator()(cups_dinfo_t *info) const { cupsFreeDestInfo(info); }
};
using DestinationInfo = std::unique_ptr<cups_dinfo_t, DestinationInfoDeleter>;

PrintServiceAnswer problem(const QString &sentence)
{
    return {sentence, {}, {}, {}};
}

PrintServiceAnswer notRunning()
{
    return problem(QStringLiteral("The print service is not running."));
}

QString lastError()
{
    return QString::fromUtf8(cupsLastErrorString());
}

// Why the printer stopped taking jobs, when whoever stopped it said so.
QString stateMessage(http_t *http, const cups_dest_t *dest)
{
    ipp_t *request = ippNewRequest(IPP_OP_GET_PRINTER_ATTRIBUTES);
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                 cupsGetOption("printer-uri-supported", dest->num_options, dest->options));
    ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes", nullptr,
                 "printer-state-message");
    ipp_t *response = cupsDoRequest(http, request, "/");
    const QString message
        = QString::fromUtf8(ippGetString(ippFindAttribute(response, "printer-state-message", IPP_TAG_TEXT), 0, nullptr));
    ippDelete(response);
    return message;
}

// The printer's own default paper. (cupsGetDestMediaDefault() takes Letter for a printer whose
// default is set in the printer's description rather than in the user's options.)
bool defaultMedia(http_t *http, cups_dest_t *dest, cups_dinfo_t *info, cups_size_t &size)
{
    const char *media = ippGetString(cupsFindDestDefault(http, dest, info, "media"), 0, nullptr);
    return (media && cupsGetDestMediaByName(http, dest, info, media, CUPS_MEDIA_FLAGS_DEFAULT, &size))
        || cupsGetDestMediaDefault(http, dest, info, CUPS_MEDIA_FLAGS_DEFAULT, &size);
}

PrintServiceAnswer refused(const ServiceConnection &service, const cups_dest_t *dest, const QString &printer)
{
    if (service.gaveUp())
        return problem(printServiceDidNotAnswer());
    QString reason = lastError();
    if (dest) {
        const QString state = stateMessage(service.http(), dest);
        if (!state.isEmpty() && !service.gaveUp())
            reason += QStringLiteral(" (%1)").arg(state);
    }
    return problem(QStringLiteral("The printer %1 refused the statement: %2").arg(printer, reason));
}

PrintServiceAnswer findDefaultPrinter(const AnswerLimit &limit)
{
    const ServiceConnection service(limit);
    if (!service.http())
        return notRunning();
    const Destination dest(cupsGetNamedDest(service.http(), nullptr, nullptr));
    if (service.gaveUp())
        return problem(printServiceDidNotAnswer());
    if (!dest) {
        if (cupsLastError() != IPP_STATUS_ERROR_NOT_FOUND)
            return problem(QStringLiteral("The print service could not name the default printer (%1).").arg(lastError()));
        cups_dest_t *all = nullptr;
        const int printers = cupsGetDests2(service.http(), &all);
        cupsFreeDests(printers, all);
        if (service.gaveUp())
            return problem(printServiceDidNotAnswer());
        return problem(printers ? QStringLiteral("No printer is set as the default printer.")
                                : noPrinterInstalled());
    }

    PrintServiceAnswer answer{{}, QString::fromUtf8(dest->name), QPageSize(QPageSize::A4), {}};
    cups_size_t size{};
    const DestinationInfo info(cupsCopyDestInfo(service.http(), dest.get()));
    if (info && defaultMedia(service.http(), dest.get(), info.get(), size)) {
        // CUPS measures in hundredths of a millimetre.
        answer.paper = QPageSize(QSizeF(size.width, size.length) / 100, QPageSize::Millimeter);
        answer.margins = QMarginsF(size.left, size.top, size.right, size.bottom) / 100;
    }
    if (service.gaveUp())
        return problem(printServiceDidNotAnswer());
    return answer;
}

PrintServiceAnswer submitPdf(const QString &printer, const QByteArray &pdf, const QString &title,
                             const AnswerLimit &limit)
{
    const ServiceConnection service(limit);
    if (!service.http())
        return notRunning();
    http_t *http = service.http();
    const Destination dest(cupsGetNamedDest(http, printer.toUtf8().constData(), nullptr));
    if (!dest)
        return refused(service, nullptr, printer);
    const DestinationInfo info(cupsCopyDestInfo(http, dest.get()));
    const QByteArray name = title.toUtf8();
    int job = 0;
    if (cupsCreateDestJob(http, dest.get(), info.get(), &job, name.constData(), 0, nullptr) != IPP_STATUS_OK || job <= 0)
        return refused(service, dest.get(), printer);
    const bool started = cupsStartDestDocument(http, dest.get(), info.get(), job, name.constData(), CUPS_FORMAT_PDF,
                                               0, nullptr, 1)
                         == HTTP_STATUS_CONTINUE;
    const bool written
        = started && cupsWriteRequestData(http, pdf.constData(), size_t(pdf.size())) == HTTP_STATUS_CONTINUE;
    // Finishing also ends a document cut short, so that the printer is told of it.
    const bool accepted = started && cupsFinishDestDocument(http, dest.get(), info.get()) == IPP_STATUS_OK && written;
    if (accepted && !*limit.abandoned)
        return {};
    // A job cut short, or one that the user has been told was not printed, must not print later.
    const PrintServiceAnswer answer = *limit.abandoned ? problem(printServiceDidNotAnswer())
                                                       : refused(service, dest.get(), printer);
    cupsCancelDestJob(http, dest.get(), job);
    return answer;
}

constexpr PrintService cups{&findDefaultPrinter, &submitPdf};

} // namespace

} // namespace pelmora

extern "C" Q_DECL_EXPORT const pelmora::PrintService *pelmora_print_service()
{
    return &pelmora::cups;
}
