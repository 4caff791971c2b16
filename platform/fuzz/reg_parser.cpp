#include <cstddef>
#include <cstdint>
#include <string_view>

#include "platform/registry/RegFile.h"

// Any text must parse or fail cleanly, and what parses must survive a write and a second read.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::registry;
  const ParseResult first = parseRegText(std::string_view(reinterpret_cast<const char*>(data), size));
  if (!first.ok) return 0;
  const std::string text = formatRegText(first.document);
  const ParseResult second = parseRegText(text);
  if (!second.ok || formatRegText(second.document) != text) __builtin_trap();
  return 0;
}
