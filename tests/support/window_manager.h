#pragma once
// The program's windows as the X window manager sees them, for window tests
// that run on a real X server (QT_QPA_PLATFORM=xcb) under a window manager:
// what a window is a transient of, which window is active and how they are
// stacked, and a real click through the X server, which the manager sees as
// it sees a user's. Off X11 there is no window manager.
#include <QGuiApplication>
#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QProcess>
#include <QStringList>
#include <QWidget>

#include <xcb/xcb.h>

#include "support/qt_app.h"

#include <algorithm>
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

inline xcb_atom_t Atom(xcb_connection_t* c, std::string_view name) {
  std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> atom(
      xcb_intern_atom_reply(c, xcb_intern_atom(c, 0, std::uint16_t(name.size()), name.data()), nullptr), &std::free);
  return atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE);
}

// The 32-bit values of type `type` a property of `window` holds (none when
// it is unset).
inline std::vector<std::uint32_t> ValuesIn(xcb_window_t window, const char* property, xcb_atom_t type) {
  xcb_connection_t* c = XConnection();
  std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
      xcb_get_property_reply(c, xcb_get_property(c, 0, window, Atom(c, property), type, 0, 4096), nullptr),
      &std::free);
  if (!reply || reply->format != 32) return {};
  const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
  return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

// The window ids a property of `window` holds.
inline std::vector<std::uint32_t> WindowsIn(xcb_window_t window, const char* property) {
  return ValuesIn(window, property, XCB_ATOM_WINDOW);
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

// The windows stacked above `window` (none when it is not managed).
inline std::vector<std::uint32_t> WindowsAbove(const QWidget& window) {
  auto stack = StackedWindows();
  const auto at = std::find(stack.begin(), stack.end(), XWindowOf(window));
  return at == stack.end() ? stack : std::vector<std::uint32_t>(at + 1, stack.end());
}

// Watches the window manager restack the windows, from the moment it is
// made: on a connection of its own, which hears the root window's stacking
// list change.
class Restacks {
 public:
  Restacks() : connection_(xcb_connect(nullptr, nullptr)) {
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
    xcb_change_window_attributes(connection_, root, XCB_CW_EVENT_MASK, &events);
    stacking_ = Atom(connection_, "_NET_CLIENT_LIST_STACKING");  // its reply: the watch is in force
  }
  ~Restacks() { xcb_disconnect(connection_); }
  Restacks(const Restacks&) = delete;
  Restacks& operator=(const Restacks&) = delete;

  // Waits until the window manager has restacked the windows.
  bool happened() {
    bool seen = false;
    return waitFor([&] {
      while (xcb_generic_event_t* e = xcb_poll_for_event(connection_)) {
        seen |= (e->response_type & 0x7f) == XCB_PROPERTY_NOTIFY &&
                reinterpret_cast<xcb_property_notify_event_t*>(e)->atom == stacking_;
        std::free(e);
      }
      return seen;
    });
  }

 private:
  xcb_connection_t* connection_;
  xcb_atom_t stacking_ = xcb_atom_t(XCB_ATOM_NONE);
};

// Where the pointer is on the screen.
inline QPoint PointerOnScreen() {
  xcb_connection_t* c = XConnection();
  std::unique_ptr<xcb_query_pointer_reply_t, decltype(&std::free)> at(
      xcb_query_pointer_reply(c, xcb_query_pointer(c, XRoot()), nullptr), &std::free);
  return at ? QPoint(at->root_x, at->root_y) : QPoint();
}

// Moves the pointer to a point of the screen and waits until it is there
// (xdotool's own wait, asked for a move to where the pointer is already,
// waits long for a move that never comes).
inline QStringList PointerTo(QPoint at) {
  QStringList move{"mousemove"};
  if (PointerOnScreen() != at) move << "--sync";
  return move << QString::number(at.x()) << QString::number(at.y());
}

// Clicks the left button at a point of the screen, through the X server.
inline bool ClickOnScreen(QPoint at) { return QProcess::execute("xdotool", PointerTo(at) << "click" << "1") == 0; }

// Where the top left corner of `w`'s window is on the screen, as the X
// server has it. The program hears late of a window manager's placing and
// framing, on a busy machine later than a test moves on.
inline QPoint XOriginOf(const QWidget& w) {
  xcb_connection_t* c = XConnection();
  std::unique_ptr<xcb_translate_coordinates_reply_t, decltype(&std::free)> at(
      xcb_translate_coordinates_reply(c, xcb_translate_coordinates(c, XWindowOf(*w.window()), XRoot(), 0, 0), nullptr),
      &std::free);
  return at ? QPoint(at->dst_x, at->dst_y) : QPoint();
}

// The middle of `control` on the screen.
inline QPoint MiddleOnScreen(const QWidget& control) {
  return XOriginOf(control) + control.mapTo(control.window(), control.rect().center());
}

// The frame the window manager put round `w`: left, right, top, bottom
// (none while it has not framed it).
inline QMargins FrameExtentsOf(const QWidget& w) {
  const auto extents = ValuesIn(XWindowOf(w), "_NET_FRAME_EXTENTS", XCB_ATOM_CARDINAL);
  if (extents.size() != 4) return {};
  return {int(extents[0]), int(extents[2]), int(extents[1]), int(extents[3])};
}

// The middle of `dialog`'s title bar on the screen: halfway up the top of the
// frame the window manager put round it.
inline QPoint TitleBarOf(const QWidget& dialog) {
  const QPoint origin = XOriginOf(dialog);
  return {origin.x() + dialog.width() / 2, origin.y() - FrameExtentsOf(dialog).top() / 2};
}

// Where `w`'s window lies on the screen, as the X server has it.
inline QRect XGeometryOf(const QWidget& w) {
  xcb_connection_t* c = XConnection();
  std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> size(
      xcb_get_geometry_reply(c, xcb_get_geometry(c, XWindowOf(*w.window())), nullptr), &std::free);
  return size ? QRect(XOriginOf(w), QSize(size->width, size->height)) : QRect();
}

// Where the frame round `w`'s window lies on the screen.
inline QRect FrameOnScreen(const QWidget& w) { return XGeometryOf(w).marginsAdded(FrameExtentsOf(*w.window())); }

// Whether the window manager has `w` maximised both ways.
inline bool MaximisedOnScreen(const QWidget& w) {
  xcb_connection_t* c = XConnection();
  const auto states = ValuesIn(XWindowOf(w), "_NET_WM_STATE", XCB_ATOM_ATOM);
  const auto has = [&states](xcb_atom_t a) { return std::find(states.begin(), states.end(), a) != states.end(); };
  return has(Atom(c, "_NET_WM_STATE_MAXIMIZED_VERT")) && has(Atom(c, "_NET_WM_STATE_MAXIMIZED_HORZ"));
}

// Double-clicks the left button at a point of the screen, through the X server.
inline bool DoubleClickOnScreen(QPoint at) {
  return QProcess::execute("xdotool", PointerTo(at) << "click" << "--repeat" << "2" << "--delay" << "60" << "1") == 0;
}

// Asks the window manager, as another program does, to move `w`'s window
// to a point of the screen.
inline bool MoveOnScreen(const QWidget& w, QPoint to) {
  return QProcess::execute("xdotool", {"windowmove", QString::number(XWindowOf(*w.window())), QString::number(to.x()),
                                       QString::number(to.y())}) == 0;
}

}  // namespace orn::test
