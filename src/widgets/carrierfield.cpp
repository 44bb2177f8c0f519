// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "carrierfield.h"

namespace pelmora {

CarrierField::CarrierField(QWidget *parent) : QLineEdit(parent)
{
    setText(QStringLiteral("0"));
    setReadOnly(true);
    setFocusPolicy(Qt::NoFocus);
    hide();
}

} // namespace pelmora
