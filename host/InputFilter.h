#pragma once

#include <QObject>

namespace vantorel::host {

class CQuillet2App;

// Applied to every event of the program before it is delivered: the right mouse button does
// nothing anywhere (no context menus, not even in pages), and Enter in the topic browser's word
// box becomes the browser's "go" message to its view.
class InputFilter : public QObject {
 public:
  explicit InputFilter(CQuillet2App& app) : app_(app) {}

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  CQuillet2App& app_;
};

}  // namespace vantorel::host
