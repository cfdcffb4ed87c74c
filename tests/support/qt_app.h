#pragma once
// One application object for a whole test program, the program's own
// (GuardedApplication, which acts as QApplication does until a test gives it
// a failure report); the tests run offscreen.
#include <QApplication>

#include <chrono>
#include <functional>

#include "platform/guarded_application.h"

namespace orn::test {

inline QApplication& app() {
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (auto* a = qobject_cast<QApplication*>(QCoreApplication::instance())) return *a;
  static int argc = 1;
  static char name[] = "ornivale_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* a = new GuardedApplication(argc, argv);
  return *a;
}

// Runs the event loop until `done` holds or ten seconds have passed (a
// loaded machine under the sanitizers is slow; a pass never waits that long).
inline bool waitFor(const std::function<bool()>& done) {
  const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while (!done()) {
    if (std::chrono::steady_clock::now() > until) return false;
    QApplication::processEvents(QEventLoop::AllEvents, 10);
  }
  return true;
}

}  // namespace orn::test
