// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "widgets/platform.h"

namespace pelmora {

// The real desktop, through Qt.
class QtPlatform : public Platform
{
public:
    void showMessage(QWidget *owner, const QString &text) override;
    bool openWebAddress(const QUrl &address) override;
    void quit() override;
    // The default printer; a PDF file in the documents folder when it cannot print.
    void print(QWidget *owner, const QString &documentName, const Statement &statement) override;
    void finishPrinting() override;
    UnsavedChanges askToSaveChanges(QWidget *owner, const QString &fileName) override;
    bool askToDiscardFigures(QWidget *owner) override;
    QString askFileToSave(QWidget *owner, const QString &suggestedPath) override;
    QString askFileToOpen(QWidget *owner, const QString &folder) override;
    QStringList askFilesToOpen(QWidget *owner, const QString &folder) override;
    QString askFolder(QWidget *owner, const QString &folder) override;
    void showAbout(QWidget *owner, const QString &text) override;
};

} // namespace pelmora
