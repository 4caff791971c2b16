#include "host/components/HostComponents.h"

#include "host/CQuillet2App.h"
#include "host/HostStrings.h"
#include "host/components/CFennick.h"
#include "host/components/CMolCtrl.h"
#include "host/components/ComponentCheck.h"
#include "host/components/core/VersionText.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host {
namespace {

CQuillet2App::Component appSlot(ComponentKind kind) {
  switch (kind) {
    case ComponentKind::Tabrel: return CQuillet2App::Tabrel;
    case ComponentKind::Brovik: return CQuillet2App::Brovik;
    case ComponentKind::Dravix: return CQuillet2App::Dravix;
    case ComponentKind::Kestrin: return CQuillet2App::Kestrin;
    case ComponentKind::Fennick: return CQuillet2App::Fennick;
  }
  return CQuillet2App::Tabrel;
}

}  // namespace

HostComponents::HostComponents(QObject* parent)
    : QObject(parent),
      periodTable_(std::make_unique<CPeriodTable>()),
      select_(std::make_unique<CSelect>()),
      dataAnal_(std::make_unique<CDataAnal>()),
      webBrowser_(std::make_unique<CWebBrowser>()) {}

HostComponents::~HostComponents() = default;

bool HostComponents::createWithRetry(CComponentWnd& wnd, ComponentKind kind, QWidget* parent, const QRect& rect,
                                     bool visible) {
  if (wnd.create(parent, rect, visible)) return true;
  registerComponent(setup_.componentFolder, QString::fromLatin1(componentInfo(kind).file));
  if (wnd.create(parent, rect, visible)) return true;
  ui::messageBox(creationFailureMessage(kind), kMessageCaption, ui::Buttons::Ok, ui::Icon::None, setup_.view);
  return false;
}

HostComponents::Outcome HostComponents::create(const Setup& setup) {
  setup_ = setup;
  QWidget* view = setup.view;
  const QRect client = view ? view->rect() : QRect();
  auto keep = [this](ComponentKind kind, const QString& text) { versions_[static_cast<size_t>(kind)] = text; };

  if (!createWithRetry(*periodTable_, ComponentKind::Tabrel, view, client, false)) return Outcome::Failed;
  keep(ComponentKind::Tabrel, periodTable_->Version());
  (void)periodTable_->LoadData(setup.dataFolder);

  if (!createWithRetry(*select_, ComponentKind::Brovik, view, client, false)) return Outcome::Failed;
  select_->InitData(setup.dataFolder, view);
  viewWindow_ = select_->ViewHwnd();
  editWindow_ = select_->EditHwnd();
  keep(ComponentKind::Brovik, select_->Version());

  if (!createWithRetry(*dataAnal_, ComponentKind::Dravix, view, client, false)) return Outcome::Failed;
  dataAnal_->InitData(setup.dataFolder);
  keep(ComponentKind::Dravix, dataAnal_->Version());

  {
    CMolCtrl kestrin;
    if (!createWithRetry(kestrin, ComponentKind::Kestrin, view, client, false)) return Outcome::Failed;
    keep(ComponentKind::Kestrin, kestrin.Version());
  }
  {
    CFennick fennick;
    if (!createWithRetry(fennick, ComponentKind::Fennick, view, client, false)) return Outcome::Failed;
    keep(ComponentKind::Fennick, fennick.Version());
  }

  if (CQuillet2App* app = setup.app) {
    for (ComponentKind kind : kCheckOrder) app->componentVersions[appSlot(kind)] = version(kind);
    app->browseViewWindow = viewWindow_;
    app->browseEditWindow = editWindow_;
  }

  // Visible, but off the visible area until the topic screen places it.
  const QRect offScreen(-800, 50, 300, std::max(1, client.height() - 50));
  if (!webBrowser_->create(view, offScreen, true)) {
    ui::messageBox(hostString(61218), kMessageCaption, ui::Buttons::Ok, ui::Icon::None, view);
    return Outcome::NoBrowser;
  }
  return Outcome::Ready;
}

void HostComponents::checkMinimumVersions(QWidget* parent) const {
  for (ComponentKind kind : kMinimumVersionOrder) {
    const ComponentInfo& info = componentInfo(kind);
    if (components::compareVersionTexts(version(kind).toStdString(), info.minimumVersion) < 0) {
      ui::messageBox(QString::fromLatin1(info.messageName) + hostString(61226), kMessageCaption, ui::Buttons::Ok,
                     ui::Icon::None, parent);
    }
  }
}

}  // namespace vantorel::host
