// vantorel-regsvr: registers component libraries as the platform's registration tool does, by
// calling each library's DllRegisterServer (or DllUnregisterServer). The registrations go into the
// user's own store, or with --machine into the machine store that every user's reads fall through
// to (as the administrator: /etc/vantorel/registry.reg or $VANTOREL_MACHINE_REGISTRY).
//
//   vantorel-regsvr [--machine] [--registry FILE] [--unregister] LIBRARY...
#include <QCoreApplication>
#include <QFileInfo>
#include <cstdio>

#include "platform/com/Creation.h"
#include "platform/registry/Registry.h"

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  bool unregister = false;
  QStringList libraries;
  const QStringList args = app.arguments().mid(1);
  for (qsizetype i = 0; i < args.size(); ++i) {
    if (args[i] == u"--unregister"_qs) {
      unregister = true;
    } else if (args[i] == u"--registry"_qs && i + 1 < args.size()) {
      vantorel::registry::useStoreFile(args[++i].toStdString());
    } else if (args[i] == u"--machine"_qs) {
      vantorel::registry::useStoreFile(vantorel::registry::RegistryStore::defaultMachinePath());
    } else {
      libraries << args[i];
    }
  }
  if (libraries.isEmpty()) {
    std::fprintf(stderr, "usage: vantorel-regsvr [--machine] [--registry FILE] [--unregister] LIBRARY...\n");
    return 2;
  }
  int failures = 0;
  for (const QString& library : libraries) {
    const QString path = QFileInfo(library).absoluteFilePath();
    QString error;
    const auto hr = vantorel::com::registerLibrary(path.toStdString(), unregister, &error);
    if (hr == vantorel::com::kOk) {
      std::printf("%s %s\n", unregister ? "unregistered" : "registered", qPrintable(path));
    } else {
      std::fprintf(stderr, "%s: %s failed (0x%08X)%s%s\n", qPrintable(path),
                   unregister ? "DllUnregisterServer" : "DllRegisterServer", static_cast<unsigned>(hr),
                   error.isEmpty() ? "" : ": ", qPrintable(error));
      const auto& store = vantorel::registry::store();
      if (!store.lastError().empty()) std::fprintf(stderr, "  registry: %s\n", store.lastError().c_str());
      ++failures;
    }
  }
  return failures ? 1 : 0;
}
