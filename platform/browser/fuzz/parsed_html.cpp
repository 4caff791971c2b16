// Any page parsed in two pieces must give the tree it gives parsed whole; a page that cannot be
// cut safely is parsed whole. The fuzzer cuts every page it can, however short.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "platform/browser/fuzz/GumboTree.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string html(reinterpret_cast<const char*>(data), size);
  const litehtml::parsed_html whole(html, std::string::npos);
  const litehtml::parsed_html pieces(html, 0);
  if (vantorel::browser::test::treeOf(whole) != vantorel::browser::test::treeOf(pieces)) {
    std::fprintf(stderr, "the page parsed in two pieces gives another tree\n");
    std::abort();
  }
  return 0;
}
