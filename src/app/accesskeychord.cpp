#include "accesskeychord.h"

#include <QKeyEvent>

namespace pelmora {

bool isAccessKeyChord(const QKeyEvent *event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    if (!modifiers.testFlag(Qt::AltModifier) || event->text().isEmpty())
        return false;
#ifdef Q_OS_WIN
    // Windows reports AltGr as Ctrl+Alt.
    if (modifiers.testFlag(Qt::ControlModifier))
        return false;
#endif
    return true;
}

} // namespace pelmora
