// Pelorin, the host program of Vantorel.
#include <QApplication>

#include "host/CQuillet2App.h"
#include "host/InputFilter.h"

int main(int argc, char** argv) {
  QApplication qapp(argc, argv);
  qapp.setApplicationName(u"Vantorel"_qs);
  vantorel::host::CQuillet2App app(vantorel::host::CQuillet2App::systemEnvironment());
  vantorel::host::InputFilter filter(app);
  qapp.installEventFilter(&filter);
  if (!app.InitInstance()) return 0;
  return qapp.exec();
}
