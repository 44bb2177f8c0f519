// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#include "placement.h"

#include "printer.h"

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
    printer.setCurrentX((width - printer.textWidth(text)) / 2);
    printer.print(text);
}

} // namespace pelmora
