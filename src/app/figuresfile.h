// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The file of figures in use: Save, Save As and Open for every window, and the question before
// the program ends with figures changed since the file was saved or opened. With no file in
// use nothing is asked.

#include "yearfile/yearfigures.h"

#include <optional>

class QString;
class QWidget;

namespace pelmora {

class frmmain;

// What the user is told of a file of figures that cannot be opened, and why.
QString cannotOpenMessage(const QString &path, const QString &reason);

class FiguresFile
{
public:
    explicit FiguresFile(frmmain &main);

    // Adds the actions Open… (Ctrl+O), Save (Ctrl+S) and Save As… (Ctrl+Shift+S) to the window.
    void addCommands(QWidget *window);

    // Each answers in the window given, whose dialogs and messages it owns.
    void save(QWidget *window);
    void saveAs(QWidget *window);
    void open(QWidget *window);
    // Fills every window from the file; a file that cannot be used is refused with a message
    // and changes nothing.
    void open(QWidget *window, const QString &path);

    // Whether the program may end now: with a file in use and its figures changed, the user
    // saves, discards or cancels.
    bool mayEnd();

    QString path() const { return m_path; }

private:
    bool saveTo(QWidget *window, const QString &path);
    // Whether the user saved, discarded or had nothing to lose; false after Cancel.
    bool keepChanges(QWidget *window);
    void use(const QString &path, yearfile::YearFigures figures);
    // Whether any window holds a text other than it had when it was first shown.
    bool typedSinceStart();

    frmmain &m_main;
    const QString m_title;
    QString m_path;
    yearfile::YearFigures m_saved;
    std::optional<yearfile::YearFigures> m_fresh;
};

} // namespace pelmora
