#pragma once

// Whether the focus arriving at a field enters it (by Tab, a click, or because the program
// moved it there) or comes back to it (from a menu, or to the window from another program).
// Entering selects the field's whole text, so that what is typed next replaces it; coming
// back keeps the caret where the user left it.
//
// On a real desktop a window becomes active only after the handler that showed it has run,
// so the focus the program gave arrives later as "window activated", the same reason as the
// user's return from another program. What tells them apart is how the field was left.

class QFocusEvent;

namespace pelmora {

class FocusEntry
{
public:
    // Call from focusInEvent: true when the field is entered.
    bool entered(const QFocusEvent *event);
    // Call from focusOutEvent.
    void left(const QFocusEvent *event);
    // Call from hideEvent: a window shown again is entered afresh.
    void hidden();

private:
    bool m_leftForAnotherProgram = false;
};

} // namespace pelmora
