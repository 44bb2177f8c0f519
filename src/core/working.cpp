// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "working.h"

#include "figures.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace pelmora {

namespace {

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

void appendSum(std::string &text, const std::vector<double> &terms)
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

} // namespace

Working::Working(std::string_view pattern, std::initializer_list<Part> parts) : m_pattern(pattern)
{
    m_count = std::min(parts.size(), capacity);
    std::copy_n(parts.begin(), m_count, m_parts);
}

Working &Working::operator=(const Working &other)
{
    m_pattern = other.m_pattern;
    m_count = other.m_count;
    std::copy_n(other.m_parts, m_count, m_parts);
    m_terms = other.m_terms;
    return *this;
}

Working &Working::operator=(Working &&other) noexcept
{
    m_pattern = other.m_pattern;
    m_count = other.m_count;
    std::copy_n(other.m_parts, m_count, m_parts);
    m_terms = std::move(other.m_terms);
    return *this;
}

Working::Working(std::string_view pattern, std::initializer_list<Part> parts, std::vector<double> terms)
    : Working(pattern, parts)
{
    m_terms = std::move(terms);
}

void Working::Part::appendTo(std::string &text) const
{
    switch (m_kind) {
    case Kind::Figure:
        appendFigure(text, m_figure.exact);
        break;
    case Kind::Words:
        text.append(m_words.data, m_words.size);
        break;
    case Kind::Rounded:
        appendRounded(text, m_figure);
        break;
    }
}

std::string Working::text() const
{
    std::string text;
    text.reserve(m_pattern.size() + 24 * m_count + 10 * m_terms.size());
    std::size_t next = 0;
    std::size_t from = 0;
    for (auto at = m_pattern.find('{'); at != std::string_view::npos; at = m_pattern.find('{', from)) {
        text += m_pattern.substr(from, at - from);
        if (m_pattern.substr(at, 3) == "{+}") {
            appendSum(text, m_terms);
            from = at + 3;
            continue;
        }
        from = at + 2;
        if (next >= m_count)
            continue;
        m_parts[next++].appendTo(text);
    }
    text += m_pattern.substr(from);
    return text;
}

} // namespace pelmora
