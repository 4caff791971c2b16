#pragma once

#include <QObject>
#include <QPointer>
#include <QRect>
#include <QString>
#include <vector>

#include "platform/com/Control.h"
#include "platform/com/Dispatch.h"
#include "platform/com/Guid.h"

namespace vantorel::host {

// One member as the host calls it: number, kind, parameter types and result type. A member
// whose expected result is Any is not checked for its result. An optional member may be missing
// (its calls then read as empty values), but when present it must have the expected signature.
struct ExpectedMember {
  int dispid;
  com::InvokeKind kind;  // Method or PropertyGet (a read/write property is checked as PropertyGet)
  std::vector<com::Variant::Type> params;
  com::Variant::Type result;
  bool writable = false;  // a property that the host also writes
  bool optional = false;
};

// The host side of one embedded component: creates it by class id as a child window of the view
// and holds it while that window lives. The component's interface is checked right after
// creation against the members the host calls, so that a library built against another version
// of the interfaces fails to create cleanly instead of misbehaving later.
class CComponentWnd : public QObject {
  Q_OBJECT
 public:
  ~CComponentWnd() override;

  // Creates the component; false (with the reason in lastError) when it is not registered, its
  // library does not load, or its interface is not the one expected. Any earlier instance is
  // destroyed first.
  bool create(QWidget* parent, const QRect& rect, bool visible);
  void destroy();

  [[nodiscard]] bool exists() const { return !control_.isNull(); }
  // The component's window (null before creation and after its destruction).
  [[nodiscard]] QWidget* widget() const { return control_.data(); }
  [[nodiscard]] const QString& lastError() const { return lastError_; }
  [[nodiscard]] const com::Guid& classId() const { return clsid_; }
  [[nodiscard]] int childId() const { return childId_; }

  void show(const QRect& rect);
  void hide();
  void setGeometry(const QRect& rect);

 protected:
  CComponentWnd(const com::Guid& clsid, int childId, QString windowName, std::vector<ExpectedMember> interface,
                QObject* parent);

  // Calls through dispatch; the host checks no result, so failures read as empty values.
  com::Variant call(int dispid, std::vector<com::Variant> args = {});
  com::Variant get(int dispid);
  void put(int dispid, com::Variant value);
  // The declared type of a method's parameter, so a handle goes as the component declares it.
  [[nodiscard]] com::Variant::Type paramType(int dispid, size_t index) const;

  // An event the component fired; by-reference arguments may be written.
  virtual void onEvent(int dispid, std::vector<com::Variant>& args);

 private:
  [[nodiscard]] QString interfaceMismatch(const com::Control& control) const;

  com::Guid clsid_;
  int childId_;
  QString windowName_;
  std::vector<ExpectedMember> interface_;
  QPointer<com::Control> control_;
  QString lastError_;
};

}  // namespace vantorel::host
