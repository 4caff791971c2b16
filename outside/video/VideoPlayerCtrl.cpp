#include "outside/video/VideoPlayerCtrl.h"

#include <QFile>
#include <QFileInfo>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>

#include "outside/core/EmbedAttributes.h"
#include "platform/ui/Graphics.h"
#include "platform/ui/StringTable.h"

namespace vantorel::video {
namespace {

namespace text {
constexpr int kCannotPlay = 100;
constexpr int kNotFound = 101;
constexpr int kNoPicture = 102;
constexpr int kUnsupported = 103;
constexpr int kPlay = 110;
constexpr int kPause = 111;
constexpr int kPosition = 112;
}  // namespace text

QString uiText(int id) {
  return ui::resourceString(u"video"_qs, id);
}

}  // namespace

CVideoPlayerCtrl::CVideoPlayerCtrl() {
  dispatch().property(1, "Version", com::Variant::Type::String,
                      [] { return com::Variant::fromString(QString::fromUtf16(kVersion)); });
  dispatch().method(2, "Load", {com::Variant::Type::String, com::Variant::Type::String}, com::Variant::Type::Bool,
                    [this](const std::vector<com::Variant>& args) {
                      return com::Variant::fromBool(Load(args[0].toString(), args[1].toString()));
                    });
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::ClickFocus);
  frameTimer_.setSingleShot(true);
  frameTimer_.setTimerType(Qt::PreciseTimer);
  QObject::connect(&frameTimer_, &QTimer::timeout, this, [this] { onFrameDue(); });
}

CVideoPlayerCtrl::~CVideoPlayerCtrl() = default;

bool CVideoPlayerCtrl::Load(const QString& path, const QString& attributes) {
  frameTimer_.stop();
  clip_.reset();
  shown_ = QImage();
  next_ = QImage();
  hasNext_ = false;
  atEnd_ = false;
  wantPlay_ = false;
  scrubbing_ = false;
  shownPosition_ = 0;
  framesShown_ = 0;
  message_.clear();
  messageDetail_.clear();
  const auto attrs = outside::EmbedAttributes::parse(attributes.toStdString());
  loop_ = attrs.flag("LOOP", false);

  const QString name = QFileInfo(path).fileName().isEmpty() ? path : QFileInfo(path).fileName();
  VideoClip::Opened opened = VideoClip::openFile(QFile::encodeName(path).toStdString());
  if (!opened.clip) {
    switch (opened.fault) {
      case ClipFault::NotFound: fail(uiText(text::kNotFound), name); break;
      case ClipFault::NoPicture: fail(uiText(text::kNoPicture), name); break;
      case ClipFault::Unsupported: fail(uiText(text::kUnsupported), name); break;
      default: fail(uiText(text::kCannotPlay), name); break;
    }
    return false;
  }
  clip_ = std::move(opened.clip);
  showHeldFrame();
  if (attrs.flag("AUTOPLAY", false)) play();
  update();
  return true;
}

void CVideoPlayerCtrl::fail(const QString& text, const QString& detail) {
  message_ = text;
  messageDetail_ = detail;
  update();
}

QRect CVideoPlayerCtrl::frameRect() const {
  const QRect area = layout().picture;
  if (!clip_ || area.isEmpty()) return {};
  // The whole picture area, keeping the clip's proportions.
  const QSizeF natural(clip_->width() * clip_->pixelAspect(), clip_->height());
  const QSizeF fitted = natural.scaled(area.size(), Qt::KeepAspectRatio);
  const QSize size(std::max(1, qRound(fitted.width())), std::max(1, qRound(fitted.height())));
  return QRect(area.left() + (area.width() - size.width()) / 2, area.top() + (area.height() - size.height()) / 2,
               size.width(), size.height());
}

QImage CVideoPlayerCtrl::convertHeld() const {
  const QRect target = frameRect();
  if (target.isEmpty()) return {};
  QImage image(target.size(), QImage::Format_RGB32);
  if (image.isNull() ||
      !clip_->copyFrame(image.width(), image.height(), image.bits(), static_cast<int>(image.bytesPerLine())))
    return {};
  return image;
}

void CVideoPlayerCtrl::showHeldFrame() {
  shown_ = convertHeld();
  shownPosition_ = clip_->positionMicros();
  ++framesShown_;
  update();
}

void CVideoPlayerCtrl::play() {
  if (!clip_ || wantPlay_) return;
  if (atEnd_) seekTo(0);
  wantPlay_ = true;
  updateClock();
  update();
}

void CVideoPlayerCtrl::pause() {
  if (!wantPlay_) return;
  wantPlay_ = false;
  updateClock();
  update();
}

// Runs the clock while the player plays and can be seen; a hidden player waits where it is.
void CVideoPlayerCtrl::updateClock() {
  const bool run = wantPlay_ && !scrubbing_ && isVisible() && clip_;
  if (!run) {
    frameTimer_.stop();
    return;
  }
  if (frameTimer_.isActive()) return;
  clock_.start();
  anchorClip_ = shownPosition_;
  if (hasNext_) {
    // The frame decoded before the pause still waits for its own time.
    frameTimer_.start(static_cast<int>(std::clamp<int64_t>((nextPosition_ - anchorClip_) / 1000, 0, 10000)));
  } else {
    decodeAhead();
  }
}

void CVideoPlayerCtrl::decodeAhead() {
  if (!clip_->next()) {
    hasNext_ = false;
    // The clip has ended: wait one frame's time on the last picture, then stop or start over.
    frameTimer_.start(static_cast<int>(clip_->frameIntervalMicros() / 1000));
    return;
  }
  next_ = convertHeld();
  nextPosition_ = clip_->positionMicros();
  hasNext_ = true;
  const int64_t dueMs = (nextPosition_ - anchorClip_) / 1000;
  const int64_t waitMs = dueMs - clock_.elapsed();
  if (waitMs < -kLateResetMs) {
    clock_.start();
    anchorClip_ = nextPosition_;
    frameTimer_.start(0);
    return;
  }
  frameTimer_.start(static_cast<int>(std::clamp<int64_t>(waitMs, 0, 10000)));
}

void CVideoPlayerCtrl::onFrameDue() {
  if (!hasNext_) {
    if (loop_ && wantPlay_) {
      seekTo(0);
      clock_.start();
      anchorClip_ = shownPosition_;
      decodeAhead();
      return;
    }
    atEnd_ = true;
    wantPlay_ = false;
    update();
    return;
  }
  shown_ = next_.size() == frameRect().size() ? next_ : convertHeld();
  shownPosition_ = nextPosition_;
  hasNext_ = false;
  ++framesShown_;
  update();
  if (wantPlay_ && isVisible()) decodeAhead();
}

void CVideoPlayerCtrl::seekTo(int64_t micros) {
  if (!clip_) return;
  frameTimer_.stop();
  hasNext_ = false;
  atEnd_ = false;
  if (clip_->seek(micros)) showHeldFrame();
  if (wantPlay_ && !scrubbing_ && isVisible()) {
    clock_.start();
    anchorClip_ = shownPosition_;
    decodeAhead();
  }
}

void CVideoPlayerCtrl::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const BarLayout l = layout();
  p.fillRect(l.picture, message_.isEmpty() ? QColor(0, 0, 0) : QColor(32, 36, 44));
  if (!message_.isEmpty()) {
    paintMessage(p, l.picture);
  } else if (!shown_.isNull()) {
    const QRect target = frameRect();
    if (shown_.size() == target.size()) {
      p.drawImage(target.topLeft(), shown_);
    } else {
      p.setRenderHint(QPainter::SmoothPixmapTransform);
      p.drawImage(target, shown_);
    }
  }
  BarState state;
  state.enabled = clip_ != nullptr;
  state.playing = wantPlay_;
  state.buttonDown = buttonDown_;
  state.duration = clip_ ? std::max(clip_->durationMicros(), shownPosition_) : 0;
  // At the end the knob stands at the end, though the last frame began a little before.
  state.position = atEnd_ ? state.duration : shownPosition_;
  paintControlBar(p, l, state);
}

void CVideoPlayerCtrl::paintMessage(QPainter& p, const QRect& area) {
  const int size = std::clamp(area.height() / 16, 11, 22);
  const QRect box = area.adjusted(size, size, -size, -size);
  const QFont bold = ui::fontByFace(u"Arial"_qs, size, true);
  const QFont plain = ui::fontByFace(u"Arial"_qs, std::max(9, size - 2));
  const int flags = Qt::AlignHCenter | Qt::TextWordWrap;
  const QRect first = QFontMetrics(bold).boundingRect(box, flags, message_);
  const QRect second = QFontMetrics(plain).boundingRect(box, flags, messageDetail_);
  const int sign = size * 2;
  const int total = sign + size / 2 + first.height() + size / 2 + second.height();
  int y = box.top() + std::max(0, (box.height() - total) / 2);

  // A film frame with a cross: this picture will not play.
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF film(area.center().x() - sign * 0.7, y, sign * 1.4, sign);
  p.setPen(QPen(QColor(200, 200, 190), std::max(2, size / 7)));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(film, 3, 3);
  p.setPen(QPen(QColor(225, 90, 70), std::max(2, size / 6), Qt::SolidLine, Qt::RoundCap));
  p.drawLine(film.center() + QPointF(-sign * 0.25, -sign * 0.25), film.center() + QPointF(sign * 0.25, sign * 0.25));
  p.drawLine(film.center() + QPointF(sign * 0.25, -sign * 0.25), film.center() + QPointF(-sign * 0.25, sign * 0.25));
  y += sign + size / 2;
  p.setFont(bold);
  p.setPen(QColor(240, 240, 232));
  p.drawText(QRect(box.left(), y, box.width(), first.height()), flags, message_);
  y += first.height() + size / 2;
  p.setFont(plain);
  p.setPen(QColor(180, 184, 190));
  p.drawText(QRect(box.left(), y, box.width(), second.height()), flags, messageDetail_);
}

void CVideoPlayerCtrl::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !clip_) {
    Control::mousePressEvent(event);
    return;
  }
  const QPoint at = event->position().toPoint();
  const BarLayout l = layout();
  event->accept();
  if (l.button.contains(at)) {
    buttonDown_ = true;
    update(l.button);
    return;
  }
  // The groove and the strip around it take the knob there and let it be dragged.
  const QRect trackArea(l.track.left() - 4, l.bar.top(), l.track.width() + 8, l.bar.height());
  if (trackArea.contains(at) && clip_->durationMicros() > 0) {
    resumeAfterScrub_ = wantPlay_;
    scrubbing_ = true;
    updateClock();
    seekTo(l.timeAt(at.x(), clip_->durationMicros()));
    return;
  }
  if (l.picture.contains(at)) wantPlay_ ? pause() : play();
}

void CVideoPlayerCtrl::mouseMoveEvent(QMouseEvent* event) {
  if (scrubbing_ && clip_) {
    const int64_t target = layout().timeAt(event->position().toPoint().x(), clip_->durationMicros());
    // Whole frames only: a move within one frame's time decodes nothing.
    if (std::llabs(target - shownPosition_) >= clip_->frameIntervalMicros()) seekTo(target);
    event->accept();
    return;
  }
  Control::mouseMoveEvent(event);
}

void CVideoPlayerCtrl::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    Control::mouseReleaseEvent(event);
    return;
  }
  event->accept();
  if (buttonDown_) {
    buttonDown_ = false;
    // A press counts when it is let go over the button, as with any button.
    if (layout().button.contains(event->position().toPoint())) wantPlay_ ? pause() : play();
    update();
    return;
  }
  if (scrubbing_) {
    scrubbing_ = false;
    wantPlay_ = resumeAfterScrub_;
    updateClock();
    update();
  }
}

void CVideoPlayerCtrl::keyPressEvent(QKeyEvent* event) {
  if (clip_ && (event->key() == Qt::Key_Space || event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
    wantPlay_ ? pause() : play();
    event->accept();
    return;
  }
  Control::keyPressEvent(event);
}

void CVideoPlayerCtrl::showEvent(QShowEvent* event) {
  Control::showEvent(event);
  updateClock();
}

void CVideoPlayerCtrl::hideEvent(QHideEvent* event) {
  Control::hideEvent(event);
  updateClock();
}

bool CVideoPlayerCtrl::event(QEvent* event) {
  if (event->type() == QEvent::ToolTip && clip_) {
    const auto* help = static_cast<QHelpEvent*>(event);
    const BarLayout l = layout();
    if (l.button.contains(help->pos())) {
      QToolTip::showText(help->globalPos(), uiText(wantPlay_ ? text::kPause : text::kPlay), this, l.button);
    } else if (l.bar.contains(help->pos())) {
      QToolTip::showText(help->globalPos(), uiText(text::kPosition), this, l.bar);
    } else {
      QToolTip::hideText();
    }
    return true;
  }
  return Control::event(event);
}

}  // namespace vantorel::video
