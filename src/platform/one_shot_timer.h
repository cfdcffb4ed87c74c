#pragma once
// A timer that fires once each time it is started, as the windows' start-up
// and hand-over timers do; `owner` owns it.
#include <QTimer>

#include <utility>

namespace orn {

template <class Slot>
QTimer* OneShotTimer(QObject* owner, int ms, Slot slot) {
  auto* t = new QTimer(owner);
  t->setSingleShot(true);
  t->setInterval(ms);
  QObject::connect(t, &QTimer::timeout, owner, std::move(slot));
  return t;
}

}  // namespace orn
