#pragma once
// One QApplication for the whole test program (the tests run offscreen).
#include <QApplication>

namespace orn::test {

inline QApplication& app() {
  static int argc = 1;
  static char name[] = "platform_tests";
  static char* argv[] = {name, nullptr};
  static QApplication* instance = QApplication::instance()
                                      ? static_cast<QApplication*>(QApplication::instance())
                                      : new QApplication(argc, argv);
  return *instance;
}

}  // namespace orn::test
