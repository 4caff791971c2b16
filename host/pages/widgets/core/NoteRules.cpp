#include "host/pages/widgets/core/NoteRules.h"

namespace vantorel::host::pages {

bool isGlossaryFileName(std::string_view name) {
  constexpr std::string_view kExtension = ".htm";
  constexpr size_t kKeyLength = 8;
  if (name.size() != kKeyLength + kExtension.size() || name.substr(kKeyLength) != kExtension) return false;
  for (const char c : name.substr(0, kKeyLength)) {
    const bool letter = (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    const bool digit = c >= '0' && c <= '9';
    if (!letter && !digit) return false;
  }
  return true;
}

std::string glossaryNoteText(std::string_view bytes) {
  // The term line goes whole: a long one must not leak its rest into the definition.
  const size_t firstEnd = bytes.find('\n');
  if (firstEnd == std::string_view::npos) return {};
  bytes.remove_prefix(firstEnd + 1);
  std::string text;
  text.reserve(bytes.size() + 16);
  bool first = true;
  while (!bytes.empty()) {
    const size_t end = bytes.find('\n');
    std::string_view line = bytes.substr(0, end);
    bytes.remove_prefix(end == std::string_view::npos ? bytes.size() : end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (!first) text += "\r\n";
    text += line;
    first = false;
  }
  return text;
}

NoteRect placeNote(int px, int py, int lines, int clientWidth, int clientHeight) {
  NoteRect r{px - 30, py + 14, kNoteWidth, kNoteLineHeight * lines + 2};
  if (r.y + r.height + 5 > clientHeight) r.y -= 27 + kNoteLineHeight * lines;
  if (r.x + kNoteWidth + 5 > clientWidth) r.x = clientWidth - kNoteWidth - 5;
  // A long text or a small view: the note stays inside the view and scrolls instead.
  if (r.height > clientHeight) r.height = clientHeight;
  if (r.y + r.height > clientHeight) r.y = clientHeight - r.height;
  if (r.y < 0) r.y = 0;
  if (r.x < 0) r.x = 0;
  return r;
}

}  // namespace vantorel::host::pages
