#include "host/components/ComponentTable.h"

#include "host/HostStrings.h"
#include "platform/com/ComponentIds.h"

namespace vantorel::host {
namespace {

const std::array<ComponentInfo, 5> kTable{{
    {ComponentKind::Tabrel, "tabrelgk.ocx", "TABREL", "1.0.023", com::ids::kTabrelClass, 1010, "PTable"},
    {ComponentKind::Brovik, "brovikgk.ocx", "BROVIK", "1.0.021", com::ids::kBrovikClass, 1035, ""},
    {ComponentKind::Dravix, "dravixgk.ocx", "DRAVIX", "1.0.032", com::ids::kDravixClass, 1045, "DataAn"},
    {ComponentKind::Kestrin, "kestringk.ocx", "KESTRIN", "1.0.012", com::ids::kKestrinClass, 1046, "MolCtrl"},
    {ComponentKind::Fennick, "fennickgk.ocx", "FENNICK", "1.0.010", com::ids::kFennickClass, 1046, "Fennick"},
}};

}  // namespace

const ComponentInfo& componentInfo(ComponentKind kind) {
  return kTable[static_cast<size_t>(kind)];
}

QString creationFailureMessage(ComponentKind kind) {
  switch (kind) {
    case ComponentKind::Tabrel: return hostString(61229);
    case ComponentKind::Brovik: return u"Browser selection component not installed correctly"_qs;
    case ComponentKind::Dravix: return u"Data Analyser component not installed correctly"_qs;
    case ComponentKind::Kestrin: return u"Molecule Controller component not installed correctly"_qs;
    case ComponentKind::Fennick: return u"Molecule Zoom component not installed correctly"_qs;
  }
  return {};
}

}  // namespace vantorel::host
