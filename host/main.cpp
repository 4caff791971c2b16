// Pelorin, the host program of Vantorel.
#include <QApplication>

#include "host/CQuillet2App.h"
#include "host/InputFilter.h"

int main(int, char** argv) {
  // The program takes no options, and Qt's own (-reverse, -style, -platform ...) would change it:
  // Qt gets the program's name alone and finds the display in the environment.
  int qtArgc = 1;
  char* qtArgv[] = {argv[0], nullptr};
  QApplication qapp(qtArgc, qtArgv);
  qapp.setApplicationName(u"Vantorel"_qs);
  vantorel::host::CQuillet2App app(vantorel::host::CQuillet2App::systemEnvironment());
  vantorel::host::InputFilter filter(app);
  qapp.installEventFilter(&filter);
  if (!app.InitInstance()) return 0;
  return qapp.exec();
}
