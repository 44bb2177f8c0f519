// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Dates as people in India write them: day, month and year in that order.

#include <compare>
#include <optional>
#include <string_view>

namespace pelmora {

struct Date {
    int year;
    unsigned month;
    unsigned day;
    auto operator<=>(const Date &) const = default;
};

// "07/12/1953", "7-12-1953" or "7.12.1953": one or two digits for the day and the month, four
// for the year, the same separator twice. Nothing else is a date, nor a day the calendar lacks.
std::optional<Date> readDate(std::string_view text);

} // namespace pelmora
