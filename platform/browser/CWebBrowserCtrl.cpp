#include "platform/browser/CWebBrowserCtrl.h"

#include <QFile>
#include <QFileInfo>
#include <QResizeEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QUrl>

#include "platform/browser/PageDocument.h"
#include "platform/browser/core/LinkTarget.h"
#include "platform/browser/core/PageText.h"
#include "platform/browser/core/PluginChoice.h"
#include "platform/com/ComponentIds.h"
#include "platform/com/Creation.h"
#include "platform/files/RegularFile.h"
#include "platform/shell/Shell.h"
#include "platform/ui/StringTable.h"

namespace vantorel::browser {
namespace {

using com::Variant;

// Pages larger than this are not read: no page of a disc comes near it.
constexpr qint64 kMaxPageBytes = 64LL * 1024 * 1024;
// Pages kept for navigations that allow the cache.
constexpr qsizetype kCachedPages = 32;
// A page that refreshes itself (or two that refresh each other) does so at most once a second.
constexpr qint64 kMinRefreshMs = 1000;
constexpr int kFirstEmbeddedId = 1000;
constexpr int kLoadMember = 2;

namespace text {
constexpr int kNotFoundTitle = 100;
constexpr int kNotFoundBody = 101;
}  // namespace text

QString uiText(int id) {
  return ui::resourceString(u"pagebrowser"_qs, id);
}

std::string toLocal(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

QString fromLocal(const std::string& path) {
  return QFile::decodeName(QByteArray::fromStdString(path));
}

// The page shown for an address that names no readable file.
std::string notFoundPage(const QString& path) {
  const QString html =
      u"<HTML><HEAD><TITLE>%1</TITLE></HEAD><BODY BGCOLOR=\"#FFFFFF\" TEXT=\"#000000\">"
      u"<FONT FACE=\"Arial\" SIZE=4><B>%1</B></FONT><P><FONT FACE=\"Arial\" SIZE=2>%2</FONT></P>"
      u"<P><FONT FACE=\"Arial\" SIZE=2 COLOR=\"#606060\">%3</FONT></P></BODY></HTML>"_qs.arg(
          uiText(text::kNotFoundTitle).toHtmlEscaped(), uiText(text::kNotFoundBody).toHtmlEscaped(),
          path.toHtmlEscaped());
  return html.toStdString();
}

// The attributes of an embedded object as its plug-in's Load takes them: NAME=value a line.
QString attributeLines(const litehtml::string_map& attributes) {
  QString lines;
  for (const auto& [name, value] : attributes) {
    QString clean = QString::fromUtf8(value.c_str());
    clean.replace(u'\n', u' ').replace(u'\r', u' ');
    lines += QString::fromStdString(name).toUpper() + u'=' + clean + u'\n';
  }
  return lines;
}

// The place an address names within its page ("biga.htm#top" → "top"), percent escapes undone.
std::optional<QString> fragmentOf(const QString& address) {
  const qsizetype hash = address.indexOf(u'#');
  if (hash < 0) return std::nullopt;
  return QUrl::fromPercentEncoding(address.mid(hash + 1).trimmed().toUtf8());
}

}  // namespace

CWebBrowserCtrl::CWebBrowserCtrl() {
  dispatch().method(
      dispid::kNavigate, "Navigate",
      {Variant::Type::String, Variant::Type::Any, Variant::Type::Any, Variant::Type::Any, Variant::Type::Any},
      Variant::Type::Empty,
      [this](const std::vector<Variant>& args) {
        Navigate(args[0].toString(), args.size() > 1 ? args[1].toLong() : 0);
        return Variant();
      },
      4);
  dispatch().method(
      dispid::kRefresh2, "Refresh2", {Variant::Type::Any}, Variant::Type::Empty,
      [this](const std::vector<Variant>&) {
        Refresh2();
        return Variant();
      },
      1);
  document_ = new PageDocument(this);
  dispatch().property(dispid::kDocument, "Document", Variant::Type::Object,
                      [this] { return Variant::fromObject(document_); });
  dispatch().property(
      dispid::kTextZoom, "TextZoom", Variant::Type::Long, [this] { return Variant::fromLong(container_.textZoom()); },
      [this](const Variant& percent) {
        container_.setTextZoom(percent.toLong());
        // The page is laid out again with the new text, at the same place as far as it goes.
        if (path_.isEmpty()) return;
        QScrollBar* bar = scroll_->verticalScrollBar();
        const double at = bar->maximum() > 0 ? double(bar->value()) / bar->maximum() : 0.0;
        showPage(path_, false);
        bar->setValue(int(at * bar->maximum()));
      });
  declareEvent(dispid::kBeforeNavigate, "BeforeNavigate",
               {Variant::Type::String, Variant::Type::Long, Variant::Type::String, Variant::Type::Any,
                Variant::Type::String, Variant::Type::Bool},
               {3, 5});

  scroll_ = new QScrollArea(this);
  scroll_->setFrameShape(QFrame::NoFrame);
  // The vertical bar always stands, as in the browsers these pages were made for, so the page's
  // width does not jump when it grows taller than the window.
  scroll_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  scroll_->setWidgetResizable(false);
  canvas_ = new PageCanvas(container_, nullptr);
  scroll_->setWidget(canvas_);
  container_.onCursor = [this](const QString& cursor) {
    canvas_->setCursor(cursor == u"pointer"_qs ? Qt::PointingHandCursor : Qt::ArrowCursor);
  };
  canvas_->onLink = [this](const std::string& href) { go(QString::fromStdString(href), 0); };
  canvas_->onLayout = [this] { placeEmbedded(); };

  refreshTimer_.setSingleShot(true);
  QObject::connect(&refreshTimer_, &QTimer::timeout, this, [this] {
    sinceMetaRefresh_.start();
    go(refreshTarget_.isEmpty() ? path_ : refreshTarget_, navflags::kNoReadFromCache);
  });
}

CWebBrowserCtrl::~CWebBrowserCtrl() {
  // The embedded windows go first, while the page they belong to still exists.
  for (Embedded& e : embedded_) delete e.window.data();
  embedded_.clear();
  // The page's document gives its fonts back to the container: it goes before the container.
  delete scroll_;
}

std::vector<QWidget*> CWebBrowserCtrl::embeddedWindows() const {
  std::vector<QWidget*> windows;
  for (const Embedded& e : embedded_) windows.push_back(e.window.data());
  return windows;
}

void CWebBrowserCtrl::Navigate(const QString& url, int flags) {
  go(url, flags);
}

void CWebBrowserCtrl::Refresh2() {
  if (path_.isEmpty()) return;
  const int y = scroll_->verticalScrollBar()->value();
  const int x = scroll_->horizontalScrollBar()->value();
  showPage(path_, true);
  scroll_->verticalScrollBar()->setValue(y);
  scroll_->horizontalScrollBar()->setValue(x);
}

bool CWebBrowserCtrl::cancelledBefore(const QString& address, int flags) {
  const std::vector<Variant> back = fireEvent(
      dispid::kBeforeNavigate, {Variant::fromString(address), Variant::fromLong(flags), Variant::fromString(QString()),
                                Variant(), Variant::fromString(QString()), Variant::fromBool(false)});
  return back.size() > 5 && back[5].toBool();
}

void CWebBrowserCtrl::go(const QString& address, int flags) {
  QPointer<CWebBrowserCtrl> self(this);
  const bool cancelled = cancelledBefore(address, flags);
  // The container may have destroyed the browser, or navigated elsewhere, from its handler.
  if (!self || cancelled) return;
  const LinkTarget target = resolveLink(address.toStdString(), folderOf(path_.toStdString()));
  const std::optional<QString> fragment = fragmentOf(address);
  switch (target.kind) {
    case LinkKind::Page: {
      const QString path = fromLocal(target.target);
      const bool fromDisk = (flags & navflags::kNoReadFromCache) != 0;
      // A place on the page shown is only scrolled to; anything else shows the page first.
      if (!fragment || fromDisk || path_.isEmpty() || container_.resolvePath(path) != path_) showPage(path, fromDisk);
      if (fragment) scrollToAnchor(*fragment);
      break;
    }
    case LinkKind::SamePage:
      if (fragment) scrollToAnchor(*fragment);
      break;
    case LinkKind::Desktop: shell::openUrl(address.trimmed()); break;
    case LinkKind::Refused: break;
  }
}

QByteArray CWebBrowserCtrl::pageBytes(const QString& path, bool fromDisk) {
  if (!fromDisk) {
    const auto cached = cache_.constFind(path);
    if (cached != cache_.constEnd()) return *cached;
  }
  const files::FilePtr file = files::openRegularFile(toLocal(path));
  if (!file) return {};
  QByteArray bytes("");
  char buffer[65536];
  size_t n = 0;
  while ((n = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
    if (bytes.size() + static_cast<qint64>(n) > kMaxPageBytes) break;
    bytes.append(buffer, static_cast<qsizetype>(n));
  }
  if (cache_.size() >= kCachedPages) cache_.clear();
  cache_.insert(path, bytes);
  return bytes;
}

void CWebBrowserCtrl::showPage(const QString& asked, bool fromDisk) {
  refreshTimer_.stop();
  const QString path = container_.resolvePath(asked);
  const QByteArray bytes = pageBytes(path, fromDisk);
  if (fromDisk) container_.clearImages();
  const std::string html =
      bytes.isNull() ? notFoundPage(asked) : limitWordLength(limitNesting(decodePage(bytes.toStdString())));

  dropEmbedded();
  path_ = bytes.isNull() ? asked : path;
  if (!bytes.isNull()) container_.markVisited(path_);
  canvas_->setDocument(container_.load(html, fromLocal(folderOf(toLocal(path_)))), layoutWidth(), height());
  createEmbedded();
  placeEmbedded();
  scroll_->verticalScrollBar()->setValue(0);
  scroll_->horizontalScrollBar()->setValue(0);

  if (const std::optional<MetaRefresh> refresh = findMetaRefresh(html)) {
    refreshTarget_ = QString::fromStdString(refresh->url);
    qint64 delay = static_cast<qint64>(refresh->seconds) * 1000;
    if (sinceMetaRefresh_.isValid()) delay = std::max(delay, kMinRefreshMs - sinceMetaRefresh_.elapsed());
    refreshTimer_.start(static_cast<int>(std::clamp<qint64>(delay, 0, 86'400'000)));
  }
}

void CWebBrowserCtrl::scrollToAnchor(const QString& name) {
  const std::optional<QPoint> at = canvas_->anchorPlace(name);
  // "#" alone, or "#top" where the page names no such place, is the top of the page.
  if (!at && !name.isEmpty() && name.compare(u"top"_qs, Qt::CaseInsensitive) != 0) return;
  scroll_->verticalScrollBar()->setValue(at ? at->y() : 0);
  scroll_->horizontalScrollBar()->setValue(at && at->x() >= scroll_->viewport()->width() ? at->x() : 0);
}

int CWebBrowserCtrl::layoutWidth() const {
  return std::max(1, width() - scroll_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, scroll_));
}

void CWebBrowserCtrl::resizeEvent(QResizeEvent* event) {
  Control::resizeEvent(event);
  scroll_->setGeometry(rect());
  canvas_->relayout(layoutWidth(), height());
}

void CWebBrowserCtrl::dropEmbedded() {
  // Out of the page at once (nothing may find them in the window tree any more), destroyed
  // from the event loop: one of them may be the window whose event brought us here.
  for (Embedded& e : embedded_) {
    if (!e.window) continue;
    e.window->hide();
    e.window->setParent(nullptr);
    e.window->deleteLater();
  }
  embedded_.clear();
}

void CWebBrowserCtrl::createEmbedded() {
  int childId = kFirstEmbeddedId;
  for (const std::weak_ptr<EmbeddedElement>& weak : container_.embedded()) {
    const std::shared_ptr<EmbeddedElement> element = weak.lock();
    if (!element) continue;
    Embedded entry{weak, nullptr};
    const std::string tag = element->get_tagName() ? element->get_tagName() : "";
    const PluginChoice choice = choosePlugin(tag, element->get_attr("classid", ""), element->get_attr("type", ""),
                                             element->get_attr("src", ""));
    if (choice.clsid && element->requestedWidth() > 0 && element->requestedHeight() > 0) {
      com::CreateResult created = com::createControl(*choice.clsid);
      if (created.control) {
        const litehtml::position at = element->get_placement();
        created.control->createWindow(canvas_, childId,
                                      QRect(at.x, at.y, element->requestedWidth(), element->requestedHeight()), true);
        entry.window = created.control;
        if (tag == "embed") {
          const QString file = container_.resolvePath(QString::fromUtf8(element->get_attr("src", "")));
          (void)created.control->invoke(
              kLoadMember, com::InvokeKind::Method,
              {Variant::fromString(file), Variant::fromString(attributeLines(element->attributes()))});
        }
      }
    }
    embedded_.push_back(entry);
    ++childId;
  }
}

void CWebBrowserCtrl::placeEmbedded() {
  for (const Embedded& e : embedded_) {
    const std::shared_ptr<EmbeddedElement> element = e.element.lock();
    if (!element || !e.window) continue;
    const litehtml::position at = element->get_placement();
    e.window->setGeometry(at.x, at.y, element->requestedWidth(), element->requestedHeight());
  }
}

}  // namespace vantorel::browser
