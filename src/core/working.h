// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// How a computed figure was worked out: the rule in words with the figures that went into it,
// so that the user can check the figure by hand. A computation records the figures as it goes;
// they are put into words only when a window shows them, which keeps the computation as quick
// as it was without them.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>
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
    // Plain data, so that results with many workings copy as quickly as their figures.
    class Part
    {
    public:
        Part() = default;
        Part(double figure) : m_figure{figure, 0}, m_kind(Kind::Figure) {}
        Part(std::string_view words) : m_words{words.data(), words.size()}, m_kind(Kind::Words) {}
        Part(Rounded figure) : m_figure(figure), m_kind(Kind::Rounded) {}

        void appendTo(std::string &text) const;

    private:
        enum class Kind : unsigned char { Figure, Words, Rounded };
        struct Words {
            const char *data;
            std::size_t size;
        };
        union {
            Rounded m_figure;
            Words m_words;
        };
        Kind m_kind;
    };

    Working() = default;
    // Only the parts in use are copied: results hold many workings.
    Working(const Working &other) { *this = other; }
    Working &operator=(const Working &other);
    Working(Working &&other) noexcept { *this = std::move(other); }
    Working &operator=(Working &&other) noexcept;
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
    Part m_parts[capacity];
    std::size_t m_count = 0;
    std::vector<double> m_terms;
};

// Where the "0" of a result field comes from before its window's Calculate has run.
inline constexpr std::string_view notWorkedOutYet = "0 until Calculate works it out";

} // namespace pelmora
