#pragma once

#include <map>
#include <memory>
#include <string>

#include "brovik/core/CatalogFiles.h"
#include "platform/catalogue/tests/CatalogueWriter.h"

// A small catalogue that exercises the browser's rules: nested topics, an element node, a
// type-99 node, a level jump, a duplicate id, resources in an unsorted association file.
namespace vantorel::brovik::testing {

using namespace catalogue::testing;

inline std::map<std::string, std::string> sampleCatalog() {
  std::map<std::string, std::string> files;
  files["react.dat"] = topicBytes({
      {"Αντιδράσεις", 100001, 0, 1},         // 0
      {"Οξέα", 100002, 1, 2},                // 1
      {"Υδροχλωρικό οξύ", 100003, 2, 3},     // 2
      {"Θειικό οξύ", 100004, 2, 4},          // 3
      {"Βάσεις", 100005, 1, 5},              // 4
      {"Υδροξείδιο νατρίου", 100006, 2, 6},  // 5
      {"Στοιχεία", 100007, 0, 7},            // 6
      {"Οξυγόνο", 440008, 1, 8},             // 7
      {"Άνθρακας", 990006, 1, 9},            // 8
      {"Ενέργεια", 100010, 0, 10},           // 9
      {"Βαθιά", 100011, 2, 11},              // 10: two levels below its parent
      {"Διπλό", 100012, 0, 1},               // 11: a second recordId 1
  });
  files["react.ass"] = associationBytes({{3, 110003},
                                         {3, 20001},
                                         {9, 130001},
                                         {3, 110001},
                                         {4, 110002},
                                         {3, 20002},
                                         {4, 110003},
                                         {3, 110002},
                                         {6, 40001},
                                         {6, 110009},
                                         {6, 440001},
                                         {6, 130001}});
  files["struct.dat"] = topicBytes({{"Δομή", 200001, 0, 1}, {"Άτομα", 200002, 1, 2}});
  files["photo.ttl"] = titleBytes({"Κρύσταλλοι χαλαζία", "αέριο υδρογόνο", "Βράσιμο νερού"});
  files["comp.ttl"] = titleBytes({"Ύδατα", "Άλας"});
  files["mol.ttl"] = titleBytes({"Μόριο μεθανίου"});
  files["country.ttl"] = titleBytes({"Ελλάδα"});
  files["video.ttl"] = titleBytes({});
  files["sci.ttl"] = titleBytes({});
  files["elem.ttl"] = titleBytes({"Υδρογόνο"});
  files["mineral.ttl"] = titleBytes({});
  files["history.ttl"] = titleBytes({"Αρχαίοι χρόνοι", "Μεσαίωνας"});
  files["words.dat"] = wordBytes({
      {"οξύ", 3, 0, 1},
      {"οξύ", 4, 0, 1},
      {"πλανήτης", 50, 0, 5},
      {"οξύ", 4, 110003, 1},
      {"νερό", 4, 110003, 1},
      {"νερό", 3, 110003, 1},
      {"οξυγόνο", 8, 0, 1},
      {"χαλαζίας", 3, 110001, 1},
      {"οξύ", 2, 0, 2},
  });
  return files;
}

// Serves files from a map under the folder "/cat/"; absent names cannot be opened.
inline FileOpener memoryOpener(const std::map<std::string, std::string>& files) {
  return [&files](const std::string& path) -> std::unique_ptr<RecordFile> {
    const std::string prefix = "/cat/";
    if (path.rfind(prefix, 0) != 0) return nullptr;
    const auto it = files.find(path.substr(prefix.size()));
    return it == files.end() ? nullptr : std::make_unique<MemoryFile>(it->second);
  };
}

}  // namespace vantorel::brovik::testing
