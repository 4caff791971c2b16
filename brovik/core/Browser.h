#pragma once

#include <array>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "brovik/core/CatalogFiles.h"
#include "brovik/core/TopicTree.h"

// What the topic browser does, without its windows: the route's tree, the resource list of the
// selected topic, the word lookup with its results, the jump flag and the events it raises.
namespace vantorel::brovik {

// Something the user must be told.
struct Notice {
  enum class Kind {
    UnableToOpen,      // a title file or words.dat; `path`
    TopicFileMissing,  // `path`
    UnknownAsset,      // `assetId`
    TooManyWords,
    WordNotFound,    // the word looked for occurs nowhere
    WordNotInRoute,  // it occurs, but not under the current route
  };
  Kind kind;
  std::string path;
  int32_t assetId = 0;
};

class BrowserSink {
 public:
  virtual ~BrowserSink();
  virtual void treeSelected(int32_t page, int32_t recordId) = 0;
  virtual void listSelected(int32_t assetId) = 0;
  virtual void notice(const Notice& notice) = 0;
};

struct ResourceRow {
  int32_t assetId = 0;
  std::string title;  // CP1253
};

enum class ButtonLook { Go, Next };

// Greek-aware alphabetical order of CP1253 titles: case and accents only break ties.
[[nodiscard]] bool titleLess(std::string_view a, std::string_view b);

// Icon bitmap of a resource type.
[[nodiscard]] int resourceIconId(int32_t type);

class Browser {
 public:
  explicit Browser(BrowserSink& sink, FileOpener opener = diskOpener());

  // Captions of the ten element sections (CP1253).
  void setElementSections(std::vector<std::string> captions) { sections_ = std::move(captions); }
  // Advance of each CP1253 byte in the tree font, for the drawn widths.
  void setTreeAdvances(const std::array<int, 256>& advances) { advances_ = advances; }

  void initData(const std::string& dataPath);
  void setRoute(int route);
  void gotoPosition(int32_t recordId, int32_t assetId, bool jump);
  [[nodiscard]] std::string treeName(int32_t recordId) const;
  [[nodiscard]] std::string objectName(int32_t assetId) const;

  // The tree window.
  [[nodiscard]] TopicTree& tree() { return tree_; }
  [[nodiscard]] const TopicTree& tree() const { return tree_; }
  // A left click on tree row `row` (top row + y / 16).
  void clickTree(int row);

  // The resource list.
  [[nodiscard]] const std::vector<ResourceRow>& resources() const { return resources_; }
  [[nodiscard]] int selectedResource() const { return selectedResource_; }
  [[nodiscard]] int lastReportedResource() const { return lastReported_; }
  void userSelectsResource(int row);
  // Bumped whenever the list is refilled.
  [[nodiscard]] unsigned listGeneration() const { return listGeneration_; }

  // The word box and the go/next button.
  void wordTextChanged(std::string_view cp1253Text);
  [[nodiscard]] bool buttonEnabled() const { return buttonEnabled_; }
  [[nodiscard]] ButtonLook buttonLook() const { return look_; }
  // Button press or the Enter message; does nothing while the button is disabled.
  void pressButton();

  [[nodiscard]] int route() const { return route_; }
  [[nodiscard]] const std::string& dataPath() const { return dataPath_; }
  [[nodiscard]] bool searchActive() const { return current_ >= 0; }
  [[nodiscard]] int currentResult() const { return current_; }
  [[nodiscard]] const std::vector<WordHit>& results() const { return results_; }
  [[nodiscard]] bool jumpFlag() const { return jump_; }
  [[nodiscard]] const std::vector<AssociationRecord>& associations() const { return associations_; }
  [[nodiscard]] bool titlesOpen() const { return titles_.allOpen(); }

 private:
  void reportTreeSelection(int node);
  void fillFromAssociations(int32_t recordId);
  void fillSections(int32_t atomicNumber);
  void finishFill();
  void lookup();
  void nextResult();
  void jumpToResults();
  void positionOnCurrent();

  BrowserSink& sink_;
  FileOpener opener_;
  std::array<int, 256> advances_{};
  std::vector<std::string> sections_;
  std::string dataPath_;
  int route_ = 0;
  TitleFiles titles_;
  std::unique_ptr<RecordFile> words_;
  TopicTree tree_;
  std::vector<AssociationRecord> associations_;
  std::vector<ResourceRow> resources_;
  int selectedResource_ = -1;
  int lastReported_ = -1;
  unsigned listGeneration_ = 0;
  std::vector<WordHit> results_;
  int current_ = -1;
  bool jump_ = false;
  bool suppressEvents_ = false;
  std::string wordText_;
  bool buttonEnabled_ = false;
  ButtonLook look_ = ButtonLook::Go;
};

}  // namespace vantorel::brovik
