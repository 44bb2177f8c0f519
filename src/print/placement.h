// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The three ways a statement places a text. Each sets both coordinates itself, so no item
// depends on where an earlier one left the current position.

#include <string>
#include <string_view>
#include <vector>

namespace pelmora {

class Printer;

// Starts the text at (x, y).
void printLeft(Printer &printer, float x, float y, std::string_view text);

// Ends the text exactly at the column edge, whatever its length: it is measured with the font
// that then prints it. A text wider than the room left of the edge runs leftwards.
void printRight(Printer &printer, float edge, float y, std::string_view text);

// Centres the text across the width, from the left edge of the printable area; a text wider
// than that is cut to it.
void printCentred(Printer &printer, float width, float y, std::string_view text);

// The text as it fits the width in the printer's font: whole, or as many of its first
// characters as fit with "…" after them.
std::string cutTo(Printer &printer, float width, std::string_view text);

// The text broken at spaces into lines of at most the given number of characters; a word
// longer than a line stands alone on its line.
std::vector<std::string> wrapped(std::string_view text, std::size_t characters);

} // namespace pelmora
