#include "dravix/core/Markup.h"

namespace vantorel::dravix {

std::vector<MarkupRun> markupRuns(std::u16string_view text) {
  std::vector<MarkupRun> runs;
  size_t pos = 0;
  while (pos < text.size()) {
    const size_t open = text.find_first_of(u"[{", pos);
    const size_t normalEnd = open == std::u16string_view::npos ? text.size() : open;
    if (normalEnd > pos) runs.push_back({pos, normalEnd - pos, MarkupRun::Kind::Normal});
    if (open == std::u16string_view::npos) break;
    const bool sub = text[open] == u'[';
    const size_t close = text.find(sub ? u']' : u'}', open + 1);
    const size_t end = close == std::u16string_view::npos ? text.size() : close;
    if (end > open + 1)
      runs.push_back({open + 1, end - open - 1, sub ? MarkupRun::Kind::Subscript : MarkupRun::Kind::Superscript});
    pos = close == std::u16string_view::npos ? text.size() : close + 1;
  }
  return runs;
}

}  // namespace vantorel::dravix
