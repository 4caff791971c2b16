// The library's entry points and what it registers about its one control class.
#include "platform/com/Server.h"
#include "outside/molview/MoleculeViewerCtrl.h"
#include "platform/com/ComponentIds.h"

namespace {

using namespace vantorel::com;

const ComponentIdentity kMoleculeViewer{ids::kMoleculeViewerClass,
                                        ids::kMoleculeViewerDispatch,
                                        ids::kMoleculeViewerEvents,
                                        ids::kMoleculeViewerTypeLib,
                                        "VANTOREL.MoleculeViewer.1",
                                        "Vantorel Molecule Viewer",
                                        "1.0.001",
                                        0x20191,
                                        "MOLVIEWLib",
                                        "Vantorel Molecule Viewer",
                                        "_DMoleculeViewer",
                                        "_DMoleculeViewerEvents"};

}  // namespace

VANTOREL_COMPONENT_SERVER(kMoleculeViewer, new vantorel::molview::CMoleculeViewerCtrl)
