#pragma once

#include <QRect>
#include <QWidget>
#include <functional>
#include <vector>

#include "platform/com/Dispatchable.h"

namespace vantorel::com {

// Receives the events a control fires: event number and arguments. The sink may write the
// arguments that the event declares by reference (a Cancel flag); the control reads them back.
using EventSink = std::function<void(int dispid, std::vector<Variant>& args)>;

// Base of every visual component. As with the platform's control classes, the control is its
// own window: the container creates the instance through the library's class object, then asks
// it for its window with a parent, a child id, a rectangle and a visibility.
class Control : public QWidget, public Dispatchable {
 public:
  Control();
  ~Control() override;

  // Dispatch by member number.
  [[nodiscard]] InvokeResult invoke(int dispid, InvokeKind kind, const std::vector<Variant>& args) override;
  [[nodiscard]] const DispatchTable& dispatchTable() const override { return dispatch_; }
  [[nodiscard]] const std::vector<EventInfo>& eventTable() const { return events_; }
  [[nodiscard]] const EventInfo* findEvent(int dispid) const;

  // The container's event sink; one at a time (an empty sink unadvises).
  void advise(EventSink sink) { sink_ = std::move(sink); }

  // Becomes a child window of `parent`; onCreate runs the first time.
  void createWindow(QWidget* parent, int childId, const QRect& rect, bool visible);

 protected:
  [[nodiscard]] DispatchTable& dispatch() { return dispatch_; }
  // byReference lists the positions of the parameters that the sink may write.
  void declareEvent(int dispid, std::string name, std::vector<Variant::Type> params,
                    std::vector<size_t> byReference = {});
  // Returns the arguments as the sink left them. The sink may destroy this control: read the
  // result, not members, after the call. An event that is not declared, or arguments that do not
  // match its declaration in count or type, are not fired (a warning is logged); the arguments
  // come back as given.
  std::vector<Variant> fireEvent(int dispid, std::vector<Variant> args);
  // The window exists and has its parent and size: build the child windows here.
  virtual void onCreate() {}

 private:
  DispatchTable dispatch_;
  std::vector<EventInfo> events_;
  EventSink sink_;
  bool created_ = false;
};

}  // namespace vantorel::com
