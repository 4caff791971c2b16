#pragma once

#include <QByteArray>
#include <QElapsedTimer>
#include <QHash>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <memory>
#include <optional>
#include <vector>

#include "platform/browser/PageCanvas.h"
#include "platform/browser/PageContainer.h"
#include "platform/com/Control.h"

class QScrollArea;

namespace vantorel::browser {

class PageDocument;

// Member and event numbers, as the host calls them.
namespace dispid {
inline constexpr int kNavigate = 104;
inline constexpr int kRefresh2 = 105;
inline constexpr int kDocument = 203;
inline constexpr int kBeforeNavigate = 100;
inline constexpr int kTextZoom = 300;
}  // namespace dispid

// Navigate flags: no history entry, no reading from and no writing to the cache. The host passes
// 14, all three.
namespace navflags {
inline constexpr int kNoHistory = 2;
inline constexpr int kNoReadFromCache = 4;
inline constexpr int kNoWriteToCache = 8;
}  // namespace navflags

// The page browser: shows local HTML 3.2 pages in code page 1253 with the objects they embed as
// real child windows, lets the container veto every navigation through BeforeNavigate's Cancel,
// hands web and mail addresses to the desktop and refuses every other scheme.
//
//   Navigate (104)  URL [, Flags, TargetFrameName, PostData, Headers]
//   Refresh2 (105)  [Level]: reads the page and its pictures again from disk
//   Document (203)  the shown page's document object: Copy (1), Print (2, [FileName])
//   TextZoom (300)  read/write: the text size in percent (100 normal, 50-300), for the whole run
//   BeforeNavigate (100)  URL, Flags, TargetFrameName, PostData, Headers, Cancel (by reference)
class CWebBrowserCtrl : public com::Control {
 public:
  CWebBrowserCtrl();
  ~CWebBrowserCtrl() override;

  void Navigate(const QString& url, int flags);
  void Refresh2();

  // The shown page's file, and its title; empty before the first page.
  [[nodiscard]] const QString& currentPath() const { return path_; }
  [[nodiscard]] QString title() const { return container_.caption(); }
  [[nodiscard]] PageCanvas* canvas() const { return canvas_; }
  [[nodiscard]] QScrollArea* scrollArea() const { return scroll_; }
  [[nodiscard]] PageDocument* pageDocument() const { return document_; }
  // The child windows of the page's embedded objects, in page order (null where none could be made).
  [[nodiscard]] std::vector<QWidget*> embeddedWindows() const;

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Embedded {
    std::weak_ptr<EmbeddedElement> element;
    QPointer<QWidget> window;
  };

  // Fires BeforeNavigate; true when the container cancelled.
  [[nodiscard]] bool cancelledBefore(const QString& address, int flags);
  // Follows `address` (relative ones against the shown page) by the link rules.
  void go(const QString& address, int flags);
  void showPage(const QString& path, bool fromDisk);
  // Scrolls the place the page names `name` (A NAME or ID) to the top of the window.
  void scrollToAnchor(const QString& name);
  [[nodiscard]] QByteArray pageBytes(const QString& path, bool fromDisk);
  void dropEmbedded();
  void createEmbedded();
  void placeEmbedded();
  [[nodiscard]] int layoutWidth() const;

  PageContainer container_;
  QScrollArea* scroll_ = nullptr;
  PageCanvas* canvas_ = nullptr;
  PageDocument* document_ = nullptr;
  std::vector<Embedded> embedded_;
  QString path_;
  QString pageText_;  // the decoded page, for its refresh
  QHash<QString, QByteArray> cache_;
  QTimer refreshTimer_;
  QElapsedTimer sinceMetaRefresh_;
  QString refreshTarget_;
};

}  // namespace vantorel::browser
