#pragma once
// The program's windows as the X window manager sees them, for window tests
// that run on a real X server (QT_QPA_PLATFORM=xcb) under a window manager:
// what a window is a transient of, which window is active and which lies on
// top, and a real click through the X server, which the manager sees as it
// sees a user's. Off X11 there is no window manager.
#include <QGuiApplication>
#include <QPoint>
#include <QProcess>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <string_view>
#include <vector>

namespace orn::test {

inline xcb_connection_t* XConnection() {
  auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
  return x11 ? x11->connection() : nullptr;
}

inline xcb_window_t XRoot() {
  return xcb_setup_roots_iterator(xcb_get_setup(XConnection())).data->root;
}

// The window ids a property of `window` holds (none when it is unset).
inline std::vector<std::uint32_t> WindowsIn(xcb_window_t window, const char* property) {
  xcb_connection_t* c = XConnection();
  const std::string_view name(property);
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(name.size()), name.data()), nullptr), &std::free);
  if (!atom) return {};
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, atom->atom, XCB_ATOM_WINDOW, 0, 4096), nullptr),
      &std::free);
  if (!reply || reply->format != 32) return {};
  const auto* ids = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {ids, ids + xcb_get_property_value_length(reply.get()) / 4};
}

inline std::uint32_t FirstOf(const std::vector<std::uint32_t>& ids) { return ids.empty() ? 0 : ids.front(); }

// Whether a window manager runs on the program's X server.
inline bool WindowManagerRuns() {
  return XConnection() != nullptr && FirstOf(WindowsIn(XRoot(), "_NET_SUPPORTING_WM_CHECK")) != 0;
}

inline std::uint32_t XWindowOf(const QWidget& w) { return std::uint32_t(w.winId()); }

// The window `w` is a transient of, as the window manager reads it; 0: none.
inline std::uint32_t TransientOwner(const QWidget& w) { return FirstOf(WindowsIn(XWindowOf(w), "WM_TRANSIENT_FOR")); }
inline std::uint32_t ActiveWindow() { return FirstOf(WindowsIn(XRoot(), "_NET_ACTIVE_WINDOW")); }
// The managed windows, bottom to top.
inline std::vector<std::uint32_t> StackedWindows() { return WindowsIn(XRoot(), "_NET_CLIENT_LIST_STACKING"); }
inline std::uint32_t TopWindow() {
  const auto stack = StackedWindows();
  return stack.empty() ? 0 : stack.back();
}

// Clicks the left button at a point of the screen, through the X server.
inline bool ClickOnScreen(QPoint at) {
  return QProcess::execute("xdotool", {"mousemove", "--sync", QString::number(at.x()), QString::number(at.y()),
                                       "click", "1"}) == 0;
}

// The middle of `dialog`'s title bar on the screen.
inline QPoint TitleBarOf(const QWidget& dialog) {
  const QRect frame = dialog.frameGeometry();
  return {frame.center().x(), (frame.top() + dialog.geometry().top()) / 2};
}

}  // namespace orn::test
