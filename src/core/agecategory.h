// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The payer's age category for 2013-14, from the date of birth. A person attains an age on the
// day before the anniversary of their birth, and the slabs go by the age at any time during
// the year: born on or before 1 April 1954, 60 during the year; on or before 1 April 1934, 80.

#include <optional>
#include <string_view>

namespace pelmora {

enum class AgeCategory { BelowSixty, SeniorCitizen, VerySeniorCitizen };

// The category of the date of birth's text; below 60 when it is empty. None when the text is
// not a date, or a date after the year's end.
std::optional<AgeCategory> ageCategoryOf(std::string_view txtdob);

// What the date of birth's field says of a date that reads:
// "Senior citizen for 2013-14: 60 or more during the year".
std::string_view ageCategoryMeaning(AgeCategory category);

} // namespace pelmora
