#include "platform/transient_owner.h"

#include <QGuiApplication>
#include <QWindow>

#include <xcb/xcb.h>

namespace orn {

void NameTransientOwner(QWindow& window, const QWindow* owner) {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
  if (connection == nullptr || window.handle() == nullptr) return;
  const auto self = static_cast<xcb_window_t>(window.winId());
  if (owner != nullptr && owner->handle() != nullptr) {
    const auto id = static_cast<xcb_window_t>(owner->winId());
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE, self, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 32, 1,
                        &id);
  } else {
    xcb_delete_property(connection, self, XCB_ATOM_WM_TRANSIENT_FOR);
  }
  xcb_flush(connection);
}

}  // namespace orn
