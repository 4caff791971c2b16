#pragma once

#include <vector>

// Page breaks for printing a laid-out page: a break never falls through a line of text.
namespace vantorel::browser {

struct LineExtent {
  int top = 0;
  int bottom = 0;  // one past the last pixel row
};

// The top of each printed page, starting with 0, for a document `documentHeight` tall printed on
// pages `pageHeight` tall. Each break is as low as it can be without cutting a line; only a line
// taller than a whole page is cut (there is no other way to print it).
[[nodiscard]] std::vector<int> pageTops(std::vector<LineExtent> lines, int documentHeight, int pageHeight);

}  // namespace vantorel::browser
