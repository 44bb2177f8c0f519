// SPDX-FileCopyrightText: 2026 Pelmora team
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The look of the windows' push buttons on any desktop style.

class QStyle;

namespace pelmora {

// Draws a push button as a flat face of its palette's Button colour with a raised edge of the
// palette's light and dark shades, sunk while pressed; the button with the focus is framed in
// the Highlight colour, the default button in the Shadow colour. Everything else is drawn by
// the application's style. One instance serves every button.
QStyle *flatButtonStyle();

} // namespace pelmora
