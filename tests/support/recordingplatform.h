// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A platform that records what the program asked of the desktop instead of doing it.

#include "recordingprinter.h"
#include "print/statement.h"
#include "print/systemprinting.h"
#include "widgets/platform.h"

#include <QStringList>
#include <QUrl>

#include <functional>
#include <vector>

class RecordingPlatform : public pelmora::Platform
{
public:
    void showMessage(QWidget *, const QString &text) override
    {
        messages.append(text);
        if (onMessage)
            onMessage(text);
    }
    bool openWebAddress(const QUrl &address) override
    {
        openedAddresses.append(address);
        return browserAvailable;
    }
    void quit() override { ++quitRequests; }
    // Each statement recorded in printJobs; or, given patience, to the system's default printer.
    void print(QWidget *owner, const QString &documentName, const pelmora::Statement &statement) override
    {
        if (printServicePatience.count())
            return pelmora::printOnDefaultPrinter(*this, owner, documentName, statement, printServicePatience);
        printJobs.push_back({documentName, {}});
        pelmora::printStatement(statement, printJobs.back().printer);
    }
    void finishPrinting() override { pelmora::finishPendingPrints(); }
    UnsavedChanges askToSaveChanges(QWidget *, const QString &fileName) override
    {
        questions.append(fileName);
        return answer;
    }
    bool askToDiscardFigures(QWidget *) override
    {
        questions.append(QStringLiteral("Discard the figures typed?"));
        return answer == UnsavedChanges::Discard;
    }
    QString askFileToSave(QWidget *, const QString &) override { return fileChosen; }
    QString askFileToOpen(QWidget *, const QString &) override { return fileChosen; }
    QStringList askFilesToOpen(QWidget *, const QString &) override { return filesChosen; }
    QString askFolder(QWidget *, const QString &) override { return folderChosen; }
    void showAbout(QWidget *, const QString &text) override { aboutTexts.append(text); }

    QStringList messages;
    QList<QUrl> openedAddresses;
    int quitRequests = 0;
    bool browserAvailable = true;
    struct PrintJob {
        QString documentName;
        RecordingPrinter printer;
    };
    std::vector<PrintJob> printJobs;
    std::chrono::milliseconds printServicePatience{0};
    QStringList questions; // "Save changes to NAME?", by NAME
    UnsavedChanges answer = UnsavedChanges::Cancel;
    QString fileChosen; // in either file dialog; empty as if cancelled
    QStringList filesChosen;
    QString folderChosen;
    QStringList aboutTexts;
    // Runs while the message box would be open, as if the user looked at it.
    std::function<void(const QString &)> onMessage;
};
