// The library's entry points and what it registers about its one control class.
#include "kestrin/KestrinCtrl.h"
#include "platform/com/ComponentIds.h"
#include "platform/com/Server.h"

namespace {

using namespace vantorel::com;

constexpr ComponentIdentity kKestrin{
    .clsid = ids::kKestrinClass,
    .dispatchIid = ids::kKestrinDispatch,
    .eventsIid = ids::kKestrinEvents,
    .typeLibId = ids::kKestrinTypeLib,
    .progId = "KESTRIN.KestrinCtrlGK.1",
    .typeName = "Brisamo Molecule Controller",
    .version = "1.0.012",
    .miscStatus = 0x20191,
    .typeLibName = "KESTRINLib",
    .typeLibHelp = "Brisamo Molecule Controller",
    .dispatchName = "_DKestrin",
    .eventsName = "_DKestrinEvents",
    .dispatchHelp = "Dispatch interface for Kestrin Control",
    .eventsHelp = "Event interface for Kestrin Control",
};
VANTOREL_CHECK_COMPONENT_VERSION(kKestrin, vantorel::kestrin::kVersion);

}  // namespace

VANTOREL_COMPONENT_SERVER(kKestrin, new vantorel::kestrin::CKestrinCtrl)
