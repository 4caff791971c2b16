#include "platform/catalogue/CatalogueNames.h"

namespace vantorel::catalogue {
namespace {

constexpr std::array<std::string_view, 8> kStems = {"",     "react",   "struct",   "source",
                                                    "uses", "history", "elemcomp", "concept"};

}  // namespace

std::string fieldText(std::string_view field) {
  const size_t nul = field.find('\0');
  return std::string(field.substr(0, nul));
}

std::string_view routeStem(int route) {
  return route >= 1 && route <= 7 ? kStems[static_cast<size_t>(route)] : kStems[0];
}

std::string topicFileName(const std::string& dataPath, int route) {
  return dataPath + std::string(routeStem(route)) + ".dat";
}

std::string associationFileName(const std::string& topicFile) {
  if (topicFile.size() < 3) return "ass";
  return topicFile.substr(0, topicFile.size() - 3) + "ass";
}

const std::array<TitleFileInfo, 9>& titleFiles() {
  static const std::array<TitleFileInfo, 9> files = {{{"video.ttl", {12, 0, 0}},
                                                      {"mol.ttl", {13, 0, 0}},
                                                      {"photo.ttl", {11, 0, 0}},
                                                      {"sci.ttl", {8, 0, 0}},
                                                      {"elem.ttl", {1, 0, 0}},
                                                      {"country.ttl", {4, 0, 0}},
                                                      {"mineral.ttl", {6, 0, 0}},
                                                      {"comp.ttl", {2, 0, 0}},
                                                      {"history.ttl", {74, 76, 77}}}};
  return files;
}

int titleFileIndex(int32_t type) {
  if (type <= 0) return -1;
  const auto& files = titleFiles();
  for (size_t i = 0; i < files.size(); ++i) {
    for (int32_t t : files[i].types) {
      if (t == type) return static_cast<int>(i);
    }
  }
  return -1;
}

}  // namespace vantorel::catalogue
