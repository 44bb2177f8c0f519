#include "focusentry.h"

#include <QApplication>
#include <QFocusEvent>

namespace pelmora {

bool FocusEntry::entered(const QFocusEvent *event)
{
    const bool comingBack = event->reason() == Qt::PopupFocusReason
        || (event->reason() == Qt::ActiveWindowFocusReason && m_leftForAnotherProgram);
    m_leftForAnotherProgram = false;
    return !comingBack;
}

void FocusEntry::left(const QFocusEvent *event)
{
    // A message box or another window of the program leaves an active window behind; only
    // another program leaves none.
    m_leftForAnotherProgram
        = event->reason() == Qt::ActiveWindowFocusReason && QApplication::activeWindow() == nullptr;
}

void FocusEntry::hidden()
{
    m_leftForAnotherProgram = false;
}

} // namespace pelmora
