// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "statementowner.h"

namespace pelmora {

namespace {

// Bytes of UTF-8: room is left within the 255 a file name may have for the statement's own
// words and a copy's number, " - Tax computation 2013-14 (9999).pdf".
constexpr std::size_t longestOwner = 180;

bool safeFileName(std::string_view name)
{
    if (name.empty() || name.size() > longestOwner || name.front() == '.' || name.back() == '.')
        return false;
    for (const char c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7f)
            return false;
        if (std::string_view("/\\:*?\"<>|").find(c) != std::string_view::npos)
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

} // namespace

std::string statementOwner(std::string_view employee, std::string_view fileBaseName)
{
    const std::string_view name = trimmed(employee);
    return std::string(safeFileName(name) ? name : fileBaseName);
}

} // namespace pelmora
