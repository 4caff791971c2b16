#include "host/components/CWebBrowser.h"

#include "platform/com/ComponentIds.h"

namespace vantorel::host {
namespace {

using com::InvokeKind;
using T = com::Variant::Type;
using com::Variant;

enum : int { kNavigate = 104, kRefresh2 = 105, kDocument = 203, kTextZoom = 300 };
constexpr int kBeforeNavigate = 100;
constexpr size_t kCancelArg = 5;

}  // namespace

// The browser's optional variant parameters are not checked for their types: only that the
// members the host calls are there with their kinds.
CWebBrowser::CWebBrowser(QObject* parent)
    : CComponentWnd(com::ids::kPageBrowserClass, 1025, u"Web"_qs,
                    {{kNavigate, InvokeKind::Method, {T::String, T::Any, T::Any, T::Any, T::Any}, T::Any},
                     {kRefresh2, InvokeKind::Method, {T::Any}, T::Any},
                     {kDocument, InvokeKind::PropertyGet, {}, T::Any},
                     {kTextZoom, InvokeKind::PropertyGet, {}, T::Long, true, true}},
                    parent) {}

void CWebBrowser::Navigate(const QString& url, int32_t flags) {
  call(kNavigate,
       {Variant::fromString(url), flags ? Variant::fromLong(flags) : Variant(), Variant(), Variant(), Variant()});
}

void CWebBrowser::SetTextZoom(int32_t percent) {
  put(kTextZoom, Variant::fromLong(percent));
}

void CWebBrowser::Refresh2() {
  call(kRefresh2, {Variant()});
}

com::Dispatchable* CWebBrowser::Document() {
  return com::dispatchableOf(get(kDocument));
}

void CWebBrowser::onEvent(int dispid, std::vector<Variant>& args) {
  if (dispid != kBeforeNavigate || args.size() <= kCancelArg || !beforeNavigate_) return;
  NavigateRequest request{args[0].toString(), args[1].toLong(), args[2].toString(), args[4].toString()};
  const bool cancel = beforeNavigate_(request);
  args[kCancelArg] = Variant::fromBool(cancel);
}

}  // namespace vantorel::host
