#include <gtest/gtest.h>

#include "brovik/core/TopicTree.h"
#include "brovik/tests/SampleCatalog.h"

using namespace vantorel::brovik;
using namespace vantorel::brovik::testing;

namespace {

TopicTree treeOf(const std::vector<Topic>& topics, int pageRows = 20) {
  TopicTree tree;
  tree.load(parseTopicRecords(topicBytes(topics)));
  tree.setPageRows(pageRows);
  return tree;
}

TopicTree sampleTree(int pageRows = 20) {
  TopicTree tree;
  tree.load(parseTopicRecords(sampleCatalog().at("react.dat")));
  tree.setPageRows(pageRows);
  return tree;
}

// A, B, C, D, E one below the other, then F at the top level.
const std::vector<Topic> kChain = {{"A", 1, 0, 1}, {"B", 2, 1, 2}, {"C", 3, 2, 3},
                                   {"D", 4, 3, 4}, {"E", 5, 4, 5}, {"F", 6, 0, 6}};

using Rows = std::vector<int>;

}  // namespace

TEST(TopicTree, TopLevelRowsAndChildren) {
  TopicTree tree = sampleTree();
  EXPECT_EQ(tree.rows(), (Rows{0, 6, 9, 11}));
  EXPECT_TRUE(tree.hasChildren(0));
  EXPECT_FALSE(tree.hasChildren(2));
  // A deeper next record means children, though none is one level down.
  EXPECT_TRUE(tree.hasChildren(9));
  EXPECT_FALSE(tree.hasChildren(11));
  EXPECT_TRUE(tree.hasLaterSibling(0));
  EXPECT_FALSE(tree.hasLaterSibling(11));
  EXPECT_TRUE(tree.hasLaterSibling(1));   // Οξέα then Βάσεις
  EXPECT_FALSE(tree.hasLaterSibling(4));  // Βάσεις is the last under its parent
  EXPECT_EQ(tree.findRecord(1), 0);       // the first of a duplicated id
  EXPECT_FALSE(tree.findRecord(77).has_value());
}

TEST(TopicTree, EmptyAndShortFiles) {
  TopicTree tree;
  tree.load(parseTopicRecords(""));
  EXPECT_TRUE(tree.rows().empty());
  EXPECT_EQ(tree.extent(), 100);
  EXPECT_FALSE(tree.click(0).has_value());
  tree.load(parseTopicRecords(std::string(111, 'x')));
  EXPECT_TRUE(tree.rows().empty());
}

TEST(TopicTree, ExpandShowsOnlyTheNextLevel) {
  TopicTree tree = sampleTree();
  EXPECT_EQ(tree.click(0), 0);
  EXPECT_EQ(tree.rows(), (Rows{0, 1, 4, 6, 9, 11}));
  EXPECT_EQ(tree.click(1), 1);
  EXPECT_EQ(tree.rows(), (Rows{0, 1, 2, 3, 4, 6, 9, 11}));
  // Another node of level 0 closes the whole open path first.
  EXPECT_EQ(tree.click(5), 6);
  EXPECT_EQ(tree.rows(), (Rows{0, 6, 7, 8, 9, 11}));
  EXPECT_EQ(tree.openNode(0), 6);
  EXPECT_EQ(tree.openNode(1), -1);
  // The level jump: the node opens, no row appears under it.
  EXPECT_EQ(tree.click(4), 9);
  EXPECT_EQ(tree.rows(), (Rows{0, 6, 9, 11}));
  EXPECT_TRUE(tree.isOpen(9));
}

TEST(TopicTree, ClickingOpenNodesAgain) {
  TopicTree tree = treeOf(kChain);
  for (int row = 0; row < 5; ++row) tree.click(row);
  EXPECT_EQ(tree.rows(), (Rows{0, 1, 2, 3, 4, 5}));
  EXPECT_EQ(tree.openNode(4), 4);
  // Level 1 again: its open child closes; the stale deeper one goes on the next click.
  EXPECT_EQ(tree.click(1), 1);
  EXPECT_EQ(tree.rows(), (Rows{0, 1, 2, 5}));
  EXPECT_EQ(tree.openNode(2), -1);
  EXPECT_EQ(tree.openNode(3), 3);
  EXPECT_EQ(tree.click(1), 1);
  EXPECT_EQ(tree.openNode(3), -1);
  EXPECT_EQ(tree.click(1), 1);  // only reported again
  EXPECT_EQ(tree.rows(), (Rows{0, 1, 2, 5}));
  // Level 0 again: its open child closes; once more, nothing at all.
  EXPECT_EQ(tree.click(0), 0);
  EXPECT_EQ(tree.rows(), (Rows{0, 1, 5}));
  EXPECT_FALSE(tree.click(0).has_value());
  EXPECT_EQ(tree.rows(), (Rows{0, 1, 5}));
  EXPECT_FALSE(tree.click(3).has_value());  // below the last row
}

TEST(TopicTree, LevelFourIsNeverExpanded) {
  std::vector<Topic> deep = kChain;
  deep.insert(deep.begin() + 5, Topic{"G", 7, 5, 7});  // bad data below level 4
  TopicTree tree = treeOf(deep);
  for (int row = 0; row < 5; ++row) tree.click(row);
  EXPECT_EQ(tree.rows(), (Rows{0, 1, 2, 3, 4, 6}));
  EXPECT_EQ(tree.click(4), 4);
  EXPECT_EQ(tree.rows(), (Rows{0, 1, 2, 3, 4, 6}));
  EXPECT_FALSE(tree.openPathTo(7).has_value());
}

TEST(TopicTree, LevelsOutOfRangeAreNeverShown) {
  TopicTree tree = treeOf({{"A", 1, 0, 1}, {"neg", 2, -1, 2}, {"B", 3, 1, 3}, {"big", 4, 9, 4}, {"C", 5, 0, 5}});
  EXPECT_EQ(tree.rows(), (Rows{0, 4}));
  tree.click(0);
  EXPECT_EQ(tree.rows(), (Rows{0, 4}));  // the negative level ends A's subtree
  EXPECT_FALSE(tree.openPathTo(2).has_value());
  EXPECT_FALSE(tree.openPathTo(4).has_value());
  EXPECT_FALSE(tree.openPathTo(3).has_value());  // its level-0 ancestor would be A, cut off by "neg"
}

TEST(TopicTree, ExpandScrollsTheNewRowsIntoView) {
  std::vector<Topic> topics;
  for (int i = 0; i < 10; ++i) {
    topics.push_back({"R", i, 0, i * 100});
    if (i == 5) {
      for (int c = 1; c <= 3; ++c) topics.push_back({"c", c, 1, i * 100 + c});
    }
  }
  TopicTree tree = treeOf(topics, 5);
  tree.setTop(2);
  tree.click(5);
  // r + n = 8 > t + p = 7: the top becomes r + n - p + 1 = 4.
  EXPECT_EQ(tree.top(), 4);
  std::vector<Topic> many;
  many.push_back({"root", 1, 0, 1});
  for (int c = 0; c < 12; ++c) many.push_back({"c", c, 1, 10 + c});
  TopicTree wide = treeOf(many, 4);
  wide.click(0);
  EXPECT_EQ(wide.top(), 0);  // never below the expanded row
}

TEST(TopicTree, PositioningOpensTheAncestorPath) {
  TopicTree tree = sampleTree(3);
  tree.click(0);
  tree.click(1);
  EXPECT_EQ(tree.openPathTo(6), 5);
  EXPECT_EQ(tree.rows(), (Rows{0, 1, 4, 5, 6, 9, 11}));
  EXPECT_EQ(tree.openNode(0), 0);
  EXPECT_EQ(tree.openNode(1), 4);
  EXPECT_EQ(tree.openNode(2), 5);
  EXPECT_EQ(tree.top(), 1);  // row 3 was at the last visible row: top = 3 - 3 + 1
  EXPECT_EQ(tree.openPathTo(1), 0);
  EXPECT_EQ(tree.top(), 0);
  // An unknown id leaves the tree collapsed.
  EXPECT_FALSE(tree.openPathTo(12345).has_value());
  EXPECT_EQ(tree.rows(), (Rows{0, 6, 9, 11}));
  EXPECT_EQ(tree.openNode(0), -1);
  // Past a level jump the walk finds an unrelated ancestor; the node is not reached.
  EXPECT_FALSE(tree.openPathTo(11).has_value());
}

TEST(TopicTree, DrawnWidthsAndExtent) {
  TopicTree tree = treeOf({{"abc", 1, 0, 1}, {"abcdefghij", 2, 1, 2}});
  EXPECT_EQ(tree.node(0).width, kUnmeasuredWidth);
  std::array<int, 256> advances;
  advances.fill(7);
  tree.measure(advances);
  EXPECT_EQ(tree.node(0).width, 3 * 7 + 22);
  EXPECT_EQ(tree.node(1).width, 70 + 18 + 22);
  EXPECT_EQ(tree.extent(), 100);  // only shown rows count, at least 100
  tree.click(0);
  EXPECT_EQ(tree.extent(), 110);
}
