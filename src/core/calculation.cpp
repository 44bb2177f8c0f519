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
        return m_subject + " holds a figure too large to calculate with. Please check the amounts.";
    case Kind::ResultTooLarge:
        return m_subject + " would be too large to calculate with. Please check the amounts.";
    case Kind::NotANumber:
        return "\"" + m_subject + "\" is not a number. Please enter an amount.";
    case Kind::Inconsistent:
        return m_subject;
    case Kind::NotADate:
        return "\"" + m_subject + "\" is not a date. Please type it as 07/12/1953.";
    case Kind::UnknownChoice:
        return "\"" + m_subject + "\" must be one of " + m_entries + ".";
    }
    return {};
}

namespace {
double held(double value, std::string_view caption)
{
    if (!std::isfinite(value))
        throw CalculationError::figureTooLarge(std::string(caption));
    return value;
}
} // namespace

double lenientFigure(std::string_view text, std::string_view caption)
{
    return held(readLenient(text), caption);
}

double strictFigure(std::string_view text, std::string_view caption)
{
    const auto value = readStrict(text);
    if (!value)
        throw CalculationError::notANumber(std::string(caption));
    return held(*value, caption);
}

std::string figureText(double value, std::string_view caption)
{
    // A figure written must read back as itself: 15 digits of the largest doubles do not.
    std::string text = decimalText(value);
    if (!std::isfinite(value) || !std::isfinite(readLenient(text)))
        throw CalculationError::resultTooLarge(std::string(caption));
    return text;
}

} // namespace pelmora
