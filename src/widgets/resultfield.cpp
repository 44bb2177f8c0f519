// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "resultfield.h"

#include "fieldtexts.h"
#include "wholetext.h"

#include <QPalette>

namespace pelmora {

ResultField::ResultField(QWidget *parent) : QLineEdit(parent)
{
    new WholeText(this);
    setAlignment(Qt::AlignRight);
    writeFigure(this, "0", notWorkedOutYet);
    showAsResult(this);
}

void showAsResult(QLineEdit *field)
{
    field->setReadOnly(true);
    field->setFocusPolicy(Qt::ClickFocus);
    QPalette palette = field->palette();
    palette.setColor(QPalette::Text, QColor(128, 0, 0));
    field->setPalette(palette);
}

} // namespace pelmora
