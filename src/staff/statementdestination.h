// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Where the statements of many files go: PDF files in a folder, with the register's table beside
// them, or the default printer.

#include "unattendedplatform.h"

#include "print/printers.h"

#include <QString>

#include <string>

namespace pelmora {

class StatementDestination
{
public:
    virtual ~StatementDestination() = default;
    // The path written, if any (a printer writes none), or why the statement went nowhere.
    virtual SavedStatement deliver(const QString &documentName, const Statement &statement) = 0;
    // The register as a table for spreadsheets, where the destination keeps one.
    virtual SavedStatement keepTable(const QString &name, const std::string &csv) = 0;
    // Returns once every statement delivered has gone where it goes.
    virtual void finish() {}
};

// Each statement a PDF file in the folder, numbered rather than overwriting.
class StatementsFolder final : public StatementDestination
{
public:
    explicit StatementsFolder(const QString &folder) : m_folder(folder) {}
    SavedStatement deliver(const QString &documentName, const Statement &statement) override;
    SavedStatement keepTable(const QString &name, const std::string &csv) override;

private:
    QString m_folder;
};

// Each statement a job on the default printer; one that cannot be printed is saved in the
// documents folder, and messages() says where.
class DefaultPrinter final : public StatementDestination
{
public:
    SavedStatement deliver(const QString &documentName, const Statement &statement) override;
    SavedStatement keepTable(const QString &, const std::string &) override { return {}; }
    void finish() override;
    // What the print jobs would have told the user, in their order.
    QStringList messages() const { return m_jobs.messages(); }

private:
    UnattendedPlatform m_jobs;
};

} // namespace pelmora
