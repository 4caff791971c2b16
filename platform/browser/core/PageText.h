#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// What the page browser does to a page's bytes before layout: decoding, bounding the nesting
// that the layout engine walks recursively, and reading the refresh a page asks for.
namespace vantorel::browser {

// How deep elements may nest; tags that would open deeper are dropped. Far beyond any real page,
// and shallow enough that the layout engine's recursion stays within the stack.
inline constexpr int kMaxNesting = 250;

// Page bytes as UTF-8: code page 1253, the pages' encoding, unless the page starts with a UTF-8
// byte-order mark (dropped). NUL bytes become spaces, so the text reaches the parser whole.
[[nodiscard]] std::string decodePage(std::string_view bytes);

// The page with every opening tag removed that would nest elements deeper than `maxDepth`. Empty
// elements (BR, IMG, ...) and those that close themselves at their next sibling (P, LI, TD, ...)
// do not count; comments and the insides of SCRIPT and STYLE are copied unchanged.
[[nodiscard]] std::string limitNesting(std::string_view html, int maxDepth = kMaxNesting);

// Words (runs of text without white space) are cut into pieces of at most this many characters,
// so that a page of one endless word lays out in reasonable time.
inline constexpr size_t kMaxWordLength = 1000;

// The page with a space put into every word longer than `maxLength` bytes of text (tags,
// comments, character references and the insides of SCRIPT and STYLE are left whole).
[[nodiscard]] std::string limitWordLength(std::string_view html, size_t maxLength = kMaxWordLength);

// The attributes of one tag's text (after the name up to the closing '>'): names lower-cased,
// values without their quotes, entity-free. A name without value has an empty value.
using TagAttributes = std::vector<std::pair<std::string, std::string>>;
[[nodiscard]] TagAttributes parseTagAttributes(std::string_view text);

struct MetaRefresh {
  int seconds = 0;
  std::string url;  // empty: reload the same page
};
// The first <META HTTP-EQUIV="Refresh" CONTENT="n; URL=..."> of the page, if any.
[[nodiscard]] std::optional<MetaRefresh> findMetaRefresh(std::string_view html);

}  // namespace vantorel::browser
