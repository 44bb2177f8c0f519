// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A choice box: a combo box whose text may be typed or chosen from its
// list. The text is taken as it stands (a typed text never becomes a list entry and is never
// corrected to one), and Enter in the box presses the window's default button.

#include "selectonentry.h"

#include <QComboBox>

#include <memory>

namespace pelmora {

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
    std::unique_ptr<SelectOnEntry> m_entry; // once the box is editable
    bool m_selectAllOnFocus = false;
};

} // namespace pelmora
