// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The splash window: the product name and the tax year for three seconds, then the main
// window. Clicks and keys do nothing; the user waits.

#include <QTimer>
#include <QWidget>

#include <chrono>
#include <functional>

class QLabel;

namespace pelmora {

class frmSplash : public QWidget
{
    Q_OBJECT
public:
    // showMainWindow is called once, when the time is up; then the splash destroys itself.
    explicit frmSplash(std::function<void()> showMainWindow,
                       std::chrono::milliseconds delay = std::chrono::milliseconds(3000));

    QLabel *lblProductName;
    QLabel *lblVersion;
    QLabel *lblCopyright;
    QLabel *lblCompany;

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void tick();

    std::function<void()> m_showMainWindow;
    QTimer *m_timer;
    bool m_done = false;
};

} // namespace pelmora
