#include "platform/frame_on_screen.h"

#include <QEvent>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QWindowStateChangeEvent>

#include <algorithm>

namespace orn {

FrameOnScreen::FrameOnScreen(QWidget& window) : QObject(&window), window_(window) {
  window.installEventFilter(this);
}

bool FrameOnScreen::eventFilter(QObject* watched, QEvent* e) {
  if (watched != &window_) return false;
  switch (e->type()) {
    case QEvent::Move:
    case QEvent::Resize:
      if (window_.isMaximized()) {
        maximised_ = window_.geometry();
        normal_ = window_.normalGeometry();
      } else if (awaitingPlace_) {
        // The window manager gives the window its place back: once the whole
        // of it has come (a move and a resize), the frame is fitted.
        awaitingPlace_ = false;
        QTimer::singleShot(0, this, [this] { fit(); });
      }
      break;
    case QEvent::WindowStateChange: {
      awaitingPlace_ = false;
      if (window_.isMaximized()) normal_ = window_.normalGeometry();
      const Qt::WindowStates was = static_cast<QWindowStateChangeEvent*>(e)->oldState();
      if (!(was & Qt::WindowMaximized) || window_.windowState() != Qt::WindowNoState) break;
      // A window manager may tell of the new state before or after it gives
      // the window its place back (openbox tells first). Where that place is
      // the maximised one, none is to come: the frame is fitted at once.
      if (window_.geometry() == maximised_ && normal_ != maximised_)
        awaitingPlace_ = true;
      else
        fit();
      break;
    }
    default:
      break;
  }
  return false;
}

void FrameOnScreen::fit() {
  const QWindow* native = window_.windowHandle();
  const QScreen* screen = window_.screen();
  if (native == nullptr || screen == nullptr || window_.windowState() != Qt::WindowNoState) return;
  const QRect room = screen->availableGeometry().marginsRemoved(native->frameMargins());
  const QRect inside = window_.geometry();
  if (room.contains(inside)) return;
  const QSize size = inside.size().boundedTo(room.size()).expandedTo(window_.minimumSize());
  const int x = std::max(room.left(), std::min(inside.x(), room.right() + 1 - size.width()));
  const int y = std::max(room.top(), std::min(inside.y(), room.bottom() + 1 - size.height()));
  window_.setGeometry(QRect(QPoint(x, y), size));
}

}  // namespace orn
