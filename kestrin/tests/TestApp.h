#pragma once

#include <QApplication>

// The one application object of the test program. It is never destroyed: Qt's input-device
// registry is a later static and goes first at exit, and the application's pointing device
// would unregister from it after that.
inline QApplication& testApp() {
  static int argc = 1;
  static char name[] = "kestrin-tests";
  static char* argv[] = {name, nullptr};
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}
