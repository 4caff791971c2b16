// Page text as the browser prepares it for layout: decoding, the nesting bound, the refresh a
// page asks for, tag attributes and link resolution.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/browser/core/LinkTarget.h"
#include "platform/browser/core/PageText.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string utf8 = vantorel::browser::decodePage(bytes);
  const std::string bounded = vantorel::browser::limitNesting(utf8, 8);
  (void)vantorel::browser::findMetaRefresh(bounded);
  (void)vantorel::browser::limitWordLength(bounded, 5);
  (void)vantorel::browser::parseTagAttributes(bytes);
  (void)vantorel::browser::resolveLink(bytes, "/disc/13/0/");
  return 0;
}
