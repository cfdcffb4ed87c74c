#pragma once
// One application object for a whole test program, the program's own
// (GuardedApplication, which acts as QApplication does until a test gives it
// a failure report); the tests run offscreen.
#include <QApplication>

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

}  // namespace orn::test
