#include "brovik/core/Browser.h"

#include <algorithm>
#include <cstdint>

#include "platform/codepage/SearchFold.h"

namespace vantorel::brovik {
namespace {

// Collation weight of a CP1253 byte: punctuation < digits < Latin < Greek; case, accents and
// the final sigma fold together.
std::array<int, 256> makeWeights() {
  std::array<int, 256> w{};
  for (int b = 0; b < 256; ++b) w[static_cast<size_t>(b)] = b;
  for (int b = '0'; b <= '9'; ++b) w[static_cast<size_t>(b)] = 0x100 + b;
  for (int b = 'a'; b <= 'z'; ++b) {
    w[static_cast<size_t>(b)] = 0x200 + b;
    w[static_cast<size_t>(b - 32)] = 0x200 + b;
  }
  auto greek = [&](int byte, int base) { w[static_cast<size_t>(byte)] = 0x300 + base; };
  for (int b = 0xE1; b <= 0xF9; ++b) greek(b, b);
  for (int b = 0xC1; b <= 0xD9; ++b) greek(b, b + 0x20);
  greek(0xF2, 0xF3);  // ς
  const std::pair<int, int> folded[] = {{0xDC, 0xE1}, {0xA2, 0xE1}, {0xDD, 0xE5}, {0xB8, 0xE5}, {0xDE, 0xE7},
                                        {0xB9, 0xE7}, {0xDF, 0xE9}, {0xBA, 0xE9}, {0xDA, 0xE9}, {0xFA, 0xE9},
                                        {0xC0, 0xE9}, {0xFC, 0xEF}, {0xBC, 0xEF}, {0xFD, 0xF5}, {0xBE, 0xF5},
                                        {0xDB, 0xF5}, {0xFB, 0xF5}, {0xE0, 0xF5}, {0xFE, 0xF9}, {0xBF, 0xF9}};
  for (const auto& [byte, base] : folded) greek(byte, base);
  return w;
}

std::string trimSpaces(std::string_view text) {
  const size_t first = text.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  const size_t last = text.find_last_not_of(' ');
  return std::string(text.substr(first, last - first + 1));
}

}  // namespace

BrowserSink::~BrowserSink() = default;

bool titleLess(std::string_view a, std::string_view b) {
  static const std::array<int, 256> weights = makeWeights();
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const int wa = weights[static_cast<unsigned char>(a[i])];
    const int wb = weights[static_cast<unsigned char>(b[i])];
    if (wa != wb) return wa < wb;
  }
  if (a.size() != b.size()) return a.size() < b.size();
  return a < b;
}

int resourceIconId(int32_t type) {
  switch (type) {
    case 13: return 226;
    case 1:
    case 6:
    case 8:
    case 11: return 227;
    case 4: return 228;
    case 12: return 229;
    default: return 231;
  }
}

Browser::Browser(BrowserSink& sink, FileOpener opener) : sink_(sink), opener_(std::move(opener)) {}

void Browser::initData(const std::string& dataPath) {
  dataPath_ = dataPath;
  words_.reset();
  for (const std::string& path : titles_.open(opener_, dataPath)) sink_.notice({Notice::Kind::UnableToOpen, path, 0});
  const std::string wordsPath = dataPath + "words.dat";
  words_ = opener_(wordsPath);
  if (!words_) sink_.notice({Notice::Kind::UnableToOpen, wordsPath, 0});
}

void Browser::setRoute(int route) {
  results_.clear();
  current_ = -1;
  jump_ = false;
  look_ = ButtonLook::Go;
  buttonEnabled_ = !wordText_.empty();
  const std::string path = topicFileName(dataPath_, route);
  auto records = loadTopicTree(opener_, path);
  if (!records) {
    // The previous tree stays, and with it the route it belongs to.
    sink_.notice({Notice::Kind::TopicFileMissing, path, 0});
    return;
  }
  route_ = route;
  tree_.load(std::move(*records));
  tree_.measure(advances_);
  resources_.clear();
  finishFill();
  associations_ = loadAssociations(opener_, associationFileName(path));
}

std::string Browser::treeName(int32_t recordId) const {
  const auto node = tree_.findRecord(recordId);
  return node ? tree_.node(*node).title : std::string();
}

std::string Browser::objectName(int32_t assetId) const {
  for (auto it = resources_.rbegin(); it != resources_.rend(); ++it) {
    if (it->assetId == assetId) return it->title;
  }
  return {};
}

void Browser::clickTree(int row) {
  if (tree_.rowNode(row) < 0) return;
  if (current_ >= 0 && jump_) {
    buttonEnabled_ = true;
    jump_ = false;
  }
  if (const auto node = tree_.click(row)) reportTreeSelection(*node);
}

void Browser::reportTreeSelection(int node) {
  const TopicNode& n = tree_.node(node);
  const int32_t page = n.page;
  const int32_t recordId = n.recordId;
  if (tree_.hasChildren(node)) {
    resources_.clear();
    finishFill();
  } else if (assetType(page) == kElementNodeType) {
    fillSections(assetNumber(page));
  } else {
    fillFromAssociations(recordId);
  }
  if (suppressEvents_) return;
  const int32_t reported = assetType(page) == kElementAliasType ? kElementNodeType * 10000 + assetNumber(page) : page;
  sink_.treeSelected(reported, recordId);
}

void Browser::fillSections(int32_t atomicNumber) {
  resources_.clear();
  for (int i = 0; i < 10; ++i) {
    const std::string caption = static_cast<size_t>(i) < sections_.size() ? sections_[static_cast<size_t>(i)] : "";
    resources_.push_back({(kFirstSectionType + i) * 10000 + atomicNumber, caption});
  }
  finishFill();
}

void Browser::fillFromAssociations(int32_t recordId) {
  resources_.clear();
  if (titles_.allOpen()) {
    for (const AssociationRecord& a : associations_) {
      if (a.recordId != recordId) continue;
      TitleRead read = titles_.read(a.assetId);
      if (read.status == TitleRead::Status::UnknownType) {
        std::stable_sort(resources_.begin(), resources_.end(),
                         [](const ResourceRow& x, const ResourceRow& y) { return titleLess(x.title, y.title); });
        finishFill();
        sink_.notice({Notice::Kind::UnknownAsset, {}, a.assetId});
        return;
      }
      // A number past the end of its title file has no title to list.
      if (read.status == TitleRead::Status::Ok) resources_.push_back({a.assetId, std::move(read.title)});
    }
  }
  std::stable_sort(resources_.begin(), resources_.end(),
                   [](const ResourceRow& x, const ResourceRow& y) { return titleLess(x.title, y.title); });
  finishFill();
}

void Browser::finishFill() {
  selectedResource_ = -1;
  lastReported_ = -1;
  ++listGeneration_;
}

void Browser::userSelectsResource(int row) {
  if (row < 0 || row >= static_cast<int>(resources_.size())) return;
  if (current_ >= 0 && jump_) {
    look_ = ButtonLook::Go;
    buttonEnabled_ = true;
    jump_ = false;
  }
  selectedResource_ = row;
  if (row != lastReported_) {
    lastReported_ = row;
    sink_.listSelected(resources_[static_cast<size_t>(row)].assetId);
  }
}

void Browser::gotoPosition(int32_t recordId, int32_t assetId, bool jump) {
  jump_ = jump;
  if (assetId != 0) suppressEvents_ = true;
  const auto node = tree_.openPathTo(recordId);
  if (node) reportTreeSelection(*node);
  // Also when the record is unknown: a suppression left on would swallow later tree events.
  suppressEvents_ = false;
  if (!node || assetId == 0) return;
  for (int row = 0; row < static_cast<int>(resources_.size()); ++row) {
    if (resources_[static_cast<size_t>(row)].assetId != assetId) continue;
    selectedResource_ = row;
    if (row != lastReported_) {
      lastReported_ = row;
      sink_.listSelected(assetId);
    }
    return;
  }
}

void Browser::wordTextChanged(std::string_view cp1253Text) {
  wordText_ = std::string(cp1253Text);
  if (!results_.empty()) {
    results_.clear();
    current_ = -1;
    jump_ = true;
    look_ = ButtonLook::Go;
  }
  buttonEnabled_ = !wordText_.empty();
}

void Browser::pressButton() {
  if (buttonEnabled_) lookup();
}

void Browser::lookup() {
  if (current_ >= 0) {
    nextResult();
    return;
  }
  results_.clear();
  if (!words_) return;
  const std::string text = codepage::lowerForSearch(trimSpaces(wordText_));
  if (text.empty()) return;

  const size_t space = text.find(' ');
  const std::string first = text.substr(0, space);
  WordSearch firstSearch = findWord(*words_, first, route_);
  if (firstSearch.hits.empty()) {
    sink_.notice({firstSearch.occursAnywhere ? Notice::Kind::WordNotInRoute : Notice::Kind::WordNotFound, {}, 0});
    return;
  }
  if (space == std::string::npos) {
    results_ = std::move(firstSearch.hits);
    jumpToResults();
    return;
  }
  const std::string rest = text.substr(space + 1);
  if (rest.find(' ', 1) != std::string::npos) {
    results_.clear();
    sink_.notice({Notice::Kind::TooManyWords, {}, 0});
    return;
  }
  const size_t start = rest.find_first_not_of(' ');
  const std::string second = start == std::string::npos ? std::string() : rest.substr(start);
  const WordSearch secondSearch = findWord(*words_, second, route_, SIZE_MAX);
  std::vector<WordHit> both;
  for (const WordHit& place : secondSearch.hits) {
    for (const WordHit& hit : firstSearch.hits) {
      if (both.size() >= kMaxWordResults) break;
      if (hit == place) both.push_back(hit);
    }
  }
  results_ = std::move(both);
  if (results_.empty()) {
    sink_.notice({secondSearch.occursAnywhere ? Notice::Kind::WordNotInRoute : Notice::Kind::WordNotFound, {}, 0});
    return;
  }
  jumpToResults();
}

void Browser::jumpToResults() {
  if (results_.size() == 1) {
    buttonEnabled_ = false;
  } else {
    look_ = ButtonLook::Next;
  }
  current_ = 0;
  positionOnCurrent();
}

void Browser::nextResult() {
  if (jump_) {
    ++current_;
  } else if (results_.size() == 1) {
    buttonEnabled_ = false;
  } else {
    look_ = ButtonLook::Next;
  }
  if (current_ >= static_cast<int>(results_.size())) current_ = 0;
  positionOnCurrent();
}

void Browser::positionOnCurrent() {
  if (current_ < 0 || current_ >= static_cast<int>(results_.size())) return;
  const WordHit hit = results_[static_cast<size_t>(current_)];
  gotoPosition(hit.recordId, hit.assetId, true);
}

}  // namespace vantorel::brovik
