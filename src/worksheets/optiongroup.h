// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A group of option buttons of which exactly one is chosen. The group is one stop of the Tab
// key, and that stop is the chosen option, so the keyboard arrives on the choice that holds
// and Space cannot choose another by surprise. The arrow keys move the choice as usual.

#include <QButtonGroup>

class QRadioButton;

namespace pelmora {

class OptionGroup : public QButtonGroup
{
    Q_OBJECT
public:
    explicit OptionGroup(QObject *parent);

    void addOption(QRadioButton *option);

private:
    void keepTabStopOnChoice();
};

} // namespace pelmora
