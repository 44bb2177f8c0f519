// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figuresfile.h"

#include "frmmain.h"
#include "windowfigures.h"
#include "core/credits.h"
#include "widgets/documentsfolder.h"
#include "widgets/platform.h"
#include "yearfile/yearfilestorage.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>

namespace pelmora {

namespace {

QString fileName(const QString &path)
{
    return QFileInfo(path).fileName();
}

// The documents folder, made if it is missing, for a file dialog to start in.
QString madeDocumentsFolder()
{
    const QString folder = documentsFolder();
    QDir().mkpath(folder);
    return folder;
}

} // namespace

QString cannotOpenMessage(const QString &path, const QString &reason)
{
    return QStringLiteral("Pelmora cannot open \"%1\". %2").arg(fileName(path), reason);
}

FiguresFile::FiguresFile(frmmain &main) : m_main(main), m_title(main.windowTitle())
{
}

void FiguresFile::addCommands(QWidget *window)
{
    const auto command = [&](const QString &text, QKeySequence keys, void (FiguresFile::*run)(QWidget *)) {
        auto *action = new QAction(text, window);
        action->setShortcut(keys);
        QObject::connect(action, &QAction::triggered, window, [this, window, run] { (this->*run)(window); });
        window->addAction(action);
    };
    command(QStringLiteral("&Open…"), QKeySequence(Qt::CTRL | Qt::Key_O), &FiguresFile::open);
    command(QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S), &FiguresFile::save);
    command(QStringLiteral("Save &As…"), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S), &FiguresFile::saveAs);
}

void FiguresFile::save(QWidget *window)
{
    if (m_path.isEmpty())
        saveAs(window);
    else
        saveTo(window, m_path);
}

void FiguresFile::saveAs(QWidget *window)
{
    const QString suggested = m_path.isEmpty() ? madeDocumentsFolder() + QStringLiteral("/Income tax %1.%2").arg(
                                                     QLatin1String(credits::taxYear), QLatin1String(yearfile::suffix))
                                               : m_path;
    const QString path = m_main.platform().askFileToSave(window, suggested);
    if (!path.isEmpty())
        saveTo(window, path);
}

void FiguresFile::open(QWidget *window)
{
    if (!keepChanges(window))
        return;
    // Without a file the figures typed have nowhere to go back to.
    if (m_path.isEmpty() && typedSinceStart() && !m_main.platform().askToDiscardFigures(window))
        return;
    const QString folder = m_path.isEmpty() ? madeDocumentsFolder() : QFileInfo(m_path).absolutePath();
    const QString path = m_main.platform().askFileToOpen(window, folder);
    if (!path.isEmpty())
        open(window, path);
}

void FiguresFile::open(QWidget *window, const QString &path)
{
    const auto loaded = yearfile::loadYearFigures(path, windowLayouts(), WindowCaptions(m_main.platform()));
    if (const auto *refusal = std::get_if<QString>(&loaded)) {
        m_main.platform().showMessage(window, cannotOpenMessage(path, *refusal));
        return;
    }
    restoreFigures(m_main, std::get<yearfile::YearFigures>(loaded));
    // What the windows made of the file, an emptied amount turned into "0", say.
    use(path, collectFigures(m_main));
    m_main.bringForward();
}

bool FiguresFile::typedSinceStart()
{
    if (!m_fresh) {
        // Every window as the program starts it, and as a Calc. button first opens it.
        frmmain fresh(m_main.platform());
        createEveryWorksheet(fresh);
        m_fresh = collectFigures(fresh);
    }
    const yearfile::YearFigures now = collectFigures(m_main);
    for (auto window = now.cbegin(); window != now.cend(); ++window) {
        if (window.value() != m_fresh->value(window.key()))
            return true;
    }
    return false;
}

bool FiguresFile::mayEnd()
{
    return keepChanges(&m_main);
}

bool FiguresFile::keepChanges(QWidget *window)
{
    if (m_path.isEmpty() || collectFigures(m_main) == m_saved)
        return true;
    switch (m_main.platform().askToSaveChanges(window, fileName(m_path))) {
    case Platform::UnsavedChanges::Save:
        return saveTo(window, m_path);
    case Platform::UnsavedChanges::Discard:
        return true;
    case Platform::UnsavedChanges::Cancel:
        break;
    }
    return false;
}

bool FiguresFile::saveTo(QWidget *window, const QString &path)
{
    yearfile::YearFigures figures = collectFigures(m_main);
    if (const auto refusal = yearfile::saveYearFigures(path, figures, windowLayouts(), WindowCaptions(m_main.platform()))) {
        m_main.platform().showMessage(window, QStringLiteral("Pelmora cannot save \"%1\". %2").arg(fileName(path), *refusal));
        return false;
    }
    use(path, std::move(figures));
    return true;
}

void FiguresFile::use(const QString &path, yearfile::YearFigures figures)
{
    m_path = path;
    m_saved = std::move(figures);
    m_main.setWindowTitle(m_title + QStringLiteral(" - ") + fileName(path));
}

} // namespace pelmora
