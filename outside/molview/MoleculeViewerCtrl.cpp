#include "outside/molview/MoleculeViewerCtrl.h"

#include <QActionGroup>
#include <QContextMenuEvent>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <numbers>

#include "outside/core/EmbedAttributes.h"
#include "outside/molview/core/MolfileReader.h"
#include "outside/molview/core/Scene.h"
#include "platform/files/RegularFile.h"
#include "platform/messages/WindowMessages.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/StringTable.h"

namespace vantorel::molview {
namespace {

namespace text {
constexpr int kCannotRead = 100;
constexpr int kNotFound = 101;
constexpr int kAtLine = 102;
constexpr int kMenuBallsAndSticks = 110;
constexpr int kMenuSticks = 111;
constexpr int kMenuWireframe = 112;
constexpr int kMenuSpaceFilling = 113;
constexpr int kMenuLabels = 114;
constexpr int kMenuSpin = 115;
constexpr int kMenuFlat = 116;
constexpr int kMenuStartView = 117;
}  // namespace text

QString uiText(int id) {
  return ui::resourceString(u"molview"_qs, id);
}

QColor colourOf(uint32_t rgb) {
  return QColor(static_cast<int>((rgb >> 16) & 0xFF), static_cast<int>((rgb >> 8) & 0xFF),
                static_cast<int>(rgb & 0xFF));
}

}  // namespace

CMoleculeViewerCtrl::CMoleculeViewerCtrl() {
  dispatch().property(1, "Version", com::Variant::Type::String,
                      [] { return com::Variant::fromString(QString::fromUtf16(kVersion)); });
  dispatch().method(2, "Load", {com::Variant::Type::String, com::Variant::Type::String}, com::Variant::Type::Bool,
                    [this](const std::vector<com::Variant>& args) {
                      return com::Variant::fromBool(Load(args[0].toString(), args[1].toString()));
                    });
  setAttribute(Qt::WA_OpaquePaintEvent);
  setCursor(Qt::OpenHandCursor);
  spinTimer_.setInterval(kSpinIntervalMs);
  spinTimer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&spinTimer_, &QTimer::timeout, this, [this] { spinStep(); });
}

CMoleculeViewerCtrl::~CMoleculeViewerCtrl() = default;

bool CMoleculeViewerCtrl::Load(const QString& path, const QString& attributes) {
  state_ = viewStateFromAttributes(outside::EmbedAttributes::parse(attributes.toStdString()));
  model_ = Model();
  message_.clear();
  messageDetail_.clear();
  dragging_ = false;

  const QFileInfo info(path);
  const QString shownName = info.fileName().isEmpty() ? path : info.fileName();
  if (path.isEmpty() || !info.exists()) {
    fail(uiText(text::kNotFound), shownName);
    return false;
  }
  // Only a regular file is a molfile: not a folder, a device or a pipe that never ends.
  const files::FilePtr file = files::openRegularFile(QFile::encodeName(path).toStdString());
  if (!file) {
    fail(uiText(text::kCannotRead), shownName);
    return false;
  }
  std::string bytes(kMaxMolfileBytes + 1, '\0');
  bytes.resize(std::fread(bytes.data(), 1, bytes.size(), file.get()));
  const MolfileRead read = readMolfile(bytes);
  if (!read.molecule) {
    fail(uiText(text::kCannotRead),
         read.line > 0 ? shownName + u", "_qs + uiText(text::kAtLine).arg(read.line) : shownName);
    return false;
  }
  model_ = Model(*read.molecule);
  updateSpinTimer();
  update();
  return true;
}

void CMoleculeViewerCtrl::fail(const QString& text, const QString& detail) {
  message_ = text;
  messageDetail_ = detail;
  updateSpinTimer();
  update();
}

bool CMoleculeViewerCtrl::event(QEvent* event) {
  if (const auto* message = messages::asWindowMessage(event)) {
    if (message->message() == messages::kCommand && applyCommand(state_, static_cast<int>(message->wParam()))) {
      updateSpinTimer();
      update();
    }
    return true;
  }
  return Control::event(event);
}

QFont CMoleculeViewerCtrl::labelFont() const {
  return ui::fontByFace(u"Arial"_qs, std::clamp(std::min(width(), height()) / 22, 9, 24), true);
}

void CMoleculeViewerCtrl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), colourOf(state_.background));
  if (!message_.isEmpty()) {
    paintMessage(p);
    return;
  }
  if (model_.empty()) return;
  const Scene scene = buildScene(model_, state_, width(), height());
  painter_.paint(p, model_, scene, labelFont());
}

void CMoleculeViewerCtrl::paintMessage(QPainter& p) {
  const QColor background = colourOf(state_.background);
  const bool dark = background.lightness() < 128;
  const QColor ink = dark ? QColor(235, 235, 225) : QColor(30, 30, 30);
  const int margin = std::max(8, width() / 16);
  const QRect box = rect().adjusted(margin, margin, -margin, -margin);
  const int size = std::clamp(height() / 20, 11, 20);

  // A sign, then the message and the file under it, centred as a block.
  const QFont bold = ui::fontByFace(u"Arial"_qs, size, true);
  const QFont plain = ui::fontByFace(u"Arial"_qs, std::max(9, size - 2));
  const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
  const QRect first = QFontMetrics(bold).boundingRect(box, flags, message_);
  const QRect second = QFontMetrics(plain).boundingRect(box, flags, messageDetail_);
  const int sign = size * 2;
  const int total = sign + size / 2 + first.height() + size / 2 + second.height();
  int y = box.top() + std::max(0, (box.height() - total) / 2);

  p.setRenderHint(QPainter::Antialiasing);
  const QRectF circle(width() / 2.0 - sign / 2.0, y, sign, sign);
  p.setPen(QPen(QColor(230, 160, 40), std::max(2, size / 6)));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(circle.adjusted(1, 1, -1, -1));
  p.setFont(ui::fontByFace(u"Arial"_qs, sign * 2 / 3, true));
  p.setPen(QColor(230, 160, 40));
  p.drawText(circle, Qt::AlignCenter, u"!"_qs);
  y += sign + size / 2;

  p.setPen(ink);
  p.setFont(bold);
  p.drawText(QRect(box.left(), y, box.width(), first.height()), flags, message_);
  y += first.height() + size / 2;
  p.setFont(plain);
  p.setPen(dark ? QColor(190, 190, 180) : QColor(80, 80, 80));
  p.drawText(QRect(box.left(), y, box.width(), second.height()), flags, messageDetail_);
}

void CMoleculeViewerCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || model_.empty()) {
    Control::mousePressEvent(event);
    return;
  }
  dragging_ = true;
  lastDrag_ = event->position().toPoint();
  setCursor(Qt::ClosedHandCursor);
  updateSpinTimer();
  event->accept();
}

void CMoleculeViewerCtrl::mouseMoveEvent(QMouseEvent* event) {
  if (!dragging_) {
    Control::mouseMoveEvent(event);
    return;
  }
  const QPoint at = event->position().toPoint();
  const QPoint delta = at - lastDrag_;
  lastDrag_ = at;
  if (delta.isNull()) return;
  // Dragging across the whole window turns the model half way round.
  const double perPixel = std::numbers::pi / std::max(1, std::min(width(), height()));
  const Matrix3 turn =
      Matrix3::rotation({0, 1, 0}, delta.x() * perPixel) * Matrix3::rotation({1, 0, 0}, delta.y() * perPixel);
  state_.turn = (turn * state_.turn).orthonormalised();
  update();
  event->accept();
}

void CMoleculeViewerCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (!dragging_ || event->button() != Qt::LeftButton) {
    Control::mouseReleaseEvent(event);
    return;
  }
  dragging_ = false;
  setCursor(Qt::OpenHandCursor);
  updateSpinTimer();
  event->accept();
}

void CMoleculeViewerCtrl::contextMenuEvent(QContextMenuEvent* event) {
  if (model_.empty()) return;
  QMenu menu(this);
  auto* styles = new QActionGroup(&menu);  // one style at a time, shown as round marks
  const auto styleItem = [&](int id, Style style) {
    QAction* action = menu.addAction(uiText(id));
    action->setCheckable(true);
    action->setActionGroup(styles);
    action->setChecked(state_.style == style);
    QObject::connect(action, &QAction::triggered, this, [this, style] {
      state_.style = style;
      update();
    });
  };
  styleItem(text::kMenuBallsAndSticks, Style::BallsAndSticks);
  styleItem(text::kMenuSticks, Style::Sticks);
  styleItem(text::kMenuWireframe, Style::Wireframe);
  styleItem(text::kMenuSpaceFilling, Style::SpaceFilling);
  menu.addSeparator();
  const auto switchItem = [&](int id, bool on, int commandId) {
    QAction* action = menu.addAction(uiText(id));
    action->setCheckable(true);
    action->setChecked(on);
    QObject::connect(action, &QAction::triggered, this, [this, commandId] {
      applyCommand(state_, commandId);
      updateSpinTimer();
      update();
    });
  };
  switchItem(text::kMenuLabels, state_.labels, command::kLabels);
  switchItem(text::kMenuSpin, state_.spin, command::kRotation);
  switchItem(text::kMenuFlat, !state_.threeD, state_.threeD ? command::kTwoD : command::kThreeD);
  menu.addSeparator();
  QObject::connect(menu.addAction(uiText(text::kMenuStartView)), &QAction::triggered, this, [this] {
    state_.turn = Matrix3::identity();
    update();
  });
  menu.exec(event->globalPos());
}

void CMoleculeViewerCtrl::showEvent(QShowEvent* event) {
  Control::showEvent(event);
  updateSpinTimer();
}

void CMoleculeViewerCtrl::hideEvent(QHideEvent* event) {
  Control::hideEvent(event);
  updateSpinTimer();
}

void CMoleculeViewerCtrl::updateSpinTimer() {
  // A flat picture, a hidden window and a model in the user's hand stand still.
  const bool run = state_.spin && state_.threeD && !dragging_ && !model_.empty() && isVisible();
  if (run && !spinTimer_.isActive()) {
    spinClock_.start();
    spinTimer_.start();
  } else if (!run) {
    spinTimer_.stop();
  }
}

void CMoleculeViewerCtrl::spinStep() {
  // The turn follows the clock, so the speed holds however often the timer comes; a long
  // stall (a busy page) does not make the model jump.
  const double seconds = std::min(spinClock_.restart(), qint64{100}) / 1000.0;
  const double radians = state_.spinDegreesPerSecond() * seconds * std::numbers::pi / 180;
  state_.turn = (Matrix3::rotation({0, 1, 0}, radians) * state_.turn).orthonormalised();
  update();
}

}  // namespace vantorel::molview
