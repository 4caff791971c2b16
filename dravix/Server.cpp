// The library's identity and its four server entry points.
#include "platform/com/Server.h"
#include "dravix/DravixCtrl.h"
#include "platform/com/ComponentIds.h"

namespace {

namespace ids = vantorel::com::ids;

const vantorel::com::ComponentIdentity kDravix{.clsid = ids::kDravixClass,
                                               .dispatchIid = ids::kDravixDispatch,
                                               .eventsIid = ids::kDravixEvents,
                                               .typeLibId = ids::kDravixTypeLib,
                                               .progId = "DRAVIX.DravixCtrlGK.1",
                                               .typeName = "Brisamo Data Analyser",
                                               .version = vantorel::dravix::kDravixVersion,
                                               .miscStatus = 0x20191,
                                               .typeLibName = "DRAVIXLib",
                                               .typeLibHelp = "Brisamo Data Analyser",
                                               .dispatchName = "_DDravix",
                                               .eventsName = "_DDravixEvents",
                                               .dispatchHelp = "Dispatch interface for Dravix Control",
                                               .eventsHelp = "Event interface for Dravix Control"};

}  // namespace

VANTOREL_COMPONENT_SERVER(kDravix, new vantorel::dravix::CDravixCtrl)
