#include "brovik/core/TopicTree.h"

#include <algorithm>

namespace vantorel::brovik {
namespace {

bool shownLevel(int32_t level) {
  return level >= 0 && level < kTreeLevels;
}

}  // namespace

void TopicTree::load(std::vector<TopicRecord> records) {
  nodes_.clear();
  nodes_.reserve(records.size());
  for (auto& r : records) nodes_.push_back(TopicNode{std::move(r.title), r.page, r.level, r.recordId});
  // Later siblings: the next node of the same level before any shallower one.
  nextSibling_.assign(nodes_.size(), -1);
  std::array<int, kTreeLevels> lastAt;
  lastAt.fill(-1);
  for (int i = 0; i < static_cast<int>(nodes_.size()); ++i) {
    const int32_t level = nodes_[static_cast<size_t>(i)].level;
    const int32_t clamped = std::clamp<int32_t>(level, -1, kTreeLevels);
    // Everything deeper than this node is cut off from what follows.
    for (int l = std::max(0, clamped + 1); l < kTreeLevels; ++l) lastAt[static_cast<size_t>(l)] = -1;
    if (!shownLevel(level)) {
      if (level < 0) lastAt.fill(-1);
      continue;
    }
    if (lastAt[static_cast<size_t>(level)] >= 0)
      nextSibling_[static_cast<size_t>(lastAt[static_cast<size_t>(level)])] = i;
    lastAt[static_cast<size_t>(level)] = i;
  }
  firstByRecord_.clear();
  firstByRecord_.reserve(nodes_.size());
  for (int i = 0; i < static_cast<int>(nodes_.size()); ++i)
    firstByRecord_.try_emplace(nodes_[static_cast<size_t>(i)].recordId, i);
  rows_.clear();
  for (int i = 0; i < static_cast<int>(nodes_.size()); ++i) {
    if (nodes_[static_cast<size_t>(i)].level == 0) rows_.push_back(i);
  }
  open_.fill(-1);
  selected_ = -1;
  top_ = 0;
}

void TopicTree::measure(const std::array<int, 256>& advances) {
  for (auto& n : nodes_) {
    int width = 0;
    for (unsigned char c : n.title) width += advances[c];
    // Levels outside 0..4 are never shown; keep their width sane.
    n.width = width + 18 * std::clamp<int32_t>(n.level, 0, kTreeLevels - 1) + 22;
  }
}

int TopicTree::rowNode(int row) const {
  return row >= 0 && row < static_cast<int>(rows_.size()) ? rows_[static_cast<size_t>(row)] : -1;
}

int TopicTree::rowOf(int node) const {
  const auto it = std::lower_bound(rows_.begin(), rows_.end(), node);
  return it != rows_.end() && *it == node ? static_cast<int>(it - rows_.begin()) : -1;
}

bool TopicTree::hasChildren(int node) const {
  const auto next = static_cast<size_t>(node) + 1;
  return node >= 0 && next < nodes_.size() && nodes_[next].level > nodes_[static_cast<size_t>(node)].level;
}

bool TopicTree::hasLaterSibling(int node) const {
  return node >= 0 && static_cast<size_t>(node) < nextSibling_.size() && nextSibling_[static_cast<size_t>(node)] >= 0;
}

int TopicTree::openNode(int level) const {
  return level >= 0 && level < kTreeLevels ? open_[static_cast<size_t>(level)] : -1;
}

bool TopicTree::isOpen(int node) const {
  if (node < 0 || static_cast<size_t>(node) >= nodes_.size()) return false;
  return openNode(nodes_[static_cast<size_t>(node)].level) == node;
}

std::optional<int> TopicTree::findRecord(int32_t recordId) const {
  const auto it = firstByRecord_.find(recordId);
  if (it == firstByRecord_.end()) return std::nullopt;
  return it->second;
}

void TopicTree::setPageRows(int rows) {
  pageRows_ = std::max(1, rows);
  clampTop();
}

int TopicTree::maxTop() const {
  return std::max(0, static_cast<int>(rows_.size()) - pageRows_);
}

void TopicTree::setTop(int top) {
  top_ = top;
  clampTop();
}

void TopicTree::clampTop() {
  top_ = std::clamp(top_, 0, maxTop());
}

int TopicTree::extent() const {
  int widest = 100;
  for (int n : rows_) widest = std::max(widest, nodes_[static_cast<size_t>(n)].width);
  return widest;
}

void TopicTree::expandRow(int row) {
  const int node = rowNode(row);
  if (node < 0) return;
  const int32_t level = nodes_[static_cast<size_t>(node)].level;
  if (!shownLevel(level) || level >= kTreeLevels - 1) return;
  std::vector<int> children;
  for (size_t j = static_cast<size_t>(node) + 1; j < nodes_.size() && nodes_[j].level > level; ++j) {
    if (nodes_[j].level == level + 1) children.push_back(static_cast<int>(j));
  }
  rows_.insert(rows_.begin() + row + 1, children.begin(), children.end());
  const int n = static_cast<int>(children.size());
  if (row + n > top_ + pageRows_) top_ = std::min(row + n - pageRows_ + 1, row);
  clampTop();
}

void TopicTree::collapse(int node) {
  const int row = rowOf(node);
  if (row < 0) return;
  const int32_t level = nodes_[static_cast<size_t>(node)].level;
  auto first = rows_.begin() + row + 1;
  auto last = first;
  while (last != rows_.end() && nodes_[static_cast<size_t>(*last)].level > level) ++last;
  rows_.erase(first, last);
  clampTop();
}

void TopicTree::collapseAll() {
  rows_.clear();
  for (int i = 0; i < static_cast<int>(nodes_.size()); ++i) {
    if (nodes_[static_cast<size_t>(i)].level == 0) rows_.push_back(i);
  }
  open_.fill(-1);
  clampTop();
}

std::optional<int> TopicTree::click(int row) {
  const int node = rowNode(row);
  if (node < 0) return std::nullopt;
  const int level = nodes_[static_cast<size_t>(node)].level;  // shown rows have levels 0..4
  auto& open = open_;
  selected_ = node;
  if (open[static_cast<size_t>(level)] != node) {
    if (open[static_cast<size_t>(level)] >= 0) collapse(open[static_cast<size_t>(level)]);
    expandRow(rowOf(node));
    open[static_cast<size_t>(level)] = node;
    for (int l = level + 1; l < kTreeLevels; ++l) open[static_cast<size_t>(l)] = -1;
    return node;
  }
  const int below = openNode(level + 1);
  if (below >= 0) {
    collapse(below);
    open[static_cast<size_t>(level + 1)] = -1;
  } else if ((level == 1 || level == 2) && openNode(level + 2) >= 0) {
    collapse(open[static_cast<size_t>(level + 2)]);
    open[static_cast<size_t>(level + 2)] = -1;
  } else if (level == 0) {
    return std::nullopt;
  }
  return node;
}

std::optional<int> TopicTree::openPathTo(int32_t recordId) {
  collapseAll();
  const auto found = findRecord(recordId);
  if (!found) return std::nullopt;
  const int target = *found;
  const int32_t level = nodes_[static_cast<size_t>(target)].level;
  if (!shownLevel(level)) return std::nullopt;
  // Ancestors: the nearest preceding node of each shallower level.
  std::array<int, kTreeLevels> path;
  path.fill(-1);
  path[static_cast<size_t>(level)] = target;
  int32_t want = level - 1;
  for (int j = target - 1; j >= 0 && want >= 0; --j) {
    if (nodes_[static_cast<size_t>(j)].level == want) path[static_cast<size_t>(want--)] = j;
  }
  if (want >= 0) return std::nullopt;  // a node deeper than anything before it
  for (int l = 0; l <= level; ++l) {
    const int n = path[static_cast<size_t>(l)];
    const int row = rowOf(n);
    // A file whose levels jump leaves the path broken: open what can be opened.
    if (row < 0) return std::nullopt;
    expandRow(row);
    open_[static_cast<size_t>(l)] = n;
  }
  selected_ = target;
  const int row = rowOf(target);
  if (row < top_) {
    top_ = row;
  } else if (row >= top_ + pageRows_ - 1) {
    top_ = row - pageRows_ + 1;
  }
  clampTop();
  return target;
}

}  // namespace vantorel::brovik
