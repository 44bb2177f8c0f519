// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A choice box of the salary statement: a combo box whose text may be typed or chosen from its
// list. The text is taken as it stands (a typed text never becomes a list entry and is never
// corrected to one), and Enter in the box presses the window's default button.

#include <QComboBox>

namespace pelmora {

class KeyboardEntry;

class ChoiceBox : public QComboBox
{
    Q_OBJECT
public:
    ChoiceBox(const QStringList &entries, const QString &initialText, QWidget *parent = nullptr);

    // Receiving the focus selects the whole text, so that what is typed next replaces it.
    void setSelectAllOnFocus(bool selectAll);

Q_SIGNALS:
    // The text was edited, or an entry was chosen from the list (even the one shown).
    void changed();

protected:
    void focusInEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    KeyboardEntry *m_keyboard;
    bool m_selectAllOnFocus = false;
    bool m_selectAllOnRelease = false;
};

} // namespace pelmora
