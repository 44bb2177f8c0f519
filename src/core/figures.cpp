// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figures.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cctype>
#include <cstdlib>
#include <locale.h>

namespace pelmora {

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }

// strtod in the C locale: the program's decimal separator is a point whatever the user's settings.
double parseDecimal(const std::string &number)
{
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(number.c_str(), nullptr, cLocale);
}

double readRadix(std::string_view digits, int radix)
{
    double value = 0;
    for (char c : digits) {
        int digit = -1;
        if (isDigit(c))
            digit = c - '0';
        else if (c >= 'a' && c <= 'f')
            digit = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digit = c - 'A' + 10;
        if (digit < 0 || digit >= radix)
            break;
        value = value * radix + digit;
    }
    return value;
}

// Consumes digits from text at pos into out; returns how many were taken.
std::size_t takeDigits(std::string_view text, std::size_t &pos, std::string &out)
{
    const std::size_t start = pos;
    while (pos < text.size() && isDigit(text[pos]))
        out += text[pos++];
    return pos - start;
}

// Consumes an exponent ("e", optional sign, digits) only when it is complete; says whether it did.
bool takeExponent(std::string_view text, std::size_t &pos, std::string &out)
{
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E'))
        return false;
    std::size_t at = pos + 1;
    std::string exponent = "e";
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        exponent += text[at++];
    if (takeDigits(text, at, exponent) == 0)
        return false;
    out += exponent;
    pos = at;
    return true;
}

std::size_t radixDigits(std::string_view digits, int radix)
{
    std::size_t count = 0;
    while (count < digits.size()) {
        const char c = char(std::tolower(static_cast<unsigned char>(digits[count])));
        const int digit = isDigit(c) ? c - '0' : c >= 'a' && c <= 'f' ? c - 'a' + 10 : radix;
        if (digit >= radix)
            break;
        ++count;
    }
    return count;
}

// How a text reads leniently, and where in its blank-free form the reading stopped.
struct LenientScan {
    std::string compact; // the text without its blanks
    double value = 0;
    std::size_t end = 0;  // the first character the reading left out
    std::size_t digits = 0;
    int radix = 10;       // 16 or 8 after "&H" or "&O"
    std::size_t exponentAt = std::string::npos;
};

LenientScan scanLenient(std::string_view text)
{
    LenientScan scan;
    scan.compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(scan.compact), [](char c) { return !isBlank(c); });
    const std::string_view s = scan.compact;

    if (s.size() >= 2 && s[0] == '&') {
        const char prefix = char(std::toupper(static_cast<unsigned char>(s[1])));
        if (prefix == 'H' || prefix == 'O') {
            scan.radix = prefix == 'H' ? 16 : 8;
            scan.value = readRadix(s.substr(2), scan.radix);
            scan.digits = radixDigits(s.substr(2), scan.radix);
            scan.end = 2 + scan.digits;
            return scan;
        }
    }

    std::size_t &pos = scan.end;
    std::string number;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        number += s[pos++];
    scan.digits = takeDigits(s, pos, number);
    if (pos < s.size() && s[pos] == '.') {
        number += s[pos++];
        scan.digits += takeDigits(s, pos, number);
    }
    if (scan.digits == 0)
        return scan;
    const std::size_t beforeExponent = pos;
    if (takeExponent(s, pos, number))
        scan.exponentAt = beforeExponent;
    scan.value = parseDecimal(number);
    return scan;
}

// The character at pos of a UTF-8 text, whole.
std::string_view characterAt(std::string_view text, std::size_t pos)
{
    std::size_t length = 1;
    while (pos + length < text.size() && (static_cast<unsigned char>(text[pos + length]) & 0xC0) == 0x80)
        ++length;
    return text.substr(pos, length);
}

std::string readAs(double value)
{
    return std::isinf(value) ? "Read as a figure too large to calculate with" : "Read as " + decimalText(value);
}

} // namespace

double readLenient(std::string_view text)
{
    return scanLenient(text).value;
}

std::string readingHint(std::string_view text, Reading reading)
{
    if (reading == Reading::Strict) {
        const auto value = readStrict(text);
        if (!value)
            return "Not a number: Calculate will refuse it";
    }
    const LenientScan scan = scanLenient(text);
    const std::string_view s = scan.compact;
    if (reading == Reading::Lenient && scan.end < s.size()) {
        if (scan.digits == 0)
            return "Read as 0: the text does not begin with a number";
        if (s[scan.end] == ',') {
            std::string whole(s);
            std::erase(whole, ',');
            const LenientScan again = scanLenient(whole);
            const bool readsWhole = again.end == whole.size() && again.radix == 10;
            return readAs(scan.value) + ": a comma ends the figure here." + (readsWhole ? " Type " + whole + "." : "");
        }
        if (s[scan.end] == '.')
            return readAs(scan.value) + ": a second point ends the figure here";
        return readAs(scan.value) + ": \"" + std::string(characterAt(s, scan.end)) + "\" ends the figure here";
    }
    if (reading == Reading::Lenient && scan.digits == 0)
        return "Read as 0: the text holds no number";
    if (scan.radix != 10)
        return readAs(scan.value) + ": \"" + std::string(s.substr(0, 2)) + "\" makes the digits "
               + (scan.radix == 16 ? "hexadecimal" : "octal");
    if (std::isinf(scan.value))
        return readAs(scan.value) + ": Calculate will refuse it";
    if (scan.exponentAt != std::string::npos)
        return readAs(scan.value) + ": \"" + std::string(s.substr(scan.exponentAt)) + "\" is an exponent of ten";
    return {};
}

std::optional<double> readStrict(std::string_view text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    const std::string_view s = text.substr(first, last - first + 1);

    std::size_t pos = 0;
    std::string number;
    if (s[pos] == '+' || s[pos] == '-')
        number += s[pos++];
    std::size_t digits = 0;
    // Commas may group the whole part's digits, never lead, trail or stand twice.
    while (pos < s.size()) {
        if (isDigit(s[pos])) {
            number += s[pos++];
            ++digits;
        } else if (s[pos] == ',' && digits > 0 && pos + 1 < s.size() && isDigit(s[pos + 1])) {
            ++pos;
        } else {
            break;
        }
    }
    if (pos < s.size() && s[pos] == '.') {
        number += s[pos++];
        digits += takeDigits(s, pos, number);
    }
    if (digits == 0)
        return std::nullopt;
    takeExponent(s, pos, number);
    if (pos != s.size())
        return std::nullopt;
    return parseDecimal(number);
}

std::string decimalText(double value)
{
    if (value == 0 || std::isnan(value))
        return "0";
    if (std::isinf(value))
        return value < 0 ? "-1.#INF" : "1.#INF";

    // 15 significant digits as d.dddddddddddddde±x, rounded from the exact binary value.
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    const std::string_view scientific(buffer, written.ptr - buffer);
    const auto e = scientific.find('e');
    std::string digits;
    digits += scientific[0];
    digits += scientific.substr(2, e - 2);
    int exponent = 0;
    std::from_chars(scientific.data() + e + (scientific[e + 1] == '+' ? 2 : 1), scientific.data() + scientific.size(), exponent);
    digits.erase(digits.find_last_not_of('0') + 1);

    std::string text = value < 0 ? "-" : "";
    if (exponent >= -4 && exponent < 15) {
        if (exponent < 0) {
            text += "0." + std::string(std::size_t(-exponent - 1), '0') + digits;
        } else {
            const std::size_t whole = std::size_t(exponent) + 1;
            if (digits.size() <= whole) {
                text += digits + std::string(whole - digits.size(), '0');
            } else {
                text += digits.substr(0, whole) + '.' + digits.substr(whole);
            }
        }
        return text;
    }
    text += digits.substr(0, 1);
    if (digits.size() > 1)
        text += '.' + digits.substr(1);
    const int magnitude = std::abs(exponent);
    text += exponent < 0 ? "E-" : "E+";
    if (magnitude < 10)
        text += '0';
    text += std::to_string(magnitude);
    return text;
}

double roundHalfEven(double value)
{
    // The default floating-point environment rounds to nearest, ties to even.
    return std::nearbyint(value);
}

} // namespace pelmora
