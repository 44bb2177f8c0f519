// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a computed figure was worked out: the rule in words with the figures that went into it,
// so that the user can check the figure by hand. A computation records the figures as it goes;
// they are put into words only when a window shows them, which keeps the computation as quick
// as it was without them.

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pelmora {

// Words of the program's own. A working keeps them by reference, so they can only be made, at
// compile time, from a string literal or another constant of the program; a copy of them keeps
// pointing there.
class Words
{
public:
    constexpr Words() = default;
    template <std::size_t size>
    consteval Words(const char (&literal)[size]) : m_text(literal, size - 1)
    {
    }
    consteval Words(std::string_view constant) : m_text(constant) {}

    constexpr std::string_view text() const { return m_text; }
    constexpr bool operator==(const Words &other) const { return m_text == other.m_text; }

private:
    std::string_view m_text;
};

// A figure and what rounding to a whole number made of it: shown as the figure alone when
// rounding changed nothing, else as "676.2, rounded: 676" ("4.5, rounded to even: 4" for a half).
struct Rounded {
    double exact;
    double rounded;
};

// The terms of a sum, a run of equal terms shown once with its count ("2368 × 2 + 23680 × 4").
struct Terms {
    std::vector<double> figures;
};

// The terms of a sum by what each is ("GPF 100000 + LIC 12720"); the terms that are 0 are left
// out, and none at all shows as "0".
struct NamedTerms {
    struct Term {
        Words name;
        double figure;
    };
    std::vector<Term> terms;

    // Whether some term is 0 and so is not shown.
    bool leavesOut() const;
};

class Working
{
public:
    // A figure (as its shortest decimal text), words, a rounding, or the terms of a sum.
    class Part
    {
    public:
        Part(double figure) : m_part(figure) {}
        Part(Words words) : m_part(words) {}
        template <std::size_t size>
        consteval Part(const char (&literal)[size]) : m_part(Words(literal))
        {
        }
        Part(Rounded figure) : m_part(figure) {}
        Part(Terms sum) : m_part(std::move(sum)) {}
        Part(NamedTerms sum) : m_part(std::move(sum)) {}

        void appendTo(std::string &text) const;

    private:
        std::variant<double, Words, Rounded, Terms, NamedTerms> m_part;
    };

    Working() = default;
    // Each "{}" of the pattern stands for the next part.
    Working(Words pattern, std::initializer_list<Part> parts);
    Working(Words pattern, std::vector<Part> parts);

    // The working in words; empty for a figure that has none. A "{}" without its part shows as "?".
    std::string text() const;

private:
    Words m_pattern;
    std::vector<Part> m_parts;
};

// A figure a computation writes into a field: its text, and how it was worked out.
struct Figure {
    std::string text;
    Working working;
};

// Where the "0" of a result field comes from before its window's Calculate has run.
inline constexpr std::string_view notWorkedOutYet = "0 until Calculate works it out";

} // namespace pelmora
