#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "host/pages/core/History.h"
#include "host/pages/core/PageTransform.h"

// Any page: the transform keeps every line, and the companion pages and the link rules take
// whatever it produced.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::host::pages;
  const std::string_view page(reinterpret_cast<const char*>(data), size);
  TransformSettings settings;
  settings.dataFolder = "/disc \"#%&\xCE\xB1/";
  settings.copyMolecule = [](const std::string& relative) {
    if (relative.find("..") != std::string::npos && relative.find('/') == std::string::npos) return false;
    return relative.size() % 2 == 0;
  };
  const TransformResult result = transformPageText(page, settings);
  size_t linesIn = 0, linesOut = 0;
  for (char c : page) linesIn += c == '\n';
  for (char c : result.page) linesOut += c == '\n';
  if (linesIn != linesOut) __builtin_trap();
  if (result.hasVideo && !result.lastVideoText.starts_with("file://")) __builtin_trap();
  (void)enlargedVideoPage(result.lastVideoText);
  const std::string enlarged = enlargedMoleculePage(result.page);
  if (!enlarged.ends_with("</BODY></HTML>\n")) __builtin_trap();
  (void)decideLink(page.substr(0, 64));
  return 0;
}
