#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPointer>
#include <QTest>
#include <string>
#include <vector>

#include "kestrin/Bitmaps.h"
#include "kestrin/KestrinCtrl.h"
#include "platform/messages/WindowMessages.h"

using namespace vantorel;
using namespace vantorel::kestrin;

namespace {

struct Message {
  uint32_t message;
  intptr_t wParam;
  intptr_t lParam;
  bool operator==(const Message&) const = default;
};

// A window that keeps the window messages it receives, and notes them in a shared log.
class Recorder : public QWidget {
 public:
  Recorder(QWidget* parent, QSize size, std::vector<std::string>* log, std::string name)
      : QWidget(parent), log_(log), name_(std::move(name)) {
    resize(size);
  }
  std::vector<Message> received;
  std::vector<int> commands() const {
    std::vector<int> ids;
    for (const Message& m : received) {
      if (m.message == messages::kCommand) ids.push_back(static_cast<int>(m.wParam));
    }
    return ids;
  }

 protected:
  bool event(QEvent* e) override {
    if (const auto* m = messages::asWindowMessage(e)) {
      received.push_back({m->message(), m->wParam(), m->lParam()});
      log_->push_back(name_ + " " + std::to_string(m->wParam()));
      return true;
    }
    return QWidget::event(e);
  }

 private:
  std::vector<std::string>* log_;
  std::string name_;
};

// Fired by the test instead of by the clock.
class FakeTimer : public WindowTimer {
 public:
  void start(int milliseconds, std::function<void()> onTimeout) override {
    interval = milliseconds;
    running = true;
    ++starts;
    callback = std::move(onTimeout);
  }
  void stop() override { running = false; }
  void fire() {
    if (running && callback) callback();
  }
  int interval = 0;
  int starts = 0;
  bool running = false;
  std::function<void()> callback;
};

// Keeps the rectangles the control repaints, in the shared log.
class PaintSpy : public QObject {
 public:
  PaintSpy(std::vector<std::string>* log) : log_(log) {}
  QRegion painted;

 protected:
  bool eventFilter(QObject*, QEvent* e) override {
    if (e->type() == QEvent::Paint) {
      painted += static_cast<QPaintEvent*>(e)->region();
      log_->push_back("paint");
    }
    return false;
  }

 private:
  std::vector<std::string>* log_;
};

// A press and release as the mouse gives them.
void press(QWidget* target, QPoint at, Qt::MouseButton button = Qt::LeftButton) {
  const QPointF global = target->mapToGlobal(QPointF(at));
  QMouseEvent down(QEvent::MouseButtonPress, QPointF(at), global, button, button, Qt::NoModifier);
  QApplication::sendEvent(target, &down);
  QMouseEvent up(QEvent::MouseButtonRelease, QPointF(at), global, button, Qt::NoButton, Qt::NoModifier);
  QApplication::sendEvent(target, &up);
}

// Centres of the switch pads and a point of each display button's face, in control coordinates.
constexpr QPoint kDimensionLeft{16, 25}, kDimensionRight{31, 25};
constexpr QPoint kRotationLeft{16, 67}, kRotationRight{31, 67};
constexpr QPoint kLabelsLeft{16, 239}, kLabelsRight{31, 239};
constexpr QPoint kWireframeFace{4, 123}, kSticksFace{4, 154}, kBallsFace{4, 185};
const QRect kDimensionRect{8, 20, 32, 11};
const QRect kRotationRect{8, 62, 32, 11};
const QRect kLabelsRect{8, 234, 32, 11};
const QRect kButtonsRect{1, 108, 56, 93};

// A page as the host shows it: a titled frame, the host's view, the page canvas holding the
// controller and, somewhere below the controller's grandparent, the molecule viewer.
class KestrinPage : public ::testing::Test {
 protected:
  void build(bool withViewer, const QString& frameTitle = u"Vantorel - test"_qs) {
    frame_ = std::make_unique<QWidget>();
    frame_->setWindowTitle(frameTitle);
    frame_->resize(900, 700);
    view_ = new Recorder(frame_.get(), {900, 700}, &log_, "view");
    // A viewer-sized window beside the page, outside the part the controller searches.
    outside_ = new Recorder(view_, {340, 290}, &log_, "outside");
    page_ = new QWidget(view_);
    page_->setGeometry(0, 0, 900, 700);
    nearMiss_ = new Recorder(page_, {340, 291}, &log_, "near-miss");
    auto* canvas = new QWidget(page_);
    canvas->setGeometry(0, 0, 60, 260);
    auto* holder = new QWidget(page_);
    holder->setGeometry(100, 0, 400, 300);
    if (withViewer) viewer_ = new Recorder(holder, {340, 290}, &log_, "viewer");
    // Nearer the grandparent than the viewer, but later in the depth-first order.
    if (withViewer) {
      later_ = new Recorder(page_, {340, 290}, &log_, "later");
      later_->move(500, 0);
    }

    auto timer = std::make_unique<FakeTimer>();
    timer_ = timer.get();
    control_ = new CKestrinCtrl(std::move(timer));
    control_->createWindow(canvas, 1, QRect(0, 0, 60, 260), true);
    control_->installEventFilter(&spy_);
    frame_->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(frame_.get()));
    settle();
  }

  // Runs the first-paint sequence to its end and forgets what it did.
  void buildSettled(bool withViewer) {
    build(withViewer);
    timer_->fire();
    forget();
  }

  void forget() {
    log_.clear();
    spy_.painted = QRegion();
    for (Recorder* r : {view_, outside_, nearMiss_, later_, viewer_}) {
      if (r) r->received.clear();
    }
  }

  static void settle() {
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
  }

  void clickAt(QPoint at, Qt::MouseButton button = Qt::LeftButton) { press(control_, at, button); }

  // What the control shows now; drawing it for the test is kept out of the record.
  QImage snapshot() {
    const auto savedLog = log_;
    const QRegion savedRegion = spy_.painted;
    QImage image = control_->grab().toImage();
    log_ = savedLog;
    spy_.painted = savedRegion;
    return image;
  }
  QColor pixel(QPoint at) { return snapshot().pixelColor(at); }

  std::vector<int> viewerCommands() const { return viewer_ ? viewer_->commands() : std::vector<int>{}; }

  // Nothing reached any window apart from the viewer.
  void expectOnlyViewerReached() const {
    for (const Recorder* r : {view_, outside_, nearMiss_, later_}) {
      if (r) EXPECT_TRUE(r->received.empty()) << r->commands().size();
    }
  }

  std::vector<std::string> log_;
  PaintSpy spy_{&log_};
  std::unique_ptr<QWidget> frame_;
  Recorder* view_ = nullptr;
  Recorder* outside_ = nullptr;
  QWidget* page_ = nullptr;
  Recorder* nearMiss_ = nullptr;
  Recorder* later_ = nullptr;
  Recorder* viewer_ = nullptr;
  CKestrinCtrl* control_ = nullptr;
  FakeTimer* timer_ = nullptr;
};

TEST_F(KestrinPage, FirstPaintSendsThreeDThenOnceMoreWhenTheSecondIsUp) {
  build(true);
  EXPECT_EQ(viewerCommands(), std::vector<int>{command::kThreeD});
  EXPECT_EQ(timer_->interval, 1000);
  EXPECT_TRUE(timer_->running);
  EXPECT_EQ(pixel(kDimensionRight), kLitColour);

  timer_->fire();
  EXPECT_EQ(viewerCommands(), (std::vector<int>{command::kThreeD, command::kThreeD}));
  EXPECT_FALSE(timer_->running);
  EXPECT_EQ(viewer_->received.back(), (Message{messages::kCommand, command::kThreeD, 0}));

  // Later paints start nothing again.
  control_->repaint();
  control_->update();
  settle();
  timer_->fire();
  EXPECT_EQ(viewerCommands().size(), 2u);
  EXPECT_EQ(timer_->starts, 1);
  expectOnlyViewerReached();
}

TEST_F(KestrinPage, DimensionSwitchRedrawsThenCommandsTheViewer) {
  buildSettled(true);
  EXPECT_EQ(pixel(kDimensionLeft), kUnlitColour);
  clickAt(kDimensionRight);  // lit already
  EXPECT_TRUE(log_.empty());

  clickAt({12, 25});
  EXPECT_EQ(viewerCommands(), std::vector<int>{command::kTwoD});
  EXPECT_TRUE(spy_.painted.contains(kDimensionRect));
  ASSERT_EQ(log_.size(), 2u);
  EXPECT_EQ(log_[0], "paint");  // the switch shows the change before the viewer hears of it
  EXPECT_EQ(pixel(kDimensionLeft), kLitColour);
  EXPECT_EQ(pixel(kDimensionRight), kUnlitColour);

  clickAt({34, 25});
  EXPECT_EQ(viewerCommands(), (std::vector<int>{command::kTwoD, command::kThreeD}));
  EXPECT_EQ(pixel(kDimensionRight), kLitColour);
  settle();
  expectOnlyViewerReached();
}

TEST_F(KestrinPage, RotationAndLabelSwitchesToggleEitherWay) {
  buildSettled(true);
  struct Lever {
    QPoint left, right;
    QRect rect;
    int commandId;
  };
  for (const Lever& l : {Lever{kRotationLeft, kRotationRight, kRotationRect, command::kRotation},
                         Lever{kLabelsLeft, kLabelsRight, kLabelsRect, command::kLabels}}) {
    forget();
    EXPECT_EQ(pixel(l.right), kLitColour);  // off
    clickAt(l.right);
    EXPECT_TRUE(log_.empty());

    clickAt(l.left);
    EXPECT_EQ(pixel(l.left), kLitColour);
    EXPECT_EQ(pixel(l.right), kUnlitColour);
    EXPECT_TRUE(spy_.painted.contains(l.rect));
    clickAt(l.left);  // lit now

    clickAt(l.right);
    EXPECT_EQ(pixel(l.right), kLitColour);
    EXPECT_EQ(viewerCommands(), (std::vector<int>{l.commandId, l.commandId}));
    settle();
    expectOnlyViewerReached();
  }
}

TEST_F(KestrinPage, DisplayButtonsSelectOneAndOnlyBallsAndSticksTellsTheHost) {
  buildSettled(true);
  EXPECT_EQ(pixel(kBallsFace), kLitColour);
  EXPECT_EQ(pixel(kWireframeFace), kButtonFace);

  clickAt(kBallsFace + QPoint(10, 0));  // selected already
  settle();
  EXPECT_TRUE(log_.empty());

  clickAt({20, 120});
  EXPECT_TRUE(spy_.painted.contains(kButtonsRect));
  EXPECT_EQ(pixel(kWireframeFace), kLitColour);
  EXPECT_EQ(pixel(kSticksFace), kButtonFace);
  EXPECT_EQ(pixel(kBallsFace), kButtonFace);
  clickAt({20, 150});
  EXPECT_EQ(pixel(kSticksFace), kLitColour);
  EXPECT_EQ(pixel(kWireframeFace), kButtonFace);
  settle();
  EXPECT_EQ(viewerCommands(), (std::vector<int>{command::kWireframe, command::kSticks}));
  EXPECT_TRUE(view_->received.empty());

  clickAt({20, 185});
  EXPECT_EQ(viewerCommands().back(), command::kBallsAndSticks);
  EXPECT_TRUE(view_->received.empty()) << "the notice is posted, not sent";
  settle();
  ASSERT_EQ(view_->received.size(), 1u);
  EXPECT_EQ(view_->received[0], (Message{messages::kCommand, 1, 9822}));
  EXPECT_EQ(pixel(kBallsFace), kLitColour);
  for (const Recorder* r : {outside_, nearMiss_, later_}) EXPECT_TRUE(r->received.empty());
}

TEST_F(KestrinPage, TwoDLocksTheOtherSwitchesUntilThreeDComesBack) {
  buildSettled(true);
  clickAt({12, 25});
  forget();
  const QImage before = snapshot();
  for (QPoint at : {kRotationLeft, kLabelsLeft, QPoint(20, 120), QPoint(20, 150)}) clickAt(at);
  settle();
  EXPECT_TRUE(log_.empty());
  EXPECT_EQ(snapshot(), before);

  clickAt({34, 25});
  clickAt(kRotationLeft);
  EXPECT_EQ(viewerCommands(), (std::vector<int>{command::kThreeD, command::kRotation}));
  EXPECT_EQ(pixel(kRotationLeft), kLitColour);
}

TEST_F(KestrinPage, WithoutAViewerTheSwitchesStillChangeButNothingIsSent) {
  build(false);
  timer_->fire();
  clickAt({12, 25});
  EXPECT_EQ(pixel(kDimensionLeft), kLitColour);
  clickAt({34, 25});
  clickAt(kRotationLeft);
  clickAt(kLabelsLeft);
  clickAt({20, 150});
  EXPECT_EQ(pixel(kRotationLeft), kLitColour);
  EXPECT_EQ(pixel(kLabelsLeft), kLitColour);
  EXPECT_EQ(pixel(kSticksFace), kLitColour);
  settle();
  for (const Recorder* r : {view_, outside_, nearMiss_}) EXPECT_TRUE(r->received.empty());
  // Choosing balls and sticks still tells the host; only the viewer is missing.
  clickAt({20, 185});
  settle();
  EXPECT_EQ(view_->received.size(), 1u);
}

TEST_F(KestrinPage, OnlyTheLeftButtonCounts) {
  buildSettled(true);
  clickAt({12, 25}, Qt::RightButton);
  clickAt({20, 120}, Qt::MiddleButton);
  settle();
  EXPECT_TRUE(log_.empty());
  EXPECT_TRUE(control_->switches() == SwitchState{});
}

TEST_F(KestrinPage, TheNoticeGoesBelowTheFirstTitledAncestor) {
  buildSettled(true);
  // A nearer ancestor with the prefix wins: the notice goes to the child it was reached through.
  page_->setWindowTitle(u"Vantorel"_qs);
  clickAt({20, 120});
  clickAt({20, 185});
  settle();
  EXPECT_TRUE(view_->received.empty());

  page_->setWindowTitle(u"vantorel page"_qs);  // the comparison keeps case
  frame_->setWindowTitle(u"Other program - Vantorel"_qs);
  clickAt({20, 120});
  clickAt({20, 185});
  settle();
  EXPECT_TRUE(view_->received.empty());
  EXPECT_EQ(viewerCommands().size(), 4u);
}

TEST_F(KestrinPage, TheNoticeReachesTheChildOfTheTitledParent) {
  buildSettled(true);
  auto* site = new Recorder(nullptr, {60, 260}, &log_, "site");
  site->setWindowTitle(u"Vantorel - control container"_qs);
  auto timer = std::make_unique<FakeTimer>();
  QPointer<CKestrinCtrl> lone = new CKestrinCtrl(std::move(timer));
  lone->createWindow(site, 1, QRect(0, 0, 60, 260), true);
  // Straight under the titled window: the control itself is "the window below it".
  struct Catcher : QObject {
    int seen = 0;
    bool eventFilter(QObject*, QEvent* e) override {
      if (const auto* m = messages::asWindowMessage(e)) seen += m->lParam() == 9822;
      return false;
    }
  } catcher;
  lone->installEventFilter(&catcher);
  site->show();
  settle();
  press(lone, {20, 120});
  press(lone, {20, 185});
  settle();
  EXPECT_EQ(catcher.seen, 1);
  EXPECT_TRUE(site->received.empty());
  delete site;
  EXPECT_TRUE(lone.isNull());
}

TEST(KestrinBitmaps, EveryElementShowsABitmapOfItsOwnSize) {
  SwitchState other;
  other.threeD = false;
  other.rotation = other.labels = true;
  for (const SwitchState& state : {SwitchState{}, other}) {
    for (const Placement& placement : kLayout) {
      const QImage& image = bitmapImage(bitmapFor(placement.element, state));
      EXPECT_EQ(image.size(), QSize(placement.rect.width, placement.rect.height))
          << static_cast<int>(placement.element);
    }
  }
  for (int id : {bitmap::kWireframeSelected, bitmap::kSticksSelected, bitmap::kBallsAndSticks}) {
    EXPECT_EQ(bitmapImage(id).size(), QSize(56, 31));
  }
  EXPECT_GE(bitmapImage(bitmap::kBackground).width(), 10);
  EXPECT_GE(bitmapImage(bitmap::kBackground).height(), 10);
  EXPECT_TRUE(bitmapImage(200).isNull());
  EXPECT_TRUE(bitmapImage(226).isNull());
}

}  // namespace
