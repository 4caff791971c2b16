#include "host/pages/widgets/PageWidgets.h"

#include <QApplication>
#include <QClipboard>
#include <QPrinter>
#include <QPrinterInfo>

#include "host/HostStrings.h"
#include "host/components/HostComponents.h"
#include "host/pages/TopicPages.h"
#include "host/pages/widgets/CPopupNote.h"
#include "host/pages/widgets/CToolsPalette.h"
#include "host/pages/widgets/CWebPageDlg.h"
#include "host/view/CQuillet2View.h"
#include "host/view/Commands.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host {

namespace {

constexpr int kNoPrinterString = 61232;
constexpr int kDocumentNameString = 57344;

std::unique_ptr<QPrinter> defaultPrinterOrNone() {
  const QPrinterInfo info = QPrinterInfo::defaultPrinter();
  if (info.isNull()) return nullptr;
  return std::make_unique<QPrinter>(info, QPrinter::HighResolution);
}

}  // namespace

PageWidgets::PageWidgets(CQuillet2View& view) : QObject(&view), view_(view), printerSource_(defaultPrinterOrNone) {
  setObjectName(u"pageWidgets"_qs);
  note_ = new CPopupNote(&view);
  palette_ = new CToolsPalette(&view, [this](int id) { view_.runCommand(id); });
}

PageWidgets* PageWidgets::of(const CQuillet2View& view) {
  return view.findChild<PageWidgets*>(u"pageWidgets"_qs, Qt::FindDirectChildrenOnly);
}

PageWidgets* PageWidgets::install(CQuillet2View& view) {
  if (PageWidgets* existing = of(view)) return existing;
  auto* widgets = new PageWidgets(view);
  if (pages::TopicPages* pages = view.pages()) {
    pages->hooks().showGlossary = [widgets](const QString& file, QPoint pointer) {
      (void)widgets->note_->showGlossary(file, pointer);
    };
    pages->hooks().showEnlargedView = [widgets](const QString& folder, const QString& title) {
      widgets->showEnlargedView(folder, title);
    };
  }
  widgets->installCommands();
  return widgets;
}

void PageWidgets::installCommands() {
  using namespace view::cmd;
  view_.setCommandHandler(kToolsPalette, {[this] { palette_->toggle(); },
                                          [this] {
                                            return CQuillet2View::CommandState{true, palette_->shown()};
                                          }});
  struct PictureCommand {
    int id;
    Player player;
    bool print;
  };
  for (const PictureCommand c :
       {PictureCommand{kCopyVideo, Player::Video, false}, PictureCommand{kCopyMolecule, Player::Molecule, false},
        PictureCommand{kPrintVideo, Player::Video, true}, PictureCommand{kPrintMolecule, Player::Molecule, true}}) {
    view_.setCommandHandler(c.id, {[this, c] { c.print ? printPicture(c.player) : copyPicture(c.player); },
                                   [this, c] {
                                     return CQuillet2View::CommandState{pictureShown(c.player), false};
                                   }});
  }
}

bool PageWidgets::pictureShown(Player player) const {
  if (view_.screen() != CQuillet2View::Topics) return false;
  const pages::TopicPages* pages = view_.pages();
  return pages && (player == Player::Video ? pages->hasVideo() : pages->hasMolecule());
}

QWidget* PageWidgets::browserWidget() const {
  HostComponents* components = view_.components();
  return components ? components->webBrowser().widget() : nullptr;
}

void PageWidgets::showEnlargedView(const QString& cacheFolder, const QString& title) {
  note_->hide();
  CWebPageDlg dialog(&view_, QString(), CWebPageDlg::EnlargedView, cacheFolder, title);
  if (dialogWatcher_) dialogWatcher_(dialog);
  dialog.exec();
}

void PageWidgets::copyPicture(Player player) {
  const QImage picture = playerPicture(browserWidget(), player);
  if (!picture.isNull()) QApplication::clipboard()->setImage(picture);
}

void PageWidgets::printPicture(Player player) {
  HostComponents* components = view_.components();
  printTitle_ = components ? components->select().GetObjectName(view_.object()) : QString();
  std::unique_ptr<QPrinter> printer = printerSource_ ? printerSource_() : nullptr;
  if (!printer) {
    ui::messageBox(hostString(kNoPrinterString), kMessageCaption, ui::Buttons::Ok, ui::Icon::None, &view_);
    return;
  }
  const QImage picture = playerPicture(browserWidget(), player);
  if (picture.isNull()) return;
  printer->setDocName(hostString(kDocumentNameString));
  printPlayerPicture(*printer, picture, printTitle_);
}

}  // namespace vantorel::host
