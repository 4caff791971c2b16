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
  auto& reg = registry::store();
  const std::string cls = clsidKey(id);
  const std::string tlb = id.typeLibId.toString();
  char misc[16];
  std::snprintf(misc, sizeof misc, "%u", id.miscStatus);
  bool ok = reg.setString(cls, "", id.typeName);
  ok = ok && reg.setString(cls + "\\InprocServer32", "", libraryPath);
  ok = ok && reg.setString(cls + "\\InprocServer32", "ThreadingModel", "Apartment");
  ok = ok && reg.setString(cls + "\\ProgID", "", id.progId);
  ok = ok && reg.setString(cls + "\\Version", "", id.version);
  ok = ok && reg.setString(cls + "\\MiscStatus", "", "0");
  ok = ok && reg.setString(cls + "\\MiscStatus\\1", "", misc);
  ok = ok && reg.setString(cls + "\\TypeLib", "", tlb);
  ok = ok && reg.createKey(cls + "\\Control");
  ok = ok && reg.setString(std::string("HKEY_CLASSES_ROOT\\") + id.progId, "", id.typeName);
  ok = ok && reg.setString(std::string("HKEY_CLASSES_ROOT\\") + id.progId + "\\CLSID", "", id.clsid.toString());
  ok = ok && reg.setString(typeLibKey(id) + "\\1.0", "", id.typeLibHelp);
  ok = ok && reg.setString(typeLibKey(id) + "\\1.0\\0\\linux", "", libraryPath);
  ok = ok && reg.setString(typeLibKey(id) + "\\1.0\\FLAGS", "", "2");
  struct Interface {
    Guid iid;
    const char* name;
    const char* help;
  };
  for (const Interface& i : {Interface{id.dispatchIid, id.dispatchName, id.dispatchHelp},
                             Interface{id.eventsIid, id.eventsName, id.eventsHelp}}) {
    ok = ok && reg.setString(interfaceKey(i.iid), "", i.name);
    // What the type library tells a developer about the interface.
    if (i.help) ok = ok && reg.setString(interfaceKey(i.iid), "HelpString", i.help);
    ok = ok && reg.setString(interfaceKey(i.iid) + "\\TypeLib", "", tlb);
    ok = ok && reg.setString(interfaceKey(i.iid) + "\\TypeLib", "Version", "1.0");
  }
  return ok ? kOk : kSelfRegClass;
}

HResult unregisterServer(const ComponentIdentity& id) {
  auto& reg = registry::store();
  reg.deleteKey(clsidKey(id));
  reg.deleteKey(std::string("HKEY_CLASSES_ROOT\\") + id.progId);
  reg.deleteKey(typeLibKey(id));
  reg.deleteKey(interfaceKey(id.dispatchIid));
  reg.deleteKey(interfaceKey(id.eventsIid));
  return reg.lastError().empty() ? kOk : kSelfRegClass;
}

}  // namespace vantorel::com
