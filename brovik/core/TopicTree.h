#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "brovik/core/CatalogFiles.h"

// The topic tree of a route as the browser shows it: only the top level and the children of one
// open node per level are rows; rows are inserted and removed as nodes open and close.
namespace vantorel::brovik {

inline constexpr int kTreeLevels = 5;      // levels 0..4
inline constexpr int kTreeRowHeight = 16;  // pixels
inline constexpr int kUnmeasuredWidth = 300;

struct TopicNode {
  std::string title;
  int32_t page = 0;
  int32_t level = 0;
  int32_t recordId = 0;
  int width = kUnmeasuredWidth;  // caption + 18 * level + 22, once measured
};

class TopicTree {
 public:
  // Replaces every node; the top level becomes the rows, nothing is open.
  void load(std::vector<TopicRecord> records);
  // Drawn widths from the tree font's advance of each CP1253 byte.
  void measure(const std::array<int, 256>& advances);

  [[nodiscard]] size_t nodeCount() const { return nodes_.size(); }
  [[nodiscard]] const TopicNode& node(int index) const { return nodes_[static_cast<size_t>(index)]; }
  [[nodiscard]] const std::vector<int>& rows() const { return rows_; }
  [[nodiscard]] int rowNode(int row) const;  // -1 outside the rows
  [[nodiscard]] int rowOf(int node) const;   // -1 when not shown

  [[nodiscard]] bool hasChildren(int node) const;
  [[nodiscard]] bool hasLaterSibling(int node) const;
  [[nodiscard]] int openNode(int level) const;  // -1 when none or level out of range
  [[nodiscard]] bool isOpen(int node) const;
  [[nodiscard]] int selectedNode() const { return selected_; }
  // First node with this recordId.
  [[nodiscard]] std::optional<int> findRecord(int32_t recordId) const;

  // Scrolling: rows per page (client height / 16) and the top row.
  void setPageRows(int rows);
  [[nodiscard]] int pageRows() const { return pageRows_; }
  [[nodiscard]] int top() const { return top_; }
  void setTop(int top);
  [[nodiscard]] int maxTop() const;
  // Greatest drawn width of the rows shown, at least 100.
  [[nodiscard]] int extent() const;

  // A click on `row` (a shown row) by the rules of its level; the node to report, if any.
  std::optional<int> click(int row);
  // Collapses everything, then opens the path to the first node with `recordId` and scrolls it
  // into view; the node when it is shown at the end.
  std::optional<int> openPathTo(int32_t recordId);

 private:
  void expandRow(int row);
  void collapse(int node);
  void collapseAll();
  void clampTop();

  std::vector<TopicNode> nodes_;
  std::vector<int> nextSibling_;  // -1 when none
  std::vector<int> rows_;         // node indices, ascending
  std::array<int, kTreeLevels> open_{};
  std::unordered_map<int32_t, int> firstByRecord_;
  int selected_ = -1;
  int pageRows_ = 1;
  int top_ = 0;
};

}  // namespace vantorel::brovik
