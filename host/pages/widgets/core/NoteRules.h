#pragma once

#include <string>
#include <string_view>

// The glossary pop-up's rules without Qt: which link names a glossary file, what text the file
// gives and where the pop-up stands in the view.
namespace vantorel::host::pages {

// A glossary link names its file by an 8-character key of letters and digits followed by
// ".htm". Anything else (a folder, "..", another extension) names no glossary file.
[[nodiscard]] bool isGlossaryFileName(std::string_view name);

// The text a glossary file shows: its first line (the term, for the catalogue) is skipped
// whole, whatever its length; the following lines are joined with CR LF, each without its line
// end. Bytes are passed through unchanged (code page 1253).
[[nodiscard]] std::string glossaryNoteText(std::string_view fileBytes);

// A glossary text this short shows no pop-up.
inline constexpr size_t kShortestNote = 5;

inline constexpr int kNoteWidth = 260;
inline constexpr int kNoteLineHeight = 15;

struct NoteRect {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
};

// Where the pop-up of `lines` lines stands for the pointer at (px, py) in a view of
// `clientWidth` × `clientHeight`: below and a little left of the pointer; above it when it would
// reach past the bottom edge; moved left to end 5 pixels inside the right edge. It never leaves
// the view: a note taller than the view gets the view's height (the text then scrolls).
[[nodiscard]] NoteRect placeNote(int px, int py, int lines, int clientWidth, int clientHeight);

}  // namespace vantorel::host::pages
