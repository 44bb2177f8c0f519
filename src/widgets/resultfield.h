// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace pelmora {

// A computed figure: read-only, right-aligned, dark red, skipped by the Tab key, initially "0".
// Its whole text stays in view.
class ResultField : public QLineEdit
{
    Q_OBJECT
public:
    explicit ResultField(QWidget *parent = nullptr);
};

// Gives a field the look and focus of a result field (read-only, dark red, no Tab stop).
void showAsResult(QLineEdit *field);

} // namespace pelmora
