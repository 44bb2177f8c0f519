// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "namefield.h"

namespace pelmora {

NameField::NameField(QWidget *parent) : EntryField(parent) {}

} // namespace pelmora
