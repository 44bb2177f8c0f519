// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Keeps a figure field's whole text in view. The windows' fields are narrow (a month's cell of
// the salary statement is 62 pixels), so a long figure would scroll and its leading digits would
// be out of sight while the program works with all of them. When the text is wider than the
// room the field leaves it, beside a mark where one shows, the field's type is made smaller just
// enough for all of it to show, down to a floor; it comes back to its size as the text shortens.

#include <QFont>
#include <QObject>

class QLineEdit;

namespace pelmora {

class WholeText : public QObject
{
    Q_OBJECT
public:
    explicit WholeText(QLineEdit *field);

    // Pixels at the left edge that a mark inside the field takes from the text's room.
    void setMarkRoom(int pixels);

    // The pixels the text has, and those it needs in the field's own size of type.
    int room() const;
    int needed(const QFont &font) const;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void fit();

    QLineEdit *m_field;
    QFont m_font; // the field's size of type, as its window set it
    int m_markRoom = 0;
    bool m_fitting = false;
};

} // namespace pelmora
