// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "figures.h"

#include <algorithm>
#include <charconv>
#include <cmath>
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

// Consumes an exponent ("e", optional sign, digits) only when it is complete.
void takeExponent(std::string_view text, std::size_t &pos, std::string &out)
{
    if (pos >= text.size() || (text[pos] != 'e' && text[pos] != 'E'))
        return;
    std::size_t at = pos + 1;
    std::string exponent = "e";
    if (at < text.size() && (text[at] == '+' || text[at] == '-'))
        exponent += text[at++];
    if (takeDigits(text, at, exponent) == 0)
        return;
    out += exponent;
    pos = at;
}

} // namespace

double readLenient(std::string_view text)
{
    std::string compact;
    compact.reserve(text.size());
    std::copy_if(text.begin(), text.end(), std::back_inserter(compact), [](char c) { return !isBlank(c); });
    const std::string_view s = compact;

    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return readRadix(s.substr(2), 16);
        if (s[1] == 'O' || s[1] == 'o')
            return readRadix(s.substr(2), 8);
    }

    std::size_t pos = 0;
    std::string number;
    if (pos < s.size() && (s[pos] == '+' || s[pos] == '-'))
        number += s[pos++];
    std::size_t digits = takeDigits(s, pos, number);
    if (pos < s.size() && s[pos] == '.') {
        number += s[pos++];
        digits += takeDigits(s, pos, number);
    }
    if (digits == 0)
        return 0;
    takeExponent(s, pos, number);
    return parseDecimal(number);
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
