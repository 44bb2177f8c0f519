// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Conversions between the texts of fields and the figures the program computes with.
// Every figure lives as text in a field; handlers read it with one of these, compute in
// double precision and write the result back as its shortest decimal text.

#include <optional>
#include <string>
#include <string_view>

namespace pelmora {

// The leading number of a text; never fails. Blanks, tabs and line feeds are ignored wherever
// they stand, the decimal separator is always a point, an exponent is optional, and "&H"/"&O"
// introduce hexadecimal and octal whole numbers. A text without a leading number reads 0.
// A number beyond the range of a double reads as infinity.
double readLenient(std::string_view text);

// The whole text, blanks around it allowed, as one number: sign, digits grouped by commas,
// fraction and exponent. Anything else (an empty text, a lone sign, "12abc") cannot be read.
std::optional<double> readStrict(std::string_view text);

// How a field reads its text: leniently (the leading number) or strictly (the whole text).
enum class Reading { Lenient, Strict };

// Says how a text is read when it does not count as typed: "Read as 25: a comma ends the figure
// here. Type 25000." Empty when the text reads as its whole self. Blanks are never a surprise.
std::string readingHint(std::string_view text, Reading reading);

// A number as the program writes it: up to 15 significant digits, no thousands separators,
// plain digits from 0.0001 up to below 1E+15, exponent form ("1E+15", "1E-05") beyond.
std::string decimalText(double value);

// To the nearest whole number, an exact half going to the even neighbour (2.5 gives 2).
double roundHalfEven(double value);

} // namespace pelmora
