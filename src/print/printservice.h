// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The system's print service (CUPS), asked from a worker thread. Each question has a time limit,
// so that a service that does not answer is reported rather than waited for; a question whose
// answer nobody awaits any more gives up at its next wait. CUPS is loaded at the first question:
// the program takes the memory of it and of its libraries only once it prints.

#include <QByteArray>
#include <QMarginsF>
#include <QPageSize>
#include <QString>

#include <atomic>
#include <chrono>
#include <memory>

namespace pelmora {

struct AnswerLimit {
    std::chrono::milliseconds wait;
    // Set by the asker once it has stopped waiting.
    std::shared_ptr<const std::atomic_bool> abandoned;
};

// What the print service said: a printer with its default paper, or why nothing can be printed.
struct PrintServiceAnswer {
    // A sentence for the user; empty when the service did what was asked.
    QString problem;
    QString printer;
    QPageSize paper;
    // What the printer cannot print on, in millimetres, the paper upright.
    QMarginsF margins;
};

// The questions, as the library that asks CUPS answers them.
struct PrintService {
    // The default printer and its default paper.
    PrintServiceAnswer (*findDefaultPrinter)(const AnswerLimit &limit);
    // Hands a PDF document to the printer as one job; answered once the printer has accepted or
    // refused it (a held queue accepts it).
    PrintServiceAnswer (*submitPdf)(const QString &printer, const QByteArray &pdf, const QString &title,
                                    const AnswerLimit &limit);
};

// The print service, loaded when first asked for; nullptr when its library cannot be loaded,
// and then printServiceMissing() says why.
const PrintService *printService();
QString printServiceMissing();

inline QString printServiceDidNotAnswer()
{
    return QStringLiteral("The print service did not answer.");
}

inline QString noPrinterInstalled()
{
    return QStringLiteral("No printer is installed.");
}

} // namespace pelmora
