// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "optiongroup.h"

#include <QRadioButton>

namespace pelmora {

OptionGroup::OptionGroup(QObject *parent) : QButtonGroup(parent)
{
    connect(this, &QButtonGroup::buttonToggled, this, &OptionGroup::keepTabStopOnChoice);
}

void OptionGroup::addOption(QRadioButton *option)
{
    addButton(option);
    keepTabStopOnChoice();
}

void OptionGroup::keepTabStopOnChoice()
{
    for (QAbstractButton *option : buttons())
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

} // namespace pelmora
