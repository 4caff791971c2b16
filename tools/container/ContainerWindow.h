#pragma once

#include <QPointer>
#include <QTextStream>
#include <QWidget>

#include "platform/com/Control.h"
#include "tools/container/ContainerScript.h"

namespace vantorel::container {

// The site a control lives in: it prints every window message it receives, such as the
// notices that controls post to the view above them.
class ControlSite : public QWidget {
 public:
  ControlSite(QWidget* parent, QTextStream& out) : QWidget(parent), out_(out) {}

 protected:
  bool event(QEvent* event) override;

 private:
  QTextStream& out_;
};

// A top-level window holding one control; runs the script's actions against it.
class ContainerWindow : public QWidget {
 public:
  ContainerWindow(QTextStream& out, QTextStream& err);
  ~ContainerWindow() override;

  // Creates the control by class id or ProgID at `size`; false (with a message) on failure.
  bool create(const QString& classIdOrProgId, const QSize& size);
  // Runs one action; false when it failed.
  bool run(const Action& action);
  [[nodiscard]] com::Control* control() const { return control_; }

 private:
  bool runCall(const MemberCall& call);
  void sendMouse(const QPoint& point, bool press, bool doubleClick);
  void sendKeys(const QString& keys);

  QTextStream& out_;
  QTextStream& err_;
  ControlSite* site_ = nullptr;
  QPointer<com::Control> control_;
};

}  // namespace vantorel::container
