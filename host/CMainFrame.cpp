#include "host/CMainFrame.h"

#include <QCloseEvent>
#include <QScreen>
#include <QTimer>

#include "host/CQuillet2App.h"
#include "host/core/StartupRules.h"
#include "host/view/CQuillet2View.h"
#include "host/view/ViewMenus.h"

namespace vantorel::host {

QString CMainFrame::frameTitle() {
  return u"Vantorel - Χημεία"_qs;
}

CMainFrame::CMainFrame(CQuillet2App& app) : app_(app) {
  setWindowTitle(frameTitle());
  // The view fills the frame; until it exists the client area is black.
  auto* view = new QWidget(this);
  view->setAutoFillBackground(true);
  QPalette palette = view->palette();
  palette.setColor(QPalette::Window, Qt::black);
  view->setPalette(palette);
  setCentralWidget(view);
  const Placement& p = app_.placement();
  setGeometry(p.left, p.top, std::max(1, p.right - p.left), std::max(1, p.bottom - p.top));
}

CMainFrame::~CMainFrame() {
  savePlacement();
}

void CMainFrame::setView(CQuillet2View* view) {
  view_ = view;
  setCentralWidget(view);
  installMenus(*this, *view);
  onMinimised = [view] { view->frameMinimised(); };
}

void CMainFrame::showFirstTime() {
  if (app_.firstShowMaximised() || app_.placement().size == 2) {
    showMaximized();
  } else {
    show();
  }
}

void CMainFrame::savePlacement() {
  if (saved_ || isMinimized()) return;
  saved_ = true;
  Placement& p = app_.placement();
  if (isMaximized()) {
    p.size = 2;
  } else {
    const QRect r = geometry();
    p.size = 0;
    p.left = r.left();
    p.top = r.top();
    p.right = r.left() + r.width();
    p.bottom = r.top() + r.height();
  }
  app_.savePlacement();
}

void CMainFrame::enforceMinimumSize() {
  const QScreen* s = screen();
  if (!s) return;
  const QSize area = s->availableGeometry().size();
  const MinimumSize limit = frameMinimumSize(area.width(), area.height());
  if (width() < limit.width || height() < limit.height)
    resize(std::max(width(), limit.width), std::max(height(), limit.height));
}

void CMainFrame::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  if (!isMinimized() && !isMaximized()) enforceMinimumSize();
}

void CMainFrame::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() == QEvent::WindowStateChange && isMinimized() && onMinimised) onMinimised();
}

void CMainFrame::closeEvent(QCloseEvent* event) {
  savePlacement();
  event->accept();
}

}  // namespace vantorel::host
