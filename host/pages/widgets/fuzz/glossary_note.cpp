#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <string_view>

#include "host/pages/widgets/core/NoteRules.h"

// Any file as a glossary file, and any name as a link's file name: the text never holds the
// first line or a line feed, never grows by more than the CR LF joins, and a note never leaves a
// view that can hold it.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace vantorel::host::pages;
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const std::string text = glossaryNoteText(bytes);
  for (size_t at = text.find('\n'); at != std::string::npos; at = text.find('\n', at + 1))
    if (at == 0 || text[at - 1] != '\r') __builtin_trap();
  const size_t lines = static_cast<size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
  if (text.size() > size + lines) __builtin_trap();
  if (bytes.find('\n') == std::string_view::npos && !text.empty()) __builtin_trap();
  if (isGlossaryFileName(bytes) && (size != 12 || bytes.find('/') != std::string_view::npos)) __builtin_trap();
  if (size >= 8) {
    int16_t v[4];
    std::memcpy(v, data, sizeof v);
    const int clientWidth = 300 + (v[2] & 0x7ff);
    const int clientHeight = 20 + (v[3] & 0x7ff);
    const NoteRect r = placeNote(v[0], v[1], static_cast<int>(lines % 5000), clientWidth, clientHeight);
    if (r.x < 0 || r.y < 0 || r.y + r.height > clientHeight || r.x + r.width > clientWidth) __builtin_trap();
  }
  return 0;
}
