// The library's entry points and what it registers about its one control class.
#include "platform/com/Server.h"
#include "outside/molview/MoleculeViewerCtrl.h"
#include "platform/com/ComponentIds.h"

namespace {

using namespace vantorel::com;

constexpr ComponentIdentity kMoleculeViewer{
    .clsid = ids::kMoleculeViewerClass,
    .dispatchIid = ids::kMoleculeViewerDispatch,
    .eventsIid = ids::kMoleculeViewerEvents,
    .typeLibId = ids::kMoleculeViewerTypeLib,
    .progId = "VANTOREL.MoleculeViewer.1",
    .typeName = "Vantorel Molecule Viewer",
    .version = "1.0.001",
    .miscStatus = 0x20191,
    .typeLibName = "MOLVIEWLib",
    .typeLibHelp = "Vantorel Molecule Viewer",
    .dispatchName = "_DMoleculeViewer",
    .eventsName = "_DMoleculeViewerEvents",
};
VANTOREL_CHECK_COMPONENT_VERSION(kMoleculeViewer, vantorel::molview::kVersion);

}  // namespace

VANTOREL_COMPONENT_SERVER(kMoleculeViewer, new vantorel::molview::CMoleculeViewerCtrl)
