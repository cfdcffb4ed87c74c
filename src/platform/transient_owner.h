#pragma once
// What the window manager is told of a window's owner.
class QWindow;

namespace orn {

// Names `owner` to the X window manager as the window that `window` belongs
// over (the window's WM_TRANSIENT_FOR), or no window when `owner` is null, so
// that the manager keeps `window` above `owner` whichever of the two is
// clicked. Qt names a transient parent only for dialogs and tool windows,
// and only as they are mapped: a window of another kind, or one already on
// the screen, needs this. Call it after each show(), which takes the name
// back. Off X11 it does nothing.
void NameTransientOwner(QWindow& window, const QWindow* owner);

}  // namespace orn
