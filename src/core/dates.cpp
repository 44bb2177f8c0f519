// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "dates.h"

#include <chrono>
#include <regex>
#include <string>

namespace pelmora {

std::optional<Date> readDate(std::string_view text)
{
    static const std::regex form(R"(([0-9]{1,2})([/.-])([0-9]{1,2})\2([0-9]{4}))");
    std::match_results<std::string_view::const_iterator> parts;
    if (!std::regex_match(text.begin(), text.end(), parts, form))
        return std::nullopt;
    const Date date{std::stoi(parts.str(4)), unsigned(std::stoul(parts.str(3))), unsigned(std::stoul(parts.str(1)))};
    const std::chrono::year_month_day calendar{std::chrono::year(date.year), std::chrono::month(date.month),
                                               std::chrono::day(date.day)};
    if (!calendar.ok())
        return std::nullopt;
    return date;
}

} // namespace pelmora
