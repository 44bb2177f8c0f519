// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// What a computation gives a window: the texts to write, or the reason it cannot go on.
// A computation works out every figure before a window writes any, so a refusal leaves
// all fields as they were.

#include <string>
#include <string_view>
#include <utility>
#include <variant>

namespace pelmora {

class CalculationError
{
public:
    enum class Kind {
        FigureTooLarge,  // a figure read lies beyond the range of a double
        ResultTooLarge,  // a figure worked out would lie beyond it
        NotANumber,     // a field read strictly holds text that is not a number
        UnknownChoice,  // a choice box holds none of its entries
        NotADate,       // a date field holds text that is not a date
        Inconsistent,   // the figures contradict each other; the subject is the whole message
    };

    // The caption of the field that holds the figure, or that the figure worked out is for.
    static CalculationError figureTooLarge(std::string caption) { return {Kind::FigureTooLarge, std::move(caption), {}}; }
    static CalculationError resultTooLarge(std::string caption) { return {Kind::ResultTooLarge, std::move(caption), {}}; }
    static CalculationError notANumber(std::string caption) { return {Kind::NotANumber, std::move(caption), {}}; }
    static CalculationError inconsistent(std::string message) { return {Kind::Inconsistent, std::move(message), {}}; }
    static CalculationError notADate(std::string caption) { return {Kind::NotADate, std::move(caption), {}}; }
    static CalculationError unknownChoice(std::string caption, std::string entries)
    {
        return {Kind::UnknownChoice, std::move(caption), std::move(entries)};
    }

    Kind kind() const { return m_kind; }
    // The caption of the field or box concerned.
    const std::string &subject() const { return m_subject; }
    // The text of the message box that tells the user.
    std::string message() const;

private:
    CalculationError(Kind kind, std::string subject, std::string entries)
        : m_kind(kind), m_subject(std::move(subject)), m_entries(std::move(entries))
    {
    }

    Kind m_kind;
    std::string m_subject;
    std::string m_entries;
};

template <typename Texts>
using Calculation = std::variant<Texts, CalculationError>;

// Runs the steps of a computation; a CalculationError thrown by any step becomes its result.
template <typename Steps>
auto calculate(Steps &&steps) -> Calculation<decltype(steps())>
{
    try {
        return steps();
    } catch (const CalculationError &error) {
        return error;
    }
}

// The readings and writing that computations use, each of the field its caption names. Each
// throws CalculationError, to be caught by calculate(), when a figure leaves the range of a double.
double lenientFigure(std::string_view text, std::string_view caption);
double strictFigure(std::string_view text, std::string_view caption);
std::string figureText(double value, std::string_view caption);

} // namespace pelmora
