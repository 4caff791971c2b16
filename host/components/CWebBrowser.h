#pragma once

#include <functional>

#include "host/components/CComponentWnd.h"
#include "platform/com/Dispatchable.h"

namespace vantorel::host {

// What the page browser asks before it goes to a page.
struct NavigateRequest {
  QString url;
  int32_t flags = 0;
  QString targetFrameName;
  QString headers;
};

// The page browser (window "Web", child id 1025), created visible.
class CWebBrowser : public CComponentWnd {
  Q_OBJECT
 public:
  explicit CWebBrowser(QObject* parent = nullptr);

  // `flags` 14: no history entry, neither read from nor written to the browser's cache.
  void Navigate(const QString& url, int32_t flags = 0);
  void Refresh2();
  // The shown page's document (its dispatch object for printing and copying); null when none.
  [[nodiscard]] com::Dispatchable* Document();
  // The text size in percent (100 normal); browsers without it keep their size.
  void SetTextZoom(int32_t percent);

  // Answers BeforeNavigate: return true to cancel the navigation. Without a handler every
  // navigation goes ahead.
  void setBeforeNavigate(std::function<bool(const NavigateRequest&)> handler) { beforeNavigate_ = std::move(handler); }

 protected:
  void onEvent(int dispid, std::vector<com::Variant>& args) override;

 private:
  std::function<bool(const NavigateRequest&)> beforeNavigate_;
};

}  // namespace vantorel::host
