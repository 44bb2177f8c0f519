// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform.h"

#include "credits.h"
#include "print/systemprinting.h"

#include <QCoreApplication>
#include <QDesktopServices>
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

} // namespace pelmora
