#include "platform/guarded_application.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>

#include <exception>

namespace orn {

namespace {

// The item under the pointer of a menu or menu bar.
QAction* activeItem(const QObject* receiver) {
  if (const auto* menu = qobject_cast<const QMenu*>(receiver)) return menu->activeAction();
  if (const auto* bar = qobject_cast<const QMenuBar*>(receiver)) return bar->activeAction();
  return nullptr;
}

}  // namespace

std::string EventTag(const QObject* receiver) {
  if (receiver == nullptr) return "EventLoop";
  if (const QAction* a = activeItem(receiver); a && !a->objectName().isEmpty())
    return a->objectName().toStdString();
  if (!receiver->objectName().isEmpty()) return receiver->objectName().toStdString();
  return receiver->metaObject()->className();
}

GuardedApplication::GuardedApplication(int& argc, char** argv) : QApplication(argc, argv) {}

bool GuardedApplication::notify(QObject* receiver, QEvent* e) {
  if (!report_) return QApplication::notify(receiver, e);
  // A menu item's command runs once the menu has closed and forgotten its
  // item: the item is noted before the delivery.
  const QPointer<QAction> item = activeItem(receiver);
  // A handler may delete what it handles before it fails.
  const QPointer<QObject> alive = receiver;
  for (;;) {
    std::string what;
    try {
      return QApplication::notify(receiver, e);
    } catch (const std::exception& x) {
      what = x.what();
    } catch (...) {
      what = "Unknown error";
    }
    std::string tag = "EventLoop";
    if (item && !item->objectName().isEmpty())
      tag = item->objectName().toStdString();
    else if (alive)
      tag = EventTag(receiver);
    // Retry delivers the event again, to a receiver that is still there.
    if (!report_(tag, what) || !alive) return false;
  }
}

}  // namespace orn
