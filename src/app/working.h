// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a computed figure was worked out: the rule in words with the figures that went into it,
// so that the user can check the figure by hand. A computation records the figures as it goes;
// they are put into words only when a window shows them, which keeps the computation as quick
// as it was without them.

#include <array>
#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pelmora {

// A figure and what rounding to a whole number made of it: shown as the figure alone when
// rounding changed nothing, else as "676.2, rounded: 676" ("4.5, rounded to even: 4" for a half).
struct Rounded {
    double exact;
    double rounded;
};

class Working
{
public:
    // A figure (as its shortest decimal text), a word or phrase of the program's own, or a rounding.
    using Part = std::variant<double, std::string_view, Rounded>;

    Working() = default;
    // Each "{}" of the pattern stands for the next part; "{+}" stands for the terms of a sum, a run
    // of equal terms shown once with its count ("2368 × 2 + 23680 × 4").
    // Patterns and words must be literals: they are kept by reference.
    Working(std::string_view pattern, std::initializer_list<Part> parts);
    Working(std::string_view pattern, std::initializer_list<Part> parts, std::vector<double> terms);

    // The working in words; empty for a figure that has none.
    std::string text() const;

private:
    static constexpr std::size_t capacity = 8;
    std::string_view m_pattern;
    std::array<Part, capacity> m_parts{};
    std::size_t m_count = 0;
    std::vector<double> m_terms;
};

// Where the "0" of a result field comes from before its window's Calculate has run.
inline constexpr std::string_view notWorkedOutYet = "0 until Calculate works it out";

} // namespace pelmora
