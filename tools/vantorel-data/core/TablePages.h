#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "tools/vantorel-data/core/CompileContext.h"

// The resources listed under the topics: pages written from the reference tables (compounds,
// countries, minerals, scientists, elements and their history texts) and the media pages
// (photographs, video clips, molecule models), with their titles.
namespace vantorel::data {

struct Titles {
  std::map<int, std::vector<std::string>> byType;  // UTF-8 titles, record n at index n-1
  std::map<std::string, int32_t> byReference;      // "kind:name" → asset id
  // "elem", "comp", ... : the kind a route source names a resource of this type by.
  [[nodiscard]] static const char* kindOfType(int type);
};

void tablePages(Context& ctx, Titles& titles);
void mediaPages(Context& ctx, Titles& titles);

}  // namespace vantorel::data
