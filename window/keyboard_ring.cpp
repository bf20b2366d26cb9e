// The keyboard ring: Enter and Down go to the next of the fourteen fields,
// Up to the previous one, wrapping round at both ends.

#include "window/frmRaschet.h"

#include <QLineEdit>

// Sees every key pressed in a field before the field does, and never keeps
// it from the field. Shift, Ctrl and Alt do not matter.
void frmRaschet::Form_KeyDown(int KeyCode)
{
    const auto position = std::find(ring.begin(), ring.end(), focusWidget());
    if (position == ring.end())
        return;
    const std::size_t index = static_cast<std::size_t>(position - ring.begin());
    switch (KeyCode) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Down:
        moveFocusTo(ring[(index + 1) % ring.size()]);
        break;
    case Qt::Key_Up:
        moveFocusTo(ring[(index + ring.size() - 1) % ring.size()]);
        break;
    default:
        break;
    }
}
