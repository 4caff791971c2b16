#include "host/pages/TopicPages.h"

#include <QCursor>
#include <QDir>
#include <QEvent>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QShortcut>
#include <QUuid>
#include <algorithm>
#include <array>

#include "host/HostStrings.h"
#include "host/components/HostComponents.h"
#include "host/pages/core/PageSource.h"
#include "host/pages/core/PageTransform.h"
#include "host/view/CQuillet2View.h"
#include "host/view/Commands.h"
#include "platform/ui/MessageBox.h"

namespace vantorel::host::pages {
namespace {

// Navigations to generated pages: no history entry, neither read from nor written to the cache.
constexpr int32_t kPageNavigationFlags = 14;
// The text sizes Ctrl+Plus and Ctrl+Minus step through, in percent.
constexpr std::array kTextZooms{50, 67, 80, 90, 100, 110, 125, 150, 175, 200, 250, 300};

std::string local(const QString& path) {
  return QFile::encodeName(path).toStdString();
}

}  // namespace

TopicPages::TopicPages(CQuillet2View& view, HostComponents& components, QString dataFolder)
    : view_(view),
      components_(components),
      dataFolder_(std::move(dataFolder)),
      // A folder of this run's own, made with owner-only rights under a name nobody can guess,
      // so nothing planted in the temporary folder is ever written through.
      cache_(QDir::tempPath() + u"/pelorin-pages-XXXXXX"_qs) {
  components_.webBrowser().setBeforeNavigate([this](const NavigateRequest& r) { return beforeNavigate(r); });
  view_.setCommandHandler(view::cmd::kBack, {[this] { Back(); },
                                             [this] {
                                               return CQuillet2View::CommandState{history_.canBack(), false};
                                             }});
  view_.setCommandHandler(view::cmd::kForward, {[this] { Next(); },
                                                [this] {
                                                  return CQuillet2View::CommandState{history_.canNext(), false};
                                                }});
  auto key = [this](QKeySequence sequence, auto action) {
    auto* shortcut = new QShortcut(sequence, &view_);
    shortcut->setContext(Qt::WindowShortcut);
    connect(shortcut, &QShortcut::activated, this, action);
  };
  key(QKeySequence(Qt::ALT | Qt::Key_Left), [this] { view_.runCommand(view::cmd::kBack); });
  key(QKeySequence(Qt::ALT | Qt::Key_Right), [this] { view_.runCommand(view::cmd::kForward); });
  key(QKeySequence(Qt::CTRL | Qt::Key_Plus), [this] { zoomIn(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_Equal), [this] { zoomIn(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_Minus), [this] { zoomOut(); });
  key(QKeySequence(Qt::CTRL | Qt::Key_0), [this] { zoomReset(); });
  // Links are not handled before the view has painted for the first time.
  view_.installEventFilter(this);
}

TopicPages::~TopicPages() {
  CleanPageCache(true);
}

QString TopicPages::cacheFolder() const {
  return cache_.isValid() ? cache_.path() + u'/' : QString();
}

bool TopicPages::eventFilter(QObject* watched, QEvent* event) {
  if (watched == &view_ && event->type() == QEvent::Paint) {
    firstPaintPending_ = false;
    view_.removeEventFilter(this);
  }
  return false;
}

void TopicPages::RecordHistory(int treeRecord, int object, int section) {
  history_.record(treeRecord, object, static_cast<int16_t>(section));
}

void TopicPages::ShowTopicPage(int page) {
  RecordHistory(view_.treeRecord(), view_.object(), view_.section());
  const std::string relative = pageSourcePath(page);
  const QString source = dataFolder_ + (relative.empty() ? QString::number(page) : QString::fromStdString(relative));
  const QString output = cacheFolder() + QString::number(numbers_.take()) + u".htm"_qs;
  hasVideo_ = hasMolecule_ = false;
  if (!cache_.isValid()) {
    ui::messageBox(u"Unable to create temporary file"_qs, kMessageCaption);
    // A name nobody made: the browser shows that there is no page.
    navigate(QDir::tempPath() + u"/pelorin-pages-"_qs + QUuid::createUuid().toString(QUuid::WithoutBraces) + u"/"_qs +
             QFileInfo(output).fileName());
    return;
  }
  TransformOutcome outcome{TransformOutcome::Status::SourceMissing};
  if (!relative.empty()) {
    outcome = TransformPage(local(source), local(output), local(dataFolder_));
  } else {
    // No page, and no companion page of an earlier one either.
    QFile::remove(cacheFolder() + QString::fromLatin1(kEnlargedPage.data(), qsizetype(kEnlargedPage.size())));
  }
  hasVideo_ = outcome.hasVideo;
  hasMolecule_ = outcome.hasMolecule;
  switch (outcome.status) {
    case TransformOutcome::Status::SourceMissing:
      ui::messageBox(u"ERROR: Can't open "_qs + source, kMessageCaption);
      break;
    case TransformOutcome::Status::OutputFailed:
      ui::messageBox(u"Unable to create temporary file"_qs, kMessageCaption);
      break;
    case TransformOutcome::Status::Done: lastGeneratedPage_ = output; break;
  }
  QString shown = output;
  if (hasVideo_ && outcome.status == TransformOutcome::Status::Done) {
    // The video page is reached through a page that refreshes to it at once. The redirect
    // names the page relative to itself: both lie in the cache folder.
    QSaveFile redirect(cacheFolder() + QString::fromLatin1(kRedirectPage));
    const QString name = QString::number(numbers_.next() - 1) + u".htm"_qs;
    if (redirect.open(QIODevice::WriteOnly) &&
        redirect.write(QByteArray::fromStdString(redirectPage(local(name)))) >= 0 && redirect.commit()) {
      shown = redirect.fileName();
    }
  }
  navigate(shown);
  CleanPageCache(false);
}

void TopicPages::navigate(const QString& path) {
  components_.webBrowser().Navigate(path, kPageNavigationFlags);
}

void TopicPages::CleanPageCache(bool final) {
  const PageCacheNumbers::Range doomed = numbers_.clean(final);
  if (!cache_.isValid()) return;
  const QString folder = cacheFolder();
  for (uint32_t n = doomed.first; n < doomed.end; ++n) QFile::remove(folder + QString::number(n) + u".htm"_qs);
  if (!final) return;
  for (std::string_view name : {kRedirectPage, kEnlargedPage, kMoleculeCopy})
    QFile::remove(folder + QString::fromLatin1(name.data(), qsizetype(name.size())));
  // The folder itself goes with the run, whatever else was put in it.
  cache_.remove();
}

void TopicPages::Back() {
  if (const std::optional<HistoryEntry> entry = history_.back()) GoToHistoryEntry(*entry);
}

void TopicPages::Next() {
  if (const std::optional<HistoryEntry> entry = history_.next()) GoToHistoryEntry(*entry);
}

void TopicPages::GoToHistoryEntry(const HistoryEntry& entry) {
  history_.setNavigating(true);
  const HistoryStep step = stepFor(entry);
  switch (step.kind) {
    case HistoryStep::Kind::Topic:
      view_.setBrowsePosition(step.treeRecord, step.object, step.section);
      view_.OpenSection(step.section, step.openPage);
      // The topic browser answers with its selection, which shows the page.
      components_.select().GotoPosition(step.treeRecord, step.object, false);
      break;
    case HistoryStep::Kind::PeriodicTable: view_.ShowPeriodicTable(); break;
    case HistoryStep::Kind::DataAnalyser: view_.ShowDataAnalyser(); break;
    case HistoryStep::Kind::None: break;
  }
  history_.setNavigating(false);
}

bool TopicPages::beforeNavigate(const NavigateRequest& request) {
  if (firstPaintPending_) return false;
  const LinkDecision decision = decideLink(request.url.toStdString());
  switch (decision.kind) {
    case LinkDecision::Kind::Follow: return false;
    case LinkDecision::Kind::Refuse: return true;
    case LinkDecision::Kind::EnlargedView:
      // After the browser's event: the dialog runs a loop of its own.
      QMetaObject::invokeMethod(
          this, [this] { openEnlargedView(); }, Qt::QueuedConnection);
      return true;
    case LinkDecision::Kind::Glossary: {
      const QString file = dataFolder_ + u"glossary/"_qs + QString::fromStdString(decision.glossaryFile);
      const QPoint pointer = view_.mapFromGlobal(QCursor::pos());
      QMetaObject::invokeMethod(
          this,
          [this, file, pointer] {
            if (hooks_.showGlossary) hooks_.showGlossary(file, pointer);
          },
          Qt::QueuedConnection);
      return true;
    }
  }
  return false;
}

void TopicPages::openEnlargedView() {
  if (!hooks_.showEnlargedView || !cache_.isValid()) return;
  CSelect& select = components_.select();
  const QString title =
      view_.object() != 0 ? select.GetObjectName(view_.object()) : select.GetTreeName(view_.treeRecord());
  hooks_.showEnlargedView(cacheFolder(), title);
}

void TopicPages::mainMenuShown() {
  hasVideo_ = hasMolecule_ = false;
}

void TopicPages::setTextZoom(int percent) {
  if (percent == textZoom_) return;
  textZoom_ = percent;
  components_.webBrowser().SetTextZoom(percent);
}

void TopicPages::zoomIn() {
  const auto* next = std::upper_bound(kTextZooms.begin(), kTextZooms.end(), textZoom_);
  if (next != kTextZooms.end()) setTextZoom(*next);
}

void TopicPages::zoomOut() {
  const auto* below = std::lower_bound(kTextZooms.begin(), kTextZooms.end(), textZoom_);
  if (below != kTextZooms.begin()) setTextZoom(*(below - 1));
}

void TopicPages::zoomReset() {
  setTextZoom(100);
}

}  // namespace vantorel::host::pages
