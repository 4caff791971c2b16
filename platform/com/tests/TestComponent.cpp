// A control with one member of each kind and one event, for the component model's tests.
#include <QMouseEvent>
#include <QPainter>

#include "platform/com/Server.h"
#include "platform/com/tests/TestComponentIds.h"

namespace {

using namespace vantorel::com;

// What the Version member answers. The test container's tests know it as "2.5.7", so this one
// library keeps a version text of its own instead of its FILE_VERSION's.
constexpr char16_t kVersion[] = u"2.5.7";

constexpr ComponentIdentity kTest{
    .clsid = testids::kClass,
    .dispatchIid = testids::kDispatch,
    .eventsIid = testids::kEvents,
    .typeLibId = testids::kTypeLib,
    .progId = "VANTOREL.TestCtrl.1",
    .typeName = "Vantorel Test Control",
    .version = "2.5.7",
    .miscStatus = 0x20191,
    .typeLibName = "TESTLib",
    .typeLibHelp = "Vantorel test control",
    .dispatchName = "_DTest",
    .eventsName = "_DTestEvents",
    .dispatchHelp = "Dispatch interface for Test Control",
    .eventsHelp = "Event interface for Test Control",
};

class CTestCtrl : public Control {
 public:
  CTestCtrl() {
    dispatch().property(1, "Version", Variant::Type::String,
                        [] { return Variant::fromString(QString::fromUtf16(kVersion)); });
    dispatch().property(
        2, "Counter", Variant::Type::Short, [this] { return Variant::fromShort(counter_); },
        [this](const Variant& v) { counter_ = v.toShort(); });
    dispatch().method(3, "Add", {Variant::Type::Long, Variant::Type::Long}, Variant::Type::Long,
                      [](const std::vector<Variant>& a) { return Variant::fromLong(a[0].toLong() + a[1].toLong()); });
    dispatch().method(4, "Ring", {Variant::Type::Short}, Variant::Type::Empty, [this](const std::vector<Variant>& a) {
      fireEvent(1, {a[0], Variant::fromString(u"ring"_qs)});
      return Variant();
    });
    dispatch().method(5, "WindowHandle", {}, Variant::Type::Address, [this](const std::vector<Variant>&) {
      return Variant::fromAddress(reinterpret_cast<intptr_t>(this));
    });
    // Asks its container first, as a browser asks before it navigates; the optional level takes any value.
    dispatch().method(
        6, "Ask", {Variant::Type::String, Variant::Type::Any}, Variant::Type::Bool,
        [this](const std::vector<Variant>& a) {
          const auto answer = fireEvent(2, {a[0], a[1], Variant::fromBool(false)});
          return Variant::fromBool(answer.size() == 3 && answer[2].toBool());
        },
        1);
    declareEvent(1, "Rung", {Variant::Type::Short, Variant::Type::String});
    declareEvent(2, "Asking", {Variant::Type::String, Variant::Type::Any, Variant::Type::Bool}, {2});
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.fillRect(rect(), QColor(0, 96, 160));
    p.setPen(Qt::white);
    p.drawText(rect(), Qt::AlignCenter, u"Δοκιμή %1"_qs.arg(counter_));
  }
  void mousePressEvent(QMouseEvent* e) override {
    fireEvent(1, {Variant::fromShort(static_cast<int16_t>(e->position().x())), Variant::fromString(u"click"_qs)});
  }

 private:
  int16_t counter_ = 0;
};

}  // namespace

VANTOREL_COMPONENT_SERVER(kTest, new CTestCtrl)
