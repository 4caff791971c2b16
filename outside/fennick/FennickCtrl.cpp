// The molecule-zoom component that lies outside the system. The host only creates it to read
// its version, so it answers that one member and draws a plain magnifier face.
#include <QPainter>
#include <QPainterPath>

#include "platform/com/ComponentIds.h"
#include "platform/com/Server.h"

namespace {

using namespace vantorel::com;

const ComponentIdentity kFennick{ids::kFennickClass,
                                 ids::kFennickDispatch,
                                 ids::kFennickEvents,
                                 ids::kFennickTypeLib,
                                 "FENNICK.FennickCtrlGk.1",
                                 "Fennick Molecule Zoom",
                                 "1.0.010",
                                 0x20191,
                                 "FENNICKLib",
                                 "Fennick Molecule Zoom",
                                 "_DFennick",
                                 "_DFennickEvents"};

class CFennickCtrl : public Control {
 public:
  CFennickCtrl() {
    dispatch().method(1, "Version", {}, Variant::Type::String,
                      [](const std::vector<Variant>&) { return Variant::fromString(u"1.0.010"_qs); });
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
