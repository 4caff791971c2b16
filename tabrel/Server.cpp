// The library's identity and its four server entry points.
#include "platform/com/Server.h"
#include "platform/com/ComponentIds.h"
#include "tabrel/TabrelCtrl.h"

namespace {

const vantorel::com::ComponentIdentity kTabrel{vantorel::com::ids::kTabrelClass,
                                               vantorel::com::ids::kTabrelDispatch,
                                               vantorel::com::ids::kTabrelEvents,
                                               vantorel::com::ids::kTabrelTypeLib,
                                               "TABREL.TabrelCtrlGk.1",
                                               "Corvanel Περιοδικός Πίνακας",
                                               "1.0.023",
                                               0x20191,
                                               "TABRELLib",
                                               "Brisamo Periodic Table",
                                               "_DTabrel",
                                               "_DTabrelEvents",
                                               "Dispatch interface for Tabrel Control",
                                               "Event interface for Tabrel Control"};

}  // namespace

VANTOREL_COMPONENT_SERVER(kTabrel, new vantorel::tabrel::CTabrelCtrl)
