// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's name, its author's credits and its addresses, kept in one place for the
// splash window, the main window and the printed statements.

namespace pelmora::credits {

inline constexpr const char *productName = "Pelmora";
inline constexpr const char *taxYear = "2013-14";
inline constexpr const char *author = "By the Pelmora team";
inline constexpr const char *office = "Pelmora Software";
inline constexpr const char *webAddress = "https://pelmora.example.org/";
inline constexpr const char *contactAddress = "bugs@pelmora.example.org";
// The name of the installed desktop entry and icon, after the web address.
inline constexpr const char *desktopId = "org.example.pelmora.Pelmora";

} // namespace pelmora::credits
