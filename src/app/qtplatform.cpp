// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "qtplatform.h"

#include "core/credits.h"
#include "print/statement.h"
#include "print/systemprinting.h"
#include "yearfile/yearfilestorage.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>

namespace pelmora {

void QtPlatform::showMessage(QWidget *owner, const QString &text)
{
    QMessageBox box(QMessageBox::NoIcon, QString::fromUtf8(credits::productName), text, QMessageBox::Ok, owner);
    box.exec();
}

bool QtPlatform::openWebAddress(const QUrl &address)
{
    return QDesktopServices::openUrl(address);
}

void QtPlatform::quit()
{
    QCoreApplication::quit();
}

void QtPlatform::print(QWidget *owner, const QString &documentName, const Statement &statement)
{
    printOnDefaultPrinter(*this, owner, documentName, statement);
}

void QtPlatform::finishPrinting()
{
    finishPendingPrints();
}

Platform::UnsavedChanges QtPlatform::askToSaveChanges(QWidget *owner, const QString &fileName)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(credits::productName),
                    QStringLiteral("Save changes to %1?").arg(fileName), QMessageBox::NoButton, owner);
    // The desktop's own captions may have no access keys (Qt's plain theme gives none): these do.
    QPushButton *save = box.addButton(QStringLiteral("&Save"), QMessageBox::AcceptRole);
    QPushButton *discard = box.addButton(QStringLiteral("&Discard"), QMessageBox::DestructiveRole);
    box.addButton(QMessageBox::Cancel);
    box.setDefaultButton(save);
    box.exec();
    if (box.clickedButton() == save)
        return UnsavedChanges::Save;
    if (box.clickedButton() == discard)
        return UnsavedChanges::Discard;
    return UnsavedChanges::Cancel;
}

bool QtPlatform::askToDiscardFigures(QWidget *owner)
{
    QMessageBox box(QMessageBox::Question, QString::fromUtf8(credits::productName),
                    QStringLiteral("Discard the figures typed?"), QMessageBox::NoButton, owner);
    QPushButton *open = box.addButton(QStringLiteral("&Open"), QMessageBox::AcceptRole);
    box.setDefaultButton(box.addButton(QMessageBox::Cancel));
    box.exec();
    return box.clickedButton() == open;
}

// A dialog for files of figures: only they are shown, and a name typed without a suffix gets theirs.
static QStringList askFiles(QWidget *owner, QFileDialog::FileMode files, const QString &caption, const QString &path)
{
    QFileDialog dialog(owner, caption);
    dialog.setAcceptMode(files == QFileDialog::AnyFile ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialog.setFileMode(files);
    dialog.setNameFilter(QStringLiteral("Pelmora files (*.%1)").arg(QLatin1String(yearfile::suffix)));
    dialog.setDefaultSuffix(QLatin1String(yearfile::suffix));
    if (QFileInfo(path).isDir())
        dialog.setDirectory(path);
    else
        dialog.selectFile(path);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

static QString askFile(QWidget *owner, QFileDialog::FileMode files, const QString &caption, const QString &path)
{
    return askFiles(owner, files, caption, path).value(0);
}

QString QtPlatform::askFileToSave(QWidget *owner, const QString &suggestedPath)
{
    return askFile(owner, QFileDialog::AnyFile, QStringLiteral("Save As"), suggestedPath);
}

QString QtPlatform::askFileToOpen(QWidget *owner, const QString &folder)
{
    return askFile(owner, QFileDialog::ExistingFile, QStringLiteral("Open"), folder);
}

QStringList QtPlatform::askFilesToOpen(QWidget *owner, const QString &folder)
{
    return askFiles(owner, QFileDialog::ExistingFiles, QStringLiteral("Statements for Several Files"), folder);
}

QString QtPlatform::askFolder(QWidget *owner, const QString &folder)
{
    return QFileDialog::getExistingDirectory(owner, QStringLiteral("Folder for the Statements"), folder);
}

void QtPlatform::showAbout(QWidget *owner, const QString &text)
{
    QMessageBox::about(owner, QStringLiteral("About Pelmora"), text);
}

} // namespace pelmora
