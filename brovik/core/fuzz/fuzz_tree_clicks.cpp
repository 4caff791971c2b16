// The browser driven by random clicks, positionings and lookups over a topic file taken from the
// input; the rows shown must always be a consistent outline of open nodes.
#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

#include "brovik/core/Browser.h"

using namespace vantorel::brovik;

namespace {

class NullSink : public BrowserSink {
 public:
  void treeSelected(int32_t, int32_t) override {}
  void listSelected(int32_t) override {}
  void notice(const Notice&) override {}
};

void checkOutline(const TopicTree& tree) {
  const auto& rows = tree.rows();
  for (size_t r = 0; r < rows.size(); ++r) {
    if (r > 0 && rows[r] <= rows[r - 1]) __builtin_trap();
    const int level = tree.node(rows[r]).level;
    if (level < 0 || level >= kTreeLevels) __builtin_trap();
    if (level == 0) continue;
    // The nearest shown row one level up is the open node of that level.
    size_t p = r;
    while (p > 0 && tree.node(rows[--p]).level != level - 1) {
    }
    if (tree.node(rows[p]).level != level - 1 || tree.openNode(level - 1) != rows[p]) __builtin_trap();
  }
  if (tree.top() < 0 || tree.top() > tree.maxTop()) __builtin_trap();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 1) return 0;
  const size_t topicBytes = std::min<size_t>(size - 1, (data[0] % 40) * kTopicRecordSize);
  const std::string topic(reinterpret_cast<const char*>(data + 1), topicBytes);
  const std::string rest(reinterpret_cast<const char*>(data + 1 + topicBytes), size - 1 - topicBytes);
  std::map<std::string, std::string> files;
  files["/d/react.dat"] = topic;
  files["/d/react.ass"] = rest;
  files["/d/words.dat"] = rest;
  for (const auto& info : titleFiles()) files[std::string("/d/") + info.name] = rest;
  NullSink sink;
  Browser browser(sink, [&](const std::string& path) -> std::unique_ptr<RecordFile> {
    const auto it = files.find(path);
    return it == files.end() ? nullptr : std::make_unique<MemoryFile>(it->second);
  });
  browser.initData("/d/");
  browser.setRoute(1);
  browser.tree().setPageRows(5);
  const auto records = parseTopicRecords(topic);
  for (size_t i = 0; i < rest.size(); ++i) {
    const auto b = static_cast<unsigned char>(rest[i]);
    switch (b >> 5) {
      case 0:
      case 1:
      case 2: browser.clickTree(b & 0x3F); break;
      case 3:
        if (!records.empty()) browser.gotoPosition(records[b % records.size()].recordId, b & 1 ? 10001 : 0, b & 2);
        break;
      case 4: browser.tree().setPageRows(b & 0x1F); break;
      case 5: browser.tree().setTop(b & 0x1F); break;
      case 6: browser.userSelectsResource(b & 0x1F); break;
      default:
        browser.wordTextChanged(rest.substr(i + 1, b & 0x0F));
        browser.pressButton();
        break;
    }
    checkOutline(browser.tree());
    if (browser.selectedResource() >= static_cast<int>(browser.resources().size())) __builtin_trap();
  }
  return 0;
}
