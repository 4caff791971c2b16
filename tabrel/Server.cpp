// The library's identity and its four server entry points.
#include "platform/com/Server.h"
#include "platform/com/ComponentIds.h"
#include "tabrel/TabrelCtrl.h"

namespace {

constexpr vantorel::com::ComponentIdentity kTabrel{
    .clsid = vantorel::com::ids::kTabrelClass,
    .dispatchIid = vantorel::com::ids::kTabrelDispatch,
    .eventsIid = vantorel::com::ids::kTabrelEvents,
    .typeLibId = vantorel::com::ids::kTabrelTypeLib,
    .progId = "TABREL.TabrelCtrlGk.1",
    .typeName = "Corvanel Περιοδικός Πίνακας",
    .version = "1.0.023",
    .miscStatus = 0x20191,
    .typeLibName = "TABRELLib",
    .typeLibHelp = "Brisamo Periodic Table",
    .dispatchName = "_DTabrel",
    .eventsName = "_DTabrelEvents",
    .dispatchHelp = "Dispatch interface for Tabrel Control",
    .eventsHelp = "Event interface for Tabrel Control",
};
VANTOREL_CHECK_COMPONENT_VERSION(kTabrel, vantorel::tabrel::kVersion);

}  // namespace

VANTOREL_COMPONENT_SERVER(kTabrel, new vantorel::tabrel::CTabrelCtrl)
