// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "frmsplash.h"

#include "core/credits.h"
#include "widgets/fonts.h"
#include "widgets/formwindow.h"
#include "widgets/pelmoraicon.h"

#include <QCloseEvent>
#include <QFrame>
#include <QLabel>

namespace pelmora {

namespace {

const QColor labelGreen(0, 64, 0);

QLabel *placeLabel(QWidget *panel, const char *name, const QString &caption, const QFont &font, QRect twips,
                   Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(caption, panel);
    label->setObjectName(QString::fromLatin1(name));
    label->setFont(font);
    label->setAlignment(alignment);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, labelGreen);
    label->setPalette(palette);
    label->setGeometry(FormWindow::twipsRect(twips.x(), twips.y(), twips.width(), twips.height()));
    return label;
}

} // namespace

frmSplash::frmSplash(std::function<void()> showMainWindow, std::chrono::milliseconds delay)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint)
    , m_showMainWindow(std::move(showMainWindow))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowIcon(programIcon());
    setFixedSize(FormWindow::pixels(4860), FormWindow::pixels(1875));

    auto *panel = new QFrame(this);
    panel->setObjectName(QStringLiteral("Frame1"));
    panel->setFrameShape(QFrame::NoFrame);
    panel->setGeometry(rect());
    QPalette palette = panel->palette();
    palette.setColor(QPalette::Window, windowColour());
    panel->setPalette(palette);
    panel->setAutoFillBackground(true);

    // The designed "2013 - 14" becomes "2013-14" when the window loads.
    lblProductName = placeLabel(panel, "lblProductName", QString(), fonts::arial(36, false, true), {120, 60, 3600, 855});
    lblVersion = placeLabel(panel, "lblVersion", QStringLiteral("2013 - 14"), fonts::arial(15.75, false, true),
                            {240, 900, 2000, 420});
    lblVersion->setText(QString::fromUtf8(credits::taxYear));
    lblProductName->setText(QString::fromUtf8(credits::productName));

    auto *picture = new QLabel(panel);
    picture->setObjectName(QStringLiteral("Picture1"));
    picture->setPixmap(programPicture(32, picture->devicePixelRatioF()));
    picture->setGeometry(FormWindow::twipsRect(3960, 240, 480, 480));

    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    lblCopyright = placeLabel(panel, "lblCopyright", QString::fromUtf8(credits::author), fonts::arial(12, false, true),
                              {1200, 1080, 3540, 330}, right);
    lblCompany = placeLabel(panel, "lblCompany", QString::fromUtf8(credits::office), fonts::arial(12, false, true),
                            {1200, 1440, 3540, 330}, right);

    m_timer = new QTimer(this);
    m_timer->setObjectName(QStringLiteral("Timer1"));
    m_timer->setSingleShot(true);
    m_timer->setInterval(delay);
    connect(m_timer, &QTimer::timeout, this, &frmSplash::tick);
    m_timer->start();
}

void frmSplash::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    centreOnScreen(this);
}

void frmSplash::closeEvent(QCloseEvent *event)
{
    // Nothing closes the splash early: the main window would never come.
    if (m_done)
        event->accept();
    else
        event->ignore();
}

void frmSplash::tick()
{
    m_timer->stop();
    m_showMainWindow();
    m_done = true;
    close();
}

} // namespace pelmora
