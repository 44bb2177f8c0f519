// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "placement.h"

#include "printer.h"

#include <string>
#include <vector>

namespace pelmora {

void printLeft(Printer &printer, float x, float y, std::string_view text)
{
    printer.setCurrentX(x);
    printer.setCurrentY(y);
    printer.print(text);
}

void printRight(Printer &printer, float edge, float y, std::string_view text)
{
    const float width = printer.textWidth(text);
    printer.setCurrentX(edge - width);
    printer.setCurrentY(y);
    printer.print(text);
}

void printCentred(Printer &printer, float width, float y, std::string_view text)
{
    printer.setCurrentY(y);
    const float whole = printer.textWidth(text);
    const std::string fitting = whole <= width ? std::string(text) : cutTo(printer, width, text);
    printer.setCurrentX((width - (whole <= width ? whole : printer.textWidth(fitting))) / 2);
    printer.print(fitting);
}

std::string cutTo(Printer &printer, float width, std::string_view text)
{
    if (printer.textWidth(text) <= width)
        return std::string(text);
    // Where each character of the UTF-8 text begins, and the text's end.
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size(); ++at)
        if ((static_cast<unsigned char>(text[at]) & 0xC0) != 0x80)
            starts.push_back(at);
    const auto cut = [&](std::size_t characters) { return std::string(text.substr(0, starts[characters])) + "…"; };
    // The most characters that fit with the ellipsis: none may be all.
    std::size_t fits = 0, tooMany = starts.size();
    while (tooMany - fits > 1) {
        const std::size_t middle = (fits + tooMany) / 2;
        (printer.textWidth(cut(middle)) <= width ? fits : tooMany) = middle;
    }
    return cut(fits);
}

std::vector<std::string> wrapped(std::string_view text, std::size_t characters)
{
    std::vector<std::string> lines;
    std::string current;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        const std::string_view word = text.substr(start, end - start);
        if (!word.empty()) {
            if (!current.empty() && current.size() + 1 + word.size() > characters) {
                lines.push_back(std::move(current));
                current.clear();
            }
            if (!current.empty())
                current += ' ';
            current += word;
        }
        start = end + 1;
    }
    if (!current.empty() || lines.empty())
        lines.push_back(std::move(current));
    return lines;
}

} // namespace pelmora
