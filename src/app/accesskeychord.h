#pragma once

// Alt and a key is how the user presses a button by its access key. When no enabled button
// takes the chord it must not reach a field as typing: the letter would join a figure that
// the user never meant to change.

class QKeyEvent;

namespace pelmora {

// True for a key pressed with Alt (Alt+Shift and Ctrl+Alt included) that would type a
// character. AltGr, which some keyboard layouts need for typing, is not Alt.
bool isAccessKeyChord(const QKeyEvent *event);

} // namespace pelmora
