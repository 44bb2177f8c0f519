// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A top-level window of the program: fixed size, teal background, centred on the screen when
// first shown, and Enter presses its default button (or the button that has the focus).
// Escape does nothing, unlike in a dialog.

#include <QWidget>

class QPushButton;

namespace pelmora {

class FormWindow : public QWidget
{
    Q_OBJECT
public:
    FormWindow(const QString &title, QSize clientSize, QWidget *parent = nullptr);
    ~FormWindow() override;

    void setDefaultButton(QPushButton *button);
    QPushButton *defaultButton() const { return m_defaultButton; }

    // Tab moves through the widgets in this order.
    static void chainTabOrder(const QList<QWidget *> &order);

    // Shows the window, restores it when minimized, and brings it to the front.
    void bringForward();

    // Disables the buttons that commit the window's figures (Print, Back) until its next
    // Calculate, as when its figures are put back from a file.
    virtual void disableCommitButtons() {}

    // Twips, the unit the window layouts are drawn in, to Qt's logical pixels.
    static constexpr int pixels(int twips) { return (twips + 7) / 15; }
    static QRect twipsRect(int x, int y, int width, int height);

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QPushButton *m_defaultButton = nullptr;
    bool m_placed = false;
};

// The window colour of every window: teal.
QColor windowColour();

// Puts a window in the middle of its screen.
void centreOnScreen(QWidget *window);

} // namespace pelmora
