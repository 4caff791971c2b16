#pragma once

// The embedded components of the main view, created in their fixed order.
//
// Usage from the view's first update:
//
//   if (app.outsideInstallFolder()) {
//     ComponentCheck check(app.installFolder() + "/ActiveX/", this);
//     if (!check.run()) { startFailed_ = true; return; }  // it showed its message
//   }
//   components_ = new HostComponents(this);
//   const auto outcome = components_->create({this, app.dataFolder(), app.installFolder() + "/ActiveX/", &app});
//   if (outcome == HostComponents::Outcome::Failed) { startFailed_ = true; return; }  // message shown
//   if (outcome == HostComponents::Outcome::NoBrowser) return;                        // 61218 shown
//   components_->webBrowser().Navigate(app.dataFolder() + "a.htm");
//   ... bookmarks; elementIndex_ = readElementIndex(app.dataFolder());  ...
//   components_->checkMinimumVersions(this);
//
// Events arrive as signals of the wrappers (CSelect::treeSelected / listSelected,
// CPeriodTable::elementDetail) and through CWebBrowser::setBeforeNavigate (return true to
// cancel). Every message box goes through the platform's message-box service.

#include <QObject>
#include <QRect>
#include <QString>
#include <array>
#include <memory>

#include "host/components/CDataAnal.h"
#include "host/components/CPeriodTable.h"
#include "host/components/CSelect.h"
#include "host/components/CWebBrowser.h"
#include "host/components/ComponentTable.h"

namespace vantorel::host {

class CQuillet2App;

class HostComponents : public QObject {
  Q_OBJECT
 public:
  struct Setup {
    QWidget* view = nullptr;      // parent of every component window
    QString dataFolder;           // ends in a separator; handed to Tabrel, Brovik and Dravix
    QString componentFolder;      // ends in a separator; where a component is registered again from
    CQuillet2App* app = nullptr;  // when given, receives the versions and Brovik's two windows
  };

  enum class Outcome {
    Ready,      // every component and the page browser exist
    Failed,     // a component could not be created: its message was shown; the view must close
    NoBrowser,  // the components exist, the page browser does not: 61218 was shown
  };

  explicit HostComponents(QObject* parent = nullptr);
  ~HostComponents() override;

  // Tabrel, Brovik, Dravix (hidden, sized to the view), then Kestrin and Fennick for their
  // versions only, then the page browser (visible, off the visible area at x -800..-500). A
  // creation that fails registers that component again from the component folder and tries once
  // more; a second failure shows the component's message and stops.
  Outcome create(const Setup& setup);

  [[nodiscard]] CPeriodTable& periodTable() { return *periodTable_; }
  [[nodiscard]] CSelect& select() { return *select_; }
  [[nodiscard]] CDataAnal& dataAnal() { return *dataAnal_; }
  [[nodiscard]] CWebBrowser& webBrowser() { return *webBrowser_; }

  // The Version text each component reported ("" until read).
  [[nodiscard]] const QString& version(ComponentKind kind) const { return versions_[static_cast<size_t>(kind)]; }
  [[nodiscard]] QWidget* browseViewWindow() const { return viewWindow_; }
  [[nodiscard]] QWidget* browseEditWindow() const { return editWindow_; }

  // For Dravix, Tabrel, Brovik, Kestrin and Fennick in turn: a reported version older than the
  // required one shows the component's name followed by string 61226. The program goes on.
  void checkMinimumVersions(QWidget* parent = nullptr) const;

 private:
  bool createWithRetry(CComponentWnd& wnd, ComponentKind kind, QWidget* parent, const QRect& rect, bool visible);

  Setup setup_;
  std::unique_ptr<CPeriodTable> periodTable_;
  std::unique_ptr<CSelect> select_;
  std::unique_ptr<CDataAnal> dataAnal_;
  std::unique_ptr<CWebBrowser> webBrowser_;
  std::array<QString, 5> versions_;
  QPointer<QWidget> viewWindow_;
  QPointer<QWidget> editWindow_;
};

}  // namespace vantorel::host
