#pragma once
// What the window manager is told of a window's owner.
class QWindow;

namespace orn {

// Names `owner` to the X window manager as the window that `window` belongs
// to (the window's WM_TRANSIENT_FOR), or no window when `owner` is null: the
// manager then raises `window` with `owner`, so that a click on `owner` does
// not bury `window` beneath `owner`'s own parent. Qt names a transient parent
// only for dialogs and tool windows, and takes the name back as any other
// window is shown: call this after each show(). A window manager need only
// read it as the window is mapped. Off X11 it does nothing.
void NameTransientOwner(QWindow& window, const QWindow* owner);

}  // namespace orn
