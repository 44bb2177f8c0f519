// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "entryfield.h"

namespace pelmora {

// The employee's name: left-aligned, initially empty, and an emptied name stays empty.
class NameField : public EntryField
{
    Q_OBJECT
public:
    explicit NameField(QWidget *parent = nullptr);
};

} // namespace pelmora
