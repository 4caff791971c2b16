#include "host/pages/core/PageSource.h"

#include <cstdio>

namespace vantorel::host::pages {
namespace {

constexpr bool isTwoLevelGroup(int group) {
  return group == 1 || group == 2 || group == 4 || group == 6 || group == 8 || group == 11 || group == 12 ||
         group == 13;
}

}  // namespace

std::string pageSourcePath(int page) {
  if (page < 1 || page > 999999) return {};
  char digits[8];
  std::snprintf(digits, sizeof digits, "%06d", page);
  const std::string d(digits);
  const int group = (d[0] - '0') * 10 + (d[1] - '0');
  if (isTwoLevelGroup(group)) return d.substr(0, 2) + "/" + d.substr(2, 1) + "/" + d.substr(3);
  return d.substr(0, 2) + "/" + d.substr(2);
}

}  // namespace vantorel::host::pages
