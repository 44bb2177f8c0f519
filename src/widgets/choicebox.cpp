// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "choicebox.h"

#include <QCompleter>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

namespace pelmora {

ChoiceBox::ChoiceBox(const QStringList &entries, const QString &initialText, QWidget *parent)
    : QComboBox(parent)
{
    setEditable(true);
    m_entry = std::make_unique<SelectOnEntry>(this, lineEdit());
    setInsertPolicy(QComboBox::NoInsert);
    addItems(entries);
    setCurrentIndex(int(entries.indexOf(initialText)));
    setEditText(initialText);
    // Completion that ignored case would turn a typed "x" into "X" when editing ends; the
    // computation compares texts exactly, so the box must keep what was typed.
    if (QCompleter *completer = this->completer())
        completer->setCaseSensitivity(Qt::CaseSensitive);
    lineEdit()->installEventFilter(this);

    connect(this, &QComboBox::editTextChanged, this, &ChoiceBox::changed);
    connect(this, &QComboBox::activated, this, &ChoiceBox::changed);
}

void ChoiceBox::setSelectAllOnFocus(bool selectAll)
{
    m_selectAllOnFocus = selectAll;
}

void ChoiceBox::focusInEvent(QFocusEvent *event)
{
    QComboBox::focusInEvent(event);
    if (m_selectAllOnFocus)
        m_entry->focusIn(event);
}

void ChoiceBox::keyPressEvent(QKeyEvent *event)
{
    QComboBox::keyPressEvent(event);
    // Leave Enter to the window, which presses its default button.
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        event->ignore();
}

bool ChoiceBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == lineEdit() && event->type() == QEvent::MouseButtonRelease)
        m_entry->mouseReleased();
    return QComboBox::eventFilter(watched, event);
}

} // namespace pelmora
