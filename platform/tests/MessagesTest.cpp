#include <gtest/gtest.h>

#include <QApplication>
#include <QWidget>
#include <vector>

#include "platform/messages/WindowMessages.h"

namespace msg = vantorel::messages;

namespace {

struct Received {
  uint32_t message;
  intptr_t w, l;
};

class Recorder : public QWidget {
 public:
  using QWidget::QWidget;
  std::vector<Received> received;

 protected:
  bool event(QEvent* e) override {
    if (auto* m = msg::asWindowMessage(e)) {
      received.push_back({m->message(), m->wParam(), m->lParam()});
      const_cast<msg::WindowMessageEvent*>(m)->setResult(m->wParam() + m->lParam());
      return true;
    }
    return QWidget::event(e);
  }
};

QApplication& app() {
  return *qApp;
}  // made by the GUI test main

}  // namespace

TEST(Messages, SendIsImmediateAndReturnsTheResult) {
  app();
  Recorder r;
  EXPECT_EQ(msg::sendMessage(&r, msg::kCommand, 1, 9822), 9823);
  ASSERT_EQ(r.received.size(), 1u);
  EXPECT_EQ(r.received[0].message, msg::kCommand);
  EXPECT_EQ(msg::sendMessage(nullptr, msg::kCommand, 1, 2), 0);
}

TEST(Messages, PostWaitsForTheLoopAndSkipsDeadReceivers) {
  app();
  Recorder r;
  auto* doomed = new Recorder;
  EXPECT_TRUE(msg::postMessage(&r, msg::kBrowseGo));
  EXPECT_TRUE(msg::postMessage(doomed, msg::kBrowseGo));
  EXPECT_TRUE(r.received.empty());
  delete doomed;
  QCoreApplication::sendPostedEvents();
  ASSERT_EQ(r.received.size(), 1u);
  EXPECT_EQ(r.received[0].message, 0x49B7u);
}

TEST(Messages, ChildIdsAndHandles) {
  app();
  QWidget parent;
  auto* a = new QWidget(&parent);
  auto* b = new QWidget(&parent);
  msg::setChildId(a, 2001);
  msg::setChildId(b, 2002);
  EXPECT_EQ(msg::findChildById(&parent, 2002), b);
  EXPECT_EQ(msg::findChildById(&parent, 9), nullptr);
  EXPECT_EQ(msg::childId(&parent), 0);
  EXPECT_EQ(msg::fromHandle(msg::handleOf(a)), a);
  const intptr_t stale = msg::handleOf(b);
  delete b;
  EXPECT_EQ(msg::fromHandle(stale), nullptr);
  EXPECT_EQ(msg::fromHandle(12345), nullptr);
  EXPECT_EQ(msg::fromHandle(0), nullptr);
}
