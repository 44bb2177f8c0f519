// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calculation.h"

#include "figures.h"

#include <cmath>

namespace pelmora {

std::string CalculationError::message() const
{
    switch (m_kind) {
    case Kind::FigureTooLarge:
        return "A figure is too large to calculate with. Please check the amounts.";
    case Kind::NotANumber:
        return "\"" + m_subject + "\" is not a number. Please enter an amount.";
    case Kind::UnknownChoice:
        return "\"" + m_subject + "\" must be one of " + m_entries + ".";
    }
    return {};
}

namespace {
double inRange(double value)
{
    if (!std::isfinite(value))
        throw CalculationError::figureTooLarge();
    return value;
}
} // namespace

double lenientFigure(std::string_view text)
{
    return inRange(readLenient(text));
}

double strictFigure(std::string_view text, std::string_view caption)
{
    const auto value = readStrict(text);
    if (!value)
        throw CalculationError::notANumber(std::string(caption));
    return inRange(*value);
}

std::string figureText(double value)
{
    // A figure written must read back as itself: 15 digits of the largest doubles do not.
    std::string text = decimalText(inRange(value));
    inRange(readLenient(text));
    return text;
}

} // namespace pelmora
