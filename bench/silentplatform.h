// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The desktop's requests answered by nobody: a benchmark shows no boxes and opens nothing.
// Statements are printed as PDF files into a folder of its own that goes with it.

#include "print/printers.h"
#include "print/statement.h"
#include "widgets/platform.h"

#include <QTemporaryDir>

namespace bench {

class SilentPlatform : public pelmora::Platform
{
public:
    void showMessage(QWidget *, const QString &) override {}
    bool openWebAddress(const QUrl &) override { return true; }
    void quit() override {}
    void print(QWidget *, const QString &documentName, const pelmora::Statement &statement) override
    {
        pelmora::printStatement(statement, *pelmora::openPdfFilePrinter(m_statements.path(), documentName));
    }
    UnsavedChanges askToSaveChanges(QWidget *, const QString &) override { return UnsavedChanges::Cancel; }
    bool askToDiscardFigures(QWidget *) override { return false; }
    void finishPrinting() override {}
    QString askFileToSave(QWidget *, const QString &) override { return {}; }
    QString askFileToOpen(QWidget *, const QString &) override { return {}; }
    QStringList askFilesToOpen(QWidget *, const QString &) override { return {}; }
    QString askFolder(QWidget *, const QString &) override { return {}; }
    void showAbout(QWidget *, const QString &) override {}

private:
    QTemporaryDir m_statements;
};

} // namespace bench
