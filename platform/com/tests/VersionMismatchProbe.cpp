// Must not compile: a library whose identity or Version member says another version than its
// FILE_VERSION. Built only by the test that expects the build to refuse it.
#include "platform/com/Server.h"
#include "platform/com/tests/TestComponentIds.h"

namespace {

using namespace vantorel::com;

#ifdef PROBE_MEMBER_DIFFERS
constexpr char16_t kVersion[] = u"1.0.009";
constexpr const char* kIdentityVersion = "1.0.001";
#else
constexpr char16_t kVersion[] = u"1.0.002";
constexpr const char* kIdentityVersion = "1.0.002";
#endif

constexpr ComponentIdentity kProbe{
    .clsid = testids::kClass,
    .dispatchIid = testids::kDispatch,
    .eventsIid = testids::kEvents,
    .typeLibId = testids::kTypeLib,
    .progId = "VANTOREL.Probe.1",
    .typeName = "Probe",
    .version = kIdentityVersion,
    .miscStatus = 0,
    .typeLibName = "PROBELib",
    .typeLibHelp = "Probe",
    .dispatchName = "_DProbe",
    .eventsName = "_DProbeEvents",
};
VANTOREL_CHECK_COMPONENT_VERSION(kProbe, kVersion);

}  // namespace

VANTOREL_COMPONENT_SERVER(kProbe, new Control)
