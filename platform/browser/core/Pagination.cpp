#include "platform/browser/core/Pagination.h"

#include <algorithm>

namespace vantorel::browser {

std::vector<int> pageTops(std::vector<LineExtent> lines, int documentHeight, int pageHeight) {
  std::vector<int> tops{0};
  if (pageHeight <= 0 || documentHeight <= pageHeight) return tops;
  std::erase_if(lines, [](const LineExtent& l) { return l.bottom <= l.top; });
  std::sort(lines.begin(), lines.end(), [](const LineExtent& a, const LineExtent& b) { return a.top < b.top; });

  int top = 0;
  while (top + pageHeight < documentHeight) {
    int cut = top + pageHeight;
    // Move the cut up above every line it would pass through; lines are few per page, so a plain
    // scan of the ones starting on this page is enough.
    bool moved = true;
    while (moved) {
      moved = false;
      for (const LineExtent& line : lines) {
        if (line.top >= cut) break;
        if (line.top > top && line.top < cut && line.bottom > cut) {
          cut = line.top;
          moved = true;
        }
      }
    }
    if (cut <= top) cut = top + pageHeight;  // a line taller than the page
    tops.push_back(cut);
    top = cut;
  }
  return tops;
}

}  // namespace vantorel::browser
