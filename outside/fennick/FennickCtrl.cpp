// The molecule-zoom component that lies outside the system. The host only creates it to read
// its version, so it answers that one member and draws a plain magnifier face.
#include <QPainter>
#include <QPainterPath>

#include "platform/com/ComponentIds.h"
#include "platform/com/Server.h"

namespace {

using namespace vantorel::com;

// What the Version member answers; the identity and the library's FILE_VERSION say the same.
constexpr char16_t kVersion[] = u"1.0.010";

constexpr ComponentIdentity kFennick{
    .clsid = ids::kFennickClass,
    .dispatchIid = ids::kFennickDispatch,
    .eventsIid = ids::kFennickEvents,
    .typeLibId = ids::kFennickTypeLib,
    .progId = "FENNICK.FennickCtrlGk.1",
    .typeName = "Fennick Molecule Zoom",
    .version = "1.0.010",
    .miscStatus = 0x20191,
    .typeLibName = "FENNICKLib",
    .typeLibHelp = "Fennick Molecule Zoom",
    .dispatchName = "_DFennick",
    .eventsName = "_DFennickEvents",
};
VANTOREL_CHECK_COMPONENT_VERSION(kFennick, kVersion);

class CFennickCtrl : public Control {
 public:
  CFennickCtrl() {
    dispatch().method(1, "Version", {}, Variant::Type::String,
                      [](const std::vector<Variant>&) { return Variant::fromString(QString::fromUtf16(kVersion)); });
  }

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.fillRect(rect(), QColor(0, 0, 0));
    const int d = std::max(8, std::min(width(), height()) / 2);
    const QRectF lens(width() / 2.0 - d / 2.0 - d / 8.0, height() / 2.0 - d / 2.0 - d / 8.0, d, d);
    p.setPen(QPen(QColor(200, 200, 210), std::max(2, d / 12)));
    p.setBrush(QColor(60, 90, 140));
    p.drawEllipse(lens);
    p.drawLine(lens.center() + QPointF(d * 0.35, d * 0.35), lens.center() + QPointF(d * 0.75, d * 0.75));
  }
};

}  // namespace

VANTOREL_COMPONENT_SERVER(kFennick, new CFennickCtrl)
