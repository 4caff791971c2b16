// The library's entry points and what it registers about its one control class.
#include "kestrin/KestrinCtrl.h"
#include "platform/com/ComponentIds.h"
#include "platform/com/Server.h"

namespace {

using namespace vantorel::com;

const ComponentIdentity kKestrin{ids::kKestrinClass,
                                 ids::kKestrinDispatch,
                                 ids::kKestrinEvents,
                                 ids::kKestrinTypeLib,
                                 "KESTRIN.KestrinCtrlGK.1",
                                 "Brisamo Molecule Controller",
                                 "1.0.012",
                                 0x20191,
                                 "KESTRINLib",
                                 "Brisamo Molecule Controller",
                                 "_DKestrin",
                                 "_DKestrinEvents",
                                 "Dispatch interface for Kestrin Control",
                                 "Event interface for Kestrin Control"};

}  // namespace

VANTOREL_COMPONENT_SERVER(kKestrin, new vantorel::kestrin::CKestrinCtrl)
