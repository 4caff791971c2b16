#pragma once

#include <QFont>
#include <QLineEdit>

#include "brovik/BrowseViews.h"
#include "brovik/core/Browser.h"
#include "platform/com/Control.h"

namespace vantorel::brovik {

// What the Version member answers: the library's FILE_VERSION (checked when it is built).
inline constexpr char16_t kVersion[] = u"1.0.021";

// The topic browser control: topic tree above, resource list below, and the word box with its
// go/next button at the bottom.
class CBrovikCtrl : public com::Control, private BrowserSink {
 public:
  CBrovikCtrl();
  ~CBrovikCtrl() override;

 protected:
  void onCreate() override;
  bool event(QEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void treeSelected(int32_t page, int32_t recordId) override;
  void listSelected(int32_t assetId) override;
  void notice(const Notice& notice) override;
  // The not-found box for the word in the box: `before` it and `after` it are the message.
  void showNotFound(const QString& before, const QString& after);
  void layoutChildren();
  void sync();

  Browser browser_;
  QFont captionFont_;
  QFont listFont_;
  TopicTreeView* tree_ = nullptr;
  ResourceListView* list_ = nullptr;
  QLineEdit* edit_ = nullptr;
  GoButton* button_ = nullptr;
};

}  // namespace vantorel::brovik
