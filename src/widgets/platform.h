// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What the program asks of the desktop that a test cannot do for real: a message box, the
// web browser, the printer, the file and folder dialogs, the question before unsaved figures are lost, the
// About box and ending the program. Tests substitute a recording fake.

#include <QString>
#include <QStringList>
#include <QUrl>

class QWidget;

namespace pelmora {

struct Statement;

class Platform
{
public:
    virtual ~Platform() = default;

    // A modal message box titled "Pelmora" with an OK button only; returns when it is closed.
    virtual void showMessage(QWidget *owner, const QString &text) = 0;
    // Opens the address in the default browser; false when that could not be done.
    virtual bool openWebAddress(const QUrl &address) = 0;
    // Ends the program at once, every window with it.
    virtual void quit() = 0;
    // Prints the statement as a job of the given name. Returns at once; the user is told later,
    // through showMessage(), when it could not be printed.
    virtual void print(QWidget *owner, const QString &documentName, const Statement &statement) = 0;
    // Returns once every statement printed has been printed, or saved and the user told.
    virtual void finishPrinting() = 0;

    // The answer to "Save changes to NAME?", asked with Save, Discard and Cancel.
    enum class UnsavedChanges { Save, Discard, Cancel };
    virtual UnsavedChanges askToSaveChanges(QWidget *owner, const QString &fileName) = 0;
    // The answer to "Discard the figures typed?", asked with Open and Cancel: true for Open.
    virtual bool askToDiscardFigures(QWidget *owner) = 0;
    // A file of figures to write, suggested as given, or to read from the folder; empty when cancelled.
    virtual QString askFileToSave(QWidget *owner, const QString &suggestedPath) = 0;
    virtual QString askFileToOpen(QWidget *owner, const QString &folder) = 0;
    // Files of figures to read, any number, from the folder; none when cancelled.
    virtual QStringList askFilesToOpen(QWidget *owner, const QString &folder) = 0;
    // A folder to write into, starting at the one given; empty when cancelled.
    virtual QString askFolder(QWidget *owner, const QString &folder) = 0;
    virtual void showAbout(QWidget *owner, const QString &text) = 0;
};

} // namespace pelmora
