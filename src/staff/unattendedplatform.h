// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The desktop of windows that work files out with nobody at them: the messages they would show
// and the statements they would print are kept for the run to take; nothing is asked, nothing
// opened, nothing ended.

#include "print/statement.h"
#include "widgets/platform.h"

#include <vector>

namespace pelmora {

struct PrintedStatement {
    QString documentName;
    Statement statement;
};

class UnattendedPlatform final : public Platform
{
public:
    void showMessage(QWidget *, const QString &text) override { m_messages.append(text); }
    bool openWebAddress(const QUrl &) override { return false; }
    void quit() override {}
    void print(QWidget *, const QString &documentName, const Statement &statement) override
    {
        m_printed.push_back({documentName, statement});
    }
    void finishPrinting() override {}
    UnsavedChanges askToSaveChanges(QWidget *, const QString &) override { return UnsavedChanges::Cancel; }
    bool askToDiscardFigures(QWidget *) override { return false; }
    QString askFileToSave(QWidget *, const QString &) override { return {}; }
    QString askFileToOpen(QWidget *, const QString &) override { return {}; }
    QStringList askFilesToOpen(QWidget *, const QString &) override { return {}; }
    QString askFolder(QWidget *, const QString &) override { return {}; }
    void showAbout(QWidget *, const QString &) override {}

    // Since the last forget(), in their order.
    QStringList messages() const { return m_messages; }
    std::vector<PrintedStatement> takePrinted() { return std::exchange(m_printed, {}); }
    void forget()
    {
        m_messages.clear();
        m_printed.clear();
    }

private:
    QStringList m_messages;
    std::vector<PrintedStatement> m_printed;
};

} // namespace pelmora
