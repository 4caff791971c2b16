#include "host/view/ViewBookmarks.h"

#include "host/components/HostComponents.h"
#include "host/view/CQuillet2View.h"
#include "platform/codepage/Cp1253Qt.h"

namespace vantorel::host {

ViewBookmarks::ViewBookmarks(CQuillet2View& view, HostComponents& components)
    : view_(view),
      components_(components),
      periodic_(components.periodTable(), [&view] { view.ShowPeriodicTable(); }),
      dataAnal_(components.dataAnal(), [&view, &components] {
        view.ShowDataAnalyser();
        // The control reads its settings while it paints: it paints once before they change.
        if (QWidget* control = components.dataAnal().widget()) control->repaint();
      }) {}

bookmarks::Screen ViewBookmarks::screen() const {
  return static_cast<bookmarks::Screen>(view_.screen());
}

int16_t ViewBookmarks::section() const {
  return static_cast<int16_t>(view_.section());
}

int32_t ViewBookmarks::treeRecord() const {
  return view_.treeRecord();
}

int32_t ViewBookmarks::object() const {
  return view_.object();
}

void ViewBookmarks::setPosition(int32_t treeRecord, int32_t object, int16_t section) {
  view_.setBrowsePosition(treeRecord, object, section);
}

void ViewBookmarks::openSection(int16_t section, int32_t page) {
  view_.OpenSection(section, page);
}

void ViewBookmarks::gotoPosition(int32_t page, int32_t object) {
  components_.select().GotoPosition(page, object, false);
}

std::string ViewBookmarks::treeName(int32_t page) {
  return codepage::fromQString(components_.select().GetTreeName(page));
}

std::string ViewBookmarks::objectName(int32_t object) {
  return codepage::fromQString(components_.select().GetObjectName(object));
}

}  // namespace vantorel::host
