#include "platform/com/Creation.h"

#include <QFileInfo>
#include <QLibrary>
#include <map>
#include <memory>

#include "platform/com/LibraryCheck.h"
#include "platform/registry/Registry.h"

namespace vantorel::com {
namespace {

using GetClassObjectFn = HResult (*)(const Guid*, ClassFactory**);
using RegisterFn = HResult (*)();

std::map<QString, std::unique_ptr<QLibrary>>& libraries() {
  static std::map<QString, std::unique_ptr<QLibrary>> loaded;
  return loaded;
}

// Libraries that handed out a class object stay loaded for the life of the process, as their
// controls' code and windows may live as long.
QLibrary* loadedLibrary(const QString& path, QString* error) {
  auto it = libraries().find(path);
  if (it != libraries().end()) return it->second.get();
  if (const std::string why = checkComponentLibrary(path.toStdString()); !why.empty()) {
    if (error) *error = QString::fromStdString(why);
    return nullptr;
  }
  auto library = std::make_unique<QLibrary>(path);
  library->setLoadHints(QLibrary::PreventUnloadHint);
  if (!library->load()) {
    if (error) *error = library->errorString();
    return nullptr;
  }
  return libraries().emplace(path, std::move(library)).first->second.get();
}

}  // namespace

std::optional<std::string> registeredServerPath(const Guid& clsid) {
  return registry::store().queryString("HKEY_CLASSES_ROOT\\CLSID\\" + clsid.toString() + "\\InprocServer32", "");
}

std::optional<Guid> classIdFromProgId(std::string_view progId) {
  if (progId.empty() || progId.find('\\') != std::string_view::npos) return std::nullopt;
  const auto text = registry::store().queryString("HKEY_CLASSES_ROOT\\" + std::string(progId) + "\\CLSID", "");
  return text ? Guid::parse(*text) : std::nullopt;
}

CreateResult createControl(const Guid& clsid) {
  CreateResult result;
  const auto path = registeredServerPath(clsid);
  if (!path) {
    result.error = u"class not registered: "_qs + QString::fromStdString(clsid.toString());
    return result;
  }
  QLibrary* library = loadedLibrary(QString::fromStdString(*path), &result.error);
  if (!library) return result;
  auto getClassObject = reinterpret_cast<GetClassObjectFn>(library->resolve("DllGetClassObject"));
  if (!getClassObject) {
    result.error = u"no DllGetClassObject in "_qs + library->fileName();
    return result;
  }
  ClassFactory* factory = nullptr;
  const HResult hr = getClassObject(&clsid, &factory);
  if (hr != kOk || !factory) {
    result.error = u"the library does not serve class "_qs + QString::fromStdString(clsid.toString());
    return result;
  }
  result.control = factory->createInstance();
  if (!result.control) result.error = u"the class object made no instance"_qs;
  return result;
}

CreateResult createControl(std::string_view classIdOrProgId) {
  auto clsid = Guid::parse(classIdOrProgId);
  if (!clsid) clsid = classIdFromProgId(classIdOrProgId);
  if (!clsid) return {nullptr, u"unknown class: "_qs + QString::fromUtf8(classIdOrProgId)};
  return createControl(*clsid);
}

HResult registerLibrary(const std::string& path, bool unregister, QString* error) {
  const QString file = QString::fromStdString(path);
  // Registering runs the library's code too: the same checks as before creating a control.
  if (const std::string why = checkComponentLibrary(path); !why.empty()) {
    if (error) *error = QString::fromStdString(why);
    return kFail;
  }
  const char* entryName = unregister ? "DllUnregisterServer" : "DllRegisterServer";
  // A library whose controls live in this process stays loaded; any other is loaded for the call
  // and unloaded after it.
  if (const auto it = libraries().find(file); it != libraries().end()) {
    auto entry = reinterpret_cast<RegisterFn>(it->second->resolve(entryName));
    if (!entry) {
      if (error) *error = u"no registration entry point in "_qs + file;
      return kFail;
    }
    return entry();
  }
  QLibrary library(file);
  if (!library.load()) {
    if (error) *error = library.errorString();
    return kFail;
  }
  auto entry = reinterpret_cast<RegisterFn>(library.resolve(entryName));
  if (!entry) {
    if (error) *error = u"no registration entry point in "_qs + file;
    library.unload();
    return kFail;
  }
  const HResult hr = entry();
  library.unload();
  return hr;
}

}  // namespace vantorel::com
