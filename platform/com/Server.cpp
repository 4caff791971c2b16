#include "platform/com/Server.h"

#include <dlfcn.h>

#include <cstdio>
#include <filesystem>

#include "platform/registry/Registry.h"

namespace vantorel::com {
namespace {

std::string clsidKey(const ComponentIdentity& id) {
  return "HKEY_CLASSES_ROOT\\CLSID\\" + id.clsid.toString();
}
std::string typeLibKey(const ComponentIdentity& id) {
  return "HKEY_CLASSES_ROOT\\TypeLib\\" + id.typeLibId.toString();
}
std::string interfaceKey(const Guid& iid) {
  return "HKEY_CLASSES_ROOT\\Interface\\" + iid.toString();
}

}  // namespace

ClassFactory::~ClassFactory() = default;

std::string modulePathOf(const void* address) {
  Dl_info info{};
  if (!dladdr(address, &info) || !info.dli_fname) return {};
  std::error_code ec;
  auto path = std::filesystem::canonical(info.dli_fname, ec);
  return ec ? std::string(info.dli_fname) : path.string();
}

HResult registerServer(const ComponentIdentity& id, const std::string& libraryPath) {
  if (libraryPath.empty()) return kSelfRegClass;
  const std::string cls = clsidKey(id);
  const std::string tlb = id.typeLibId.toString();
  char misc[16];
  std::snprintf(misc, sizeof misc, "%u", id.miscStatus);
  // One transaction: a registration running beside another one (two installers) loses nothing,
  // and a failing one leaves no half-registered class.
  registry::RegistryChanges c;
  c.setString(cls, "", id.typeName);
  c.setString(cls + "\\InprocServer32", "", libraryPath);
  c.setString(cls + "\\InprocServer32", "ThreadingModel", "Apartment");
  c.setString(cls + "\\ProgID", "", id.progId);
  c.setString(cls + "\\Version", "", id.version);
  c.setString(cls + "\\MiscStatus", "", "0");
  c.setString(cls + "\\MiscStatus\\1", "", misc);
  c.setString(cls + "\\TypeLib", "", tlb);
  c.createKey(cls + "\\Control");
  c.setString(std::string("HKEY_CLASSES_ROOT\\") + id.progId, "", id.typeName);
  c.setString(std::string("HKEY_CLASSES_ROOT\\") + id.progId + "\\CLSID", "", id.clsid.toString());
  c.setString(typeLibKey(id) + "\\1.0", "", id.typeLibHelp);
  c.setString(typeLibKey(id) + "\\1.0\\0\\linux", "", libraryPath);
  c.setString(typeLibKey(id) + "\\1.0\\FLAGS", "", "2");
  struct Interface {
    Guid iid;
    const char* name;
    const char* help;
  };
  for (const Interface& i : {Interface{id.dispatchIid, id.dispatchName, id.dispatchHelp},
                             Interface{id.eventsIid, id.eventsName, id.eventsHelp}}) {
    c.setString(interfaceKey(i.iid), "", i.name);
    // What the type library tells a developer about the interface.
    if (i.help) c.setString(interfaceKey(i.iid), "HelpString", i.help);
    c.setString(interfaceKey(i.iid) + "\\TypeLib", "", tlb);
    c.setString(interfaceKey(i.iid) + "\\TypeLib", "Version", "1.0");
  }
  return registry::store().apply(c) ? kOk : kSelfRegClass;
}

HResult unregisterServer(const ComponentIdentity& id) {
  registry::RegistryChanges c;
  c.deleteKey(clsidKey(id));
  c.deleteKey(std::string("HKEY_CLASSES_ROOT\\") + id.progId);
  c.deleteKey(typeLibKey(id));
  c.deleteKey(interfaceKey(id.dispatchIid));
  c.deleteKey(interfaceKey(id.eventsIid));
  return registry::store().apply(c) ? kOk : kSelfRegClass;
}

}  // namespace vantorel::com
