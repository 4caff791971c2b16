// A stand-in for any of the host's components, chosen at build time by FAKE_KIND, so that the
// host's creation, events and component check can be tried on libraries whose versions and
// behaviour the tests decide. Each call is logged; member 90 reads the log and member 91 makes the
// component fire an event. VANTOREL_FAKE_VERSION_<NAME> overrides the Version text and
// VANTOREL_FAKE_BROKEN=<NAME> changes the interface: Tabrel lacks LoadData, Dravix's
// BMSorG is a long.
#include <QPainter>
#include <cstdlib>

#include "platform/com/ComponentIds.h"
#include "platform/com/Server.h"

namespace {

using namespace vantorel::com;
using T = Variant::Type;

#define FAKE_TABREL 0
#define FAKE_BROVIK 1
#define FAKE_DRAVIX 2
#define FAKE_KESTRIN 3
#define FAKE_FENNICK 4
#define FAKE_BROWSER 5

#if FAKE_KIND == FAKE_TABREL
constexpr const char* kName = "TABREL";
constexpr Guid kClass = ids::kTabrelClass;
#elif FAKE_KIND == FAKE_BROVIK
constexpr const char* kName = "BROVIK";
constexpr Guid kClass = ids::kBrovikClass;
#elif FAKE_KIND == FAKE_DRAVIX
constexpr const char* kName = "DRAVIX";
constexpr Guid kClass = ids::kDravixClass;
#elif FAKE_KIND == FAKE_KESTRIN
constexpr const char* kName = "KESTRIN";
constexpr Guid kClass = ids::kKestrinClass;
#elif FAKE_KIND == FAKE_FENNICK
constexpr const char* kName = "FENNICK";
constexpr Guid kClass = ids::kFennickClass;
#else
constexpr const char* kName = "BROWSER";
constexpr Guid kClass = ids::kPageBrowserClass;
#endif

// Interfaces of the fakes; distinct from every real one.
constexpr Guid kDispatch{0x0FA4E001, 0x1111, 0x2222, {0, 0, 0, 0, 0, 0, 0, FAKE_KIND}};
constexpr Guid kEvents{0x0FA4E002, 0x1111, 0x2222, {0, 0, 0, 0, 0, 0, 0, FAKE_KIND}};
constexpr Guid kTypeLib{0x0FA4E003, 0x1111, 0x2222, {0, 0, 0, 0, 0, 0, 0, FAKE_KIND}};

const ComponentIdentity kIdentity{.clsid = kClass,
                                  .dispatchIid = kDispatch,
                                  .eventsIid = kEvents,
                                  .typeLibId = kTypeLib,
                                  .progId = "VANTOREL.Fake" FAKE_PROGID ".1",
                                  .typeName = "Fake component",
                                  .version = FAKE_VERSION,
                                  .miscStatus = 0x20191,
                                  .typeLibName = "FAKELib",
                                  .typeLibHelp = "Fake component",
                                  .dispatchName = "_DFake",
                                  .eventsName = "_DFakeEvents"};

QString versionText() {
  const QByteArray name = QByteArray("VANTOREL_FAKE_VERSION_") + kName;
  return qEnvironmentVariableIsSet(name.constData()) ? qEnvironmentVariable(name.constData())
                                                     : QString::fromLatin1(FAKE_VERSION);
}

[[maybe_unused]] bool broken() {
  return qEnvironmentVariable("VANTOREL_FAKE_BROKEN") == QLatin1String(kName);
}

class CFakeCtrl : public Control {
 public:
  CFakeCtrl() {
    const bool asMethod = FAKE_KIND == FAKE_FENNICK;
    if (asMethod) {
      dispatch().method(1, "Version", {}, T::String,
                        [](const std::vector<Variant>&) { return Variant::fromString(versionText()); });
    } else if (FAKE_KIND != FAKE_BROWSER) {
      dispatch().property(1, "Version", T::String, [] { return Variant::fromString(versionText()); });
    }
    declareMembers();
    dispatch().method(90, "Log", {}, T::String,
                      [this](const std::vector<Variant>&) { return Variant::fromString(log_); });
    dispatch().method(91, "Fire", {T::Long, T::Long, T::Long}, T::Empty, [this](const std::vector<Variant>& a) {
      fire(a[0].toLong(), a[1].toLong(), a[2].toLong());
      return Variant();
    });
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(40, 80, 40)); }

 private:
  // A method that logs its name and arguments and returns `result`.
  void logged(int dispid, const char* name, std::vector<T> params, T type, Variant result = {}) {
    dispatch().method(dispid, name, std::move(params), type, [this, name, result](const std::vector<Variant>& a) {
      QStringList parts;
      for (const Variant& v : a) parts << v.display();
      log_ += QString::fromLatin1(name) + u'(' + parts.join(u',') + u")\n"_qs;
      return result;
    });
  }

  void declareMembers() {
#if FAKE_KIND == FAKE_TABREL
    if (!broken()) logged(2, "LoadData", {T::String}, T::Bool, Variant::fromBool(true));
    logged(3, "Initialise", {}, T::Empty);
    logged(4, "GetMode", {}, T::Long, Variant::fromLong(3));
    logged(5, "GetExtra", {}, T::Long, Variant::fromLong(17));
    logged(6, "SetState", {T::Long, T::Long}, T::Empty);
    declareEvent(1, "ElementDetail", {T::Short});
#elif FAKE_KIND == FAKE_BROVIK
    logged(2, "GetTreeName", {T::Long}, T::String, Variant::fromString(u"Όνομα"_qs));
    logged(3, "InitData", {T::String, T::Long}, T::Empty);
    logged(4, "GetObjectName", {T::Long}, T::String, Variant::fromString(u"Αντικείμενο"_qs));
    logged(5, "SetRoute", {T::Short}, T::Empty);
    logged(6, "GotoPosition", {T::Long, T::Long, T::Bool}, T::Empty);
    dispatch().method(7, "ViewHwnd", {}, T::Address, [this](const std::vector<Variant>&) {
      return Variant::fromAddress(reinterpret_cast<intptr_t>(this));
    });
    // A number that names no window.
    dispatch().method(8, "EditHwnd", {}, T::Address,
                      [](const std::vector<Variant>&) { return Variant::fromAddress(0x7777); });
    declareEvent(1, "TreeSelected", {T::Long, T::Long});
    declareEvent(2, "ListSelected", {T::Long});
#elif FAKE_KIND == FAKE_DRAVIX
    for (int id = 2; id <= 7; ++id) {
      static const char* names[] = {"", "", "BMSorG", "GraphType", "GraphFields", "ShowLabels", "Axis", "SortColumn"};
      static const T types[] = {T::Empty, T::Empty, T::Short, T::Short, T::Long, T::Bool, T::Bool, T::Short};
      // Broken: BMSorG as a long, as a library built against other interfaces might have it.
      const T type = broken() && id == 2 ? T::Long : types[id];
      dispatch().property(
          id, names[id], type, [this, id] { return values_[id]; }, [this, id](const Variant& v) { values_[id] = v; });
    }
    dispatch().property(8, "FilterLength", T::Long, [] { return Variant::fromLong(0); });
    dispatch().property(9, "FilterNum", T::Short, [] { return Variant::fromShort(0); });
    logged(10, "InitData", {T::String}, T::Empty);
    logged(11, "CopyAllData", {}, T::Empty);
    logged(12, "CopySelection", {}, T::Empty);
    logged(13, "GetTable", {}, T::Short, Variant::fromShort(2));
    logged(14, "GetSelectedFields", {}, T::Address, Variant::fromAddress(0));
    logged(15, "SetTable", {T::Short}, T::Empty);
    logged(16, "SetSelectedFields", {T::Address}, T::Empty);
    logged(17, "FilterMemory", {}, T::Address, Variant::fromAddress(0));
    logged(18, "SetFilter", {T::Long, T::Short, T::Address}, T::Empty);
    logged(20, "SetColumnWidth", {T::Short, T::Long}, T::Empty);
    logged(21, "GetColumnWidth", {T::Short}, T::Long, Variant::fromLong(88));
    logged(22, "CopyGraph", {}, T::Empty);
    logged(23, "PrintGraph", {}, T::Empty);
#elif FAKE_KIND == FAKE_BROWSER
    dispatch().method(
        104, "Navigate", {T::String, T::Any, T::Any, T::Any, T::Any}, T::Empty,
        [this](const std::vector<Variant>& a) {
          const auto answer = fireEvent(100, {a[0], Variant::fromLong(0), Variant::fromString(u"_self"_qs), Variant(),
                                              Variant::fromString(QString()), Variant::fromBool(false)});
          const bool cancel = answer.size() == 6 && answer[5].toBool();
          log_ += (cancel ? u"refused "_qs : u"went "_qs) + a[0].toString() + u'\n';
          return Variant();
        },
        4);
    logged(105, "Refresh2", {T::Any}, T::Empty);
    dispatch().property(203, "Document", T::Object, [this] { return Variant::fromObject(this); });
    declareEvent(100, "BeforeNavigate", {T::String, T::Long, T::String, T::Any, T::String, T::Bool}, {3, 5});
#endif
  }

  void fire(int32_t event, int32_t a, int32_t b) {
#if FAKE_KIND == FAKE_TABREL
    (void)b;
    fireEvent(event, {Variant::fromShort(static_cast<int16_t>(a))});
#elif FAKE_KIND == FAKE_BROVIK
    if (event == 1) fireEvent(1, {Variant::fromLong(a), Variant::fromLong(b)});
    if (event == 2) fireEvent(2, {Variant::fromLong(a)});
#else
    (void)event, (void)a, (void)b;
#endif
  }

  QString log_;
  Variant values_[8];
};

}  // namespace

VANTOREL_COMPONENT_SERVER(kIdentity, new CFakeCtrl)
