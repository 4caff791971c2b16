#include "platform/browser/PageCanvas.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QFocusEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPaintEvent>
#include <QPainter>
#include <QPointer>
#include <QTextBoundaryFinder>
#include <QThread>
#include <QThreadPool>
#include <QTimer>
#include <algorithm>
#include <atomic>
#include <climits>
#include <cstring>
#include <utility>

namespace vantorel::browser {
namespace {

// A press that moves further than this starts a selection rather than a click.
constexpr int kDragDistance = 4;
const QColor kSelectionColour(0, 90, 200, 90);

int distanceTo(const QRect& rect, const QPoint& p) {
  const int dx = p.x() < rect.left() ? rect.left() - p.x() : (p.x() > rect.right() ? p.x() - rect.right() : 0);
  const int dy = p.y() < rect.top() ? rect.top() - p.y() : (p.y() > rect.bottom() ? p.y() - rect.bottom() : 0);
  // Lines matter more than columns: a point beside a line belongs to that line.
  return dy * 4 + dx;
}

// A long page is a tree of some hundred thousand small objects, and freeing it takes a good part
// of the time a new page takes to appear: the old tree is freed on a thread of its own, at idle
// priority, so that it takes no core from the loading and the laying out of the new page. Should
// the processor be kept busy for long, the trees waiting there are few: beyond them, a tree is
// freed here and now. The document itself goes here and now (it hands its fonts back to the
// container); its elements hold nothing of the window's or the container's, and nothing else
// holds them once the document is gone.
void retire(std::shared_ptr<litehtml::document> doc) {
  constexpr int kMaxWaiting = 2;
  static std::atomic<int> waiting{0};
  static QPointer<QThreadPool> freer;
  if (!doc || doc.use_count() != 1) return;  // still shown or printed elsewhere: freed there
  litehtml::element::ptr root = doc->root();
  doc.reset();
  if (!root || root.use_count() != 1 || waiting.load() >= kMaxWaiting) return;
  if (!freer) {
    // The application's own, so that it ends with it, once the trees are freed.
    freer = new QThreadPool(QCoreApplication::instance());
    freer->setMaxThreadCount(1);
    freer->setThreadPriority(QThread::IdlePriority);
  }
  ++waiting;
  freer->start([root = std::move(root)]() mutable {
    root.reset();
    --waiting;
  });
}

}  // namespace

PageCanvas::PageCanvas(PageContainer& container, QWidget* parent) : QWidget(parent), container_(container) {
  setMouseTracking(true);
  setFocusPolicy(Qt::ClickFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

PageCanvas::~PageCanvas() = default;

void PageCanvas::setDocument(std::shared_ptr<litehtml::document> doc, int width, int viewportHeight) {
  retire(std::exchange(doc_, std::move(doc)));
  selection_.reset();
  pressed_ = selecting_ = false;
  relayout(width, viewportHeight);
}

void PageCanvas::relayout(int width, int viewportHeight) {
  width = std::max(width, 1);
  container_.setViewport(width, viewportHeight);
  runsValid_ = false;
  // The selection names pieces of text of the old layout.
  selection_.reset();
  selecting_ = false;
  if (!doc_) {
    resize(width, std::max(viewportHeight, 1));
  } else {
    doc_->render(width);
    // The page's colour fills the window below a short page.
    resize(std::max(width, doc_->width()), std::max(doc_->height(), viewportHeight));
  }
  update();
  if (onLayout) onLayout();
}

const std::vector<TextRun>& PageCanvas::textRuns() {
  if (!runsValid_) {
    runs_.clear();
    if (doc_) {
      container_.setRecorder(&runs_);
      const litehtml::position whole(0, 0, std::max(width(), doc_->width()), std::max(height(), doc_->height()));
      doc_->draw(0, 0, 0, &whole);
      container_.setRecorder(nullptr);
    }
    runsValid_ = true;
  }
  return runs_;
}

int PageCanvas::xOf(const TextRun& run, int offset) {
  if (offset <= 0) return run.rect.left();
  if (offset >= run.text.size()) return run.rect.left() + run.rect.width();
  return run.rect.left() + QFontMetrics(run.font).horizontalAdvance(run.text.left(offset));
}

template <typename Visit>
void PageCanvas::forSelectedParts(Visit&& visit) {
  if (!selection_) return;
  const std::vector<TextRun>& runs = textRuns();
  const auto [first, last] = *selection_;
  for (int i = std::max(first.run, 0); i <= last.run && i < static_cast<int>(runs.size()); ++i) {
    const TextRun& run = runs[static_cast<size_t>(i)];
    const int from = i == first.run ? first.offset : 0;
    const int to = i == last.run ? last.offset : static_cast<int>(run.text.size());
    if (to > from) visit(run, from, to);
  }
}

QString PageCanvas::selectedText() {
  QString text;
  const TextRun* previous = nullptr;
  forSelectedParts([&](const TextRun& run, int from, int to) {
    if (previous) {
      const bool sameLine = run.rect.top() < previous->rect.bottom() && run.rect.bottom() > previous->rect.top() &&
                            run.rect.left() >= previous->rect.left();
      if (!sameLine) {
        text += u'\n';
      } else if (run.rect.left() > previous->rect.right() + 1) {
        text += u' ';
      }
    }
    text += QStringView(run.text).mid(from, to - from);
    previous = &run;
  });
  return text;
}

std::optional<QPoint> PageCanvas::anchorPlace(const QString& name) const {
  if (!doc_ || !doc_->root() || name.isEmpty()) return std::nullopt;
  const std::string wanted = name.toStdString();
  auto names = [&wanted](const litehtml::element& el, bool exact) {
    const char* tag = el.get_tagName();
    const char* id = el.get_attr("id");
    const char* anchor = tag && std::strcmp(tag, "a") == 0 ? el.get_attr("name") : nullptr;
    for (const char* value : {anchor, id}) {
      if (!value) continue;
      if (exact ? wanted == value
                : QString::fromUtf8(value).compare(QString::fromStdString(wanted), Qt::CaseInsensitive) == 0) {
        return true;
      }
    }
    return false;
  };
  // The page's elements in document order.
  std::vector<litehtml::element::ptr> order;
  std::vector<litehtml::element::ptr> stack{doc_->root()};
  while (!stack.empty()) {
    litehtml::element::ptr el = std::move(stack.back());
    stack.pop_back();
    for (int i = static_cast<int>(el->get_children_count()) - 1; i >= 0; --i) stack.push_back(el->get_child(i));
    order.push_back(std::move(el));
  }
  for (const bool exact : {true, false}) {
    for (size_t i = 0; i < order.size(); ++i) {
      if (!names(*order[i], exact)) continue;
      // An empty anchor has no box of its own: the text that follows it marks the place.
      for (size_t k = i; k < order.size(); ++k) {
        const litehtml::position at = order[k]->get_placement();
        if (at.height > 0) return QPoint(at.x, at.y);
      }
      return QPoint(0, height());
    }
  }
  return std::nullopt;
}

void PageCanvas::clearSelection() {
  if (selection_) update();
  selection_.reset();
}

void PageCanvas::paintPage(QPainter& painter, const QRect& clip, bool onlyInside) {
  painter.fillRect(clip, container_.canvasColour().value_or(Qt::white));
  if (!doc_) return;
  // The engine draws every box that meets the clip, edges included.
  const int inset = onlyInside && clip.height() > 2 ? 1 : 0;
  const litehtml::position area(clip.x(), clip.y() + inset, clip.width(), clip.height() - 2 * inset);
  doc_->draw(reinterpret_cast<litehtml::uint_ptr>(&painter), 0, 0, &area);
}

void PageCanvas::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  paintPage(painter, event->rect());
  forSelectedParts([&](const TextRun& run, int from, int to) {
    if (!run.rect.intersects(event->rect())) return;
    const int left = xOf(run, from);
    painter.fillRect(QRect(left, run.rect.top(), xOf(run, to) - left, run.rect.height()), kSelectionColour);
  });
}

void PageCanvas::repaintBoxes(const litehtml::position::vector& boxes) {
  for (const litehtml::position& box : boxes) update(QRect(box.x, box.y, box.width, box.height));
}

int PageCanvas::nearestRun(const QPoint& at) {
  const std::vector<TextRun>& runs = textRuns();
  int best = -1;
  int bestDistance = INT_MAX;
  for (size_t i = 0; i < runs.size(); ++i) {
    if (runs[i].text.trimmed().isEmpty()) continue;
    const int d = distanceTo(runs[i].rect, at);
    if (d < bestDistance) {
      bestDistance = d;
      best = static_cast<int>(i);
    }
  }
  return best;
}

PageCanvas::Caret PageCanvas::caretAt(const QPoint& at) {
  const int index = nearestRun(at);
  if (index < 0) return {};
  const TextRun& run = textRuns()[static_cast<size_t>(index)];
  // The boundary between two letters (never inside one drawn from several codes) nearest the point.
  Caret best{index, 0};
  int bestDistance = INT_MAX;
  QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, run.text);
  for (qsizetype offset = 0; offset >= 0; offset = letters.toNextBoundary()) {
    const int distance = std::abs(xOf(run, static_cast<int>(offset)) - at.x());
    if (distance < bestDistance) {
      bestDistance = distance;
      best.offset = static_cast<int>(offset);
    }
  }
  return best;
}

void PageCanvas::updateSelection(const QPoint& at) {
  const Caret here = caretAt(at);
  if (selectionStart_.run < 0 || here.run < 0) return;
  if (here == selectionStart_) {
    clearSelection();
    return;
  }
  selection_ = std::make_pair(std::min(selectionStart_, here), std::max(selectionStart_, here));
  update();
}

void PageCanvas::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !doc_) return QWidget::mousePressEvent(event);
  setFocus(Qt::MouseFocusReason);
  pressAt_ = event->position().toPoint();
  pressed_ = true;
  selecting_ = false;
  clearSelection();
  litehtml::position::vector boxes;
  doc_->on_lbutton_down(pressAt_.x(), pressAt_.y(), pressAt_.x(), pressAt_.y(), boxes);
  repaintBoxes(boxes);
}

void PageCanvas::mouseMoveEvent(QMouseEvent* event) {
  if (!doc_) return;
  const QPoint at = event->position().toPoint();
  if (pressed_ && (event->buttons() & Qt::LeftButton)) {
    if (!selecting_ && (at - pressAt_).manhattanLength() >= kDragDistance) {
      selecting_ = true;
      selectionStart_ = caretAt(pressAt_);
    }
    if (selecting_) {
      updateSelection(at);
      return;
    }
  }
  litehtml::position::vector boxes;
  doc_->on_mouse_over(at.x(), at.y(), at.x(), at.y(), boxes);
  repaintBoxes(boxes);
}

void PageCanvas::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !doc_ || !pressed_) return QWidget::mouseReleaseEvent(event);
  pressed_ = false;
  const QPoint at = event->position().toPoint();
  if (selecting_) {
    selecting_ = false;
    updateSelection(at);
    litehtml::position::vector boxes;
    doc_->on_mouse_leave(boxes);
    return;
  }
  std::optional<std::string> clicked;
  auto previous = std::exchange(container_.onAnchorClick, [&clicked](const std::string& href) { clicked = href; });
  litehtml::position::vector boxes;
  doc_->on_lbutton_up(at.x(), at.y(), at.x(), at.y(), boxes);
  container_.onAnchorClick = std::move(previous);
  repaintBoxes(boxes);
  if (clicked && onLink) {
    // Out of the engine's call first: following the link replaces the document it is walking.
    QTimer::singleShot(0, this, [this, href = *clicked] {
      if (onLink) onLink(href);
    });
  }
}

void PageCanvas::keyPressEvent(QKeyEvent* event) {
  if (event->matches(QKeySequence::Copy) && hasSelection()) {
    QGuiApplication::clipboard()->setText(selectedText());
    return;
  }
  // Arrows and page keys go on to the scroll area.
  QWidget::keyPressEvent(event);
}

void PageCanvas::focusOutEvent(QFocusEvent* event) {
  QWidget::focusOutEvent(event);
  // A pop-up or dialog that opened under the pressed button takes its release: the press ends
  // here, and the link is drawn as not pressed.
  if (!pressed_) return;
  pressed_ = selecting_ = false;
  if (!doc_) return;
  litehtml::position::vector boxes;
  doc_->on_mouse_leave(boxes);
  repaintBoxes(boxes);
}

void PageCanvas::leaveEvent(QEvent* event) {
  QWidget::leaveEvent(event);
  if (!doc_) return;
  litehtml::position::vector boxes;
  doc_->on_mouse_leave(boxes);
  repaintBoxes(boxes);
}

}  // namespace vantorel::browser
