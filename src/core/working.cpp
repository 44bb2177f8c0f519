// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "working.h"

#include "figures.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace pelmora {

namespace {

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};

// As decimalText() writes it; whole figures, nearly all of them, take the quick way.
void appendFigure(std::string &text, double value)
{
    if (value == std::trunc(value) && std::fabs(value) < 1e15) {
        char buffer[24];
        const auto written = std::to_chars(buffer, buffer + sizeof buffer, static_cast<long long>(value));
        text.append(buffer, written.ptr);
        return;
    }
    text += decimalText(value);
}

void appendRounded(std::string &text, Rounded figure)
{
    const std::size_t start = text.size();
    appendFigure(text, figure.exact);
    const std::size_t end = text.size();
    appendFigure(text, figure.rounded);
    if (std::string_view(text).substr(start, end - start) == std::string_view(text).substr(end)) {
        text.resize(end);
        return;
    }
    const bool half = std::fabs(figure.exact - std::trunc(figure.exact)) == 0.5;
    text.insert(end, half ? ", rounded to even: " : ", rounded: ");
}

void appendTerms(std::string &text, const std::vector<double> &terms)
{
    for (std::size_t i = 0; i < terms.size();) {
        std::size_t run = 1;
        while (i + run < terms.size() && terms[i + run] == terms[i])
            ++run;
        if (i > 0)
            text += " + ";
        appendFigure(text, terms[i]);
        if (run > 1) {
            text += " × ";
            appendFigure(text, double(run));
        }
        i += run;
    }
}

void appendNamedTerms(std::string &text, const NamedTerms &sum)
{
    bool first = true;
    for (const NamedTerms::Term &term : sum.terms) {
        if (term.figure == 0)
            continue;
        if (!first)
            text += " + ";
        first = false;
        text += term.name.text();
        text += ' ';
        appendFigure(text, term.figure);
    }
    if (first)
        text += '0';
}

} // namespace

void Working::Part::appendTo(std::string &text) const
{
    std::visit(Overloaded{
                   [&](double figure) { appendFigure(text, figure); },
                   [&](Words words) { text += words.text(); },
                   [&](Rounded figure) { appendRounded(text, figure); },
                   [&](const Terms &sum) { appendTerms(text, sum.figures); },
                   [&](const NamedTerms &sum) { appendNamedTerms(text, sum); },
               },
               m_part);
}

bool NamedTerms::leavesOut() const
{
    return std::any_of(terms.begin(), terms.end(), [](const Term &term) { return term.figure == 0; });
}

Working::Working(Words pattern, std::initializer_list<Part> parts) : m_pattern(pattern), m_parts(parts) {}

Working::Working(Words pattern, std::vector<Part> parts) : m_pattern(pattern), m_parts(std::move(parts)) {}

std::string Working::text() const
{
    const std::string_view pattern = m_pattern.text();
    std::string text;
    text.reserve(pattern.size() + 24 * m_parts.size());
    std::size_t next = 0;
    std::size_t from = 0;
    for (auto at = pattern.find("{}"); at != std::string_view::npos; at = pattern.find("{}", from)) {
        text += pattern.substr(from, at - from);
        from = at + 2;
        if (next < m_parts.size())
            m_parts[next++].appendTo(text);
        else
            text += '?';
    }
    text += pattern.substr(from);
    return text;
}

} // namespace pelmora
