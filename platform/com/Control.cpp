#include "platform/com/Control.h"

#include <QDebug>

#include "platform/messages/WindowMessages.h"

namespace vantorel::com {

Control::Control() : QWidget(nullptr) {}

Control::~Control() = default;

InvokeResult Control::invoke(int dispid, InvokeKind kind, const std::vector<Variant>& args) {
  return dispatch_.invoke(dispid, kind, args);
}

const EventInfo* Control::findEvent(int dispid) const {
  for (const auto& e : events_) {
    if (e.dispid == dispid) return &e;
  }
  return nullptr;
}

void Control::createWindow(QWidget* parent, int childId, const QRect& rect, bool visible) {
  setParent(parent);
  setGeometry(rect);
  messages::setChildId(this, childId);
  if (!created_) {
    created_ = true;
    onCreate();
  }
  setVisible(visible);
}

void Control::declareEvent(int dispid, std::string name, std::vector<Variant::Type> params,
                           std::vector<size_t> byReference) {
  std::vector<bool> byRef(params.size(), false);
  for (size_t i : byReference) {
    if (i < byRef.size()) byRef[i] = true;
  }
  events_.push_back(EventInfo{dispid, std::move(name), std::move(params), std::move(byRef)});
}

std::vector<Variant> Control::fireEvent(int dispid, std::vector<Variant> args) {
  // The sink reads arguments by position as the event declares them: an undeclared event, a
  // wrong count or an argument of the wrong type never reaches it.
  const EventInfo* info = findEvent(dispid);
  if (!info) {
    qWarning("vantorel::com::Control: event %d is not declared; not fired", dispid);
    return args;
  }
  if (args.size() != info->params.size()) {
    qWarning("vantorel::com::Control: event %d \"%s\" takes %zu arguments, not %zu; not fired", dispid,
             info->name.c_str(), info->params.size(), args.size());
    return args;
  }
  for (size_t i = 0; i < args.size(); ++i) {
    auto v = args[i].convertedTo(info->params[i]);
    if (!v) {
      qWarning("vantorel::com::Control: event %d \"%s\": argument %zu is a %s, not a %s; not fired", dispid,
               info->name.c_str(), i + 1, typeName(args[i].type()), typeName(info->params[i]));
      return args;
    }
    args[i] = std::move(*v);
  }
  // The handler may destroy this control; call a copy of the sink.
  if (EventSink sink = sink_) sink(dispid, args);
  return args;
}

}  // namespace vantorel::com
