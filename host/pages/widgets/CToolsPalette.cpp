#include "host/pages/widgets/CToolsPalette.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QPainter>
#include <QStyle>
#include <array>

#include "host/pages/widgets/CPictureButton.h"
#include "host/pages/widgets/PalettePictures.h"
#include "host/view/Commands.h"

namespace vantorel::host {

namespace {

struct ButtonSpec {
  int id;
  int picture;
  bool refocus;  // the main window takes the keys back first
  std::vector<int> commands;
  const char16_t* tip;
};

const std::array<ButtonSpec, 6>& buttonSpecs() {
  using namespace view::cmd;
  static const std::array<ButtonSpec, 6> specs{{
      {801, 166, true, {kCopy, kCopyVideo, kCopyMolecule, kCopyAllData, kCopyGraph}, u"Αντιγραφή"},
      {802, 167, true, {kPaste}, u"Επικόλληση"},
      {803, 168, false, {kPrint}, u"Εκτύπωση"},
      {804, 170, false, {kBack}, u"Επιστροφή"},
      {805, 169, false, {kForward}, u"Επόμενο"},
      {806, 200, false, {kSearch}, u"Αναζήτηση"},
  }};
  return specs;
}

constexpr int kButtonsLeft = (CToolsPalette::kWidth - 6 * CToolsPalette::kButtonWidth) / 2;
constexpr int kButtonsTop = (CToolsPalette::kClientHeight - CToolsPalette::kButtonHeight) / 2;

pages::FlightRect toFlight(const QRect& r) {
  return {r.x(), r.y(), r.width(), r.height()};
}

QRect toRect(const pages::FlightRect& r) {
  return {r.x, r.y, r.width, r.height};
}

// The navy bar: a frameless window of one colour above everything, never taking the focus.
class FlightBar : public QWidget {
 public:
  FlightBar()
      : QWidget(nullptr,
                Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus) {
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setObjectName(u"paletteFlightBar"_qs);
  }

 protected:
  void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), QColor(0, 0, 128)); }
};

}  // namespace

CToolsPalette::CToolsPalette(QWidget* view, std::function<void(int)> send)
    : QWidget(view, Qt::Tool | Qt::WindowTitleHint | Qt::WindowCloseButtonHint | Qt::CustomizeWindowHint |
                        Qt::WindowDoesNotAcceptFocus),
      view_(view),
      send_(std::move(send)) {
  setObjectName(u"toolsPalette"_qs);
  setProperty("resourceId", kResourceId);
  setWindowTitle(QString());
  setFixedSize(kWidth, kClientHeight);
  setAttribute(Qt::WA_ShowWithoutActivating);
  setFocusPolicy(Qt::NoFocus);
  setAutoFillBackground(true);
  QPalette look = palette();
  look.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(look);
  for (size_t i = 0; i < buttonSpecs().size(); ++i) {
    const ButtonSpec& spec = buttonSpecs()[i];
    auto* b = new CPictureButton(spec.id, palettePicture(spec.picture), this);
    b->setGeometry(kButtonsLeft + static_cast<int>(i) * kButtonWidth, kButtonsTop, kButtonWidth, kButtonHeight);
    b->setToolTip(QString::fromUtf16(spec.tip));
    b->setFocusPolicy(Qt::NoFocus);
    connect(b, &QAbstractButton::clicked, this, [this, id = spec.id] { press(id); });
    buttons_.push_back(b);
  }
  bar_ = new FlightBar;
  flightTimer_.setInterval(pages::kFlightStepMs);
  connect(&flightTimer_, &QTimer::timeout, this, &CToolsPalette::flightStep);
}

CToolsPalette::~CToolsPalette() {
  delete bar_;
}

CPictureButton* CToolsPalette::button(int id) const {
  for (CPictureButton* b : buttons_)
    if (b->id() == id) return b;
  return nullptr;
}

void CToolsPalette::press(int id) {
  for (const ButtonSpec& spec : buttonSpecs()) {
    if (spec.id != id) continue;
    // Where the platform let the palette take the keys, they go back to the main window and to
    // its last focused child (the page or the word box) before copy and paste run.
    if (spec.refocus && view_ && QApplication::activeWindow() != view_->window()) {
      view_->window()->activateWindow();
      QApplication::setActiveWindow(view_->window());
    }
    // Each command goes through the view, which runs it only where its menu item is enabled:
    // on the topic screen the page's copy is not overwritten by the data analyser's.
    for (const int command : spec.commands)
      if (send_) send_(command);
    return;
  }
}

bool CToolsPalette::flightsPlay() {
  if (forcedFlights_) return *forcedFlights_;
  const QString platform = QGuiApplication::platformName();
  return platform != u"offscreen"_qs && platform != u"minimal"_qs && !platform.startsWith(u"wayland"_qs);
}

pages::FlightRect CToolsPalette::stripBox() const {
  const QPoint corner = view_ ? view_->mapToGlobal(QPoint(view_->width() - 24, 0)) : QPoint();
  return {corner.x(), corner.y(), pages::kFlightBox, pages::kFlightBox};
}

void CToolsPalette::toggle() {
  if (opening_) return;
  if (isVisible()) {
    closePalette();
  } else {
    openPalette();
  }
}

void CToolsPalette::closeEvent(QCloseEvent* event) {
  // The close box hides the palette; it lives as long as the view.
  event->ignore();
  if (isVisible()) closePalette();
}

void CToolsPalette::closePalette() {
  const QRect frame = frameGeometry();
  lastGeometry_ = geometry();
  hide();
  if (QWidget* owner = view_ ? view_->window() : nullptr) owner->repaint();
  const int caption = style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, this);
  const pages::FlightRect start{frame.x(), frame.y(), frame.width(), caption};
  if (flightsPlay()) fly(start, stripBox(), frame, {});
}

void CToolsPalette::openPalette() {
  if (!placed_) {
    // The first time at the view's top right.
    placed_ = true;
    const QPoint topRight = view_ ? view_->mapToGlobal(QPoint(view_->width(), 0)) : QPoint(kWidth, 0);
    move(topRight.x() - kWidth, topRight.y() + 50);
    show();
    return;
  }
  const QRect target = lastGeometry_.isValid() ? lastGeometry_ : geometry();
  auto land = [this, target] {
    opening_ = false;
    setGeometry(target);
    show();
  };
  if (!flightsPlay()) return land();
  opening_ = true;
  fly(stripBox(), toFlight(target), QRect(), land);
}

void CToolsPalette::fly(const pages::FlightRect& from, const pages::FlightRect& to, const QRect& keepClear,
                        std::function<void()> landed) {
  flight_ = pages::flightSteps(from, to);
  lastFlight_ = flight_;
  keepClear_ = keepClear;
  landed_ = std::move(landed);
  flightStep_ = 0;
  flightTimer_.stop();
  flightStep();
  if (!flight_.empty() && flightStep_ <= flight_.size()) flightTimer_.start();
}

void CToolsPalette::flightStep() {
  // Positions over the palette's old place are passed over at once.
  while (flightStep_ < flight_.size() && keepClear_.isValid() &&
         pages::overlaps(flight_[flightStep_], toFlight(keepClear_)))
    ++flightStep_;
  if (flightStep_ >= flight_.size()) {
    flightTimer_.stop();
    bar_->hide();
    flight_.clear();
    if (auto landed = std::exchange(landed_, {})) landed();
    return;
  }
  bar_->setGeometry(toRect(flight_[flightStep_]));
  if (!bar_->isVisible()) bar_->show();
  bar_->raise();
  ++flightStep_;
}

}  // namespace vantorel::host
