#pragma once

#include <QPoint>
#include <QString>
#include <functional>

namespace vantorel::host::pages {

// What the topic pages hand on to the small host windows: the glossary pop-up and the enlarged
// view. The page controller decides when (a link clicked in a page, command 9821) and with what;
// the windows decide how they look. An empty hook does nothing.
struct PageHooks {
  // A glossary link was clicked. `glossaryFile` is the data folder + "glossary/" + key + ".htm",
  // the key already checked to be eight letters or digits; the file may be missing (then no
  // pop-up). `pointer` is the pointer position in the main view's coordinates.
  std::function<void(const QString& glossaryFile, QPoint pointer)> showGlossary;
  // The enlarged-view link or command 9821: show `cacheFolder` + "bigvid.htm" (the enlarged
  // companion page of the page shown) under `title`. `cacheFolder` ends in a separator.
  std::function<void(const QString& cacheFolder, const QString& title)> showEnlargedView;
};

}  // namespace vantorel::host::pages
