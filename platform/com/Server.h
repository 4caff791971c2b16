#pragma once

#include <atomic>
#include <cstdint>
#include <string>

#include "platform/com/Control.h"
#include "platform/com/Guid.h"

// Result codes of the server entry points, with the platform's values.
namespace vantorel::com {

using HResult = int32_t;
inline constexpr HResult kOk = 0;
inline constexpr HResult kFalse = 1;
inline constexpr HResult kFail = static_cast<HResult>(0x80004005u);
inline constexpr HResult kPointer = static_cast<HResult>(0x80004003u);
inline constexpr HResult kClassNotAvailable = static_cast<HResult>(0x80040111u);
inline constexpr HResult kSelfRegClass = static_cast<HResult>(0x80040201u);

// What a component library registers about its one control class. Written with designated
// initialisers (.clsid = ..., .progId = ...), so that no two texts can swap places unseen.
struct ComponentIdentity {
  Guid clsid;
  Guid dispatchIid;
  Guid eventsIid;
  Guid typeLibId;
  const char* progId = nullptr;        // "TABREL.TabrelCtrlGk.1"
  const char* typeName = nullptr;      // registered type name (UTF-8)
  const char* version = nullptr;       // the Version property text, "1.0.023"
  uint32_t miscStatus = 0;             // OLE miscellaneous status bits
  const char* typeLibName = nullptr;   // "TABRELLib"
  const char* typeLibHelp = nullptr;   // "Brisamo Periodic Table"
  const char* dispatchName = nullptr;  // "_DTabrel"
  const char* eventsName = nullptr;    // "_DTabrelEvents"
  const char* dispatchHelp = nullptr;  // "Dispatch interface for Tabrel Control"
  const char* eventsHelp = nullptr;    // "Event interface for Tabrel Control"
};

// Whether two version texts are the same, whatever their character type (compile time).
template <typename A, typename B>
constexpr bool sameVersionText(const A* a, const B* b) {
  for (;; ++a, ++b) {
    if (static_cast<char32_t>(*a) != static_cast<char32_t>(*b)) return false;
    if (*a == 0) return true;
  }
}

// The class object that DllGetClassObject hands out; it belongs to the library.
class ClassFactory {
 public:
  virtual ~ClassFactory();
  // A new control without a window; the caller owns it.
  [[nodiscard]] virtual Control* createInstance() = 0;
};

// Writes the class, ProgID, type library and interfaces of `identity` into the registry store,
// with `libraryPath` as the in-process server.
HResult registerServer(const ComponentIdentity& identity, const std::string& libraryPath);
HResult unregisterServer(const ComponentIdentity& identity);

// The full path of the shared library that holds `address`.
[[nodiscard]] std::string modulePathOf(const void* address);

}  // namespace vantorel::com

#define VANTOREL_EXPORT extern "C" __attribute__((visibility("default")))

// In a component library's source: fails the build unless the library's FILE_VERSION in CMake, the
// identity's version and the text the Version member answers (a constant) are one version.
#define VANTOREL_CHECK_COMPONENT_VERSION(identity, versionMemberText)                                  \
  static_assert(::vantorel::com::sameVersionText((identity).version, VANTOREL_COMPONENT_VERSION_TEXT), \
                "the identity's version is not the library's FILE_VERSION");                           \
  static_assert(::vantorel::com::sameVersionText(versionMemberText, (identity).version),               \
                "the Version member does not answer the identity's version")

// The four entry points of a component library with one control class. `create` is an
// expression of type vantorel::com::Control* that builds a new control.
#define VANTOREL_COMPONENT_SERVER(identity, create)                                                     \
  namespace {                                                                                           \
  std::atomic<int> vantorelLiveControls{0};                                                             \
  class VantorelClassFactory final : public ::vantorel::com::ClassFactory {                             \
   public:                                                                                              \
    ::vantorel::com::Control* createInstance() override {                                               \
      ::vantorel::com::Control* control = (create);                                                     \
      ++vantorelLiveControls;                                                                           \
      QObject::connect(control, &QObject::destroyed, [] { --vantorelLiveControls; });                   \
      return control;                                                                                   \
    }                                                                                                   \
  };                                                                                                    \
  }                                                                                                     \
  VANTOREL_EXPORT ::vantorel::com::HResult DllRegisterServer() {                                        \
    return ::vantorel::com::registerServer(                                                             \
        identity, ::vantorel::com::modulePathOf(reinterpret_cast<const void*>(&DllRegisterServer)));    \
  }                                                                                                     \
  VANTOREL_EXPORT ::vantorel::com::HResult DllUnregisterServer() {                                      \
    return ::vantorel::com::unregisterServer(identity);                                                 \
  }                                                                                                     \
  VANTOREL_EXPORT ::vantorel::com::HResult DllGetClassObject(const ::vantorel::com::Guid* clsid,        \
                                                             ::vantorel::com::ClassFactory** factory) { \
    if (!factory) return ::vantorel::com::kPointer;                                                     \
    *factory = nullptr;                                                                                 \
    if (!clsid || !(*clsid == (identity).clsid)) return ::vantorel::com::kClassNotAvailable;            \
    static VantorelClassFactory instance;                                                               \
    *factory = &instance;                                                                               \
    return ::vantorel::com::kOk;                                                                        \
  }                                                                                                     \
  VANTOREL_EXPORT ::vantorel::com::HResult DllCanUnloadNow() {                                          \
    return vantorelLiveControls.load() == 0 ? ::vantorel::com::kOk : ::vantorel::com::kFalse;           \
  }
