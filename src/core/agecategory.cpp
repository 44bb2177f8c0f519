// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "agecategory.h"

#include "core/dates.h"

namespace pelmora {

namespace {

constexpr Date lastDayOfYear{2014, 3, 31};
constexpr Date sixtiethBirthdayBy{1954, 4, 1};
constexpr Date eightiethBirthdayBy{1934, 4, 1};

} // namespace

std::optional<AgeCategory> ageCategoryOf(std::string_view txtdob)
{
    if (txtdob.empty())
        return AgeCategory::BelowSixty;
    const std::optional<Date> born = readDate(txtdob);
    if (!born || *born > lastDayOfYear)
        return std::nullopt;
    if (*born <= eightiethBirthdayBy)
        return AgeCategory::VerySeniorCitizen;
    if (*born <= sixtiethBirthdayBy)
        return AgeCategory::SeniorCitizen;
    return AgeCategory::BelowSixty;
}

std::string_view ageCategoryMeaning(AgeCategory category)
{
    switch (category) {
    case AgeCategory::BelowSixty:
        break;
    case AgeCategory::SeniorCitizen:
        return "Senior citizen for 2013-14: 60 or more during the year";
    case AgeCategory::VerySeniorCitizen:
        return "Very senior citizen for 2013-14: 80 or more during the year";
    }
    return "Below 60 throughout 2013-14";
}

} // namespace pelmora
