// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The rates of income tax for 2013-14, by the payer's age: the slabs, the relief under section
// 87A and the education cess. The main window's tax and the relief under section 89(1) both
// work from them.

#include "agecategory.h"
#include "working.h"

#include <span>

namespace pelmora {

inline constexpr double reliefLimit87A = 2000;
inline constexpr double reliefIncomeLimit87A = 500000;
inline constexpr double cessRate = 0.03;

// Each band's rate applies to the income above its start, up to the next band's start.
struct Band {
    double from;
    double rate;
    Words percent;
};

// A category's bands, and how a working names the category ("Senior citizen: "; nothing below 60).
struct Slabs {
    std::span<const Band> bands;
    Words category;
};

Slabs slabsOf(AgeCategory category);

} // namespace pelmora
