#include "host/components/CComponentWnd.h"

#include "platform/com/Creation.h"
#include "platform/messages/WindowMessages.h"

namespace vantorel::host {

using com::InvokeKind;
using com::Variant;

CComponentWnd::CComponentWnd(const com::Guid& clsid, int childId, QString windowName,
                             std::vector<ExpectedMember> interface, QObject* parent)
    : QObject(parent),
      clsid_(clsid),
      childId_(childId),
      windowName_(std::move(windowName)),
      interface_(std::move(interface)) {}

CComponentWnd::~CComponentWnd() {
  destroy();
}

bool CComponentWnd::create(QWidget* parent, const QRect& rect, bool visible) {
  destroy();
  lastError_.clear();
  com::CreateResult created = com::createControl(clsid_);
  if (!created.control) {
    lastError_ = created.error;
    return false;
  }
  std::unique_ptr<com::Control> control(created.control);
  if (QString mismatch = interfaceMismatch(*control); !mismatch.isEmpty()) {
    lastError_ = mismatch;
    return false;
  }
  control->setObjectName(windowName_);
  control->createWindow(parent, childId_, rect, visible);
  // The sink may destroy this wrapper's control (a handler that closes the view): it holds only a
  // guarded pointer to the wrapper.
  QPointer<CComponentWnd> self(this);
  control->advise([self](int dispid, std::vector<Variant>& args) {
    if (self) self->onEvent(dispid, args);
  });
  control_ = control.release();
  return true;
}

void CComponentWnd::destroy() {
  if (control_) {
    control_->advise({});
    delete control_.data();
  }
  control_.clear();
}

void CComponentWnd::show(const QRect& rect) {
  if (!control_) return;
  control_->setGeometry(rect);
  control_->show();
}

void CComponentWnd::hide() {
  if (control_) control_->hide();
}

void CComponentWnd::setGeometry(const QRect& rect) {
  if (control_) control_->setGeometry(rect);
}

Variant CComponentWnd::call(int dispid, std::vector<Variant> args) {
  if (!control_) return {};
  return control_->invoke(dispid, InvokeKind::Method, args).value;
}

Variant CComponentWnd::get(int dispid) {
  if (!control_) return {};
  return control_->invoke(dispid, InvokeKind::PropertyGet, {}).value;
}

void CComponentWnd::put(int dispid, Variant value) {
  if (control_) (void)control_->invoke(dispid, InvokeKind::PropertyPut, {std::move(value)});
}

Variant::Type CComponentWnd::paramType(int dispid, size_t index) const {
  if (!control_) return Variant::Type::Empty;
  const com::MemberInfo* member = control_->dispatchTable().find(dispid);
  return member && index < member->params.size() ? member->params[index] : Variant::Type::Empty;
}

void CComponentWnd::onEvent(int, std::vector<Variant>&) {}

QString CComponentWnd::interfaceMismatch(const com::Control& control) const {
  const com::DispatchTable& table = control.dispatchTable();
  for (const ExpectedMember& expected : interface_) {
    const com::MemberInfo* member = table.find(expected.dispid);
    const QString which = u"member %1"_qs.arg(expected.dispid);
    if (!member) {
      if (expected.optional) continue;
      return which + u" is missing"_qs;
    }
    const bool wantProperty = expected.kind != InvokeKind::Method;
    if ((member->kind == com::MemberInfo::Kind::Property) != wantProperty) return which + u" is of another kind"_qs;
    if (expected.result != Variant::Type::Any && member->result != expected.result) {
      return which + u" has another type"_qs;
    }
    if (wantProperty) {
      if (expected.writable && member->readOnly) return which + u" is read-only"_qs;
      continue;
    }
    if (member->params.size() != expected.params.size()) return which + u" takes another number of arguments"_qs;
    for (size_t i = 0; i < expected.params.size(); ++i) {
      if (expected.params[i] != Variant::Type::Any && member->params[i] != expected.params[i]) {
        return which + u" takes another argument type"_qs;
      }
    }
  }
  return {};
}

}  // namespace vantorel::host
