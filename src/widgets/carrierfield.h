// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QLineEdit>

namespace pelmora {

// A figure carried between windows that is never shown: hidden, read-only, initially "0".
class CarrierField : public QLineEdit
{
    Q_OBJECT
public:
    explicit CarrierField(QWidget *parent = nullptr);
};

} // namespace pelmora
